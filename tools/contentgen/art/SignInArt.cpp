// SignInArt.cpp: the sign-in screen: the host in a gold oval frame beside her speech bubble,
// with the Farewell and Continue buttons in the lower corners. The talking animation's frames
// are the host's head with six mouth shapes; frame 0 is the resting smile.
#include "art/SceneArt.h"
#include "art/SceneRender.h"

#include "ContactSheet.h"
#include "Paint.h"
#include "game/layout/SignInLayout.h"

#include <cmath>

namespace
{
constexpr int FAREWELL_WIDTH = 130;
constexpr int FAREWELL_HEIGHT = 62;
constexpr int CONTINUE_WIDTH = 130;
constexpr int CONTINUE_HEIGHT = 59;
constexpr int TALK_WIDTH = 200;
constexpr int TALK_HEIGHT = 200;
constexpr int MOUTH_SHAPES = 6;

constexpr double HEAD_X = 161;
constexpr double HEAD_Y = 190;

enum Lit
{
    LIT_NONE = 0,
    LIT_FAREWELL = 1,
    LIT_CONTINUE = 2,
};

void DrawMouth(cairo_t* cr, int nShape)
{
    const double x = HEAD_X;
    const double y = HEAD_Y + 44;
    // Half-width and opening of each shape: rest, small, open, round, wide, half.
    const double aWidth[MOUTH_SHAPES] = {14, 12, 12, 7, 16, 13};
    const double aOpen[MOUTH_SHAPES] = {0, 5, 11, 9, 4, 7};
    const double w = aWidth[nShape];
    const double h = aOpen[nShape];
    if (h == 0)
    {
        // Closed smile with full lips.
        cairo_move_to(cr, x - w, y);
        cairo_curve_to(cr, x - w / 2, y - 5, x + w / 2, y - 5, x + w, y);
        cairo_curve_to(cr, x + w / 2, y + 8, x - w / 2, y + 8, x - w, y);
        FillAndOutline(cr, Palette::Magenta, 1.5);
        cairo_move_to(cr, x - w + 2, y + 0.5);
        cairo_curve_to(cr, x - 3, y + 3, x + 3, y + 3, x + w - 2, y + 0.5);
        Stroke(cr, Palette::Plum, 1.2);
        return;
    }
    // Open mouth: lips around a dark opening with teeth at the top.
    PathEllipse(cr, x, y + h / 2, w + 3, h / 2 + 4);
    FillAndOutline(cr, Palette::Magenta, 1.5);
    PathEllipse(cr, x, y + h / 2, w, h / 2 + 0.5);
    SetColour(cr, Darker(Palette::Plum, 0.3));
    cairo_fill(cr);
    if (h > 6)
    {
        cairo_save(cr);
        PathEllipse(cr, x, y + h / 2, w, h / 2 + 0.5);
        cairo_clip(cr);
        cairo_rectangle(cr, x - w, y - 2, 2 * w, 4 + h * 0.12);
        SetColour(cr, Palette::White);
        cairo_fill(cr);
        PathEllipse(cr, x, y + h + 1, w * 0.6, h * 0.3);
        SetColour(cr, Colour{0.85, 0.35, 0.45});
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

// The line of the host's shoulders, open along the bottom.
void PathShoulders(cairo_t* cr)
{
    cairo_move_to(cr, 70, 350);
    cairo_curve_to(cr, 75, 290, 110, 272, 161, 272);
    cairo_curve_to(cr, 212, 272, 247, 290, 252, 350);
}

void DrawHost(cairo_t* cr, int nMouth)
{
    cairo_save(cr);
    // Shoulders and a magenta wrap top.
    PathShoulders(cr);
    cairo_close_path(cr);
    FillVertical(cr, 272, Palette::Magenta, 350, Palette::DeepMagenta);
    PathShoulders(cr);
    Stroke(cr, Palette::Plum, 2);
    // Hair behind the head: a glossy bob.
    cairo_move_to(cr, HEAD_X - 70, HEAD_Y + 70);
    cairo_curve_to(cr, HEAD_X - 90, HEAD_Y - 40, HEAD_X - 60, HEAD_Y - 95, HEAD_X, HEAD_Y - 92);
    cairo_curve_to(cr, HEAD_X + 60, HEAD_Y - 95, HEAD_X + 90, HEAD_Y - 40, HEAD_X + 70, HEAD_Y + 70);
    cairo_close_path(cr);
    FillVertical(cr, HEAD_Y - 95, Colour{0.35, 0.12, 0.32}, HEAD_Y + 70, Colour{0.14, 0.04, 0.15});
    // Neck with a gold choker.
    PathRoundedRect(cr, HEAD_X - 16, HEAD_Y + 40, 32, 48, 10);
    FillAndOutline(cr, Palette::SkinShade, 1.5);
    PathRoundedRect(cr, HEAD_X - 17, HEAD_Y + 68, 34, 6, 3);
    FillAndOutline(cr, Palette::Gold, 1);
    // Face.
    cairo_move_to(cr, HEAD_X - 50, HEAD_Y - 20);
    cairo_curve_to(cr, HEAD_X - 52, HEAD_Y + 40, HEAD_X - 25, HEAD_Y + 66, HEAD_X, HEAD_Y + 66);
    cairo_curve_to(cr, HEAD_X + 25, HEAD_Y + 66, HEAD_X + 52, HEAD_Y + 40, HEAD_X + 50, HEAD_Y - 20);
    cairo_curve_to(cr, HEAD_X + 50, HEAD_Y - 70, HEAD_X - 50, HEAD_Y - 70, HEAD_X - 50, HEAD_Y - 20);
    cairo_close_path(cr);
    FillAndOutline(cr, Palette::Skin, 2);
    // Cheeks.
    DrawGlow(cr, HEAD_X - 30, HEAD_Y + 22, 14, WithAlpha(Palette::Magenta, 0.25));
    DrawGlow(cr, HEAD_X + 30, HEAD_Y + 22, 14, WithAlpha(Palette::Magenta, 0.25));
    // Eyes with teal lids and lashes.
    for (int side = -1; side <= 1; side += 2)
    {
        const double ex = HEAD_X + side * 21;
        const double ey = HEAD_Y - 4;
        PathEllipse(cr, ex, ey - 4, 12, 7);
        SetColour(cr, WithAlpha(Palette::Teal, 0.6));
        cairo_fill(cr);
        PathEllipse(cr, ex, ey, 10, 6);
        FillAndOutline(cr, Palette::White, 1.5);
        PathEllipse(cr, ex, ey, 5, 5.5);
        SetColour(cr, Colour{0.35, 0.2, 0.1});
        cairo_fill(cr);
        PathEllipse(cr, ex, ey, 2.5, 2.8);
        SetColour(cr, Palette::Plum);
        cairo_fill(cr);
        PathEllipse(cr, ex + 1.5, ey - 2, 1.3, 1.3);
        SetColour(cr, Palette::White);
        cairo_fill(cr);
        cairo_move_to(cr, ex - 11, ey - 1);
        cairo_curve_to(cr, ex - 5, ey - 8, ex + 5, ey - 8, ex + 12 * 1.05, ey - 3);
        Stroke(cr, Palette::Plum, 2.5);
        // Brow.
        cairo_move_to(cr, ex - 12, ey - 14);
        cairo_curve_to(cr, ex - 5, ey - 20, ex + 5, ey - 20, ex + 12, ey - 15);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
    // Nose.
    cairo_move_to(cr, HEAD_X + 1, HEAD_Y + 5);
    cairo_curve_to(cr, HEAD_X + 5, HEAD_Y + 18, HEAD_X + 6, HEAD_Y + 24, HEAD_X - 3, HEAD_Y + 25);
    Stroke(cr, Palette::SkinShade, 2);
    DrawMouth(cr, nMouth);
    // Fringe sweeping across the forehead.
    cairo_move_to(cr, HEAD_X - 56, HEAD_Y - 10);
    cairo_curve_to(cr, HEAD_X - 60, HEAD_Y - 75, HEAD_X + 40, HEAD_Y - 90, HEAD_X + 58, HEAD_Y - 20);
    cairo_curve_to(cr, HEAD_X + 30, HEAD_Y - 50, HEAD_X - 10, HEAD_Y - 40, HEAD_X - 56, HEAD_Y - 10);
    cairo_close_path(cr);
    FillVertical(cr, HEAD_Y - 85, Colour{0.45, 0.16, 0.40}, HEAD_Y - 10, Colour{0.20, 0.05, 0.20});
    cairo_move_to(cr, HEAD_X - 30, HEAD_Y - 58);
    cairo_curve_to(cr, HEAD_X - 5, HEAD_Y - 70, HEAD_X + 20, HEAD_Y - 66, HEAD_X + 35, HEAD_Y - 50);
    Stroke(cr, WithAlpha(Palette::Magenta, 0.7), 3);
    // Gold hoop earrings.
    for (int side = -1; side <= 1; side += 2)
    {
        cairo_arc(cr, HEAD_X + side * 50, HEAD_Y + 30, 8, 0, 2 * 3.14159265);
        Stroke(cr, Palette::Gold, 3);
    }
    cairo_restore(cr);
}

void DrawPortraitFrame(cairo_t* cr)
{
    // Gold oval frame with a teal mat behind the host.
    PathEllipse(cr, 161, 210, 122, 150);
    FillGradient(cr, cairo_pattern_create_radial(161, 170, 10, 161, 210, 150), Colour{0.55, 0.90, 0.88},
                 Palette::Teal, false);
}

void DrawFrameRing(cairo_t* cr)
{
    cairo_save(cr);
    // Clip the host's shoulders to the oval, then ring it in gold.
    PathEllipse(cr, 161, 210, 122, 150);
    Stroke(cr, Palette::Gold, 10);
    PathEllipse(cr, 161, 210, 127, 155);
    Stroke(cr, Palette::Plum, 2);
    PathEllipse(cr, 161, 210, 117, 145);
    cairo_stroke(cr);
    DrawSparkle(cr, 60, 110, 12, Palette::PaleGold);
    DrawSparkle(cr, 265, 300, 10, Palette::PaleGold);
    cairo_restore(cr);
}

// The speech bubble's tail, pointing at the host.
void PathBubbleTail(cairo_t* cr)
{
    cairo_move_to(cr, 330, 196);
    cairo_line_to(cr, 282, 218);
    cairo_line_to(cr, 330, 232);
    cairo_close_path(cr);
}

void DrawSpeechBubble(cairo_t* cr)
{
    // Bubble and tail as one shape: a wide outline first, then the fill over its inner half,
    // so no line shows where the tail joins the bubble.
    PathRoundedRect(cr, 318, 110, 290, 150, 24);
    PathBubbleTail(cr);
    SetColour(cr, Palette::Plum);
    cairo_set_line_width(cr, 5);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    SetColour(cr, Palette::White);
    PathRoundedRect(cr, 318, 110, 290, 150, 24);
    cairo_fill(cr);
    PathBubbleTail(cr);
    cairo_fill(cr);
    DrawText(cr, 463, 152, "Hello, gorgeous!", SerifCaption(21, Palette::DeepMagenta));
    TextStyle text = CentredText(16, Palette::Plum);
    text.bSerif = true;
    text.bBold = false;
    DrawText(cr, 463, 184, "Ready for a whole new look?", text);
    DrawText(cr, 463, 208, "Step inside and continue,", text);
    DrawText(cr, 463, 232, "or bid us farewell.", text);
}

// A choice button of nWidth x nHeight, inset by (nInsetX, nInsetY) into the picture at pt.
void DrawChoice(cairo_t* cr, LayoutPoint pt, int nInsetX, int nInsetY, int nWidth, int nHeight,
                const char* pszLabel, const Colour& base, bool bLit)
{
    ButtonStyle style;
    style.base = base;
    style.dFontSize = 19;
    DrawGlossyButton(cr, pt.x + nInsetX, pt.y + nInsetY, nWidth, nHeight, pszLabel, style, bLit);
}

void DrawSignInScene(cairo_t* cr, int nLit, int nMouth)
{
    PaintSoftBackdrop(cr, 640, 480, Palette::Blush, Palette::Lilac, WithAlpha(Palette::PaleGold, 0.6),
                      WithAlpha(Palette::Teal, 0.25));
    PaintPinStripes(cr, 0, 0, 640, 480, WithAlpha(Palette::Magenta, 0.05), 10);
    // Logo across the top right.
    DrawText(cr, 463, 70, "VelvinaDemo", TitleStyle(40));
    SetColour(cr, Palette::Gold);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, 340, 84);
    cairo_line_to(cr, 586, 84);
    cairo_stroke(cr);
    DrawPortraitFrame(cr);
    cairo_save(cr);
    PathEllipse(cr, 161, 210, 122, 150);
    cairo_clip(cr);
    DrawHost(cr, nMouth);
    cairo_restore(cr);
    DrawFrameRing(cr);
    DrawSpeechBubble(cr);
    DrawText(cr, 320, 405, "your style adventure starts here", SerifCaption(15, Palette::DeepMagenta));
    DrawSparkle(cr, 180, 400, 7, Palette::Gold);
    DrawSparkle(cr, 460, 400, 7, Palette::Gold);
    // The two choices.
    DrawChoice(cr, SignInLayout::ptFarewell, 6, 5, FAREWELL_WIDTH - 10, FAREWELL_HEIGHT - 10, "Farewell",
               Palette::Magenta, nLit == LIT_FAREWELL);
    DrawChoice(cr, SignInLayout::ptContinue, 7, 4, CONTINUE_WIDTH - 11, CONTINUE_HEIGHT - 8, "Continue",
               Palette::Teal, nLit == LIT_CONTINUE);
}

CCanvas RenderScene(int nLit, int nMouth)
{
    return RenderScreen([nLit, nMouth](cairo_t* cr) { DrawSignInScene(cr, nLit, nMouth); });
}
} // namespace

CCanvas GenerateSignInArt(CContentSink& sink)
{
    CCanvas background = RenderScene(LIT_NONE, 0);
    const LayoutPoint ptF = SignInLayout::ptFarewell;
    const LayoutPoint ptC = SignInLayout::ptContinue;
    const LayoutPoint ptT = SignInLayout::ptTalk;
    CCanvas farewell = RenderScene(LIT_FAREWELL, 0).Crop(ptF.x, ptF.y, FAREWELL_WIDTH, FAREWELL_HEIGHT);
    CCanvas cont = RenderScene(LIT_CONTINUE, 0).Crop(ptC.x, ptC.y, CONTINUE_WIDTH, CONTINUE_HEIGHT);
    std::vector<CCanvas> talk;
    for (int nMouth = 0; nMouth < MOUTH_SHAPES; ++nMouth)
        talk.push_back(RenderScene(LIT_NONE, nMouth).Crop(ptT.x, ptT.y, TALK_WIDTH, TALK_HEIGHT));
    sink.AddPicture(SignInLayout::pszBackground, background);
    sink.AddPicture(SignInLayout::pszFarewell, farewell);
    sink.AddPicture(SignInLayout::pszContinue, cont);
    sink.AddFrameSet(SignInLayout::pszTalk, SignInLayout::nTalkFrameRate, talk);

    CContactSheet sheet(background);
    sheet.Place(farewell, ptF);
    sheet.Place(cont, ptC);
    sheet.Place(talk[0], ptT);
    sheet.Outline(SignInLayout::rcFarewell);
    sheet.Outline(SignInLayout::rcContinue);
    sheet.AddFrames("talk", talk, ptT);
    return sheet.Render();
}
