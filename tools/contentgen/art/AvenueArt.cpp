// AvenueArt.cpp: Seventh Avenue. Seven rows of arrows frame the model on her lit backdrop;
// each row is labelled on the right, beside a boutique window, and the ottoman waits below.
// The row highlights are the lit rows, the arrow frames pulse in gold, and the items of each
// row are drawn on the model and flattened over the backdrop.
#include "art/SceneArt.h"
#include "art/SceneRender.h"

#include "ContactSheet.h"
#include "Model.h"
#include "Paint.h"
#include "game/layout/AvenueLayout.h"

namespace
{
using namespace AvenueLayout;

constexpr int BAND_WIDTH = 480;
constexpr int LAST_BAND_HEIGHT = 52;
constexpr int BACKDROP_WIDTH = 245;
constexpr int BACKDROP_HEIGHT = 386;
constexpr int EXIT_WIDTH = 74;
constexpr int EXIT_HEIGHT = 80;
constexpr int ARROW_SIZE = 34;
const Colour LIT_BAND = Mix(Palette::PaleGold, Palette::Blush, 0.4);

constexpr LayerSize LAYER_SIZES[ROW_COUNT] = {{226, 200}, {226, 110}, {226, 250}, {226, 345},
                                              {226, 345}, {226, 130}, {226, 120}};
const char* const EXIT_LABEL = "Back to the wall";
const char* const ROW_LABELS[ROW_COUNT] = {"Hair",    "Face",        "Tops", "Dresses",
                                           "Bottoms", "Accessories", "Shoes"};

int BandHeight(int nRow)
{
    return nRow + 1 < ROW_COUNT ? aRows[nRow + 1].ptHighlight.y - aRows[nRow].ptHighlight.y
                                : LAST_BAND_HEIGHT;
}

struct Lit
{
    int nRow = -1;
    bool bExit = false;
};

void DrawRowArrow(cairo_t* cr, LayoutPoint pt, bool bLeft, bool bLit, int nPhase)
{
    DrawArrow(cr, pt.x + 3, pt.y + 3, ARROW_SIZE - 6, ARROW_SIZE - 6, bLeft,
              bLeft ? Palette::Magenta : Palette::Teal, bLit, nPhase);
}

void DrawRow(cairo_t* cr, int nRow, bool bLit)
{
    const AvenueRow& row = aRows[nRow];
    const double y = row.ptHighlight.y;
    const double h = BandHeight(nRow);
    if (bLit)
    {
        PathRoundedRect(cr, 2, y + 2, BAND_WIDTH - 4, h - 4, 12);
        FillVerticalAndStroke(cr, y, Lighter(LIT_BAND, 0.4), y + h, LIT_BAND, Palette::Gold, 3);
    }
    else
    {
        cairo_move_to(cr, 10, y + h - 1);
        cairo_line_to(cr, BAND_WIDTH - 10, y + h - 1);
        Stroke(cr, WithAlpha(Palette::Magenta, 0.18), 1);
    }
    DrawRowArrow(cr, row.ptLeftArrow, true, false, 0);
    DrawRowArrow(cr, row.ptRightArrow, false, false, 0);
    TextStyle label;
    label.dSize = nRow == ROW_ACC ? 12 : 14;
    label.bSerif = true;
    label.bItalic = true;
    label.fill = bLit ? Palette::Magenta : Palette::DeepMagenta;
    if (bLit)
    {
        label.outline = Palette::White;
        label.dOutline = 1.5;
    }
    DrawText(cr, 384, row.ptRightArrow.y + ARROW_SIZE / 2 + 5, ROW_LABELS[nRow], label);
}

void DrawBoutique(cairo_t* cr)
{
    // A shop front with a striped awning and a lit window.
    cairo_rectangle(cr, 484, 60, 148, 300);
    FillVerticalAndStroke(cr, 60, Palette::Cream, 360, Palette::Blush, Palette::Plum, 2);
    for (int i = 0; i < 8; ++i)
    {
        cairo_move_to(cr, 476 + i * 20, 30);
        cairo_line_to(cr, 496 + i * 20, 30);
        cairo_line_to(cr, 496 + i * 20, 66);
        cairo_curve_to(cr, 490 + i * 20, 74, 482 + i * 20, 74, 476 + i * 20, 66);
        cairo_close_path(cr);
        FillAndOutline(cr, i % 2 ? Palette::White : Palette::Teal, 1.2);
    }
    PathRoundedRect(cr, 496, 96, 124, 170, 6);
    FillVerticalAndStroke(cr, 96, Colour{0.75, 0.93, 0.93}, 266, Colour{0.85, 0.80, 0.95}, Palette::Gold, 4);
    // A dress form in the window.
    cairo_move_to(cr, 545, 130);
    cairo_curve_to(cr, 540, 170, 552, 190, 536, 240);
    cairo_line_to(cr, 580, 240);
    cairo_curve_to(cr, 564, 190, 576, 170, 571, 130);
    cairo_close_path(cr);
    FillAndOutline(cr, Palette::Magenta, 1.5);
    PathRoundedRect(cr, 555, 118, 6, 14, 2);
    FillAndOutline(cr, Palette::Gold, 1);
    cairo_rectangle(cr, 556, 240, 4, 18);
    FillAndOutline(cr, Palette::Gold, 1);
    DrawSparkle(cr, 515, 115, 7, Palette::White);
    DrawSparkle(cr, 600, 200, 6, Palette::White);
    // Below the window a second, low display: a shelf of shoes and a bag behind glass, with
    // flower boxes either side. The shop is scenery; only the avenue's arrows and the ottoman
    // answer a click.
    PathRoundedRect(cr, 500, 282, 116, 62, 5);
    FillVerticalAndStroke(cr, 282, Colour{0.80, 0.94, 0.95}, 344, Colour{0.88, 0.84, 0.96}, Palette::Gold, 3);
    cairo_rectangle(cr, 506, 324, 104, 4);
    FillAndOutline(cr, Palette::PaleGold, 1);
    for (int i = 0; i < 2; ++i)
    {
        // A pair of high heels seen from the side, one a little behind the other.
        const double x = 508 + i * 32;
        for (int k = 0; k < 2; ++k)
        {
            const double sx = x + k * 8;
            const double sy = 323 - k * 2;
            cairo_move_to(cr, sx + 18, sy);                                       // toe
            cairo_curve_to(cr, sx + 15, sy - 4, sx + 11, sy - 6, sx + 8, sy - 5); // vamp
            cairo_line_to(cr, sx + 2, sy - 9);                                    // top line to the back
            cairo_line_to(cr, sx + 1, sy - 5);                                    // heel seat
            cairo_curve_to(cr, sx + 6, sy - 4, sx + 9, sy, sx + 18, sy);          // sole to the toe
            cairo_close_path(cr);
            FillAndOutline(cr, i ? Palette::Teal : Palette::Magenta, 1);
            cairo_move_to(cr, sx + 2, sy - 5);
            cairo_line_to(cr, sx + 2.5, sy);
            Stroke(cr, Palette::Plum, 1.4);
        }
    }
    PathRoundedRect(cr, 578, 302, 22, 20, 4);
    FillAndOutline(cr, Palette::Gold, 1.2);
    cairo_move_to(cr, 583, 303);
    cairo_curve_to(cr, 583, 294, 595, 294, 595, 303);
    Stroke(cr, Palette::Plum, 1.5);
    DrawSparkle(cr, 606, 292, 5, Palette::White);
    for (double bx : {488.0, 588.0})
    {
        cairo_rectangle(cr, bx, 348, 40, 10);
        FillAndOutline(cr, Palette::DeepTeal, 1.2);
        for (int k = 0; k < 5; ++k)
        {
            PathEllipse(cr, bx + 4 + k * 8, 346 - (k % 2) * 2, 4, 4);
            FillAndOutline(cr, k % 2 ? Palette::Magenta : Palette::PaleGold, 0.8);
        }
    }
    TextStyle sign = CentredText(12, Palette::Plum);
    sign.bSerif = true;
    DrawText(cr, 558, 86, "BOUTIQUE", sign);
}

void DrawAvenueScene(cairo_t* cr, const Lit& lit)
{
    PaintSoftBackdrop(cr, 640, 480, Palette::Blush, Palette::Lilac, WithAlpha(Palette::PaleGold, 0.5),
                      WithAlpha(Palette::Teal, 0.3));
    PaintPinStripes(cr, 0, 0, 640, 480, WithAlpha(Palette::Magenta, 0.04), 10);
    // The pavement.
    cairo_rectangle(cr, 0, 392, 640, 88);
    FillVertical(cr, 392, Mix(Palette::Lilac, Palette::Plum, 0.15), 480,
                 Mix(Palette::Lilac, Palette::Plum, 0.35));
    SetColour(cr, WithAlpha(Palette::White, 0.35));
    cairo_set_line_width(cr, 1);
    for (int i = 0; i < 11; ++i)
    {
        cairo_move_to(cr, i * 64, 392);
        cairo_line_to(cr, i * 64 - 30, 480);
    }
    cairo_stroke(cr);
    DrawBoutique(cr);
    for (int nRow = 0; nRow < ROW_COUNT; ++nRow)
        DrawRow(cr, nRow, nRow == lit.nRow);
    // The model's stage as the background shows it when no backdrop is drawn over it.
    Model::DrawBackdrop(cr, ptBackdrop.x, ptBackdrop.y, BACKDROP_WIDTH, BACKDROP_HEIGHT);
    DrawOttoman(cr, ptExit.x + 2, ptExit.y + 4, EXIT_WIDTH - 4, EXIT_HEIGHT - 8, lit.bExit);
    // The way out, named beside the ottoman and pointing at it.
    DrawWaySign(cr, rcExit.left - 6, 428, EXIT_LABEL, false);
    DrawText(cr, 500, 446, "Seventh Avenue", TitleStyle(28));
}

CCanvas RenderScene(const Lit& lit)
{
    return RenderScreen([&lit](cairo_t* cr) { DrawAvenueScene(cr, lit); });
}

CCanvas RenderArrowFrame(bool bLeft, int nPhase)
{
    CCanvas arrow(ARROW_SIZE, ARROW_SIZE);
    DrawRowArrow(CDraw(arrow), LayoutPoint{0, 0}, bLeft, true, nPhase);
    // Flattened over the lit band colour the arrow always shows on.
    CCanvas band(ARROW_SIZE, ARROW_SIZE);
    {
        CDraw cr(band);
        SetColour(cr, Lighter(LIT_BAND, 0.2));
        cairo_paint(cr);
    }
    return FlattenOver(arrow, band, 0, 0, 110);
}

// One outfit as the scene shows it: the backdrop with the shown layers over it in the scene's
// drawing order. anFrames holds a frame per row; the dress is worn when bDress is set,
// otherwise the top and the bottom.
CCanvas ComposeOutfit(const CCanvas& backdrop, const std::vector<std::vector<CCanvas>>& items,
                      const int* anFrames, bool bDress)
{
    CCanvas outfit = backdrop.Crop(0, 0, backdrop.Width(), backdrop.Height());
    for (AvenueRowIndex nRow : aLayerDrawOrder)
    {
        const bool bSeparates = nRow == ROW_TOP || nRow == ROW_BOT;
        if ((nRow == ROW_DRE && !bDress) || (bSeparates && bDress))
            continue;
        const LayoutPoint pt = aRows[nRow].ptLayer;
        outfit.Paste(items[nRow][anFrames[nRow]], pt.x - ptBackdrop.x, pt.y - ptBackdrop.y);
    }
    return outfit;
}

// A sample of outfits for the contact sheet that shows every item at least once: every other
// outfit is a dress, the others pair each top with a different bottom, and the hair, face,
// accessory and shoe rows step through their items at different paces.
void AddSampleOutfits(CContactSheet& sheet, const CCanvas& backdrop,
                      const std::vector<std::vector<CCanvas>>& items)
{
    constexpr int SAMPLES = 12;
    for (int i = 0; i < SAMPLES; ++i)
    {
        auto pick = [&items](int nRow, int n) { return n % int(items[nRow].size()); };
        int anFrames[ROW_COUNT];
        anFrames[ROW_HH] = pick(ROW_HH, i);
        anFrames[ROW_FAC] = pick(ROW_FAC, i);
        anFrames[ROW_TOP] = pick(ROW_TOP, i / 2);
        anFrames[ROW_DRE] = pick(ROW_DRE, i / 2);
        anFrames[ROW_BOT] = pick(ROW_BOT, (i / 2) * 5 + 2);
        anFrames[ROW_ACC] = pick(ROW_ACC, i * 5 + 1);
        anFrames[ROW_SHOE] = pick(ROW_SHOE, i + 3);
        sheet.AddFrame("outfit " + std::to_string(i), ComposeOutfit(backdrop, items, anFrames, i % 2 == 1),
                       ptBackdrop);
    }
}
} // namespace

std::vector<CCanvas> RenderAvenueItems(int nRow, const CCanvas& background)
{
    const Model::Row row = Model::Row(nRow);
    return RenderLayers(background, aRows[nRow].ptLayer, LAYER_SIZES[nRow], Model::ItemCount(row),
                        [row](cairo_t* cr, int nItem) { Model::DrawItem(cr, row, nItem); });
}

CCanvas RenderAvenueBackground()
{
    return RenderScene(Lit());
}

CCanvas GenerateAvenueArt(CContentSink& sink)
{
    CCanvas background = RenderAvenueBackground();
    CCanvas backdrop = background.Crop(ptBackdrop.x, ptBackdrop.y, BACKDROP_WIDTH, BACKDROP_HEIGHT);
    Lit exitLit;
    exitLit.bExit = true;
    CCanvas exit = RenderScene(exitLit).Crop(ptExit.x, ptExit.y, EXIT_WIDTH, EXIT_HEIGHT);
    sink.AddPicture(pszBackground, background);
    sink.AddPicture(pszBackdrop, backdrop);
    sink.AddPicture(pszExit, exit);

    CContactSheet sheet(background);
    std::vector<CCanvas> highlights;
    for (int nRow = 0; nRow < ROW_COUNT; ++nRow)
    {
        Lit rowLit;
        rowLit.nRow = nRow;
        const LayoutPoint pt = aRows[nRow].ptHighlight;
        highlights.push_back(RenderScene(rowLit).Crop(pt.x, pt.y, BAND_WIDTH, BandHeight(nRow)));
        sink.AddPicture(aRows[nRow].pszHighlight, highlights.back());
        sheet.Place(highlights.back(), pt);
    }
    sheet.Place(backdrop, ptBackdrop);
    sheet.Place(exit, ptExit);

    std::vector<CCanvas> leftArrow;
    std::vector<CCanvas> rightArrow;
    for (int i = 0; i < nArrowFrames; ++i)
    {
        leftArrow.push_back(RenderArrowFrame(true, i));
        rightArrow.push_back(RenderArrowFrame(false, i));
        sink.AddPicture(apszLeftArrow[i], leftArrow.back());
        sink.AddPicture(apszRightArrow[i], rightArrow.back());
    }
    for (int nRow = 0; nRow < ROW_COUNT; ++nRow)
    {
        sheet.Place(leftArrow[nRow % nArrowFrames], aRows[nRow].ptLeftArrow);
        sheet.Place(rightArrow[nRow % nArrowFrames], aRows[nRow].ptRightArrow);
    }

    // Items are flattened over the backdrop as the scene draws it.
    std::vector<std::vector<CCanvas>> items(ROW_COUNT);
    for (int nRow = 0; nRow < ROW_COUNT; ++nRow)
    {
        items[nRow] = RenderAvenueItems(nRow, background);
        sink.AddFrameSet(aRows[nRow].pszItems, 1, items[nRow]);
    }
    for (AvenueRowIndex nRow : aLayerDrawOrder)
        if (aRows[nRow].bStartShown)
            sheet.Place(items[nRow][aRows[nRow].nStartFrame], aRows[nRow].ptLayer);
    sheet.Outline(rcExit);
    for (const AvenueRow& row : aRows)
    {
        sheet.Outline(row.rcLeftArrow);
        sheet.Outline(row.rcRightArrow);
    }
    for (int nRow = 0; nRow < ROW_COUNT; ++nRow)
        sheet.AddFrames(aRows[nRow].pszName, items[nRow], aRows[nRow].ptLayer);
    AddSampleOutfits(sheet, backdrop, items);
    return sheet.Render();
}
