// SplashArt.cpp: the title screen: a gown silhouette, the "VelvinaDemo" title and a glossy
// Enter button whose lit state is the highlight picture.
#include "art/SceneArt.h"
#include "art/SceneRender.h"

#include "ContactSheet.h"
#include "Paint.h"
#include "game/layout/SplashLayout.h"

namespace
{
constexpr int BUTTON_WIDTH = 216;
constexpr int BUTTON_HEIGHT = 64;

void PathGown(cairo_t* cr)
{
    cairo_move_to(cr, 150, 170);
    cairo_curve_to(cr, 120, 220, 140, 290, 130, 330);
    cairo_curve_to(cr, 110, 390, 60, 440, 40, 462);
    cairo_curve_to(cr, 140, 470, 250, 470, 300, 455);
    cairo_curve_to(cr, 240, 420, 215, 360, 205, 320);
    cairo_curve_to(cr, 195, 270, 205, 215, 185, 170);
    cairo_close_path(cr);
}

void DrawGownSilhouette(cairo_t* cr)
{
    // A tall figure in an evening gown and a wide hat, turned three-quarters.
    cairo_save(cr);
    DrawGlow(cr, 160, 250, 190, WithAlpha(Palette::Gold, 0.35));
    // Gown.
    PathGown(cr);
    FillVerticalAndStroke(cr, 170, Palette::Teal, 470, Palette::DeepTeal, Palette::Plum, 3);
    // Gold sash and fold lines.
    cairo_move_to(cr, 140, 250);
    cairo_curve_to(cr, 160, 262, 185, 258, 203, 244);
    Stroke(cr, Palette::Gold, 7);
    SetColour(cr, WithAlpha(Palette::White, 0.35));
    cairo_set_line_width(cr, 2);
    for (int i = 0; i < 3; ++i)
    {
        cairo_move_to(cr, 160 + i * 14, 280);
        cairo_curve_to(cr, 150 + i * 20, 360, 120 + i * 35, 420, 100 + i * 50, 462);
        cairo_stroke(cr);
    }
    // Neck, head and arm.
    PathRoundedRect(cr, 158, 135, 18, 40, 8);
    FillAndOutline(cr, Palette::Skin, 2);
    // Hair gathered at the nape, behind the head.
    PathEllipse(cr, 150, 118, 20, 24);
    FillAndOutline(cr, Darker(Palette::DeepMagenta, 0.3), 2);
    PathEllipse(cr, 172, 118, 22, 28);
    FillAndOutline(cr, Palette::Skin, 2.5);
    cairo_move_to(cr, 185, 180);
    cairo_curve_to(cr, 225, 215, 240, 250, 232, 285);
    cairo_curve_to(cr, 228, 290, 222, 288, 222, 282);
    cairo_curve_to(cr, 226, 255, 212, 230, 180, 205);
    FillAndOutline(cr, Palette::Skin, 2);
    // Wide hat with a magenta band.
    PathEllipse(cr, 172, 92, 78, 16);
    FillAndOutline(cr, Palette::Magenta, 3);
    cairo_move_to(cr, 138, 92);
    cairo_curve_to(cr, 138, 50, 206, 50, 206, 92);
    cairo_close_path(cr);
    FillAndOutline(cr, Palette::Magenta, 3);
    cairo_move_to(cr, 139, 84);
    cairo_line_to(cr, 205, 84);
    Stroke(cr, Palette::Gold, 6);
    // Profile details: a lashed, lowered eye and the lips.
    cairo_move_to(cr, 176, 112);
    cairo_curve_to(cr, 179, 116, 184, 116, 187, 112);
    Stroke(cr, Palette::Plum, 2);
    for (int i = 0; i < 3; ++i)
    {
        cairo_move_to(cr, 178 + i * 4, 115);
        cairo_line_to(cr, 177 + i * 4.5, 119);
    }
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_move_to(cr, 180, 128);
    cairo_curve_to(cr, 184, 132, 186, 130, 190, 128);
    Stroke(cr, Palette::Magenta, 3);
    cairo_restore(cr);
}

void DrawTitle(cairo_t* cr)
{
    TextStyle title = SerifCaption(50, Palette::PaleGold, Palette::Plum, 3.5);
    title.fillBottom = Palette::Gold;
    DrawText(cr, 440, 175, "VelvinaDemo", title);
    // Gold rules above and below the subtitle.
    SetColour(cr, Palette::Gold);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, 290, 198);
    cairo_line_to(cr, 590, 198);
    cairo_move_to(cr, 290, 232);
    cairo_line_to(cr, 590, 232);
    cairo_stroke(cr);
    TextStyle sub = CentredText(18, Palette::White);
    sub.bBold = false;
    DrawText(cr, 440, 222, "fashion  \xE2\x80\xA2  makeover  \xE2\x80\xA2  style", sub);
    TextStyle edition = sub;
    edition.dSize = 14;
    edition.bItalic = true;
    edition.fill = Palette::Blush;
    DrawText(cr, 440, 262, "the demonstration edition", edition);
}

void DrawSplashScene(cairo_t* cr, bool bButtonLit)
{
    PaintSoftBackdrop(cr, 640, 480, Palette::DeepMagenta, Darker(Palette::DeepTeal, 0.2),
                      WithAlpha(Palette::Magenta, 0.7), WithAlpha(Palette::Teal, 0.6));
    PaintPinStripes(cr, 0, 0, 640, 480, WithAlpha(Palette::White, 0.04), 9);
    // Soft bokeh circles.
    const double aBokeh[][3] = {{520, 70, 38}, {600, 300, 26}, {330, 420, 30}, {80, 60, 22}, {300, 80, 16}};
    for (const auto& b : aBokeh)
        DrawGlow(cr, b[0], b[1], b[2], WithAlpha(Palette::PaleGold, 0.25));
    DrawGownSilhouette(cr);
    DrawTitle(cr);
    const double aSparkles[][3] = {
        {300, 120, 12}, {600, 140, 9}, {560, 300, 14}, {250, 60, 8}, {380, 300, 10}};
    for (const auto& s : aSparkles)
        DrawSparkle(cr, s[0], s[1], s[2], Palette::PaleGold);
    ButtonStyle button;
    button.base = Palette::Teal;
    button.dFontSize = 30;
    button.bSerif = true;
    const LayoutPoint pt = SplashLayout::ptButton;
    DrawGlossyButton(cr, pt.x + 4, pt.y + 6, BUTTON_WIDTH - 8, BUTTON_HEIGHT - 12, "Enter", button,
                     bButtonLit);
}
} // namespace

CCanvas GenerateSplashArt(CContentSink& sink)
{
    CCanvas background = RenderScreen([](cairo_t* cr) { DrawSplashScene(cr, false); });
    CCanvas lit = RenderScreen([](cairo_t* cr) { DrawSplashScene(cr, true); });
    const LayoutPoint pt = SplashLayout::ptButton;
    CCanvas button = lit.Crop(pt.x, pt.y, BUTTON_WIDTH, BUTTON_HEIGHT);
    sink.AddPicture(SplashLayout::pszBackground, background);
    sink.AddPicture(SplashLayout::pszButton, button);

    CContactSheet sheet(background);
    sheet.Place(button, pt);
    sheet.Outline(SplashLayout::rcButton);
    return sheet.Render();
}
