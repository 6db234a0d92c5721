// ShellTestSupport.h: a headless machine for the shell's tests (virtual clock, timeline window,
// in-memory display, captured trace) and a probe scene that records what the shell did to it.
#pragma once

#include "core/Core.h"
#include "platform/Backend.h"
#include "platform/headless/HeadlessClock.h"
#include "platform/headless/HeadlessDisplay.h"
#include "platform/headless/HeadlessSingleInstance.h"
#include "platform/headless/HeadlessWindow.h"
#include "scene/Scene.h"
#include "scene/SceneDirector.h"
#include "trace/TraceSink.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

struct ProbeRecord
{
    // Behaviour.
    DWORD dwStallOnFirstDraw = 0; // virtual ms the first draw takes
    int nThrowOnTick = 0;         // 1-based tick that throws (0: never)
    BOOL bThrowOnLoad = FALSE;
    Platform::CVirtualClock* pClock = nullptr;

    // What happened.
    DWORD dwMasks[3] = {0, 0, 0};
    std::vector<DWORD> TickTimes;
    std::vector<BOOL> DrawFullFlags;
    struct Input
    {
        WPARAM wParam;
        LPARAM lParam;
        int nKind; // 0 mouse down/move, 1 mouse up, 2 key
        bool operator==(const Input& o) const
        {
            return wParam == o.wParam && lParam == o.lParam && nKind == o.nKind;
        }
    };
    std::vector<Input> Inputs;
};

class CProbeScene : public CScene
{
public:
    static ProbeRecord* s_pRecord;

    static CScene* Create(DWORD dwRed, DWORD dwGreen, DWORD dwBlue)
    {
        if (s_pRecord->bThrowOnLoad)
            throw std::runtime_error("load failed");
        s_pRecord->dwMasks[0] = dwRed;
        s_pRecord->dwMasks[1] = dwGreen;
        s_pRecord->dwMasks[2] = dwBlue;
        return new CProbeScene;
    }

    int Update() override
    {
        s_pRecord->TickTimes.push_back(s_pRecord->pClock->TimeGetTime());
        if (static_cast<int>(s_pRecord->TickTimes.size()) == s_pRecord->nThrowOnTick)
            throw std::runtime_error("update failed");
        return 0;
    }
    void Draw(WORD* pPixels, LONG nPitch, BOOL bFullRedraw) override
    {
        if (s_pRecord->DrawFullFlags.empty())
            s_pRecord->pClock->Advance(s_pRecord->dwStallOnFirstDraw);
        s_pRecord->DrawFullFlags.push_back(bFullRedraw);
        // A recognisable picture: every row starts with its row number.
        for (int y = 0; y < 480; ++y)
            pPixels[y * (nPitch / 2)] = static_cast<WORD>(y);
    }
    void Reserved() override {}
    BOOL OnMouse(WPARAM wKeys, LPARAM lPosition, BOOL bButtonUp) override
    {
        s_pRecord->Inputs.push_back({wKeys, lPosition, bButtonUp ? 1 : 0});
        return TRUE;
    }
    void OnKey(WPARAM wKey, LPARAM lData) override { s_pRecord->Inputs.push_back({wKey, lData, 2}); }
};

// One headless machine running the shell with a probe scene; installs its backend bundle
// (window, display, lock, clock, trace sink) for its lifetime.
class ShellMachine
{
public:
    ShellMachine()
    {
        m_Record.pClock = &m_Clock;
        CProbeScene::s_pRecord = &m_Record;
        g_SceneDirector.SetSceneFactory(SCENESTATE_SPLASH, &CProbeScene::Create, "CProbeScene");
    }
    ~ShellMachine()
    {
        // Leave the director without a scene and without factories for the next machine.
        for (int nState = 0; nState < SCENESTATE_COUNT; ++nState)
            g_SceneDirector.SetSceneFactory(nState, nullptr, nullptr);
        g_SceneDirector.Start();
    }
    ShellMachine(const ShellMachine&) = delete;
    ShellMachine& operator=(const ShellMachine&) = delete;

    int RunGame() { return Core::AppMain(SW_SHOWDEFAULT); }
    void CloseAt(DWORD dwTime) { m_Window.ScheduleMessage(dwTime, WM_CLOSE, 0, 0); }
    // Traces from the first one that starts with pszText on (none when no trace does).
    std::vector<std::string> TracesFrom(const char* pszText) const
    {
        std::vector<std::string> all = m_Trace.Messages();
        for (size_t i = 0; i < all.size(); ++i)
            if (all[i].rfind(pszText, 0) == 0)
                return std::vector<std::string>(all.begin() + static_cast<long>(i), all.end());
        return {};
    }
    // nPrimaries primary and nBacks back surfaces were made, and each was given back once.
    void ExpectSurfacesReleased(int nPrimaries, int nBacks) const
    {
        EXPECT_EQ(m_Display.PrimaryCounts().nCreated, nPrimaries);
        EXPECT_EQ(m_Display.PrimaryCounts().nReleased, nPrimaries);
        EXPECT_EQ(m_Display.BackCounts().nCreated, nBacks);
        EXPECT_EQ(m_Display.BackCounts().nReleased, nBacks);
        EXPECT_EQ(m_Display.Primary(), nullptr);
        EXPECT_EQ(m_Display.Back(), nullptr);
    }
    int CountTrace(const std::string& strText) const
    {
        int nCount = 0;
        for (const std::string& str : m_Trace.Messages())
            nCount += str == strText;
        return nCount;
    }

    Platform::CVirtualClock m_Clock;
    Trace::CaptureTraceSink m_Trace;
    Platform::CHeadlessWindow m_Window{m_Clock};
    Platform::CHeadlessDisplay m_Display;
    Platform::CHeadlessSingleInstance m_Lock;
    ProbeRecord m_Record;

private:
    Platform::CScopedBackend m_Scope{
        Platform::MakeBackend(m_Window, m_Display, m_Lock, nullptr, &m_Clock, &m_Trace)};
};

class ShellTest : public ::testing::Test, protected ShellMachine
{
};
