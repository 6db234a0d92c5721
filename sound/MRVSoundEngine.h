// MRVSoundEngine.h: the global sound engine and the handles the scenes keep.
//
// One engine at a time, reached through g_pSoundEngine (null while there is none). Scenes add
// a sound (loaded whole into a static buffer, or streamed from disk by a worker thread), give
// it a file name, initialise it, then play, poll and stop it, and remove it at the end. Every
// failure is traced and leaves the sound silent; nothing throws. All calls come from the main
// thread.
#pragma once

#include "platform/AudioDevice.h"
#include "platform/WinTypes.h"

#include <set>
#include <string>
#include <vector>

class CMRVSoundEngine;
class CMRVStreamingSound;

// The handle a caller keeps; made and destroyed only by the engine.
class CMRVSoundObject
{
public:
    void SetFileName(const char* pszFileName) { m_strFileName = pszFileName ? pszFileName : ""; }

    BOOL m_b3D;
    std::string m_strFileName;

private:
    friend class CMRVSoundEngine;
    CMRVSoundObject() : m_b3D(FALSE) {}
    ~CMRVSoundObject() = default;
};

// The engine's record of one sound, never seen by callers.
struct CMRVSoundElement
{
    // A new buffer of dwBytes on pDevice with dwFlags, plus 3D control for a 3D sound; null
    // when the device refuses it. The element keeps its buffer until ReplaceBuffer.
    Platform::IAudioBuffer* CreateBuffer(Platform::IAudioDevice* pDevice, DWORD dwFlags, DWORD dwBytes,
                                         const Platform::WaveFormat& format) const;
    // Gives back the buffer held, if any, and holds pBuffer (which may be null) instead.
    void ReplaceBuffer(Platform::IAudioBuffer* pBuffer);
    // Writes the first dwBytes of the buffer: the dwDataBytes at pData, then bySilence. FALSE
    // when the buffer cannot be locked or unlocked.
    BOOL FillBuffer(DWORD dwBytes, const BYTE* pData, DWORD dwDataBytes, BYTE bySilence);

    CMRVSoundObject* m_pSoundObject;
    Platform::IAudioBuffer* m_pBuffer;
    CMRVStreamingSound* m_pStreamingSound;
};

class CMRVSoundEngine
{
public:
    CMRVSoundEngine();
    // Ends every streaming worker and gives back every sound, buffer and the device.
    ~CMRVSoundEngine();
    CMRVSoundEngine(const CMRVSoundEngine&) = delete;
    CMRVSoundEngine& operator=(const CMRVSoundEngine&) = delete;

    BOOL Init(HWND hWnd);

    CMRVSoundObject* AddSoundObject();
    CMRVSoundObject* AddStreamingSoundObject();
    BOOL InitSoundObject(CMRVSoundObject* pSoundObject);
    BOOL InitStreamingSoundObject(CMRVSoundObject* pSoundObject);
    // Stops the sound, then plays it from its current position, looping when bLoop is set.
    BOOL PlaySound(CMRVSoundObject* pSoundObject, BOOL bLoop);
    BOOL IsSoundPlaying(CMRVSoundObject* pSoundObject);
    BOOL StopSound(CMRVSoundObject* pSoundObject);
    void RemoveSoundObject(CMRVSoundObject* pSoundObject);
    void FlushSounds();

    BOOL IsReady() const { return m_bReady; }
    // Diagnostics: whether the sound's streaming worker is running (FALSE for an unknown sound;
    // the shared cursor is not moved).
    BOOL IsStreamingThreadRunning(const CMRVSoundObject* pSoundObject) const;
    Platform::IAudioDevice* GetDevice() const { return m_pDirectSound; }
    // TRUE the first time a file name is given, FALSE ever after: a streamed file that cannot
    // be opened is traced once per run, however often a scene asks for it again.
    BOOL IsFirstOpenFailure(const std::string& strFileName)
    {
        return m_UnopenedFiles.insert(strFileName).second;
    }

private:
    typedef std::vector<CMRVSoundElement*>::iterator SoundCursor;

    // Leaves m_itCursor on the element found (or at the end); traces when bTrace is set and
    // nothing was found.
    CMRVSoundElement* LocateSoundElement(CMRVSoundObject* pSoundObject, BOOL bTrace = TRUE);
    // The sound's element when the engine is ready (as LocateSoundElement), else null without
    // a search.
    CMRVSoundElement* ReadyElement(CMRVSoundObject* pSoundObject);
    // As ReadyElement; the sound's buffer, if any, is then checked for loss and stopped.
    CMRVSoundElement* StopElement(CMRVSoundObject* pSoundObject);
    void CheckForLostBuffers(CMRVSoundObject* pSoundObject);
    // Asks the worker to end and waits for it, at most about a second, then ends it for good.
    void ShutdownStreamingThread(CMRVStreamingSound* pStreamingSound, const char* pszWarning,
                                 BOOL bStartBeforeSignal);
    CMRVSoundObject* AddElement(BOOL bStreaming);
    static void DestroyElement(CMRVSoundElement* pElement);

    std::vector<CMRVSoundElement*> m_Sounds;
    SoundCursor m_itCursor;
    BOOL m_bReady;
    Platform::IAudioDevice* m_pDirectSound;
    Platform::IAudioPrimaryBuffer* m_pPrimaryBuffer;
    std::set<std::string> m_UnopenedFiles;
};

extern CMRVSoundEngine* g_pSoundEngine;

// Makes the global engine; 0 (keeping the old one) when one exists already.
BOOL CreateSoundEngine();
// Destroys the global engine, if any, and clears g_pSoundEngine.
void DestroySoundEngine();
