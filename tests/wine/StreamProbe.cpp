// StreamProbe.cpp: velvina_stream_probe.exe DIR, the DirectSound half of the streaming check.
// Writes one sound file per streamed length of the sound tests into DIR (stream-NN.mrs, each
// with samples of its own), then plays them one after another through the sound engine on
// DirectSound, each as a streamed sound to its end, with silence between them. The lane
// records the output meanwhile and compares it with the files (velvina-lanetool streams).
// Exit status: 0 when every sound ended by itself, 1 when one did not, 2 without a device.
#include "../sound/SoundFiles.h"
#include "platform/Backend.h"
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Backend.h"
#include "sound/MRVSoundEngine.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace
{

// Lets the device get going before the first stream, and the last one fade out.
constexpr DWORD kWarmUpMs = 2000;
constexpr DWORD kGapMs = 600;

LRESULT ProbeWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcA(hWnd, nMessage, wParam, lParam);
}

std::string WriteSound(const std::string& strDir, size_t nIndex, const std::vector<BYTE>& bytes)
{
    char szName[32];
    std::snprintf(szName, sizeof(szName), "stream-%02zu.mrs", nIndex);
    const std::string strPath = strDir + "\\" + szName;
    std::ofstream(strPath, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return strPath;
}

// Plays one streamed sound to its end; FALSE when it is still playing after its length and
// three seconds more.
BOOL PlayToTheEnd(const std::string& strPath, size_t nDataBytes)
{
    CMRVSoundObject* pSound = g_pSoundEngine->AddStreamingSoundObject();
    pSound->SetFileName(strPath.c_str());
    g_pSoundEngine->InitStreamingSoundObject(pSound);
    g_pSoundEngine->PlaySound(pSound, TRUE);
    const DWORD dwLimit =
        static_cast<DWORD>(nDataBytes * 1000 / SoundTest::kOutputFormat.nAvgBytesPerSec) + 3000;
    const DWORD dwStart = ::timeGetTime();
    while (g_pSoundEngine->IsSoundPlaying(pSound) && ::timeGetTime() - dwStart < dwLimit)
        ::Sleep(10);
    const BOOL bEnded = !g_pSoundEngine->IsSoundPlaying(pSound);
    std::printf("%s: %zu bytes, %s after %lu ms\n", strPath.c_str(), nDataBytes,
                bEnded ? "ended" : "STILL PLAYING", static_cast<unsigned long>(::timeGetTime() - dwStart));
    g_pSoundEngine->RemoveSoundObject(pSound);
    return bEnded;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string strDir = argc > 1 ? argv[1] : ".";
    Platform::CWin32Backend win32;
    Platform::CScopedBackend scope(win32.Bundle());

    Platform::WindowDesc desc = {};
    desc.pszClassName = "VelvinaStreamProbe";
    desc.pszTitle = "VelvinaStreamProbe";
    desc.pfnWindowProc = &ProbeWindowProc;
    desc.nWidth = 64;
    desc.nHeight = 64;
    HWND hWnd = win32.m_Window.CreateWindow(desc);
    CreateSoundEngine();
    if (!hWnd || !g_pSoundEngine || !g_pSoundEngine->Init(hWnd))
    {
        std::printf("no DirectSound device\n");
        DestroySoundEngine();
        return 2;
    }

    // A silent whole-loaded sound starts the device's output before anything is measured.
    CMRVSoundObject* pSilence = g_pSoundEngine->AddSoundObject();
    const std::vector<BYTE> silence(SoundTest::kOutputFormat.nAvgBytesPerSec, 0);
    pSilence->SetFileName(
        WriteSound(strDir, 99, SoundTest::SoundFileBytes(SoundTest::kOutputFormat, silence)).c_str());
    g_pSoundEngine->InitSoundObject(pSilence);
    g_pSoundEngine->PlaySound(pSilence, FALSE);
    ::Sleep(kWarmUpMs);

    BOOL bAllEnded = TRUE;
    size_t nIndex = 0;
    for (const SoundTest::StreamCase& streamCase : SoundTest::kStreamCases)
    {
        const std::vector<int16_t> samples =
            SoundTest::TestSamples(streamCase.nDataBytes / 2, static_cast<uint32_t>(100 + nIndex));
        const std::string strPath =
            WriteSound(strDir, nIndex++,
                       SoundTest::SoundFileBytes(SoundTest::kOutputFormat, SoundTest::SampleBytes(samples)));
        bAllEnded = PlayToTheEnd(strPath, streamCase.nDataBytes) && bAllEnded;
        ::Sleep(kGapMs);
    }
    DestroySoundEngine();
    return bAllEnded ? 0 : 1;
}
