// SessionScript.h: runner scripts of rounds through every scene, for the game benchmarks.
// A round goes from the sign-in screen to the wall, the makeover, the wall, the avenue, the
// wall and back to the sign-in screen (six scene changes); its waits leave room for the
// exits' sounds.
#pragma once

#include "game/layout/AvenueLayout.h"
#include "game/layout/MakeoverLayout.h"
#include "game/layout/SignInLayout.h"
#include "game/layout/SplashLayout.h"
#include "game/layout/WallLayout.h"

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
