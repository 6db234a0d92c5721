// SessionScript.h: runner scripts of rounds through every scene, and velvina-headless started
// on one, for the game benchmarks. A round goes from the sign-in screen to the wall, the
// makeover, the wall, the avenue, the wall and back to the sign-in screen (six scene changes);
// its waits leave room for the exits' sounds.
#pragma once

#include "game/layout/AvenueLayout.h"
#include "game/layout/MakeoverLayout.h"
#include "game/layout/SignInLayout.h"
#include "game/layout/SplashLayout.h"
#include "game/layout/WallLayout.h"

#include <sys/types.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

// A script and the game time its waits add up to.
class CSessionScript
{
public:
    void Click(const LayoutRect& rc)
    {
        m_strText += "click " + std::to_string((rc.left + rc.right) / 2) + " " +
                     std::to_string((rc.top + rc.bottom) / 2) + "\n";
    }
    void Wait(unsigned nMs)
    {
        m_strText += "wait " + std::to_string(nMs) + "\n";
        m_nMs += nMs;
    }
    void ClickAndWait(const LayoutRect& rc, unsigned nMs)
    {
        Click(rc);
        Wait(nMs);
    }
    unsigned Ms() const { return m_nMs; }
    const std::string& Text() const { return m_strText; }

    // From the start to the sign-in screen: the splash and its button.
    void AddOpening()
    {
        Wait(500);
        ClickAndWait(SplashLayout::rcButton, 1500);
    }

    // One round from the sign-in screen back to it; with bPicks, every kind of makeover pick
    // and every avenue row's arrows on the way.
    void AddRound(bool bPicks)
    {
        namespace ML = MakeoverLayout;
        namespace AL = AvenueLayout;
        ClickAndWait(SignInLayout::rcContinue, 3000);
        ClickAndWait(WallLayout::rcMakeover, 1000);
        if (bPicks)
        {
            for (const LayoutRect& rc : {ML::arcEyes[3], ML::LipArea(5), ML::GlassesArea(7),
                                         ML::rcHairForward, ML::rcHairBack, ML::rcBefore, ML::arcEyes[11]})
                ClickAndWait(rc, 1500);
        }
        ClickAndWait(ML::rcExit, 3000);
        ClickAndWait(WallLayout::rcAvenue, 1000);
        if (bPicks)
        {
            for (const AL::AvenueRow& row : AL::aRows)
            {
                ClickAndWait(row.rcLeftArrow, 700);
                ClickAndWait(row.rcRightArrow, 700);
            }
        }
        ClickAndWait(AL::rcExit, 2000);
        ClickAndWait(WallLayout::rcBoot, 2500);
    }

private:
    std::string m_strText;
    unsigned m_nMs = 0;
};

// A temporary folder holding a session's script, journal and trace, removed with the object,
// and velvina-headless started on it.
class CRunnerSession
{
public:
    explicit CRunnerSession(const std::string& strScriptText)
    {
        char szDir[] = "/tmp/velvina-bench-XXXXXX";
        if (!mkdtemp(szDir))
            return;
        m_strDir = szDir;
        std::ofstream(Script()) << strScriptText;
    }
    ~CRunnerSession()
    {
        if (m_strDir.empty())
            return;
        for (const std::string& strFile : {Script(), Journal(), Trace()})
            std::remove(strFile.c_str());
        rmdir(m_strDir.c_str());
    }
    CRunnerSession(const CRunnerSession&) = delete;
    CRunnerSession& operator=(const CRunnerSession&) = delete;

    std::string Script() const { return m_strDir + "/session.txt"; }
    std::string Journal() const { return m_strDir + "/journal.txt"; }
    std::string Trace() const { return m_strDir + "/trace.txt"; }

    // The runner's process id, or -1 when it cannot be started.
    pid_t Start(const std::string& strHeadless, const std::string& strRoot, unsigned nMaxMs) const
    {
        if (m_strDir.empty())
            return -1;
        const std::string strMaxMs = std::to_string(nMaxMs);
        const pid_t pid = fork();
        if (pid == 0)
        {
            execl(strHeadless.c_str(), strHeadless.c_str(), "--root", strRoot.c_str(), "--script",
                  Script().c_str(), "--journal", Journal().c_str(), "--trace", Trace().c_str(), "--max-ms",
                  strMaxMs.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        return pid;
    }

private:
    std::string m_strDir;
};
