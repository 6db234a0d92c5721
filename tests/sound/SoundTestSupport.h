// SoundTestSupport.h: a fixture with the global engine on the headless audio device under a
// virtual clock, with traces and output captured; sound files are made by SoundFiles.h.
#pragma once

#include "SoundFiles.h"

#include "platform/AudioDevice.h"
#include "platform/Backend.h"
#include "platform/headless/HeadlessAudioDevice.h"
#include "platform/headless/HeadlessClock.h"
#include "sound/MRVSoundEngine.h"
#include "sound/MRVSoundFile.h"
#include "trace/TraceSink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <vector>

namespace SoundTest
{

// Remembers what the engine reports to its observer.
class RecordingObserver : public Platform::IGameObserver
{
public:
    void OnSceneChange(int, const char*) override {}
    void OnSoundPlay(const std::string& strFileName, BOOL bLoop) override
    {
        Add("play " + strFileName + (bLoop ? " loop" : " once"));
    }
    void OnSoundStop(const std::string& strFileName) override { Add("stop " + strFileName); }
    void OnSoundEnd(const std::string& strFileName) override { Add("end " + strFileName); }
    std::vector<std::string> Lines() const
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        return m_Lines;
    }

private:
    void Add(const std::string& strLine)
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Lines.push_back(strLine);
    }
    mutable std::mutex m_Mutex;
    std::vector<std::string> m_Lines;
};

// The global engine on a headless device whose output is kept in memory.
class EngineFixture : public ::testing::Test
{
protected:
    EngineFixture() : m_Audio(m_Clock), m_Scope(Bundle(&m_Audio))
    {
        const auto* pInfo = ::testing::UnitTest::GetInstance()->current_test_info();
        m_Folder = std::filesystem::temp_directory_path() /
                   (std::string("velvina_sound_") + pInfo->test_suite_name() + "_" + pInfo->name());
        std::filesystem::remove_all(m_Folder);
        std::filesystem::create_directories(m_Folder);
        m_Audio.SetCaptureInMemory(TRUE);
    }

    ~EngineFixture() override
    {
        DestroySoundEngine();
        std::filesystem::remove_all(m_Folder);
    }

    // Creates and initialises the global engine; FALSE when Init failed.
    BOOL StartEngine()
    {
        CreateSoundEngine();
        return g_pSoundEngine->Init(reinterpret_cast<HWND>(this));
    }

    std::string WriteFile(const std::string& strName, const std::vector<BYTE>& bytes)
    {
        const std::string strPath = (m_Folder / strName).string();
        std::ofstream stream(strPath, std::ios::binary | std::ios::trunc);
        stream.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return strPath;
    }

    std::string WriteSamples(const std::string& strName, const std::vector<int16_t>& samples)
    {
        return WriteFile(strName, SoundFileBytes(kOutputFormat, SampleBytes(samples)));
    }

    // Lets game time pass as the main loop does, in ticks.
    void AdvanceMs(DWORD dwTotal, DWORD dwTick = 33)
    {
        for (DWORD dwDone = 0; dwDone < dwTotal; dwDone += dwTick)
            m_Clock.Advance(std::min(dwTick, dwTotal - dwDone));
    }

    // Advances until the sound has stopped (at most dwLimitMs); returns the game time it took.
    DWORD AdvanceUntilSilent(CMRVSoundObject* pSound, DWORD dwLimitMs)
    {
        DWORD dwWaited = 0;
        while (g_pSoundEngine->IsSoundPlaying(pSound) && dwWaited < dwLimitMs)
        {
            m_Clock.Advance(33);
            dwWaited += 33;
        }
        return dwWaited;
    }

    // The device's output, from frame nFrom on, begins with exactly these samples.
    ::testing::AssertionResult OutputStartsWith(const std::vector<int16_t>& samples, size_t nFrom = 0) const
    {
        const std::vector<int16_t>& out = m_Audio.GetCaptured();
        const auto mismatch =
            std::mismatch(samples.begin(), samples.end(),
                          out.begin() + static_cast<std::ptrdiff_t>(std::min(nFrom, out.size())), out.end());
        if (mismatch.first == samples.end())
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "first wrong sample " << (mismatch.first - samples.begin())
                                             << " of " << out.size() << " heard";
    }

    size_t TraceCount(const std::string& strText) const
    {
        const std::vector<std::string> messages = m_Trace.Messages();
        return static_cast<size_t>(std::count(messages.begin(), messages.end(), strText + "\r\n"));
    }

    // The fixture's bundle: its clock, trace and observer, and pAudio as the audio backend.
    Platform::Backend Bundle(Platform::IAudioBackend* pAudio)
    {
        Platform::Backend backend;
        backend.pAudio = pAudio;
        backend.pClock = &m_Clock;
        backend.pTraceSink = &m_Trace;
        backend.pObserver = &m_Observer;
        return backend;
    }

    Platform::CVirtualClock m_Clock;
    Platform::CHeadlessAudio m_Audio;
    Trace::CaptureTraceSink m_Trace;
    RecordingObserver m_Observer;
    std::filesystem::path m_Folder;

private:
    Platform::CScopedBackend m_Scope;
};

} // namespace SoundTest
