// Model.cpp: the avenue model's figure and every item she can wear.
//
// Everything is drawn for the right side of the figure and mirrored about her centre line for
// the left, so hands, feet, sleeves and shoes always match.
#include "Model.h"

#include "Hair.h"
#include "Paint.h"
#include "Shapes.h"

#include <cmath>
#include <functional>
#include <vector>

namespace Model
{
namespace
{
// ---- The figure's measurements (screen pixels) --------------------------------------------

constexpr double CX = 207;
constexpr double HEAD_TOP = 34.5;
constexpr double CHIN_Y = 75.5;
constexpr double EYE_Y = 55.5;
constexpr double EYE_DX = 6.2;
constexpr double MOUTH_Y = 67.5;
constexpr double NECK_BASE_Y = 94;
constexpr double WAIST_Y = 160;
constexpr double HIP_Y = 198;
constexpr double WAISTBAND_Y = 168; // where bottoms sit
constexpr double PLINTH_Y = 372;

// Half-width of the torso, shoulders to crotch.
const std::vector<ProfileKnot> TORSO = {{92, 7},     {95, 16},    {98, 24.5},  {102, 28.5}, {108, 27},
                                        {116, 23.5}, {124, 23.6}, {136, 19.5}, {148, 16.8}, {160, 16},
                                        {172, 19},   {184, 24},   {198, 27},   {210, 26.5}, {218, 24}};

// The right arm from the shoulder to the wrist, and the hand.
const std::vector<TubeKnot> ARM = {{CX + 24.5, 101, 6.6},
                                   {CX + 29.5, 126, 5.1},
                                   {CX + 32.5, 156, 4.2},
                                   {CX + 34.8, 180, 3.6},
                                   {CX + 36.5, 202, 3.0}};
const std::vector<TubeKnot> HAND = {
    {CX + 36.5, 200, 3.1}, {CX + 37.6, 208, 4.0}, {CX + 38.6, 216, 3.5}, {CX + 39.2, 222, 2.2}};
const std::vector<TubeKnot> THUMB = {{CX + 35.2, 205, 1.7}, {CX + 34.4, 210, 1.5}, {CX + 34.6, 213, 1.1}};

// The right leg from the hip to the ankle, and the bare foot.
const std::vector<TubeKnot> LEG = {{CX + 12.5, 200, 13.5}, {CX + 12, 236, 11.5}, {CX + 10.5, 266, 8.6},
                                   {CX + 9.5, 284, 7.0},   {CX + 10, 306, 7.6},  {CX + 9.3, 328, 5.6},
                                   {CX + 8.8, 346, 3.9}};
const std::vector<TubeKnot> FOOT = {
    {CX + 8.8, 343, 3.9}, {CX + 9.8, 355, 4.4}, {CX + 11.2, 364, 3.7}, {CX + 12, 368.5, 2.2}};

// Where the hand holds things: the middle of the right hand's grip.
constexpr double GRIP_X = CX + 38;
constexpr double GRIP_Y = 211;

const Colour UNDERWEAR{0.86, 0.76, 0.82};
const Colour WIG_CAP{0.80, 0.72, 0.76};
const Colour HAIR_BROWN{0.40, 0.22, 0.12};

// ---- Drawing helpers -----------------------------------------------------------------------

// Runs draw() for the right side, then again mirrored about the centre line for the left.
void BothSides(cairo_t* cr, const std::function<void()>& draw)
{
    draw();
    cairo_save(cr);
    cairo_translate(cr, 2 * CX, 0);
    cairo_scale(cr, -1, 1);
    draw();
    cairo_restore(cr);
}

// Fills the current path in a colour shaded across from x0 to x1 (lit from the left), then
// outlines it in plum.
void FillShaded(cairo_t* cr, const Colour& c, double x0, double x1, double dOutline = 1.1)
{
    FillGradientStops(cr, cairo_pattern_create_linear(x0, 0, x1, 0),
                      {{0.0, Darker(c, 0.12)}, {0.3, Lighter(c, 0.22)}, {0.62, c}, {1.0, Darker(c, 0.28)}},
                      true);
    SetColour(cr, Palette::Plum);
    cairo_set_line_width(cr, dOutline);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

// A shaded fill across the figure's width at its widest.
void FillCloth(cairo_t* cr, const Colour& c)
{
    FillShaded(cr, c, CX - 40, CX + 40);
}

// A shaded fill across a limb of the right side (mirrored draws mirror the light as well,
// which reads as light from the front).
void FillLimb(cairo_t* cr, const Colour& c, double x, double r)
{
    FillShaded(cr, c, x - r, x + r);
}

void PathArmAndHand(cairo_t* cr)
{
    PathTube(cr, ARM);
    PathTube(cr, HAND);
    PathTube(cr, THUMB);
}

// Draws a garment behind the arms: whatever draw() paints where an arm or a hand is, is taken
// out again, so the arms stay in front of bodices and skirts.
void DrawBehindArms(cairo_t* cr, const std::function<void()>& draw)
{
    cairo_push_group(cr);
    draw();
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    BothSides(cr, [cr] { PathArmAndHand(cr); });
    SetColour(cr, Palette::White);
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
}

// Points along the arm (0 at the shoulder, 1 at the wrist) with the arm's half-width there.
std::vector<TubeKnot> ArmPart(double t0, double t1, double dEase)
{
    const std::vector<TubeKnot> spine = SampleTube(ARM);
    std::vector<TubeKnot> part;
    const size_t nFirst = size_t(t0 * double(spine.size() - 1));
    const size_t nLast = size_t(t1 * double(spine.size() - 1));
    for (size_t i = nFirst; i <= nLast; i += 3)
        part.push_back(TubeKnot{spine[i].x, spine[i].y, spine[i].r + dEase});
    part.push_back(TubeKnot{spine[nLast].x, spine[nLast].y, spine[nLast].r + dEase});
    return part;
}

// A sleeve from the shoulder to t along the arm (1 reaches the wrist), dEase wider than the arm,
// with a cuff band in cuff colour when the cuff has a width.
void DrawSleeve(cairo_t* cr, const Colour& c, double t, double dEase, const Colour& cuff = Colour{-1, 0, 0})
{
    BothSides(cr,
              [&]
              {
                  std::vector<TubeKnot> sleeve = ArmPart(0.0, t, dEase);
                  sleeve.front().r += 0.6; // the shoulder cap
                  PathTube(cr, sleeve, true, false);
                  FillLimb(cr, c, CX + 30, 9);
                  // A fold at the elbow of long sleeves.
                  if (t > 0.7)
                  {
                      cairo_move_to(cr, CX + 29, 154);
                      cairo_curve_to(cr, CX + 31, 157, CX + 34, 157, CX + 36, 154);
                      Stroke(cr, WithAlpha(Darker(c, 0.45), 0.7), 0.9);
                  }
                  if (cuff.r >= 0)
                  {
                      std::vector<TubeKnot> band = ArmPart(t - 0.1, t, dEase + 0.6);
                      PathTube(cr, band, false, false);
                      FillLimb(cr, cuff, CX + 36, 5);
                  }
              });
}

// The garment outline of the torso between two heights, dEase wider than the body.
std::vector<ProfileKnot> TorsoBetween(double y0, double y1, double dEase)
{
    std::vector<ProfileKnot> knots;
    const std::vector<TubeKnot> side = []
    {
        std::vector<TubeKnot> asKnots;
        for (const ProfileKnot& k : TORSO)
            asKnots.push_back(TubeKnot{k.w, k.y, 0});
        return SampleTube(asKnots);
    }();
    for (const TubeKnot& p : side)
        if (p.y >= y0 && p.y <= y1)
            knots.push_back(ProfileKnot{p.y, p.x + dEase});
    return knots;
}

// The torso's half-width at height y.
double TorsoHalfWidth(double y)
{
    const std::vector<ProfileKnot> knots = TorsoBetween(y - 1, y + 1, 0);
    return knots.empty() ? TORSO.back().w : knots.front().w;
}

// Garment outline: the torso from y0 to y1, then the given rows below it (a skirt).
void PathGarment(cairo_t* cr, double y0, double y1, double dEase, const std::vector<ProfileKnot>& skirt = {})
{
    std::vector<ProfileKnot> knots = TorsoBetween(y0, y1, dEase);
    knots.insert(knots.end(), skirt.begin(), skirt.end());
    PathProfile(cr, CX, knots);
}

// Soft vertical folds over a skirt: curved darker lines from the waist spreading to the hem.
void DrawFolds(cairo_t* cr, const Colour& c, double y0, double w0, double y1, double w1, int nFolds)
{
    for (int i = 1; i < nFolds; ++i)
    {
        const double f = double(i) / nFolds * 2 - 1;
        cairo_move_to(cr, CX + f * w0 * 0.8, y0);
        cairo_curve_to(cr, CX + f * w0, (y0 * 2 + y1) / 3, CX + f * w1 * 0.9, (y0 + y1 * 2) / 3,
                       CX + f * w1 * 0.92, y1 - 1);
    }
    Stroke(cr, WithAlpha(Darker(c, 0.35), 0.55), 0.9);
}

// A neckline cut out of what was drawn so far (the skin shows through), edged in plum: a scoop
// dWidth either side of the centre and dDepth below the base of the neck, or a V to dDepth.
void CutNeckline(cairo_t* cr, double dWidth, double dDepth, bool bVee)
{
    auto edge = [=]
    {
        cairo_move_to(cr, CX - dWidth, NECK_BASE_Y - 2);
        if (bVee)
            cairo_line_to(cr, CX, NECK_BASE_Y + dDepth);
        else
            cairo_curve_to(cr, CX - dWidth, NECK_BASE_Y + dDepth * 1.3, CX + dWidth,
                           NECK_BASE_Y + dDepth * 1.3, CX + dWidth, NECK_BASE_Y - 2);
        if (bVee)
            cairo_line_to(cr, CX + dWidth, NECK_BASE_Y - 2);
    };
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    edge();
    cairo_line_to(cr, CX + dWidth, 80);
    cairo_line_to(cr, CX - dWidth, 80);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_restore(cr);
    edge();
    Stroke(cr, Palette::Plum, 1.1);
}

// Shoulder straps from the top edge of a bodice over the shoulders.
void DrawStraps(cairo_t* cr, const Colour& c, double yTop, double dWidth)
{
    BothSides(cr,
              [&]
              {
                  cairo_move_to(cr, CX + 13, yTop + 1);
                  cairo_curve_to(cr, CX + 14, NECK_BASE_Y + 2, CX + 15, NECK_BASE_Y - 1, CX + 16,
                                 NECK_BASE_Y - 1);
                  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
                  StrokeEdged(cr, c, dWidth, 0.8);
              });
}

void Sparkles(cairo_t* cr, double x0, double y0, double x1, double y1, int nCount, const Colour& c, double r)
{
    for (int i = 0; i < nCount; ++i)
    {
        // A fixed scatter: golden-ratio steps across, a little jitter down.
        const double fx = std::fmod(i * 0.6180339887, 1.0);
        const double fy = (i + 0.5) / nCount;
        DrawSparkle(cr, x0 + fx * (x1 - x0), y0 + fy * (y1 - y0), r, c);
    }
}

// ---- The bare figure -------------------------------------------------------------------------

void PathHead(cairo_t* cr)
{
    cairo_move_to(cr, CX, HEAD_TOP);
    cairo_curve_to(cr, CX + 10, HEAD_TOP, CX + 15.5, 42, CX + 15.5, 52);
    cairo_curve_to(cr, CX + 15.5, 62, CX + 12, 70, CX + 6, 73.8);
    cairo_curve_to(cr, CX + 3, CHIN_Y, CX - 3, CHIN_Y, CX - 6, 73.8);
    cairo_curve_to(cr, CX - 12, 70, CX - 15.5, 62, CX - 15.5, 52);
    cairo_curve_to(cr, CX - 15.5, 42, CX - 10, HEAD_TOP, CX, HEAD_TOP);
    cairo_close_path(cr);
}

// The top of the head above the hairline.
void PathScalp(cairo_t* cr)
{
    cairo_move_to(cr, CX - 15.8, 55);
    cairo_curve_to(cr, CX - 15, 44, CX - 8, 41.5, CX, 41.5);
    cairo_curve_to(cr, CX + 8, 41.5, CX + 15, 44, CX + 15.8, 55);
    cairo_curve_to(cr, CX + 17, 40, CX + 10, HEAD_TOP - 0.8, CX, HEAD_TOP - 0.8);
    cairo_curve_to(cr, CX - 10, HEAD_TOP - 0.8, CX - 17, 40, CX - 15.8, 55);
    cairo_close_path(cr);
}

void PathBandeau(cairo_t* cr)
{
    PathProfile(cr, CX, {{112, 23.8}, {118, 24.2}, {126, 23.8}, {135, 20.6}});
}

void PathBriefs(cairo_t* cr)
{
    cairo_move_to(cr, CX - 24.5, 184);
    cairo_line_to(cr, CX + 24.5, 184);
    cairo_curve_to(cr, CX + 26.5, 190, CX + 27.6, 196, CX + 27.6, 201);
    cairo_curve_to(cr, CX + 18, 204, CX + 8, 212, CX + 4, 219);
    cairo_line_to(cr, CX - 4, 219);
    cairo_curve_to(cr, CX - 8, 212, CX - 18, 204, CX - 27.6, 201);
    cairo_curve_to(cr, CX - 27.6, 196, CX - 26.5, 190, CX - 24.5, 184);
    cairo_close_path(cr);
}

void DrawSkin(cairo_t* cr, double x, double r)
{
    FillShaded(cr, Palette::Skin, x - r, x + r);
}

void DrawFace(cairo_t* cr)
{
    // Brows, eyes, nose and a soft smile.
    BothSides(cr,
              [cr]
              {
                  cairo_move_to(cr, CX + EYE_DX - 3.6, EYE_Y - 4.2);
                  cairo_curve_to(cr, CX + EYE_DX - 1, EYE_Y - 5.6, CX + EYE_DX + 2, EYE_Y - 5.4,
                                 CX + EYE_DX + 4, EYE_Y - 3.8);
                  Stroke(cr, Colour{0.35, 0.2, 0.12}, 1.0);
                  PathEllipse(cr, CX + EYE_DX, EYE_Y, 2.9, 1.6);
                  FillAndOutline(cr, Palette::White, 0.7);
                  PathEllipse(cr, CX + EYE_DX - 0.2, EYE_Y, 1.35, 1.45);
                  SetColour(cr, Colour{0.30, 0.18, 0.12});
                  cairo_fill(cr);
                  cairo_move_to(cr, CX + EYE_DX - 3, EYE_Y - 0.4);
                  cairo_curve_to(cr, CX + EYE_DX - 1, EYE_Y - 2.2, CX + EYE_DX + 1.5, EYE_Y - 2.2,
                                 CX + EYE_DX + 3.4, EYE_Y - 0.9);
                  Stroke(cr, Palette::Plum, 0.9);
                  DrawGlow(cr, CX + 9.5, 63, 4, WithAlpha(Palette::Magenta, 0.16));
              });
    cairo_move_to(cr, CX + 0.5, 58);
    cairo_curve_to(cr, CX + 1.8, 61, CX + 2, 62.6, CX + 0.4, 63.2);
    Stroke(cr, Darker(Palette::SkinShade, 0.15), 0.9);
    cairo_move_to(cr, CX - 3.6, MOUTH_Y);
    cairo_curve_to(cr, CX - 1.5, MOUTH_Y - 1.4, CX + 1.5, MOUTH_Y - 1.4, CX + 3.6, MOUTH_Y);
    cairo_curve_to(cr, CX + 1.5, MOUTH_Y + 2.4, CX - 1.5, MOUTH_Y + 2.4, CX - 3.6, MOUTH_Y);
    FillAndOutline(cr, Colour{0.86, 0.52, 0.52}, 0.6);
}

void DrawBareFigure(cairo_t* cr)
{
    BothSides(cr,
              [cr]
              {
                  PathTube(cr, LEG);
                  DrawSkin(cr, CX + 11, 13);
                  PathTube(cr, FOOT);
                  DrawSkin(cr, CX + 10, 5);
              });
    PathProfile(cr, CX, TORSO);
    FillShaded(cr, Palette::Skin, CX - 28, CX + 28);
    // The navel and the shadow under the bust.
    PathEllipse(cr, CX, 176, 0.9, 1.5);
    SetColour(cr, Palette::SkinShade);
    cairo_fill(cr);
    // The neck, its lower end hidden in the shoulders.
    PathProfile(cr, CX, {{68, 5.6}, {84, 6.0}, {92, 7.4}, {95.5, 9}});
    FillVertical(cr, 68, Palette::SkinShade, 84, Palette::Skin);
    BothSides(cr,
              [cr]
              {
                  cairo_move_to(cr, CX + 5.6, 68);
                  cairo_curve_to(cr, CX + 5.8, 80, CX + 6.2, 88, CX + 8.5, 93);
                  Stroke(cr, Palette::Plum, 1.1);
              });
    BothSides(cr,
              [cr]
              {
                  PathEllipse(cr, CX + 15.4, 56, 2.2, 4);
                  FillAndOutline(cr, Palette::SkinShade, 0.8);
              });
    PathHead(cr);
    FillGradient(cr, cairo_pattern_create_radial(CX - 5, 50, 3, CX, 56, 24), Lighter(Palette::Skin, 0.3),
                 Palette::Skin, true);
    Stroke(cr, Palette::Plum, 1.1);
    // Plain underwear and a cap over the hair, all of which the outfits cover.
    PathBandeau(cr);
    FillAndOutline(cr, UNDERWEAR, 0.8);
    PathBriefs(cr);
    FillAndOutline(cr, UNDERWEAR, 0.8);
    PathScalp(cr);
    FillAndOutline(cr, WIG_CAP, 0.8);
    BothSides(cr,
              [cr]
              {
                  PathTube(cr, ARM);
                  DrawSkin(cr, CX + 30, 8);
                  PathTube(cr, HAND);
                  DrawSkin(cr, CX + 38, 5);
                  PathTube(cr, THUMB);
                  DrawSkin(cr, CX + 35, 2);
              });
    DrawFace(cr);
}

// ---- Tops --------------------------------------------------------------------------------------

void DrawTop(cairo_t* cr, int nItem)
{
    struct Top
    {
        Colour colour;
        double dHem;
        double dSleeve; // along the arm, 0 for none
        bool bStraps;
    };
    const Top aTops[] = {
        {Palette::White, 190, 0.24, false},          // tee with a heart
        {Palette::Magenta, 192, 1.0, false},         // blouse with a bow
        {Palette::Teal, 150, 0, true},               // crop top
        {Palette::Gold, 192, 0, true},               // sequin tank
        {Colour{0.96, 0.58, 0.72}, 196, 1.0, false}, // striped sweater
        {Colour{0.40, 0.10, 0.35}, 206, 1.0, false}, // blazer
    };
    const Top& top = aTops[nItem];
    const Colour& c = top.colour;
    const double yTop = top.bStraps ? 107 : 92;
    const double dEase = nItem == 5 ? 3.2 : 2.2;
    DrawBehindArms(
        cr,
        [&]
        {
            const double dFlare = nItem == 5 ? 3.5 : top.dHem > WAIST_Y ? 1.2 : 0;
            const std::vector<ProfileKnot> hem = {{top.dHem, TorsoHalfWidth(top.dHem) + dEase + dFlare}};
            PathGarment(cr, yTop, top.dHem - 2, dEase, hem);
            FillCloth(cr, c);
            if (nItem == 4)
            {
                // White stripes across the body.
                cairo_save(cr);
                PathGarment(cr, yTop, top.dHem - 2, dEase, hem);
                cairo_clip(cr);
                for (int i = 0; i < 7; ++i)
                    cairo_rectangle(cr, CX - 60, 106 + i * 13, 120, 5);
                SetColour(cr, WithAlpha(Palette::White, 0.85));
                cairo_fill(cr);
                cairo_restore(cr);
            }
            if (!top.bStraps)
                CutNeckline(cr, nItem == 5 ? 7.5 : 8.5, nItem == 1 ? 4 : 7, false);
            if (nItem == 5)
            {
                // Lapels opening over a white camisole, and two gold buttons.
                cairo_move_to(cr, CX - 9, 96);
                cairo_line_to(cr, CX, 146);
                cairo_line_to(cr, CX + 9, 96);
                cairo_close_path(cr);
                FillAndOutline(cr, Palette::Cream, 1.0);
                BothSides(cr,
                          [cr, &c]
                          {
                              cairo_move_to(cr, CX + 9, 95);
                              cairo_line_to(cr, CX + 15, 104);
                              cairo_line_to(cr, CX + 11, 110);
                              cairo_line_to(cr, CX + 0.5, 146);
                              cairo_close_path(cr);
                              FillShaded(cr, Darker(c, 0.15), CX, CX + 15, 1.0);
                          });
                for (int i = 0; i < 2; ++i)
                {
                    PathEllipse(cr, CX + 2, 156 + i * 14, 1.8, 1.8);
                    FillAndOutline(cr, Palette::Gold, 0.6);
                }
            }
            if (nItem == 3)
                Sparkles(cr, CX - 20, 112, CX + 20, 186, 16, Palette::White, 2.6);
            if (nItem == 2 || nItem == 3)
            {
                // A gathered top edge.
                cairo_move_to(cr, CX - 24, yTop + 3);
                cairo_curve_to(cr, CX - 8, yTop + 5, CX + 8, yTop + 5, CX + 24, yTop + 3);
                Stroke(cr, WithAlpha(Darker(c, 0.35), 0.6), 0.9);
            }
        });
    if (top.bStraps)
        DrawStraps(cr, Darker(c, 0.15), yTop, 2);
    if (top.dSleeve > 0)
        DrawSleeve(cr, c, top.dSleeve, dEase, nItem == 0 ? Colour{-1, 0, 0} : Darker(c, 0.12));
    switch (nItem)
    {
    case 0: // the heart
        cairo_move_to(cr, CX, 134);
        cairo_curve_to(cr, CX - 11, 126, CX - 7, 116, CX, 122);
        cairo_curve_to(cr, CX + 7, 116, CX + 11, 126, CX, 134);
        cairo_close_path(cr);
        FillAndOutline(cr, Palette::Magenta, 0.8);
        break;
    case 1: // the bow at the neck
        BothSides(cr,
                  [cr]
                  {
                      cairo_move_to(cr, CX, 100);
                      cairo_curve_to(cr, CX + 4, 94, CX + 9, 96, CX + 8, 100);
                      cairo_curve_to(cr, CX + 9, 104, CX + 4, 106, CX, 100);
                      cairo_close_path(cr);
                      FillAndOutline(cr, Palette::PaleGold, 0.8);
                      cairo_move_to(cr, CX + 0.5, 101);
                      cairo_line_to(cr, CX + 4, 114);
                      Stroke(cr, Palette::PaleGold, 2);
                  });
        PathEllipse(cr, CX, 100, 2, 2);
        FillAndOutline(cr, Palette::Gold, 0.6);
        break;
    case 4: // ribbed hem
        cairo_rectangle(cr, CX - 29, 190, 58, 6);
        FillAndOutline(cr, Darker(c, 0.1), 0.9);
        break;
    default:
        break;
    }
}

// ---- Dresses ---------------------------------------------------------------------------------

void DrawDress(cairo_t* cr, int nItem)
{
    struct Dress
    {
        Colour colour;
        double dTop;                    // top edge of the bodice
        std::vector<ProfileKnot> skirt; // below the hips
        double dSleeve;
    };
    const Dress aDresses[] = {
        {Colour{0.80, 0.05, 0.12}, 107, {{230, 28.5}, {268, 30}, {300, 38}, {322, 50}, {338, 62}}, 0},
        {Palette::Teal, 92, {{262, 33}}, 0},
        {Palette::Gold, 107, {{250, 28}, {292, 24}}, 0},
        {Palette::White, 107, {{206, 38}, {240, 48}, {274, 56}}, 0},
        {Palette::Lilac, 103, {{214, 42}, {260, 56}, {306, 68}, {338, 76}}, 0.16},
        {Palette::Magenta, 92, {{230, 34}, {282, 40}}, 1.0},
    };
    const Dress& dress = aDresses[nItem];
    const Colour& c = dress.colour;
    // Full skirts start at the waist, fitted ones at the hips.
    const bool bFull = nItem == 3 || nItem == 4;
    DrawBehindArms(cr,
                   [&]
                   {
                       PathGarment(cr, dress.dTop, bFull ? WAIST_Y + 2 : HIP_Y, 2.2, dress.skirt);
                       FillCloth(cr, c);
                       const ProfileKnot& hem = dress.skirt.back();
                       DrawFolds(cr, c, bFull ? WAIST_Y + 4 : HIP_Y + 6, bFull ? 18 : 26, hem.y, hem.w,
                                 bFull ? 7 : 4);
                       if (dress.dTop < 100)
                           CutNeckline(cr, nItem == 5 ? 8 : 10, nItem == 5 ? 16 : 3, nItem == 5);
                       switch (nItem)
                       {
                       case 0: // a sweetheart neckline edge and a ruffled hem
                           cairo_move_to(cr, CX - 26, 109);
                           cairo_curve_to(cr, CX - 16, 105, CX - 4, 106, CX, 112);
                           cairo_curve_to(cr, CX + 4, 106, CX + 16, 105, CX + 26, 109);
                           Stroke(cr, Lighter(c, 0.3), 1.2);
                           cairo_move_to(cr, CX - 60, 330);
                           for (int i = 0; i < 12; ++i)
                               cairo_curve_to(cr, CX - 60 + i * 10 + 3, 326, CX - 60 + i * 10 + 7, 326,
                                              CX - 50 + i * 10, 330);
                           Stroke(cr, WithAlpha(Darker(c, 0.4), 0.6), 0.9);
                           break;
                       case 2:
                           Sparkles(cr, CX - 22, 112, CX + 22, 286, 30, Palette::White, 2.6);
                           break;
                       case 3: // polka dots
                           cairo_save(cr);
                           PathGarment(cr, dress.dTop, WAIST_Y + 2, 2.2, dress.skirt);
                           cairo_clip(cr);
                           for (int i = 0; i < 48; ++i)
                           {
                               const double x = CX - 56 + (i % 8) * 16 + ((i / 8) % 2) * 8;
                               const double y = 114 + (i / 8) * 27;
                               PathEllipse(cr, x, y, 3, 3);
                               SetColour(cr, Palette::Magenta);
                               cairo_fill(cr);
                           }
                           cairo_restore(cr);
                           break;
                       case 5: // the wrap line and a tie at the waist
                           cairo_move_to(cr, CX + 1, 110);
                           cairo_curve_to(cr, CX - 6, 140, CX - 14, 170, CX - 20, 250);
                           Stroke(cr, Darker(c, 0.35), 1.1);
                           break;
                       default:
                           break;
                       }
                       if (nItem != 3 && nItem != 2)
                       {
                           // A sash or seam at the waist.
                           cairo_move_to(cr, CX - 18, WAIST_Y);
                           cairo_curve_to(cr, CX - 6, WAIST_Y + 2, CX + 6, WAIST_Y + 2, CX + 18, WAIST_Y);
                           Stroke(cr, nItem == 1 ? Palette::Gold : Lighter(c, 0.35), nItem == 4 ? 4 : 2);
                       }
                   });
    if (nItem == 0 || nItem == 2 || nItem == 3)
        DrawStraps(cr, Darker(c, 0.1), dress.dTop, 1.6);
    if (dress.dSleeve > 0)
        DrawSleeve(cr, c, dress.dSleeve, 2.2, nItem == 5 ? Darker(c, 0.15) : Colour{-1, 0, 0});
    if (nItem == 4)
    {
        // A satin bow at the waist.
        BothSides(cr,
                  [cr]
                  {
                      cairo_move_to(cr, CX, WAIST_Y);
                      cairo_curve_to(cr, CX + 5, WAIST_Y - 6, CX + 11, WAIST_Y - 4, CX + 10, WAIST_Y);
                      cairo_curve_to(cr, CX + 11, WAIST_Y + 5, CX + 5, WAIST_Y + 6, CX, WAIST_Y);
                      cairo_close_path(cr);
                      FillAndOutline(cr, Lighter(Palette::Magenta, 0.3), 0.8);
                  });
    }
    if (nItem == 5)
    {
        cairo_move_to(cr, CX - 17, WAIST_Y + 1);
        cairo_curve_to(cr, CX - 20, 170, CX - 22, 178, CX - 21, 186);
        Stroke(cr, Darker(c, 0.2), 2.4);
    }
}

// ---- Bottoms ---------------------------------------------------------------------------------

// The hip part of a bottom from the waistband down to dBottom.
void PathHips(cairo_t* cr, double dBottom, double dEase)
{
    PathGarment(cr, WAISTBAND_Y, dBottom, dEase);
}

// Trouser legs from the hips down to the ankle, with a flare below the knee.
void DrawTrouserLegs(cairo_t* cr, const Colour& c, double dFlare, double dHem)
{
    BothSides(cr,
              [&]
              {
                  std::vector<TubeKnot> leg;
                  for (const TubeKnot& k : LEG)
                  {
                      const double dBelowKnee = std::fmax(0.0, (k.y - 284) / (346 - 284.0));
                      leg.push_back(
                          TubeKnot{k.x + dBelowKnee * dFlare * 0.4, k.y, k.r + 1.8 + dBelowKnee * dFlare});
                  }
                  leg.back().y = dHem;
                  leg.front().y = WAISTBAND_Y + 20;
                  PathTube(cr, leg, false, false);
                  FillLimb(cr, c, CX + 12, 14 + dFlare);
              });
}

void DrawBottom(cairo_t* cr, int nItem)
{
    DrawBehindArms(
        cr,
        [cr, nItem]
        {
            switch (nItem)
            {
            case 0: // jeans with a belt
            case 4: // wide cream trousers
            {
                const Colour c = nItem == 0 ? Colour{0.25, 0.40, 0.75} : Palette::Cream;
                DrawTrouserLegs(cr, c, nItem == 4 ? 9 : 0, 350);
                PathHips(cr, 214, 2.2);
                FillCloth(cr, c);
                // The seam down the front.
                cairo_move_to(cr, CX, WAISTBAND_Y + 4);
                cairo_curve_to(cr, CX + 0.5, 196, CX - 0.5, 208, CX, 220);
                Stroke(cr, Darker(c, 0.35), 0.9);
                if (nItem == 0)
                    BothSides(cr,
                              [cr]
                              {
                                  cairo_move_to(cr, CX + 20, 174);
                                  cairo_curve_to(cr, CX + 18, 182, CX + 14, 184, CX + 8, 184);
                                  Stroke(cr, Palette::Gold, 0.8);
                              });
                PathProfile(cr, CX, TorsoBetween(WAISTBAND_Y - 1, WAISTBAND_Y + 5, 2.6));
                FillAndOutline(cr, nItem == 0 ? Colour{0.45, 0.25, 0.10} : Palette::Gold, 0.8);
                cairo_rectangle(cr, CX - 3, WAISTBAND_Y - 1.5, 6, 7.5);
                FillAndOutline(cr, Palette::Gold, 0.8);
                break;
            }
            case 3: // gold shorts
                BothSides(cr,
                          [cr]
                          {
                              PathTube(cr,
                                       {{CX + 12.5, 194, 15.5}, {CX + 13, 214, 13.8}, {CX + 14, 234, 12.6}},
                                       false, false);
                              FillLimb(cr, Palette::Gold, CX + 13, 15);
                          });
                PathHips(cr, 218, 2.4);
                FillCloth(cr, Palette::Gold);
                Sparkles(cr, CX - 24, 176, CX + 24, 230, 8, Palette::White, 2.2);
                break;
            default:
            {
                // Skirts: mini, pleated midi, pencil.
                const Colour c = nItem == 1   ? Palette::Magenta
                                 : nItem == 2 ? Palette::Teal
                                              : Colour{0.15, 0.12, 0.18};
                std::vector<ProfileKnot> skirt;
                if (nItem == 1)
                    skirt = {{236, 38}};
                else if (nItem == 2)
                    skirt = {{230, 34}, {298, 44}};
                else
                    skirt = {{240, 28}, {292, 24}};
                PathGarment(cr, WAISTBAND_Y, HIP_Y, 2.2, skirt);
                FillCloth(cr, c);
                const ProfileKnot& hem = skirt.back();
                DrawFolds(cr, c, 186, 26, hem.y, hem.w, nItem == 2 ? 9 : 4);
                if (nItem == 5)
                {
                    // A back slit showing at the hem.
                    cairo_move_to(cr, CX + 4, 292);
                    cairo_line_to(cr, CX + 4, 270);
                    Stroke(cr, Palette::Plum, 1);
                }
                PathProfile(cr, CX, TorsoBetween(WAISTBAND_Y - 1, WAISTBAND_Y + 4, 2.6));
                FillAndOutline(cr, Darker(c, 0.15), 0.8);
                break;
            }
            }
        });
}

// ---- Face looks --------------------------------------------------------------------------------

void DrawFac(cairo_t* cr, int nItem)
{
    const Colour aLids[] = {Colour{0.72, 0.52, 0.42}, Palette::Magenta, Palette::Gold,
                            Colour{0.5, 0.4, 0.45}};
    const Colour aLips[] = {Colour{0.84, 0.44, 0.46}, Colour{0.72, 0.02, 0.36}, Colour{0.96, 0.42, 0.28},
                            Colour{0.80, 0.05, 0.12}};
    BothSides(cr,
              [&]
              {
                  const double ex = CX + EYE_DX;
                  if (nItem == 3)
                      return;
                  // Shadow on the lid, liner with a small wing, lashes.
                  cairo_move_to(cr, ex - 3.2, EYE_Y - 0.6);
                  cairo_curve_to(cr, ex - 1.5, EYE_Y - 4.2, ex + 2.2, EYE_Y - 4.2, ex + 3.8, EYE_Y - 1.2);
                  cairo_curve_to(cr, ex + 2, EYE_Y - 2.2, ex - 1.2, EYE_Y - 2.4, ex - 3.2, EYE_Y - 0.6);
                  SetColour(cr, WithAlpha(aLids[nItem], 0.9));
                  cairo_fill(cr);
                  cairo_move_to(cr, ex - 3, EYE_Y - 0.4);
                  cairo_curve_to(cr, ex - 1, EYE_Y - 2.2, ex + 1.5, EYE_Y - 2.2, ex + 3.4, EYE_Y - 0.9);
                  cairo_line_to(cr, ex + 4.6, EYE_Y - 2.0);
                  Stroke(cr, Colour{0.15, 0.05, 0.12}, nItem == 0 ? 0.9 : 1.2);
                  DrawGlow(cr, CX + 9.5, 63, 4.5, WithAlpha(Palette::Magenta, nItem == 1 ? 0.4 : 0.22));
              });
    if (nItem == 3)
    {
        // Dark sunglasses with a gold bridge.
        BothSides(cr,
                  [cr]
                  {
                      PathRoundedRect(cr, CX + 2, EYE_Y - 3.2, 7.6, 5.6, 2.2);
                      FillAndOutline(cr, Colour{0.10, 0.08, 0.12, 0.95}, 0.9, Palette::Gold);
                      cairo_move_to(cr, CX + 3.5, EYE_Y - 1.8);
                      cairo_line_to(cr, CX + 5.5, EYE_Y - 2.6);
                      Stroke(cr, WithAlpha(Palette::White, 0.8), 0.7);
                      cairo_move_to(cr, CX + 9.6, EYE_Y - 1.5);
                      cairo_line_to(cr, CX + 14.8, EYE_Y - 2.2);
                      Stroke(cr, Palette::Gold, 0.9);
                  });
        cairo_move_to(cr, CX - 2, EYE_Y - 1.5);
        cairo_curve_to(cr, CX - 1, EYE_Y - 2.6, CX + 1, EYE_Y - 2.6, CX + 2, EYE_Y - 1.5);
        Stroke(cr, Palette::Gold, 0.9);
    }
    // Lips with a highlight.
    cairo_move_to(cr, CX - 3.8, MOUTH_Y);
    cairo_curve_to(cr, CX - 2.2, MOUTH_Y - 2.2, CX - 0.8, MOUTH_Y - 1.6, CX, MOUTH_Y - 1.0);
    cairo_curve_to(cr, CX + 0.8, MOUTH_Y - 1.6, CX + 2.2, MOUTH_Y - 2.2, CX + 3.8, MOUTH_Y);
    cairo_curve_to(cr, CX + 1.8, MOUTH_Y + 2.8, CX - 1.8, MOUTH_Y + 2.8, CX - 3.8, MOUTH_Y);
    cairo_close_path(cr);
    FillAndOutline(cr, aLips[nItem], 0.6, Darker(aLips[nItem], 0.5));
    PathEllipse(cr, CX - 1, MOUTH_Y + 1.1, 1.2, 0.45);
    SetColour(cr, WithAlpha(Palette::White, 0.7));
    cairo_fill(cr);
}

// ---- Hair and hats -----------------------------------------------------------------------------

// A lock of the model's hair, textured at her scale.
void DrawLock(cairo_t* cr, const std::vector<TubeKnot>& knots, const Colour& c)
{
    Hair::DrawLock(cr, knots, c, 0.5);
}

// Thin strands following the hair's flow, darker and lighter, over what was drawn.
void DrawStrands(cairo_t* cr, const Colour& c, const std::vector<std::vector<TubeKnot>>& flows)
{
    int i = 0;
    for (const std::vector<TubeKnot>& flow : flows)
    {
        const std::vector<TubeKnot> spine = SampleTube(flow);
        cairo_move_to(cr, spine.front().x, spine.front().y);
        for (const TubeKnot& p : spine)
            cairo_line_to(cr, p.x, p.y);
        Stroke(cr, WithAlpha(i++ % 2 ? Lighter(c, 0.45) : Darker(c, 0.35), 0.75), 0.7);
    }
}

// The hair over the crown: a cap from the forehead's hairline over the top of the head, filled
// in the hair colour with a sheen band; dPuff raises it above the skull.
void DrawCrown(cairo_t* cr, const Colour& c, double dPuff, double dWidth)
{
    cairo_move_to(cr, CX - 16.5 - dWidth, 58);
    cairo_curve_to(cr, CX - 18 - dWidth, 40, CX - 10, HEAD_TOP - dPuff, CX, HEAD_TOP - dPuff);
    cairo_curve_to(cr, CX + 10, HEAD_TOP - dPuff, CX + 18 + dWidth, 40, CX + 16.5 + dWidth, 58);
    cairo_curve_to(cr, CX + 15, 48, CX + 11, 42, CX + 2, 41);
    cairo_curve_to(cr, CX - 8, 41, CX - 15, 45, CX - 16.5 - dWidth, 58);
    cairo_close_path(cr);
    FillGradient(cr, cairo_pattern_create_radial(CX - 5, 38, 2, CX, 46, 22), Lighter(c, 0.18),
                 Darker(c, 0.18), true);
    Stroke(cr, Darker(c, 0.45), 0.8);
    cairo_move_to(cr, CX - 11, 40.5 - dPuff * 0.5);
    cairo_curve_to(cr, CX - 6, 36.5 - dPuff * 0.8, CX + 3, 36.5 - dPuff * 0.8, CX + 9, 39.5 - dPuff * 0.5);
    Stroke(cr, WithAlpha(Lighter(c, 0.6), 0.8), 1.6);
}

// A side-swept fringe from the parting over the forehead.
void DrawFringe(cairo_t* cr, const Colour& c, double dDepth)
{
    cairo_move_to(cr, CX + 4, 38);
    cairo_curve_to(cr, CX - 4, 40, CX - 13, 44, CX - 15.5, 47 + dDepth);
    cairo_curve_to(cr, CX - 9, 45 + dDepth * 0.6, CX - 2, 44, CX + 4, 44 + dDepth * 0.3);
    cairo_curve_to(cr, CX + 9, 44, CX + 13, 45, CX + 15.5, 48);
    cairo_curve_to(cr, CX + 14, 41, CX + 10, 38, CX + 4, 38);
    cairo_close_path(cr);
    FillVertical(cr, 38, Lighter(c, 0.15), 48 + dDepth, Darker(c, 0.15));
    DrawStrands(cr, c,
                {{{CX + 3, 39, 0}, {CX - 6, 43, 0}, {CX - 13, 47 + dDepth * 0.8, 0}},
                 {{CX + 5, 40, 0}, {CX + 10, 43, 0}, {CX + 14, 47, 0}}});
}

void DrawHh(cairo_t* cr, int nItem)
{
    const Colour aColours[] = {Colour{0.93, 0.78, 0.42}, Colour{0.10, 0.08, 0.12},
                               Colour{0.72, 0.26, 0.10}, HAIR_BROWN,
                               Colour{0.48, 0.28, 0.14}, Colour{1.00, 0.45, 0.70}};
    const Colour& c = aColours[nItem];
    switch (nItem)
    {
    case 0: // long and straight, falling from the crown over the shoulders to the bust
        BothSides(cr,
                  [&]
                  {
                      DrawLock(cr,
                               {{CX + 14, 44, 4},
                                {CX + 17.5, 62, 4.6},
                                {CX + 20.5, 84, 5.2},
                                {CX + 22, 104, 5},
                                {CX + 20, 126, 3.6},
                                {CX + 18.5, 140, 1.2}},
                               Darker(c, 0.06));
                      DrawLock(cr,
                               {{CX + 12, 44, 3.4},
                                {CX + 15.5, 64, 4},
                                {CX + 17.5, 90, 4.4},
                                {CX + 17.5, 114, 3.8},
                                {CX + 16, 134, 2.2},
                                {CX + 15.5, 144, 0.8}},
                               c);
                      DrawLock(cr,
                               {{CX + 10.5, 44, 2.6},
                                {CX + 14.5, 62, 3},
                                {CX + 15.5, 82, 3},
                                {CX + 14.5, 100, 2},
                                {CX + 14, 110, 0.6}},
                               Lighter(c, 0.06));
                  });
        DrawCrown(cr, c, 1.5, 2);
        DrawFringe(cr, c, 2);
        break;
    case 1: // a sleek bob with a straight fringe
        BothSides(cr,
                  [&] {
                      DrawLock(cr,
                               {{CX + 12, 42, 6}, {CX + 17.5, 58, 6.5}, {CX + 17, 74, 5.5}, {CX + 13, 80, 3}},
                               c);
                  });
        DrawCrown(cr, c, 1.5, 2.5);
        cairo_move_to(cr, CX - 15.8, 49);
        cairo_curve_to(cr, CX - 16, 38, CX - 8, 36, CX, 36);
        cairo_curve_to(cr, CX + 8, 36, CX + 16, 38, CX + 15.8, 49);
        cairo_line_to(cr, CX - 15.8, 49);
        cairo_close_path(cr);
        FillVertical(cr, 36, Lighter(c, 0.25), 49, c);
        cairo_move_to(cr, CX - 15, 48.5);
        cairo_line_to(cr, CX + 15, 48.5);
        Stroke(cr, Lighter(c, 0.3), 0.8);
        DrawStrands(cr, Colour{0.3, 0.3, 0.4},
                    {{{CX - 9, 38, 0}, {CX - 10, 48, 0}}, {{CX + 2, 37, 0}, {CX + 2, 48, 0}}});
        break;
    case 2: // shoulder-length curls: ringlets of twisting locks around the face
        for (int i = 0; i < 2; ++i)
            BothSides(cr,
                      [&]
                      {
                          const double dx = i * 5.5;
                          std::vector<TubeKnot> ringlet;
                          for (int k = 0; k <= 8; ++k)
                              ringlet.push_back(TubeKnot{CX + 13 + dx + (k % 2 ? 3.2 : -1.2),
                                                         44.0 + k * 6.2 + i * 3, 5.2 - k * 0.35});
                          DrawLock(cr, ringlet, i ? Darker(c, 0.08) : c);
                          // The turns of the curl.
                          for (int k = 1; k < 8; ++k)
                          {
                              cairo_move_to(cr, CX + 10 + dx, 45.0 + k * 6.2 + i * 3);
                              cairo_curve_to(cr, CX + 13 + dx, 48.0 + k * 6.2 + i * 3, CX + 16 + dx,
                                             47.0 + k * 6.2 + i * 3, CX + 18 + dx, 43.0 + k * 6.2 + i * 3);
                          }
                          Stroke(cr, WithAlpha(Darker(c, 0.4), 0.7), 0.8);
                      });
        DrawCrown(cr, c, 4, 4);
        for (int k = 0; k < 5; ++k)
        {
            // Curls tumbling over the hairline.
            const double x = CX - 12 + k * 6;
            cairo_move_to(cr, x - 3.5, 44);
            cairo_curve_to(cr, x - 4, 38, x + 4, 37, x + 3.5, 43);
            cairo_curve_to(cr, x + 3, 47, x - 1, 47, x - 1, 44);
            FillAndOutline(cr, Lighter(c, 0.1), 0.8, Darker(c, 0.4));
        }
        break;
    case 3: // an updo with a tilted beret
        DrawCrown(cr, c, 1, 1);
        PathEllipse(cr, CX + 11, 36, 7, 6);
        FillGradient(cr, cairo_pattern_create_radial(CX + 9, 34, 1, CX + 11, 36, 8), Lighter(c, 0.25),
                     Darker(c, 0.2), true);
        Stroke(cr, Darker(c, 0.45), 0.8);
        cairo_move_to(cr, CX + 6, 35);
        cairo_curve_to(cr, CX + 9, 32, CX + 14, 33, CX + 16, 38);
        Stroke(cr, WithAlpha(Lighter(c, 0.5), 0.8), 0.9);
        // Wisps at the temples.
        BothSides(cr,
                  [&] {
                      DrawLock(cr, {{CX + 14.5, 46, 1.5}, {CX + 16, 56, 1.2}, {CX + 15, 64, 0.5}}, c);
                  });
        cairo_save(cr);
        cairo_translate(cr, CX - 3, 37);
        cairo_rotate(cr, -0.22);
        PathEllipse(cr, 0, 0, 19, 6.5);
        FillGradient(cr, cairo_pattern_create_linear(0, -7, 0, 7), Lighter(Palette::Magenta, 0.3),
                     Darker(Palette::Magenta, 0.25), true);
        Stroke(cr, Palette::Plum, 0.9);
        cairo_move_to(cr, -17, 2);
        cairo_curve_to(cr, -6, 6, 6, 6, 17, 2);
        Stroke(cr, Darker(Palette::Magenta, 0.4), 1.2);
        PathEllipse(cr, 2, -6.5, 2, 1.6);
        FillAndOutline(cr, Palette::DeepMagenta, 0.7);
        cairo_restore(cr);
        break;
    case 4: // long waves under a wide sun hat
        BothSides(cr,
                  [&]
                  {
                      DrawLock(cr,
                               {{CX + 14, 44, 5},
                                {CX + 19, 62, 6},
                                {CX + 15.5, 82, 6},
                                {CX + 20, 104, 5.5},
                                {CX + 16, 126, 4},
                                {CX + 18.5, 140, 1.5}},
                               c);
                      DrawLock(cr,
                               {{CX + 11, 48, 3},
                                {CX + 14, 66, 3.5},
                                {CX + 12, 86, 3.5},
                                {CX + 15, 106, 3},
                                {CX + 13, 120, 1}},
                               Lighter(c, 0.08));
                  });
        DrawCrown(cr, c, 1, 2);
        PathEllipse(cr, CX, 39, 38, 8.5);
        FillGradient(cr, cairo_pattern_create_radial(CX - 10, 36, 4, CX, 40, 40),
                     Lighter(Palette::PaleGold, 0.4), Darker(Palette::PaleGold, 0.18), true);
        Stroke(cr, Palette::Plum, 0.9);
        cairo_move_to(cr, CX - 15, 40);
        cairo_curve_to(cr, CX - 16, 22, CX + 16, 22, CX + 15, 40);
        cairo_curve_to(cr, CX + 6, 42.5, CX - 6, 42.5, CX - 15, 40);
        cairo_close_path(cr);
        FillVerticalAndStroke(cr, 24, Lighter(Palette::PaleGold, 0.35), 42, Darker(Palette::PaleGold, 0.1),
                              Palette::Plum, 0.9);
        cairo_move_to(cr, CX - 15.3, 36.5);
        cairo_curve_to(cr, CX - 6, 39, CX + 6, 39, CX + 15.3, 36.5);
        Stroke(cr, Palette::Teal, 3.2);
        break;
    default: // a pink pixie crop with a gold band
        DrawCrown(cr, c, 2.5, 1);
        for (int k = 0; k < 7; ++k)
        {
            // Short feathered locks swept to the side over the forehead.
            const double x = CX + 12 - k * 4.2;
            DrawLock(cr,
                     {{x + 2, 37, 2.4}, {x - 1.5, 42, 2.2}, {x - 4.5, 47 - std::fabs(k - 3.0) * 0.6, 0.6}},
                     k % 2 ? c : Lighter(c, 0.12));
        }
        BothSides(cr,
                  [&] {
                      DrawLock(cr, {{CX + 14, 44, 2.6}, {CX + 16, 52, 2.2}, {CX + 15.5, 59, 0.6}}, c);
                  });
        cairo_move_to(cr, CX - 14, 41);
        cairo_curve_to(cr, CX - 9, 35, CX + 9, 35, CX + 14, 41);
        StrokeEdged(cr, Palette::Gold, 2.2, 0.7);
        break;
    }
}

// ---- Accessories -------------------------------------------------------------------------------

// A bag hanging from a hand grip at (x, y): a handle loop over the hand and the body below.
void DrawHandbag(cairo_t* cr, double x, double y, double w, double h, double dDrop, const Colour& c)
{
    cairo_move_to(cr, x - w * 0.28, y + dDrop);
    cairo_curve_to(cr, x - w * 0.28, y - 6, x + w * 0.28, y - 6, x + w * 0.28, y + dDrop);
    StrokeEdged(cr, Darker(c, 0.25), 1.8, 0.6);
    const double top = y + dDrop - 1;
    PathRoundedRect(cr, x - w / 2, top, w, h, 4);
    FillShaded(cr, c, x - w / 2, x + w / 2, 1.0);
    cairo_move_to(cr, x - w / 2 + 2, top + 5);
    cairo_line_to(cr, x + w / 2 - 2, top + 5);
    Stroke(cr, WithAlpha(Darker(c, 0.4), 0.6), 0.9);
    cairo_rectangle(cr, x - 2.5, top + 3, 5, 4);
    FillAndOutline(cr, Palette::Gold, 0.7);
}

void DrawBracelet(cairo_t* cr, double x, double y)
{
    for (int i = 0; i < 4; ++i)
    {
        PathEllipse(cr, x - 4 + i * 2.6, y + (i % 2) * 0.6, 1.5, 1.5);
        FillAndOutline(cr, Palette::White, 0.5);
    }
}

void DrawAcc(cairo_t* cr, int nItem)
{
    switch (nItem)
    {
    case 0:
        DrawHandbag(cr, GRIP_X, GRIP_Y, 24, 18, 6, Colour{0.80, 0.05, 0.12});
        break;
    case 1:
        DrawHandbag(cr, GRIP_X + 1, GRIP_Y, 30, 30, 14, Palette::Teal);
        break;
    case 2:
        // A gold clutch held flat against the hip.
        PathRoundedRect(cr, GRIP_X - 13, GRIP_Y - 4, 26, 12, 4);
        FillShaded(cr, Palette::Gold, GRIP_X - 13, GRIP_X + 13, 1.0);
        cairo_move_to(cr, GRIP_X - 13, GRIP_Y + 1);
        cairo_line_to(cr, GRIP_X + 13, GRIP_Y + 1);
        Stroke(cr, Darker(Palette::Gold, 0.35), 0.8);
        DrawSparkle(cr, GRIP_X + 4, GRIP_Y + 1, 4, Palette::White);
        break;
    case 3:
        // A chain belt slung low on the hips and a little bag in the other hand.
        for (int i = 0; i < 13; ++i)
        {
            const double t = i / 12.0;
            PathEllipse(cr, CX - 26 + t * 52, 200 + 3 * std::sin(t * 3.14159), 2.4, 1.5);
            FillAndOutline(cr, Palette::Gold, 0.6);
        }
        DrawHandbag(cr, 2 * CX - GRIP_X, GRIP_Y, 18, 14, 5, Palette::Magenta);
        break;
    case 4:
        BothSides(cr, [cr] { DrawBracelet(cr, CX + 36.8, 199.5); });
        DrawHandbag(cr, GRIP_X, GRIP_Y, 16, 13, 4, Palette::Magenta);
        break;
    default:
        // Shopping bags in both hands.
        DrawHandbag(cr, GRIP_X + 2, GRIP_Y, 28, 32, 10, Palette::Magenta);
        DrawHandbag(cr, 2 * CX - GRIP_X - 2, GRIP_Y, 26, 30, 10, Palette::Teal);
        break;
    }
}

// ---- Shoes -------------------------------------------------------------------------------------

void DrawShoe(cairo_t* cr, int nItem)
{
    const Colour aColours[] = {
        Colour{0.80, 0.05, 0.12}, Colour{0.12, 0.10, 0.14}, Palette::White, Palette::Gold, Palette::Teal,
        Colour{0.98, 0.62, 0.76}};
    const Colour& c = aColours[nItem];
    BothSides(
        cr,
        [&]
        {
            const bool bHeel = nItem == 0 || nItem == 1 || nItem == 3 || nItem == 4;
            if (bHeel)
            {
                // The heel shows behind the foot, on its outer side.
                cairo_move_to(cr, CX + 12.5, 352);
                cairo_line_to(cr, CX + 15, 352);
                cairo_line_to(cr, CX + 14.6, 368);
                cairo_line_to(cr, CX + 13.4, 368);
                cairo_close_path(cr);
                FillAndOutline(cr, nItem == 3 ? Palette::Gold : Darker(c, 0.3), 0.8);
            }
            switch (nItem)
            {
            case 1: // ankle boots
                // The shaft starts at the highest row a shoe may use, just under a gown's hem.
                PathTube(cr,
                         {{CX + 8.8, SHOE_TOP_Y + 1, 5.2},
                          {CX + 9.6, 352, 5.4},
                          {CX + 10.8, 362, 4.8},
                          {CX + 12, 369, 3}},
                         false, true);
                FillLimb(cr, c, CX + 10, 6);
                cairo_move_to(cr, CX + 4.2, SHOE_TOP_Y + 3);
                cairo_line_to(cr, CX + 13.6, SHOE_TOP_Y + 3);
                Stroke(cr, Lighter(c, 0.3), 1.2);
                break;
            case 2: // sneakers with a teal stripe and white laces
                PathTube(
                    cr,
                    {{CX + 8.8, 348, 4.8}, {CX + 10, 358, 5.4}, {CX + 11.4, 366, 4.6}, {CX + 12, 369.5, 3.2}},
                    true);
                FillLimb(cr, c, CX + 10, 6);
                cairo_move_to(cr, CX + 5.5, 364);
                cairo_line_to(cr, CX + 16, 366);
                Stroke(cr, Palette::Teal, 1.6);
                for (int i = 0; i < 3; ++i)
                {
                    cairo_move_to(cr, CX + 7.5, 351 + i * 3.5);
                    cairo_line_to(cr, CX + 12, 352 + i * 3.5);
                }
                Stroke(cr, Darker(Palette::Lilac, 0.3), 0.7);
                break;
            case 3: // strappy sandals: straps over the bare foot
                for (int i = 0; i < 3; ++i)
                {
                    cairo_move_to(cr, CX + 5 + i * 0.6, 347 + i * 7);
                    cairo_line_to(cr, CX + 13 + i * 0.9, 348 + i * 7);
                }
                StrokeEdged(cr, c, 1.6, 0.5);
                cairo_move_to(cr, CX + 8.5, 368.5);
                cairo_line_to(cr, CX + 15.5, 369.5);
                Stroke(cr, Darker(c, 0.2), 1.6);
                break;
            default: // pumps, heels and ballet flats: the vamp over the toes
            {
                const double dTop = nItem == 5 ? 357 : 354;
                PathTube(cr, {{CX + 9.9, dTop, 4.6}, {CX + 11.2, 363.5, 4.1}, {CX + 12, 369, 2.6}}, true);
                FillLimb(cr, c, CX + 11, 5);
                if (nItem == 5)
                {
                    // A little bow on the flat.
                    PathEllipse(cr, CX + 9.8, dTop - 0.5, 2.2, 1.2);
                    FillAndOutline(cr, Lighter(c, 0.4), 0.6);
                }
                if (nItem == 4)
                {
                    // An ankle strap.
                    cairo_move_to(cr, CX + 5, 345);
                    cairo_line_to(cr, CX + 12.8, 345.5);
                    Stroke(cr, c, 1.6);
                }
                break;
            }
            }
        });
}

// How many items each row has and what draws them, in row order.
struct RowItems
{
    int nItems;
    void (*pfnDraw)(cairo_t* cr, int nItem);
};
const RowItems g_aRows[ITEM_ROWS] = {
    {6, DrawHh}, {4, DrawFac}, {6, DrawTop}, {6, DrawDress}, {6, DrawBottom}, {6, DrawAcc}, {6, DrawShoe},
};
} // namespace

int ItemCount(Row row)
{
    return g_aRows[row].nItems;
}

void DrawBackdrop(cairo_t* cr, double x, double y, double w, double h)
{
    cairo_save(cr);
    PathRoundedRect(cr, x + 1, y + 1, w - 2, h - 2, 18);
    FillGradient(cr, cairo_pattern_create_radial(CX, 120, 20, CX, 200, h * 0.6), Colour{1.0, 0.98, 0.95},
                 Colour{0.86, 0.78, 0.95}, true);
    Stroke(cr, Palette::Gold, 3);
    // A spotlight on the floor and the plinth she stands on.
    DrawGlow(cr, CX, PLINTH_Y - 6, 80, WithAlpha(Palette::White, 0.6));
    PathEllipse(cr, CX, PLINTH_Y, 68, 9.5);
    FillVerticalAndStroke(cr, PLINTH_Y - 10, Palette::PaleGold, PLINTH_Y + 10, Palette::Gold, Palette::Plum,
                          1.5);
    PathEllipse(cr, CX, PLINTH_Y - 1.5, 60, 6.5);
    SetColour(cr, WithAlpha(Palette::White, 0.35));
    cairo_fill(cr);
    PathEllipse(cr, CX, PLINTH_Y - 2, 26, 3.5);
    SetColour(cr, WithAlpha(Palette::Plum, 0.18));
    cairo_fill(cr);
    DrawBareFigure(cr);
    cairo_restore(cr);
}

void DrawItem(cairo_t* cr, Row row, int nItem)
{
    cairo_save(cr);
    g_aRows[row].pfnDraw(cr, nItem);
    cairo_restore(cr);
}

void DrawMustCover(cairo_t* cr)
{
    cairo_save(cr);
    SetColour(cr, Palette::White);
    DrawBehindArms(cr,
                   [cr]
                   {
                       PathBandeau(cr);
                       PathBriefs(cr);
                       cairo_fill(cr);
                   });
    PathScalp(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}
} // namespace Model
