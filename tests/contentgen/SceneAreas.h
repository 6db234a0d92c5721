// SceneAreas.h: every hot spot of the scenes with the background it lies on, scene by scene,
// for the tests of the layout tables and of the content drawn under them.
#pragma once

#include "game/layout/AvenueLayout.h"
#include "game/layout/MakeoverLayout.h"
#include "game/layout/SignInLayout.h"
#include "game/layout/SplashLayout.h"
#include "game/layout/WallLayout.h"

#include <string>
#include <vector>

struct SceneArea
{
    const char* pszBackground;
    LayoutRect rc;
    std::string strName;
};

inline std::vector<SceneArea> AllSceneAreas()
{
    using namespace MakeoverLayout;
    std::vector<SceneArea> areas = {
        {SplashLayout::pszBackground, SplashLayout::rcButton, "splash button"},
        {SignInLayout::pszBackground, SignInLayout::rcFarewell, "sign-in farewell"},
        {SignInLayout::pszBackground, SignInLayout::rcContinue, "sign-in continue"},
        {WallLayout::pszBackground, WallLayout::rcBoot, "wall boot"},
        {WallLayout::pszBackground, WallLayout::rcMakeover, "wall makeover"},
        {WallLayout::pszBackground, WallLayout::rcAvenue, "wall avenue"},
        {pszBackground, rcExit, "makeover exit"},
        {pszBackground, rcBefore, "makeover before"},
        {pszBackground, rcHairBack, "makeover hair back"},
        {pszBackground, rcHairForward, "makeover hair forward"},
    };
    for (int k = 0; k < nEyeStyles; ++k)
        areas.push_back({pszBackground, arcEyes[k], "eye " + std::to_string(k)});
    for (int k = 0; k < nLipStyles; ++k)
        areas.push_back({pszBackground, LipArea(k), "lip " + std::to_string(k)});
    for (int i = 0; i < nGlassesAreas; ++i)
        areas.push_back({pszBackground, GlassesArea(i), "glasses area " + std::to_string(i)});
    areas.push_back({AvenueLayout::pszBackground, AvenueLayout::rcExit, "avenue exit"});
    for (const AvenueLayout::AvenueRow& row : AvenueLayout::aRows)
    {
        areas.push_back(
            {AvenueLayout::pszBackground, row.rcLeftArrow, std::string(row.pszName) + " left arrow"});
        areas.push_back(
            {AvenueLayout::pszBackground, row.rcRightArrow, std::string(row.pszName) + " right arrow"});
    }
    return areas;
}
