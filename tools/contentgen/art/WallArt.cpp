// WallArt.cpp: the welcome wall, the hub: a striped boutique wall with two hanging signs
// (Seventh Avenue at the top left, Makeover at the top right), a framed welcome poster and a
// stiletto boot on a stand at the bottom that leads back to the sign-in, with a sign beside it
// saying so.
#include "art/SceneArt.h"
#include "art/SceneRender.h"

#include "ContactSheet.h"
#include "Paint.h"
#include "game/layout/WallLayout.h"

namespace
{
constexpr int AVENUE_WIDTH = 96;
constexpr int AVENUE_HEIGHT = 58;
constexpr int MAKEOVER_WIDTH = 98;
constexpr int MAKEOVER_HEIGHT = 57;
constexpr int BOOT_WIDTH = 96;
constexpr int BOOT_HEIGHT = 104;

enum Lit
{
    LIT_NONE,
    LIT_BOOT,
    LIT_MAKEOVER,
    LIT_AVENUE,
};

void DrawWall(cairo_t* cr)
{
    // Wide blush and lilac stripes, a gold dado rail and a parquet floor.
    for (int i = 0; i < 16; ++i)
    {
        cairo_rectangle(cr, i * 40, 0, 40, 400);
        FillVertical(cr, 0, i % 2 ? Palette::Blush : Palette::Lilac, 400,
                     Mix(i % 2 ? Palette::Blush : Palette::Lilac, Palette::Magenta, 0.12));
    }
    for (int i = 0; i < 16; ++i)
        for (int j = 0; j < 9; ++j)
            DrawSparkle(cr, i * 40 + 20, 20 + j * 45 + (i % 2) * 22, 3, WithAlpha(Palette::Gold, 0.35));
    cairo_rectangle(cr, 0, 400, 640, 80);
    FillVertical(cr, 400, Colour{0.75, 0.52, 0.32}, 480, Colour{0.50, 0.30, 0.18});
    SetColour(cr, WithAlpha(Palette::Plum, 0.35));
    cairo_set_line_width(cr, 1);
    for (int i = 0; i < 12; ++i)
    {
        cairo_move_to(cr, i * 60 - 40, 480);
        cairo_line_to(cr, i * 60 + 20, 400);
    }
    cairo_stroke(cr);
    cairo_rectangle(cr, 0, 392, 640, 10);
    FillAndOutline(cr, Palette::Gold, 1.5);
}

void DrawHangingSign(cairo_t* cr, double x, double y, double w, double h, const char* pszLine1,
                     const char* pszLine2, const Colour& base, bool bLit)
{
    // Chains up to the ceiling.
    SetColour(cr, Palette::Gold);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, x + 14, y);
    cairo_line_to(cr, x + 22, 0);
    cairo_move_to(cr, x + w - 14, y);
    cairo_line_to(cr, x + w - 22, 0);
    cairo_stroke(cr);
    if (bLit)
        DrawGlow(cr, x + w / 2, y + h / 2, w * 0.62, WithAlpha(Palette::Gold, 0.7));
    const Colour fill = bLit ? Lighter(base, 0.25) : base;
    PathRoundedRect(cr, x, y, w, h, 10);
    FillVerticalAndStroke(cr, y, Lighter(fill, 0.35), y + h, Darker(fill, 0.2),
                          bLit ? Palette::PaleGold : Palette::Gold, 3);
    PathRoundedRect(cr, x - 1.5, y - 1.5, w + 3, h + 3, 11);
    Stroke(cr, Palette::Plum, 1.2);
    const TextStyle text = SerifCaption(15, bLit ? Palette::PaleGold : Palette::White, Darker(base, 0.55), 2);
    if (pszLine2)
    {
        DrawText(cr, x + w / 2, y + h / 2 - 3, pszLine1, text);
        DrawText(cr, x + w / 2, y + h / 2 + 15, pszLine2, text);
    }
    else
        DrawText(cr, x + w / 2, y + h / 2 + 6, pszLine1, text);
}

void DrawBoot(cairo_t* cr, double x, double y, bool bLit)
{
    // A round stand and a knee-high stiletto boot facing left.
    if (bLit)
        DrawGlow(cr, x + 48, y + 55, 58, WithAlpha(Palette::Gold, 0.8));
    PathEllipse(cr, x + 48, y + 94, 42, 7);
    FillAndOutline(cr, Palette::Gold, 1.5);
    const Colour base = bLit ? Lighter(Palette::Magenta, 0.25) : Palette::Magenta;
    cairo_move_to(cr, x + 40, y + 6); // top of the shaft
    cairo_line_to(cr, x + 70, y + 6);
    cairo_curve_to(cr, x + 70, y + 40, x + 66, y + 62, x + 70, y + 86);
    cairo_line_to(cr, x + 66, y + 90); // heel back
    cairo_line_to(cr, x + 62, y + 90);
    cairo_line_to(cr, x + 60, y + 74);
    cairo_curve_to(cr, x + 44, y + 74, x + 30, y + 82, x + 16, y + 90); // sole to the toe
    cairo_curve_to(cr, x + 6, y + 90, x + 6, y + 80, x + 16, y + 76);
    cairo_curve_to(cr, x + 30, y + 70, x + 40, y + 62, x + 42, y + 48);
    cairo_curve_to(cr, x + 42, y + 30, x + 38, y + 20, x + 40, y + 6);
    cairo_close_path(cr);
    FillGradientStops(cr, cairo_pattern_create_linear(x + 38, 0, x + 72, 0),
                      {{0, Darker(base, 0.3)}, {0.35, Lighter(base, 0.5)}, {1, Darker(base, 0.3)}}, true);
    Stroke(cr, Palette::Plum, 2);
    // Stiletto heel, gold cuff and laces.
    cairo_move_to(cr, x + 62, y + 76);
    cairo_line_to(cr, x + 70, y + 76);
    cairo_line_to(cr, x + 68, y + 92);
    cairo_line_to(cr, x + 66, y + 92);
    cairo_close_path(cr);
    FillAndOutline(cr, Palette::Gold, 1.2);
    PathRoundedRect(cr, x + 38, y + 2, 34, 8, 3);
    FillAndOutline(cr, Palette::Gold, 1.2);
    SetColour(cr, Palette::PaleGold);
    cairo_set_line_width(cr, 1.5);
    for (int i = 0; i < 4; ++i)
    {
        cairo_move_to(cr, x + 43, y + 20 + i * 10);
        cairo_line_to(cr, x + 50, y + 25 + i * 10);
    }
    cairo_stroke(cr);
}

void DrawWelcomePoster(cairo_t* cr)
{
    DrawFramedCard(cr, 150, 130, 340, 210, 16, Palette::Cream, Palette::Blush);
    DrawText(cr, 320, 200, "Welcome", TitleStyle(46));
    TextStyle sub = CentredText(16, Palette::Plum);
    sub.bBold = false;
    DrawText(cr, 320, 236, "Where shall we go today, darling?", sub);
    sub.dSize = 14;
    sub.bItalic = true;
    sub.fill = Palette::DeepTeal;
    DrawText(cr, 240, 290, "\xE2\x86\x96 shop the avenue", sub);
    DrawText(cr, 400, 290, "a new face \xE2\x86\x97", sub);
    DrawSparkle(cr, 175, 155, 9, Palette::Gold);
    DrawSparkle(cr, 466, 315, 9, Palette::Gold);
}

void DrawWallScene(cairo_t* cr, Lit lit)
{
    DrawWall(cr);
    // Wall lamps at the sides.
    for (double lx : {60.0, 580.0})
    {
        DrawGlow(cr, lx, 210, 70, WithAlpha(Palette::PaleGold, 0.6));
        PathRoundedRect(cr, lx - 14, 190, 28, 36, 8);
        FillAndOutline(cr, Palette::PaleGold, 1.5);
        PathRoundedRect(cr, lx - 4, 226, 8, 30, 3);
        FillAndOutline(cr, Palette::Gold, 1.5);
    }
    DrawWelcomePoster(cr);
    const LayoutPoint ptA = WallLayout::ptAvenue;
    DrawHangingSign(cr, ptA.x + 4, ptA.y + 5, AVENUE_WIDTH - 8, AVENUE_HEIGHT - 10, "Seventh", "Avenue",
                    Palette::Teal, lit == LIT_AVENUE);
    const LayoutPoint ptM = WallLayout::ptMakeover;
    DrawHangingSign(cr, ptM.x + 4, ptM.y + 5, MAKEOVER_WIDTH - 8, MAKEOVER_HEIGHT - 10, "Makeover", nullptr,
                    Palette::Magenta, lit == LIT_MAKEOVER);
    const LayoutPoint ptB = WallLayout::ptBoot;
    DrawBoot(cr, ptB.x, ptB.y, lit == LIT_BOOT);
    // The way out, named beside the boot and pointing at it.
    DrawWaySign(cr, WallLayout::rcBoot.right + 6, 426, "Back to sign-in", true);
}

CCanvas RenderScene(Lit lit)
{
    return RenderScreen([lit](cairo_t* cr) { DrawWallScene(cr, lit); });
}
} // namespace

CCanvas GenerateWallArt(CContentSink& sink)
{
    CCanvas background = RenderScene(LIT_NONE);
    const LayoutPoint ptA = WallLayout::ptAvenue;
    const LayoutPoint ptM = WallLayout::ptMakeover;
    const LayoutPoint ptB = WallLayout::ptBoot;
    CCanvas avenue = RenderScene(LIT_AVENUE).Crop(ptA.x, ptA.y, AVENUE_WIDTH, AVENUE_HEIGHT);
    CCanvas makeover = RenderScene(LIT_MAKEOVER).Crop(ptM.x, ptM.y, MAKEOVER_WIDTH, MAKEOVER_HEIGHT);
    CCanvas boot = RenderScene(LIT_BOOT).Crop(ptB.x, ptB.y, BOOT_WIDTH, BOOT_HEIGHT);
    sink.AddPicture(WallLayout::pszBackground, background);
    sink.AddPicture(WallLayout::pszAvenue, avenue);
    sink.AddPicture(WallLayout::pszMakeover, makeover);
    sink.AddPicture(WallLayout::pszBoot, boot);

    CContactSheet sheet(background);
    sheet.Place(boot, ptB);
    sheet.Place(makeover, ptM);
    sheet.Place(avenue, ptA);
    sheet.Outline(WallLayout::rcBoot);
    sheet.Outline(WallLayout::rcMakeover);
    sheet.Outline(WallLayout::rcAvenue);
    return sheet.Render();
}
