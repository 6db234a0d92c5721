// WallLayout.h: the welcome wall's files, its three areas and their highlights.
#pragma once

#include "game/layout/LayoutTypes.h"

namespace WallLayout
{

constexpr const char* pszBackground = ".\\content\\wall\\wall.mri";
constexpr const char* pszBoot = ".\\content\\wall\\boot.mri";
constexpr const char* pszMakeover = ".\\content\\wall\\mmbt.mri";
constexpr const char* pszAvenue = ".\\content\\wall\\7thave.mri";
constexpr const char* pszWelcome = ".\\content\\wall\\welcome.mrs";
constexpr const char* pszWelcomeBack = ".\\content\\wall\\wwback.mrs";
constexpr const char* pszBootSound = ".\\content\\wall\\boot.mrs";

// Hot spots, in the order the scene registers them.
constexpr LayoutRect rcBoot{308, 373, 405, 477};
constexpr LayoutRect rcMakeover{374, 37, 462, 86};
constexpr LayoutRect rcAvenue{130, 38, 220, 86};

constexpr LayoutPoint ptBoot{310, 374};
constexpr LayoutPoint ptMakeover{369, 33};
constexpr LayoutPoint ptAvenue{128, 32};

constexpr uint32_t dwBootDelayMs = 1000;

// Exit codes of the three areas.
constexpr int nExitAvenue = 1;
constexpr int nExitMakeover = 2;
constexpr int nExitBoot = 3;

} // namespace WallLayout
