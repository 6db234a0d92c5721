// MRVStreamingSound.h: a long sound played from disk through a 64,000-byte looping buffer.
//
// The buffer is two halves of 32,000 bytes. Set-up fills both with the first two chunks of
// the file; each time the play cursor enters a half, the worker refills the half just played
// with the next chunk. The refill that meets the end of the file pads its half with silence,
// records where the last byte will have been played and signals the stop event; the worker
// then lets the buffer play up to that point, stops it, closes its events and the file, and
// ends. Events: 0 the cursor entered the second half, 1 the cursor wrapped to the start,
// 2 stop. The buffer itself belongs to the engine's element of the sound.
#pragma once

#include "file/MRVFile.h"
#include "platform/AudioDevice.h"
#include "platform/Threads.h"
#include "sound/MRVThread.h"

#include <memory>
#include <string>

struct CMRVSoundElement;

class CMRVStreamingSound : public CMRVThread
{
public:
    static constexpr DWORD kBufferSize = 64000;
    static constexpr DWORD kHalfSize = 32000;
    static constexpr int kEventHalfWay = 0;
    static constexpr int kEventWrap = 1;
    static constexpr int kEventStop = 2;

    CMRVStreamingSound();
    ~CMRVStreamingSound() override;

    // Main thread: opens the file, makes and fills the buffer, arms the notifications and
    // stores the buffer in the element. Does not start the worker or play. On failure
    // everything made so far is given back and FALSE returned.
    BOOL Init(CMRVSoundElement* pElement);

    void Signal(int nEvent) override;
    DWORD Run() override;

protected:
    void OnKill() override;

private:
    static DWORD HalfOffset(int nHalf) { return nHalf == 1 ? 0 : kHalfSize; }

    BOOL OpenFile();
    BOOL ReadFirstChunks(std::vector<BYTE>& data);
    BOOL MakeBuffer(const std::vector<BYTE>& data);
    void ReleaseSetup();
    BYTE SilenceByte() const;

    void RefillHalf(int nHalf);
    // Reads up to dwCount bytes at the file position; a read failure counts as the end of the
    // file.
    DWORD ReadChunk(BYTE* pData, DWORD dwCount);
    void RecordEndPosition(int nHalf, DWORD dwRemaining);
    void HandleStop();
    void WaitForEndOfStream(Platform::IAudioBuffer* pBuffer);

    CMRVFile m_File;
    DWORD m_dwPlayCursor;
    DWORD m_dwFileLength;
    DWORD m_dwEndPosition;
    // Bytes the cursor still had to travel from m_dwPlayCursor to the end position.
    DWORD m_dwEndDistance;
    int m_nHalf;
    BOOL m_bStopped;
    CMRVSoundElement* m_pElement;
    Platform::WaveFormat m_Format;
    std::shared_ptr<Platform::CEventGroup> m_pEvents;
    // Sample bytes in each half, indexed by the refill's half argument (1 first, 0 second).
    DWORD m_dwHalfFill[2];
    std::string m_strFileName;
};
