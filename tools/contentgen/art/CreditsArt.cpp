// CreditsArt.cpp: the farewell credits: the team's roles under the title on a framed card.
#include "art/SceneArt.h"

#include "ContactSheet.h"
#include "Paint.h"
#include "game/layout/CreditsLayout.h"

namespace
{
void DrawCreditsScene(cairo_t* cr)
{
    PaintSoftBackdrop(cr, 640, 480, Palette::DeepMagenta, Darker(Palette::DeepTeal, 0.25),
                      WithAlpha(Palette::Magenta, 0.6), WithAlpha(Palette::Teal, 0.5));
    PaintPinStripes(cr, 0, 0, 640, 480, WithAlpha(Palette::White, 0.04), 9);
    PathRoundedRect(cr, 110, 40, 420, 400, 24);
    FillVertical(cr, 40, WithAlpha(Palette::Cream, 0.95), 440, WithAlpha(Palette::Blush, 0.95));
    PathRoundedRect(cr, 110, 40, 420, 400, 24);
    SetColour(cr, Palette::Gold);
    cairo_set_line_width(cr, 8);
    cairo_stroke_preserve(cr);
    SetColour(cr, Palette::Plum);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);

    TextStyle title;
    title.dSize = 44;
    title.bSerif = true;
    title.bItalic = true;
    title.fill = Palette::Magenta;
    title.fillBottom = Palette::DeepMagenta;
    title.outline = Palette::PaleGold;
    title.dOutline = 2;
    title.dAnchor = 0.5;
    DrawText(cr, 320, 108, "Farewell", title);
    TextStyle thanks;
    thanks.dSize = 15;
    thanks.bBold = false;
    thanks.bItalic = true;
    thanks.fill = Palette::Plum;
    thanks.dAnchor = 0.5;
    DrawText(cr, 320, 136, "Thank you for playing VelvinaDemo", thanks);

    const char* const aRoles[][2] = {
        {"Programming", "The VelvinaDemo team"},
        {"Art", "The VelvinaDemo team"},
        {"Sound", "The VelvinaDemo team"},
        {"Music", "The VelvinaDemo team"},
    };
    double y = 190;
    for (const auto& role : aRoles)
    {
        TextStyle heading;
        heading.dSize = 14;
        heading.fill = Palette::Teal;
        heading.dAnchor = 0.5;
        DrawText(cr, 320, y, role[0], heading);
        TextStyle name;
        name.dSize = 20;
        name.bSerif = true;
        name.fill = Palette::Plum;
        name.dAnchor = 0.5;
        DrawText(cr, 320, y + 26, role[1], name);
        y += 58;
    }
    thanks.dSize = 12;
    thanks.fill = Palette::DeepMagenta;
    DrawText(cr, 320, 424, "click or press any key to leave", thanks);
    DrawSparkle(cr, 140, 70, 12, Palette::Gold);
    DrawSparkle(cr, 500, 410, 12, Palette::Gold);
    DrawSparkle(cr, 70, 400, 10, Palette::PaleGold);
    DrawSparkle(cr, 585, 90, 10, Palette::PaleGold);
}
} // namespace

CCanvas GenerateCreditsArt(CContentSink& sink)
{
    CCanvas background(640, 480);
    DrawCreditsScene(CDraw(background));
    sink.AddPicture(CreditsLayout::pszBackground, background);
    CContactSheet sheet(background);
    return sheet.Render();
}
