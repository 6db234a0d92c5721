// MakeoverArt.cpp: the makeover studio. A vanity on the left holds the eye-shadow compacts,
// the lipsticks, the glasses, the hair arrows and the "before" snapshot; the face sits in a
// gold mirror on the right, with the ottoman below it. The four face layers (eyes, lips,
// glasses, hair) are drawn at the face's position and flattened over the bare face.
#include "art/GlassesTray.h"
#include "art/SceneArt.h"
#include "art/SceneRender.h"

#include "ContactSheet.h"
#include "Face.h"
#include "Paint.h"
#include "game/layout/MakeoverLayout.h"

#include <cmath>

namespace
{
using namespace MakeoverLayout;

constexpr int EXIT_WIDTH = 70;
constexpr int EXIT_HEIGHT = 80;
constexpr int BEFORE_WIDTH = 70;
constexpr int BEFORE_HEIGHT = 106;
constexpr int ARROW_WIDTH = 32;
constexpr int ARROW_HEIGHT = 40;

constexpr LayerSize EYES_SIZE{250, 185};
constexpr LayerSize LIPS_SIZE{210, 260};
constexpr LayerSize GLASSES_SIZE{270, 200};
constexpr LayerSize HAIR_SIZE{340, 372};

struct Lit
{
    bool bExit = false;
    bool bBefore = false;
    int nLeftArrow = -1; // animation phase of a lit arrow, -1 unlit
    int nRightArrow = -1;
};

struct Centre
{
    double x;
    double y;
};

Centre AreaCentre(const LayoutRect& rc)
{
    return Centre{(rc.left + rc.right) / 2.0, (rc.top + rc.bottom) / 2.0};
}

void DrawLabel(cairo_t* cr, double x, double y, const char* pszText)
{
    TextStyle label;
    label.dSize = 11;
    label.bItalic = true;
    label.fill = Palette::DeepMagenta;
    DrawText(cr, x, y, pszText, label);
}

void DrawTray(cairo_t* cr, double x, double y, double w, double h)
{
    PathRoundedRect(cr, x, y, w, h, 10);
    FillVerticalAndStroke(cr, y, Palette::Cream, y + h, Mix(Palette::Blush, Palette::Lilac, 0.5),
                          Palette::Gold, 2);
}

void DrawEyeSwatches(cairo_t* cr)
{
    DrawTray(cr, 2, 24, 236, 96);
    DrawLabel(cr, 6, 20, "Eyes");
    for (int k = 0; k < nEyeStyles; ++k)
    {
        LayoutRect rc = arcEyes[k];
        if (k == 3)
            rc.left = arcEyes[2].right + 1; // area 3 reaches under area 2: use its own part
        const Centre c = AreaCentre(rc);
        const double r = std::fmin(rc.right - rc.left, rc.bottom - rc.top) / 2.0 - 1.5;
        Face::DrawEyeCompact(cr, c.x, c.y, std::fmin(r, 13.0), k);
    }
}

void DrawLipSwatches(cairo_t* cr)
{
    DrawTray(cr, 2, 144, 236, 54);
    DrawLabel(cr, 6, 140, "Lips");
    for (int k = 0; k < nLipStyles; ++k)
    {
        const LayoutRect rc = LipArea(k);
        Face::DrawLipstick(cr, rc.left + 1, rc.top + 2, rc.right - rc.left - 1, rc.bottom - rc.top - 3, k);
    }
}

void DrawGlassesSwatches(cairo_t* cr)
{
    using namespace GlassesTray;
    DrawTray(cr, PANEL_X, PANEL_Y, PANEL_W, PANEL_H);
    DrawLabel(cr, 6, PANEL_Y - 4, "Glasses");
    for (int g = 0; g < nGlasses; ++g)
        DrawPair(cr, g);
}

void DrawBeforeSnapshot(cairo_t* cr, bool bLit)
{
    const double x = ptBefore.x + 3;
    const double y = ptBefore.y + 4;
    const double w = BEFORE_WIDTH - 6;
    const double h = BEFORE_HEIGHT - 8;
    cairo_save(cr);
    if (bLit)
        DrawGlow(cr, x + w / 2, y + h / 2, 56, WithAlpha(Palette::Gold, 0.9));
    PathRoundedRect(cr, x, y, w, h, 3);
    FillAndOutline(cr, Palette::White, 1.5, bLit ? Palette::Gold : Palette::Plum);
    // The bare face in miniature.
    cairo_rectangle(cr, x + 5, y + 5, w - 10, w - 10);
    SetColour(cr, Mix(Palette::Teal, Palette::White, 0.6));
    cairo_fill(cr);
    cairo_save(cr);
    cairo_rectangle(cr, x + 5, y + 5, w - 10, w - 10);
    cairo_clip(cr);
    const double dScale = (w - 10) / 240.0;
    cairo_translate(cr, x + 5 + (w - 10) / 2, y + 5);
    cairo_scale(cr, dScale, dScale);
    cairo_translate(cr, -400, -40);
    Face::DrawBase(cr);
    Face::DrawHair(cr, 0);
    cairo_restore(cr);
    cairo_rectangle(cr, x + 5, y + 5, w - 10, w - 10);
    Stroke(cr, Palette::Plum, 1);
    DrawText(cr, x + w / 2, y + h - 12, "Before", SerifCaption(13, bLit ? Palette::Magenta : Palette::Plum));
    cairo_restore(cr);
}

void DrawHairArrows(cairo_t* cr, const Lit& lit)
{
    DrawLabel(cr, 66, 340, "Hair");
    DrawArrow(cr, ptLeftArrow.x + 3, ptLeftArrow.y + 4, ARROW_WIDTH - 6, ARROW_HEIGHT - 10, true,
              Palette::Teal, lit.nLeftArrow >= 0, lit.nLeftArrow < 0 ? 0 : lit.nLeftArrow);
    DrawArrow(cr, ptRightArrow.x + 3, ptRightArrow.y + 4, ARROW_WIDTH - 6, ARROW_HEIGHT - 10, false,
              Palette::Teal, lit.nRightArrow >= 0, lit.nRightArrow < 0 ? 0 : lit.nRightArrow);
}

void DrawMirror(cairo_t* cr)
{
    Face::PathMirror(cr);
    FillGradient(cr, cairo_pattern_create_linear(240, 17, 560, 393), Colour{0.80, 0.95, 0.95},
                 Colour{0.78, 0.72, 0.92}, false);
    cairo_save(cr);
    Face::PathMirror(cr);
    cairo_clip(cr);
    cairo_move_to(cr, 250, 120);
    cairo_line_to(cr, 330, 20);
    cairo_line_to(cr, 360, 20);
    cairo_line_to(cr, 250, 160);
    cairo_close_path(cr);
    SetColour(cr, WithAlpha(Palette::White, 0.35));
    cairo_fill(cr);
    Face::DrawBase(cr);
    cairo_restore(cr);
    Face::PathMirror(cr);
    Stroke(cr, Palette::Gold, 10);
    PathEllipse(cr, Face::MIRROR_X, Face::MIRROR_Y, Face::MIRROR_RX + 5, Face::MIRROR_RY + 5);
    Stroke(cr, Palette::Plum, 1.5);
    Face::PathMirror(cr);
    cairo_stroke(cr);
    for (int i = 0; i < 12; ++i)
    {
        const double a = i * 3.14159265 / 6;
        DrawSparkle(cr, Face::MIRROR_X + (Face::MIRROR_RX + 1) * std::cos(a),
                    Face::MIRROR_Y + (Face::MIRROR_RY + 1) * std::sin(a), 4, Palette::PaleGold);
    }
}

void DrawPerfume(cairo_t* cr)
{
    PathRoundedRect(cr, 580, 330, 44, 52, 12);
    FillGradientStops(cr, cairo_pattern_create_linear(580, 0, 624, 0),
                      {{0, Colour{0.85, 0.11, 0.52, 0.9}},
                       {0.4, Colour{1.0, 0.7, 0.85, 0.9}},
                       {1, Colour{0.55, 0.04, 0.36, 0.9}}},
                      true);
    Stroke(cr, Palette::Plum, 2);
    PathRoundedRect(cr, 594, 314, 16, 16, 3);
    FillAndOutline(cr, Palette::Gold, 1.5);
    PathEllipse(cr, 602, 306, 10, 9);
    FillAndOutline(cr, Palette::PaleGold, 1.5);
}

void DrawMakeoverScene(cairo_t* cr, const Lit& lit)
{
    PaintSoftBackdrop(cr, 640, 480, Palette::Lilac, Palette::Blush, WithAlpha(Palette::Teal, 0.25),
                      WithAlpha(Palette::Magenta, 0.25));
    PaintPinStripes(cr, 240, 0, 400, 480, WithAlpha(Palette::Magenta, 0.05), 10);
    // The vanity panel.
    cairo_rectangle(cr, 0, 0, 244, 480);
    FillVertical(cr, 0, Mix(Palette::Lilac, Palette::White, 0.3), 480, Palette::Lilac);
    cairo_move_to(cr, 244, 0);
    cairo_line_to(cr, 244, 480);
    Stroke(cr, Palette::Gold, 3);
    DrawEyeSwatches(cr);
    DrawLipSwatches(cr);
    DrawGlassesSwatches(cr);
    DrawTray(cr, 14, 310, 130, 50);
    DrawHairArrows(cr, lit);
    DrawBeforeSnapshot(cr, lit.bBefore);
    DrawMirror(cr);
    DrawPerfume(cr);
    DrawSparkle(cr, 600, 60, 10, Palette::Gold);
    DrawSparkle(cr, 585, 250, 7, Palette::Gold);
    DrawOttoman(cr, ptExit.x + 2, ptExit.y + 6, EXIT_WIDTH - 4, EXIT_HEIGHT - 8, lit.bExit);
    // The way out, named beside the ottoman and pointing at it, under the mirror.
    DrawWaySign(cr, rcExit.right + 6, 412, "Back to the wall", true);
    DrawText(cr, 528, 470, "Makeover", TitleStyle(34));
}

CCanvas RenderScene(const Lit& lit)
{
    return RenderScreen([&lit](cairo_t* cr) { DrawMakeoverScene(cr, lit); });
}
} // namespace

CCanvas GenerateMakeoverArt(CContentSink& sink)
{
    CCanvas background = RenderScene(Lit());
    Lit exitLit;
    exitLit.bExit = true;
    CCanvas exit = RenderScene(exitLit).Crop(ptExit.x, ptExit.y, EXIT_WIDTH, EXIT_HEIGHT);
    Lit beforeLit;
    beforeLit.bBefore = true;
    CCanvas before = RenderScene(beforeLit).Crop(ptBefore.x, ptBefore.y, BEFORE_WIDTH, BEFORE_HEIGHT);
    std::vector<CCanvas> leftArrow;
    std::vector<CCanvas> rightArrow;
    for (int nPhase = 0; nPhase < nArrowFrames; ++nPhase)
    {
        Lit arrows;
        arrows.nLeftArrow = nPhase;
        arrows.nRightArrow = nPhase;
        CCanvas lit = RenderScene(arrows);
        leftArrow.push_back(lit.Crop(ptLeftArrow.x, ptLeftArrow.y, ARROW_WIDTH, ARROW_HEIGHT));
        rightArrow.push_back(lit.Crop(ptRightArrow.x, ptRightArrow.y, ARROW_WIDTH, ARROW_HEIGHT));
    }
    std::vector<CCanvas> eyes =
        RenderLayers(background, ptFace, EYES_SIZE, Face::EYE_STYLES, Face::DrawEyeStyle);
    std::vector<CCanvas> lips =
        RenderLayers(background, ptFace, LIPS_SIZE, Face::LIP_STYLES, Face::DrawLipStyle);
    std::vector<CCanvas> glasses =
        RenderLayers(background, ptFace, GLASSES_SIZE, Face::GLASSES, Face::DrawGlassesOnFace);
    std::vector<CCanvas> hair = RenderLayers(background, ptFace, HAIR_SIZE, Face::HAIRSTYLES, Face::DrawHair);

    sink.AddPicture(pszBackground, background);
    sink.AddPicture(pszExit, exit);
    sink.AddPicture(pszBefore, before);
    for (int i = 0; i < nArrowFrames; ++i)
    {
        sink.AddPicture(apszLeftArrow[i], leftArrow[i]);
        sink.AddPicture(apszRightArrow[i], rightArrow[i]);
    }
    sink.AddFrameSet(pszEyes, 1, eyes);
    sink.AddFrameSet(pszLips, 1, lips);
    sink.AddFrameSet(pszGlasses, 1, glasses);
    sink.AddFrameSet(pszHair, 1, hair);

    CContactSheet sheet(background);
    sheet.Place(exit, ptExit);
    sheet.Place(eyes[0], ptFace);
    sheet.Place(lips[0], ptFace);
    sheet.Place(hair[0], ptFace);
    sheet.Place(before, ptBefore);
    sheet.Place(leftArrow[0], ptLeftArrow);
    sheet.Place(rightArrow[0], ptRightArrow);
    sheet.Outline(rcExit);
    sheet.Outline(rcBefore);
    sheet.Outline(rcHairBack);
    sheet.Outline(rcHairForward);
    for (const LayoutRect& rc : arcEyes)
        sheet.Outline(rc);
    for (int k = 0; k < nLipStyles; ++k)
        sheet.Outline(LipArea(k));
    for (int i = 0; i < nGlassesAreas; ++i)
        sheet.Outline(GlassesArea(i), Colour{1.0, 0.5, 0.0});
    sheet.AddFrames("eyes", eyes, ptFace);
    sheet.AddFrames("lips", lips, ptFace);
    sheet.AddFrames("glasses", glasses, ptFace);
    sheet.AddFrames("hair", hair, ptFace);
    return sheet.Render();
}
