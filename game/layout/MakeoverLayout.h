// MakeoverLayout.h: the makeover studio's files, its 64 hot spots, sprite positions and the
// frame counts the face layers must have.
#pragma once

#include "game/layout/LayoutTypes.h"

namespace MakeoverLayout
{

constexpr const char* pszBackground = ".\\content\\mmo\\makeover.mri";
constexpr const char* pszExit = ".\\content\\mmo\\ottoman.mri";
constexpr const char* pszBefore = ".\\content\\mmo\\before.mri";
constexpr const char* apszLeftArrow[3] = {".\\content\\mmo\\mmlt000.mri", ".\\content\\mmo\\mmlt001.mri",
                                          ".\\content\\mmo\\mmlt002.mri"};
constexpr const char* apszRightArrow[3] = {".\\content\\mmo\\mmrt000.mri", ".\\content\\mmo\\mmrt001.mri",
                                           ".\\content\\mmo\\mmrt002.mri"};
constexpr const char* pszEyes = ".\\content\\mmo\\eye.mrm";
constexpr const char* pszLips = ".\\content\\mmo\\lip.mrm";
constexpr const char* pszGlasses = ".\\content\\mmo\\glas.mrm";
constexpr const char* pszHair = ".\\content\\mmo\\hair.mrm";

constexpr const char* pszVoiceOver = ".\\content\\mmo\\mmovo.mrs";
constexpr const char* pszExitSound = ".\\content\\mmo\\ottoman.mrs";
constexpr const char* pszBeforeSound = ".\\content\\mmo\\before.mrs";
constexpr const char* pszHairBackSound = ".\\content\\mmo\\hairback.mrs";
constexpr const char* pszHairForwardSound = ".\\content\\mmo\\hairforw.mrs";
constexpr const char* pszLipsSound = ".\\content\\mmo\\mmolips.mrs";
constexpr const char* pszGlassesSound = ".\\content\\mmo\\mmoglass.mrs";
constexpr const char* pszEyesSound = ".\\content\\mmo\\mmoeyes.mrs";

constexpr int nEyeStyles = 15;
constexpr int nLipStyles = 15;
constexpr int nGlasses = 10;
constexpr int nGlassesAreas = 3 * nGlasses;
constexpr int nArrowFrames = 3;

constexpr LayoutRect rcExit{268, 398, 344, 479};
constexpr LayoutRect rcHairBack{29, 318, 57, 355};
constexpr LayoutRect rcHairForward{102, 318, 130, 335};
constexpr LayoutRect rcBefore{41, 374, 110, 477};

// Eye area k selects eye style k.
constexpr LayoutRect arcEyes[nEyeStyles] = {
    {8, 30, 37, 61},  {55, 30, 82, 62},  {100, 32, 124, 61}, {120, 32, 169, 62},  {188, 31, 212, 60},
    {34, 57, 57, 85}, {75, 57, 101, 87}, {120, 59, 144, 86}, {167, 59, 188, 88},  {210, 59, 233, 87},
    {7, 86, 32, 113}, {49, 84, 76, 115}, {96, 86, 120, 116}, {139, 84, 166, 115}, {185, 85, 212, 115},
};

// Lip area k (16 x 32 from its corner) selects lip style k.
constexpr int nLipAreaWidth = 16;
constexpr int nLipAreaHeight = 32;
constexpr LayoutPoint aptLipCorners[nLipStyles] = {
    {10, 151},  {24, 155},  {40, 161},  {54, 157},  {69, 152},  {84, 153},  {99, 158},  {113, 155},
    {128, 154}, {144, 156}, {158, 161}, {172, 157}, {187, 153}, {203, 155}, {219, 160},
};

// Glasses areas 3g, 3g + 1 and 3g + 2 (16 x 22 from their corners) cover pair g.
constexpr int nGlassesAreaWidth = 16;
constexpr int nGlassesAreaHeight = 22;
constexpr LayoutPoint aptGlassesCorners[nGlassesAreas] = {
    {8, 246},   {26, 222},  {17, 234},  {22, 259},  {30, 246},  {41, 234},  {51, 251},  {59, 240},
    {69, 228},  {66, 265},  {75, 251},  {87, 241},  {103, 252}, {113, 240}, {124, 225}, {119, 267},
    {129, 252}, {140, 241}, {156, 254}, {162, 242}, {174, 230}, {169, 267}, {177, 252}, {190, 239},
    {198, 258}, {207, 245}, {218, 232}, {204, 275}, {216, 261}, {227, 249},
};

constexpr LayoutRect LipArea(int k)
{
    return LayoutRectAt(aptLipCorners[k], nLipAreaWidth, nLipAreaHeight);
}

constexpr LayoutRect GlassesArea(int i)
{
    return LayoutRectAt(aptGlassesCorners[i], nGlassesAreaWidth, nGlassesAreaHeight);
}

constexpr int GlassesPairOfArea(int i)
{
    return i / 3;
}

// Sprite positions.
constexpr LayoutPoint ptExit{275, 399};
constexpr LayoutPoint ptFace{230, 27}; // all four face layers
constexpr LayoutPoint ptBefore{42, 373};
constexpr LayoutPoint ptLeftArrow{28, 317};
constexpr LayoutPoint ptRightArrow{100, 317};

constexpr uint32_t dwArrowStepMs = 66;
constexpr uint32_t dwExitDelayMs = 2000;

// Frame counts the content provides; the scene needs one frame per style and the hair's
// frame 0 is the bare "before" look.
constexpr int nMinEyeFrames = nEyeStyles;
constexpr int nMinLipFrames = nLipStyles;
constexpr int nMinGlassesFrames = nGlasses;
constexpr int nMinHairFrames = 8;

} // namespace MakeoverLayout
