// AudioDevice.h: the audio device service the sound engine plays through.
//
// Contract:
// - A device is opened for the game window in exclusive use; its output is 22,050 Hz, mono,
//   16-bit (the primary buffer's format). OpenAudioDevice returns null when the installed
//   bundle has no audio backend or the backend has no device to open: the game then runs silent.
// - Secondary buffers hold PCM samples in their own format (8 or 16 bit, mono or stereo, any
//   rate); the device converts them to its output and saturates the sum instead of wrapping.
//   A static buffer is filled once; a streaming buffer loops and carries position
//   notifications: each time its play cursor moves onto or past a notification's byte offset
//   (offset 0 when it wraps from the end to the start) the notification's event is set.
// - Lock hands out the memory of [offset, offset + bytes) clipped to the buffer's end (no
//   second, wrapped-around region); the caller writes it and gives it back with Unlock.
// - Play starts from the current play position, once (stopping at the end, where the position
//   returns to 0) or looping; Stop keeps the position. GetStatus reports playing and lost;
//   a lost buffer plays nothing and refuses Lock and Play until Restore, after which its
//   contents are silence and must be written again.
// - Every buffer call may come from the main thread or a streaming worker; the device
//   serialises them against its own mixing. Results: AUDIO_OK or an AUDIO_ failure code.
#pragma once

#include "platform/Threads.h"
#include "platform/WinTypes.h"

#include <memory>

namespace Platform
{

// The 18-byte PCM format record of the sound files, field for field.
struct WaveFormat
{
    WORD wFormatTag; // 1: PCM
    WORD nChannels;
    DWORD nSamplesPerSec;
    DWORD nAvgBytesPerSec;
    WORD nBlockAlign; // bytes per sample frame
    WORD wBitsPerSample;
    WORD cbSize;
};

constexpr WORD kWaveFormatPcm = 1;

enum AudioResult : int
{
    AUDIO_OK = 0,
    AUDIO_BUFFERLOST = 1,
    AUDIO_FAILED = 2,
};

// GetStatus bits.
constexpr DWORD AUDIO_STATUS_PLAYING = 0x1;
constexpr DWORD AUDIO_STATUS_BUFFERLOST = 0x2;
constexpr DWORD AUDIO_STATUS_LOOPING = 0x4;

// Play flags.
constexpr DWORD AUDIO_PLAY_LOOPING = 0x1;

// Buffer kinds and controls (the control bits are accepted; nothing here changes volume, pan,
// frequency or 3-D position).
constexpr DWORD AUDIO_BUFFER_STATIC = 0x00002;
constexpr DWORD AUDIO_BUFFER_CTRL3D = 0x00010;
constexpr DWORD AUDIO_BUFFER_CTRLFREQUENCY = 0x00020;
constexpr DWORD AUDIO_BUFFER_CTRLPAN = 0x00040;
constexpr DWORD AUDIO_BUFFER_CTRLVOLUME = 0x00080;
constexpr DWORD AUDIO_BUFFER_CTRLPOSITIONNOTIFY = 0x00100;
constexpr DWORD AUDIO_BUFFER_GETCURRENTPOSITION2 = 0x10000;

struct AudioBufferDesc
{
    DWORD dwFlags;
    DWORD dwBufferBytes;
    const WaveFormat* pFormat;
};

// Sets event nEvent of pEvents when the play cursor reaches dwOffset.
struct AudioNotifyPosition
{
    DWORD dwOffset;
    std::shared_ptr<CEventGroup> pEvents;
    int nEvent;
};

class IAudioBuffer
{
public:
    virtual AudioResult Lock(DWORD dwOffset, DWORD dwBytes, void** ppData, DWORD* pdwLocked) = 0;
    virtual AudioResult Unlock(void* pData, DWORD dwBytes) = 0;
    virtual AudioResult Play(DWORD dwFlags) = 0;
    virtual AudioResult Stop() = 0;
    virtual AudioResult GetStatus(DWORD* pdwStatus) = 0;
    // The play position in bytes from the start of the buffer.
    virtual AudioResult GetCurrentPosition(DWORD* pdwPlayCursor) = 0;
    // Replaces the notifications (an empty list removes them). The buffer keeps the event
    // groups alive for as long as it holds them.
    virtual AudioResult SetNotificationPositions(DWORD dwCount, const AudioNotifyPosition* pPositions) = 0;
    virtual AudioResult Restore() = 0;
    // Gives the buffer back; the pointer is invalid afterwards.
    virtual void Release() = 0;

protected:
    virtual ~IAudioBuffer() = default;
};

// The device's output: only its format is ever set.
class IAudioPrimaryBuffer
{
public:
    virtual AudioResult SetFormat(const WaveFormat& format) = 0;
    virtual void Release() = 0;

protected:
    virtual ~IAudioPrimaryBuffer() = default;
};

class IAudioDevice
{
public:
    virtual AudioResult SetCooperativeLevel(HWND hWnd) = 0;
    // Null on failure.
    virtual IAudioPrimaryBuffer* CreatePrimaryBuffer() = 0;
    // Null when the description or its format cannot be played.
    virtual IAudioBuffer* CreateBuffer(const AudioBufferDesc& desc) = 0;
    // Closes the device; every buffer must have been released first.
    virtual void Release() = 0;

protected:
    virtual ~IAudioDevice() = default;
};

// What an executable installs: the way to its audio device.
class IAudioBackend
{
public:
    virtual ~IAudioBackend() = default;
    // Null when there is no device to open.
    virtual IAudioDevice* OpenDevice() = 0;
};

// Opens the installed backend's device; null when the bundle has no audio backend or it has no
// device to open.
IAudioDevice* OpenAudioDevice();

} // namespace Platform
