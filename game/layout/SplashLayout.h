// SplashLayout.h: the title screen's picture files, button area and highlight position.
#pragma once

#include "game/layout/LayoutTypes.h"

namespace SplashLayout
{

constexpr const char* pszBackground = ".\\content\\splash\\splash.mri";
constexpr const char* pszButton = ".\\content\\splash\\splashbt.mri";
constexpr const char* pszMusic = ".\\content\\music\\lounge.mrs";

constexpr LayoutRect rcButton{395, 360, 620, 436};
constexpr LayoutPoint ptButton{400, 368};

} // namespace SplashLayout
