// CreditsArt.cpp: the farewell credits: the team's roles under the title on a framed card.
#include "art/SceneArt.h"
#include "art/SceneRender.h"

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
    DrawFramedCard(cr, 110, 40, 420, 400, 24, WithAlpha(Palette::Cream, 0.95),
                   WithAlpha(Palette::Blush, 0.95));

    DrawText(cr, 320, 108, "Farewell", TitleStyle(44));
    TextStyle thanks = CentredText(15, Palette::Plum);
    thanks.bBold = false;
    thanks.bItalic = true;
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
        DrawText(cr, 320, y, role[0], CentredText(14, Palette::Teal));
        TextStyle name = CentredText(20, Palette::Plum);
        name.bSerif = true;
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
    CCanvas background = RenderScreen(DrawCreditsScene);
    sink.AddPicture(CreditsLayout::pszBackground, background);
    CContactSheet sheet(background);
    return sheet.Render();
}
