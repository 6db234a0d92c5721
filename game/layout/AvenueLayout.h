// AvenueLayout.h: the Seventh Avenue scene's files, its seven rows of items with their arrow
// areas and highlights, the model's layers and the starting outfit.
#pragma once

#include "game/layout/LayoutTypes.h"

namespace AvenueLayout
{

constexpr const char* pszBackground = ".\\content\\ave\\7thave.mri";
constexpr const char* pszBackdrop = ".\\content\\ave\\clomask.mri";
constexpr const char* pszExit = ".\\content\\ave\\ottoman.mri";
constexpr const char* apszLeftArrow[3] = {".\\content\\ave\\lbt1.mri", ".\\content\\ave\\lbt2.mri",
                                          ".\\content\\ave\\lbt3.mri"};
constexpr const char* apszRightArrow[3] = {".\\content\\ave\\rbt1.mri", ".\\content\\ave\\rbt2.mri",
                                           ".\\content\\ave\\rbt3.mri"};
constexpr const char* pszBootSound = ".\\content\\ave\\boot.mrs";
constexpr const char* pszClickSound = ".\\content\\ave\\7thave.mrs";
constexpr const char* pszFashionVoice = ".\\content\\ave\\fashion.mrs";

constexpr int nArrowFrames = 3;

enum AvenueRowIndex
{
    ROW_HH,
    ROW_FAC,
    ROW_TOP,
    ROW_DRE,
    ROW_BOT,
    ROW_ACC,
    ROW_SHOE,
    ROW_COUNT
};

struct AvenueRow
{
    const char* pszName;      // file stem of the row's frame set
    const char* pszHighlight; // row highlight picture
    const char* pszItems;     // the row's items, one frame each
    LayoutPoint ptHighlight;
    LayoutRect rcLeftArrow;  // hot spot 2r of the arrow list
    LayoutRect rcRightArrow; // hot spot 2r + 1 of the arrow list
    LayoutPoint ptLeftArrow; // where the left arrow sprite shows for this row
    LayoutPoint ptRightArrow;
    LayoutPoint ptLayer; // the item layer's position
    int nStartFrame;     // the starting outfit
    bool bStartShown;
    int nMinItems; // items the content provides
};

// Rows top to bottom, in hot-spot order. Kept two lines a row by hand, so that the table reads
// as one.
// clang-format off
constexpr AvenueRow aRows[ROW_COUNT] = {
    {"hh", ".\\content\\ave\\hhboa.mri", ".\\content\\ave\\hh.mrm", {0, 22}, {22, 27, 67, 70},
     {334, 28, 380, 71}, {29, 33}, {342, 33}, {94, 17}, 3, true, 6},
    {"fac", ".\\content\\ave\\faboa.mri", ".\\content\\ave\\fac.mrm", {0, 79}, {22, 82, 67, 120},
     {335, 81, 378, 121}, {29, 85}, {342, 85}, {94, 17}, 0, true, 4},
    {"top", ".\\content\\ave\\toboa.mri", ".\\content\\ave\\top.mrm", {0, 130}, {21, 134, 67, 173},
     {336, 133, 378, 174}, {29, 137}, {342, 137}, {94, 17}, 1, true, 6},
    {"dre", ".\\content\\ave\\drboa.mri", ".\\content\\ave\\dre.mrm", {0, 180}, {23, 187, 68, 225},
     {339, 186, 379, 225}, {29, 189}, {342, 189}, {94, 17}, 0, false, 6},
    {"bot", ".\\content\\ave\\boboa.mri", ".\\content\\ave\\bot.mrm", {0, 232}, {26, 239, 64, 277},
     {338, 238, 379, 277}, {29, 241}, {342, 241}, {94, 17}, 0, true, 6},
    {"acc", ".\\content\\ave\\acboa.mri", ".\\content\\ave\\acc.mrm", {0, 288}, {23, 291, 65, 328},
     {338, 291, 377, 329}, {29, 293}, {342, 293}, {94, 195}, 4, true, 6},
    {"shoe", ".\\content\\ave\\shboa.mri", ".\\content\\ave\\shoe.mrm", {0, 338}, {23, 343, 66, 382},
     {337, 343, 376, 381}, {29, 345}, {342, 345}, {94, 266}, 1, true, 6},
};
// clang-format on

// The order the item layers are added to the scene, and so drawn (later over earlier).
constexpr AvenueRowIndex aLayerDrawOrder[ROW_COUNT] = {ROW_BOT, ROW_TOP, ROW_DRE, ROW_FAC,
                                                       ROW_HH,  ROW_ACC, ROW_SHOE};

constexpr LayoutRect rcExit{268, 398, 344, 479};
constexpr LayoutPoint ptExit{269, 400};
constexpr LayoutPoint ptBackdrop{85, 9};

constexpr uint32_t dwArrowStepMs = 66;
constexpr uint32_t dwExitDelayMs = 1000;

} // namespace AvenueLayout
