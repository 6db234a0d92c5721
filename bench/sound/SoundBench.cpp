// SoundBench.cpp: the mixer's cost with eight voices of mixed formats, the cost of one
// streaming refill, and the SDL device's buffer length. Prints FIGURE lines.
#include "file/MRVFile.h"
#include "platform/AudioDevice.h"
#include "platform/mixer/SoftwareMixer.h"
#include "platform/sdl/SdlAudioDevice.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <vector>

using namespace Platform;

namespace
{

WaveFormat Format(WORD nChannels, DWORD dwRate, WORD wBits)
{
    const WORD nAlign = static_cast<WORD>(nChannels * wBits / 8);
    return {kWaveFormatPcm, nChannels, dwRate, dwRate * nAlign, nAlign, wBits, 0};
}

// Two seconds of a tone in the given format.
IAudioBuffer* ToneBuffer(CSoftwareMixer& mixer, const WaveFormat& format)
{
    const DWORD dwBytes = format.nSamplesPerSec * format.nBlockAlign * 2;
    const AudioBufferDesc desc = {AUDIO_BUFFER_STATIC, dwBytes, &format};
    IAudioBuffer* pBuffer = mixer.CreateBuffer(desc);
    void* pData = nullptr;
    DWORD dwLocked = 0;
    pBuffer->Lock(0, dwBytes, &pData, &dwLocked);
    BYTE* pBytes = static_cast<BYTE*>(pData);
    for (DWORD i = 0; i < dwLocked; ++i)
        pBytes[i] = static_cast<BYTE>(128 + 60 * std::sin(i * 0.05));
    pBuffer->Unlock(pData, dwLocked);
    pBuffer->Play(AUDIO_PLAY_LOOPING);
    return pBuffer;
}

double CpuSeconds()
{
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

double MixerCorePercent()
{
    CSoftwareMixer mixer;
    const WaveFormat formats[8] = {Format(1, 22050, 16), Format(2, 22050, 16), Format(1, 11025, 8),
                                   Format(2, 44100, 16), Format(1, 48000, 16), Format(2, 8000, 8),
                                   Format(1, 22050, 8),  Format(1, 32000, 16)};
    for (const WaveFormat& format : formats)
        ToneBuffer(mixer, format);
    const double dwAudioSeconds = 120.0;
    const size_t nBlocks = static_cast<size_t>(dwAudioSeconds * CSoftwareMixer::kOutputRate / 512);
    std::vector<int16_t> out(512);
    const double dStart = CpuSeconds();
    for (size_t i = 0; i < nBlocks; ++i)
        mixer.Mix(out.data(), out.size());
    return (CpuSeconds() - dStart) / dwAudioSeconds * 100.0;
}

// What the streaming worker does for one half: cursor, lock, a 32,000-byte read, unlock.
double RefillMicroseconds()
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "velvina_sound_bench.mrs";
    {
        std::vector<char> bytes(26 + 32000 * 64, 1);
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    CSoftwareMixer mixer;
    const WaveFormat format = Format(1, 22050, 16);
    const AudioBufferDesc desc = {AUDIO_BUFFER_CTRLPOSITIONNOTIFY, 64000, &format};
    IAudioBuffer* pBuffer = mixer.CreateBuffer(desc);
    pBuffer->Play(AUDIO_PLAY_LOOPING);
    CMRVFile file;
    file.Open(path.string(), 0);
    const DWORD dwLength = file.GetLength();
    const int nRefills = 2000;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < nRefills; ++i)
    {
        DWORD dwCursor = 0;
        pBuffer->GetCurrentPosition(&dwCursor);
        void* pData = nullptr;
        DWORD dwLocked = 0;
        pBuffer->Lock((i & 1) ? 32000 : 0, 32000, &pData, &dwLocked);
        if (file.GetPosition() + 32000 > dwLength)
            file.Seek(26, 0);
        file.Read(pData, dwLocked);
        pBuffer->Unlock(pData, dwLocked);
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    file.Close();
    pBuffer->Release();
    std::filesystem::remove(path);
    return std::chrono::duration<double, std::micro>(elapsed).count() / nRefills;
}

// The SDL device's buffer, in milliseconds of output (SDL's dummy driver when no other is
// chosen, so the figure needs no sound card).
double DeviceLatencyMs()
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    CSdlAudio audio;
    IAudioDevice* pDevice = audio.OpenDevice();
    if (!pDevice)
        return -1.0;
    pDevice->Release();
    return audio.GetOpenedBufferFrames() * 1000.0 / CSoftwareMixer::kOutputRate;
}

} // namespace

int main()
{
    const double dMixer = MixerCorePercent();
    const double dRefill = RefillMicroseconds();
    const double dLatency = DeviceLatencyMs();
    std::printf("FIGURE mixer_core_percent_8_voices %.3f\n", dMixer);
    std::printf("FIGURE refill_us %.1f\n", dRefill);
    std::printf("FIGURE device_latency_ms %.1f\n", dLatency);
    return 0;
}
