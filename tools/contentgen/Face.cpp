// Face.cpp: the makeover face, its style tables and the vanity swatches.
#include "Face.h"

#include "Hair.h"

#include <algorithm>
#include <cmath>

namespace Face
{
namespace
{
constexpr double CX = 400;
constexpr double EYE_Y = 188;
constexpr double EYE_DX = 34; // eye centres at CX -/+ EYE_DX
constexpr double EYE_RX = 18;
constexpr double EYE_RY = 8;
constexpr double MOUTH_Y = 262;
constexpr double MOUTH_RX = 24;
constexpr double HAIRLINE_Y = 118;

struct EyeStyle
{
    Colour shadow;
    Colour liner;
    bool bWing;
    bool bShimmer;
};

const EyeStyle g_aEyes[EYE_STYLES] = {
    {{0.85, 0.11, 0.52}, {0.23, 0.06, 0.22}, true, true},   // magenta
    {{0.06, 0.64, 0.64}, {0.02, 0.30, 0.35}, false, true},  // teal
    {{0.91, 0.73, 0.14}, {0.45, 0.30, 0.05}, true, true},   // gold
    {{0.55, 0.30, 0.80}, {0.25, 0.10, 0.40}, true, false},  // violet
    {{0.35, 0.33, 0.38}, {0.10, 0.10, 0.12}, true, false},  // smoky
    {{0.20, 0.45, 0.90}, {0.05, 0.15, 0.45}, false, true},  // sky blue
    {{0.25, 0.70, 0.35}, {0.05, 0.30, 0.10}, false, false}, // emerald
    {{0.98, 0.60, 0.45}, {0.50, 0.25, 0.15}, false, true},  // peach
    {{0.65, 0.40, 0.20}, {0.30, 0.15, 0.05}, true, false},  // bronze
    {{0.98, 0.55, 0.75}, {0.60, 0.10, 0.35}, false, true},  // candy pink
    {{0.78, 0.80, 0.85}, {0.30, 0.30, 0.35}, true, true},   // silver
    {{0.45, 0.10, 0.30}, {0.20, 0.02, 0.12}, true, false},  // plum
    {{0.10, 0.85, 0.80}, {0.00, 0.40, 0.45}, true, true},   // turquoise
    {{0.90, 0.60, 0.50}, {0.55, 0.25, 0.20}, false, true},  // rose gold
    {{0.10, 0.15, 0.45}, {0.02, 0.04, 0.20}, true, false},  // navy
};

const Colour g_aLips[LIP_STYLES] = {
    {0.80, 0.05, 0.12}, // classic red
    {0.85, 0.11, 0.52}, // magenta
    {0.98, 0.45, 0.38}, // coral
    {0.88, 0.60, 0.58}, // nude
    {0.45, 0.08, 0.30}, // plum
    {0.62, 0.05, 0.30}, // berry
    {0.99, 0.68, 0.50}, // peach
    {0.91, 0.73, 0.14}, // gold gloss
    {0.06, 0.60, 0.60}, // teal
    {0.55, 0.30, 0.80}, // violet
    {0.60, 0.02, 0.10}, // ruby
    {0.95, 0.50, 0.62}, // rose
    {0.62, 0.36, 0.20}, // bronze
    {1.00, 0.25, 0.60}, // hot pink
    {0.40, 0.03, 0.12}, // wine
};

enum LensShape
{
    LENS_ROUND,
    LENS_CATEYE,
    LENS_AVIATOR,
    LENS_RECT,
    LENS_HEART,
    LENS_STAR,
    LENS_OVAL,
    LENS_SQUARE,
    LENS_BROWLINE,
    LENS_BUTTERFLY,
};

struct GlassesStyle
{
    LensShape shape;
    Colour frame;
    Colour lens; // alpha below about 0.3 reads as clear glass
};

const GlassesStyle g_aGlasses[GLASSES] = {
    {LENS_ROUND, {0.91, 0.73, 0.14}, {0.8, 0.9, 1.0, 0.18}},
    {LENS_CATEYE, {0.85, 0.11, 0.52}, {0.9, 0.8, 1.0, 0.18}},
    {LENS_AVIATOR, {0.75, 0.60, 0.20}, {0.25, 0.35, 0.30, 0.7}},
    {LENS_RECT, {0.23, 0.06, 0.22}, {0.8, 0.9, 1.0, 0.18}},
    {LENS_HEART, {1.00, 0.35, 0.60}, {0.95, 0.30, 0.50, 0.55}},
    {LENS_STAR, {0.06, 0.64, 0.64}, {0.20, 0.70, 0.80, 0.5}},
    {LENS_OVAL, {0.55, 0.32, 0.15}, {0.8, 0.9, 1.0, 0.18}},
    {LENS_SQUARE, {0.97, 0.97, 0.97}, {0.10, 0.10, 0.15, 0.75}},
    {LENS_BROWLINE, {0.15, 0.15, 0.18}, {0.8, 0.9, 1.0, 0.18}},
    {LENS_BUTTERFLY, {0.55, 0.30, 0.80}, {0.45, 0.15, 0.55, 0.6}},
};

struct HairStyle
{
    Colour colour;
    int nKind;
};

enum HairKind
{
    HAIR_BEFORE,
    HAIR_LONG,
    HAIR_CURLS,
    HAIR_BOB,
    HAIR_PIXIE,
    HAIR_PONYTAIL,
    HAIR_WAVES,
    HAIR_BEEHIVE,
    HAIR_BRAIDS,
};

const HairStyle g_aHair[HAIRSTYLES] = {
    {{0.30, 0.18, 0.10}, HAIR_BEFORE}, {{0.95, 0.80, 0.45}, HAIR_LONG},
    {{0.80, 0.30, 0.10}, HAIR_CURLS},  {{0.10, 0.08, 0.12}, HAIR_BOB},
    {{1.00, 0.45, 0.70}, HAIR_PIXIE},  {{0.45, 0.25, 0.12}, HAIR_PONYTAIL},
    {{0.10, 0.55, 0.65}, HAIR_WAVES},  {{0.95, 0.93, 0.85}, HAIR_BEEHIVE},
    {{0.55, 0.15, 0.10}, HAIR_BRAIDS},
};

void PathHead(cairo_t* cr)
{
    cairo_move_to(cr, CX, 85);
    cairo_curve_to(cr, CX + 60, 85, CX + 84, 130, CX + 82, 190);
    cairo_curve_to(cr, CX + 80, 250, CX + 45, 305, CX, 305);
    cairo_curve_to(cr, CX - 45, 305, CX - 80, 250, CX - 82, 190);
    cairo_curve_to(cr, CX - 84, 130, CX - 60, 85, CX, 85);
    cairo_close_path(cr);
}

// The part of the face hair must leave free: the head below the hairline and the neck.
void PathFaceOpening(cairo_t* cr)
{
    cairo_move_to(cr, CX - 78, HAIRLINE_Y + 30);
    cairo_curve_to(cr, CX - 70, HAIRLINE_Y - 5, CX - 30, HAIRLINE_Y - 8, CX, HAIRLINE_Y - 6);
    cairo_curve_to(cr, CX + 30, HAIRLINE_Y - 8, CX + 70, HAIRLINE_Y - 5, CX + 78, HAIRLINE_Y + 30);
    cairo_curve_to(cr, CX + 80, 250, CX + 45, 305, CX, 305);
    cairo_curve_to(cr, CX - 45, 305, CX - 80, 250, CX - 78, HAIRLINE_Y + 30);
    cairo_close_path(cr);
    cairo_rectangle(cr, CX - 28, 280, 56, 80);
}

void PathEyeLid(cairo_t* cr, double ex, double ey)
{
    cairo_move_to(cr, ex - EYE_RX, ey);
    cairo_curve_to(cr, ex - EYE_RX / 2, ey - EYE_RY * 1.6, ex + EYE_RX / 2, ey - EYE_RY * 1.6, ex + EYE_RX,
                   ey);
}

void PathEyeWhite(cairo_t* cr, double ex, double ey)
{
    PathEyeLid(cr, ex, ey);
    cairo_curve_to(cr, ex + EYE_RX / 2, ey + EYE_RY * 1.2, ex - EYE_RX / 2, ey + EYE_RY * 1.2, ex - EYE_RX,
                   ey);
    cairo_close_path(cr);
}

void DrawBaseEye(cairo_t* cr, double ex, double ey, int nSide)
{
    PathEyeWhite(cr, ex, ey);
    FillAndOutline(cr, Palette::White, 1.2);
    cairo_save(cr);
    PathEyeWhite(cr, ex, ey);
    cairo_clip(cr);
    PathEllipse(cr, ex, ey, 7.5, 7.5);
    FillGradient(cr, cairo_pattern_create_radial(ex, ey, 1, ex, ey, 7.5), Colour{0.45, 0.30, 0.15},
                 Colour{0.20, 0.10, 0.05}, false);
    PathEllipse(cr, ex, ey, 3.2, 3.2);
    SetColour(cr, Colour{0.05, 0.02, 0.05});
    cairo_fill(cr);
    PathEllipse(cr, ex + 2.5, ey - 2.5, 1.8, 1.8);
    SetColour(cr, Palette::White);
    cairo_fill(cr);
    cairo_restore(cr);
    PathEyeLid(cr, ex, ey);
    Stroke(cr, Palette::Plum, 2.2);
    // Brow.
    cairo_move_to(cr, ex - nSide * 20, ey - 20);
    cairo_curve_to(cr, ex - nSide * 8, ey - 30, ex + nSide * 8, ey - 30, ex + nSide * 22, ey - 22);
    SetColour(cr, Colour{0.30, 0.18, 0.10});
    cairo_set_line_width(cr, 3.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void PathLips(cairo_t* cr, double dFull)
{
    const double y = MOUTH_Y;
    cairo_move_to(cr, CX - MOUTH_RX, y);
    cairo_curve_to(cr, CX - 14, y - 9 * dFull, CX - 6, y - 11 * dFull, CX, y - 6 * dFull);
    cairo_curve_to(cr, CX + 6, y - 11 * dFull, CX + 14, y - 9 * dFull, CX + MOUTH_RX, y);
    cairo_curve_to(cr, CX + 14, y + 13 * dFull, CX - 14, y + 13 * dFull, CX - MOUTH_RX, y);
    cairo_close_path(cr);
}

// The line where the lips meet.
void DrawLipLine(cairo_t* cr, const Colour& colour)
{
    cairo_move_to(cr, CX - MOUTH_RX + 1, MOUTH_Y);
    cairo_curve_to(cr, CX - 8, MOUTH_Y + 3, CX + 8, MOUTH_Y + 3, CX + MOUTH_RX - 1, MOUTH_Y);
    Stroke(cr, colour, 1.5);
}
} // namespace

void PathMirror(cairo_t* cr)
{
    PathEllipse(cr, MIRROR_X, MIRROR_Y, MIRROR_RX, MIRROR_RY);
}

void DrawBase(cairo_t* cr)
{
    cairo_save(cr);
    // Shoulders in a teal camisole, then the neck.
    cairo_move_to(cr, 240, 400);
    cairo_curve_to(cr, 250, 350, 310, 335, CX - 30, 330);
    cairo_line_to(cr, CX + 30, 330);
    cairo_curve_to(cr, 490, 335, 550, 350, 560, 400);
    cairo_close_path(cr);
    FillAndOutline(cr, Palette::Skin, 2);
    cairo_move_to(cr, 285, 400);
    cairo_curve_to(cr, 300, 370, 340, 372, CX, 385);
    cairo_curve_to(cr, 460, 372, 500, 370, 515, 400);
    cairo_close_path(cr);
    FillAndOutline(cr, Palette::Teal, 2);
    PathRoundedRect(cr, CX - 27, 270, 54, 80, 20);
    FillAndOutline(cr, Palette::SkinShade, 1.5);
    // Ears.
    PathEllipse(cr, CX - 82, 200, 10, 18);
    FillAndOutline(cr, Palette::SkinShade, 1.5);
    PathEllipse(cr, CX + 82, 200, 10, 18);
    FillAndOutline(cr, Palette::SkinShade, 1.5);
    PathHead(cr);
    FillGradient(cr, cairo_pattern_create_radial(CX - 20, 170, 20, CX, 200, 130), Colour{1.0, 0.90, 0.82},
                 Colour{Palette::Skin.r, Palette::Skin.g - 0.05, Palette::Skin.b - 0.06}, true);
    Stroke(cr, Palette::Plum, 2.2);
    DrawGlow(cr, CX - 48, 232, 20, WithAlpha(Palette::Magenta, 0.18));
    DrawGlow(cr, CX + 48, 232, 20, WithAlpha(Palette::Magenta, 0.18));
    DrawBaseEye(cr, CX - EYE_DX, EYE_Y, -1);
    DrawBaseEye(cr, CX + EYE_DX, EYE_Y, 1);
    // Nose.
    cairo_move_to(cr, CX + 2, 200);
    cairo_curve_to(cr, CX + 8, 215, CX + 10, 226, CX + 2, 230);
    cairo_move_to(cr, CX - 8, 229);
    cairo_curve_to(cr, CX - 5, 232, CX - 2, 232, CX + 2, 230);
    Stroke(cr, Darker(Palette::SkinShade, 0.15), 2);
    // Natural lips.
    PathLips(cr, 0.9);
    FillAndOutline(cr, Colour{0.88, 0.55, 0.55}, 1.5);
    DrawLipLine(cr, Palette::Plum);
    cairo_restore(cr);
}

void DrawEyeStyle(cairo_t* cr, int nStyle)
{
    const EyeStyle& style = g_aEyes[nStyle];
    cairo_save(cr);
    for (int nSide = -1; nSide <= 1; nSide += 2)
    {
        const double ex = CX + nSide * EYE_DX;
        const double ey = EYE_Y;
        // Shadow from the lid up towards the brow, fading out at the top.
        PathEyeLid(cr, ex, ey);
        cairo_curve_to(cr, ex + EYE_RX + 4, ey - 10, ex + EYE_RX / 2, ey - 22, ex, ey - 22);
        cairo_curve_to(cr, ex - EYE_RX / 2, ey - 22, ex - EYE_RX - 4, ey - 10, ex - EYE_RX, ey);
        cairo_close_path(cr);
        FillVertical(cr, ey - 22, WithAlpha(style.shadow, 0.55), ey - 4, style.shadow);
        if (style.bShimmer)
        {
            PathEllipse(cr, ex + nSide * 3, ey - 11, 6, 3);
            SetColour(cr, WithAlpha(Lighter(style.shadow, 0.7), 0.9));
            cairo_fill(cr);
        }
        // Liner and lashes along the lid.
        PathEyeLid(cr, ex, ey);
        Stroke(cr, style.liner, 3.5);
        const double tail = ex + nSide * EYE_RX;
        if (style.bWing)
        {
            cairo_move_to(cr, tail - nSide * 4, ey - 2);
            cairo_line_to(cr, tail + nSide * 9, ey - 8);
            cairo_line_to(cr, tail, ey + 1);
            cairo_close_path(cr);
            SetColour(cr, style.liner);
            cairo_fill(cr);
        }
        cairo_set_line_width(cr, 1.8);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        for (int i = 0; i < 5; ++i)
        {
            const double t = 0.25 + 0.15 * i;
            const double lx = ex - EYE_RX + 2 * EYE_RX * t;
            const double ly = ey - EYE_RY * 1.2 * std::sin(PI * t);
            cairo_move_to(cr, lx, ly);
            cairo_line_to(cr, lx + nSide * 3 * t, ly - 5);
        }
        SetColour(cr, style.liner);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void DrawLipStyle(cairo_t* cr, int nStyle)
{
    const Colour& colour = g_aLips[nStyle];
    cairo_save(cr);
    PathLips(cr, 1.0);
    FillVerticalAndStroke(cr, MOUTH_Y - 11, Lighter(colour, 0.1), MOUTH_Y + 11, Darker(colour, 0.15),
                          Darker(colour, 0.45), 1.5);
    DrawLipLine(cr, Darker(colour, 0.5));
    // Gloss on the lower lip.
    PathEllipse(cr, CX - 4, MOUTH_Y + 6, 7, 2);
    SetColour(cr, WithAlpha(Palette::White, 0.85));
    cairo_fill(cr);
    cairo_restore(cr);
}

namespace
{
// One lens centred at (0, 0) in lens units (radius about 1); nSide -1 left, 1 right.
void PathLens(cairo_t* cr, LensShape shape, int nSide)
{
    switch (shape)
    {
    case LENS_ROUND:
        PathEllipse(cr, 0, 0, 0.95, 0.95);
        break;
    case LENS_CATEYE:
        cairo_move_to(cr, -nSide * 1.0, -0.2);
        cairo_curve_to(cr, -nSide * 0.6, -0.85, nSide * 0.8, -0.95, nSide * 1.25, -0.9);
        cairo_curve_to(cr, nSide * 1.1, 0.2, nSide * 0.6, 0.75, 0, 0.75);
        cairo_curve_to(cr, -nSide * 0.7, 0.75, -nSide * 1.0, 0.3, -nSide * 1.0, -0.2);
        cairo_close_path(cr);
        break;
    case LENS_AVIATOR:
        cairo_move_to(cr, -1.0, -0.7);
        cairo_line_to(cr, 1.0, -0.7);
        cairo_curve_to(cr, 1.1, 0.3, 0.5, 1.0, 0, 1.0);
        cairo_curve_to(cr, -0.6, 1.0, -1.05, 0.3, -1.0, -0.7);
        cairo_close_path(cr);
        break;
    case LENS_RECT:
        PathRoundedRect(cr, -1.05, -0.6, 2.1, 1.2, 0.2);
        break;
    case LENS_HEART:
        cairo_move_to(cr, 0, 0.95);
        cairo_curve_to(cr, -1.3, 0.1, -0.9, -1.1, 0, -0.45);
        cairo_curve_to(cr, 0.9, -1.1, 1.3, 0.1, 0, 0.95);
        cairo_close_path(cr);
        break;
    case LENS_STAR:
        PathStar(cr, 0, 0.05, 1.15, 0.55, 5, 0);
        break;
    case LENS_OVAL:
        PathEllipse(cr, 0, 0, 1.0, 0.7);
        break;
    case LENS_SQUARE:
        PathRoundedRect(cr, -1.0, -0.85, 2.0, 1.7, 0.35);
        break;
    case LENS_BROWLINE:
        cairo_move_to(cr, -1.0, -0.55);
        cairo_line_to(cr, 1.0, -0.55);
        cairo_curve_to(cr, 1.05, 0.3, 0.6, 0.8, 0, 0.8);
        cairo_curve_to(cr, -0.6, 0.8, -1.05, 0.3, -1.0, -0.55);
        cairo_close_path(cr);
        break;
    case LENS_BUTTERFLY:
        cairo_move_to(cr, -nSide * 1.0, -0.6);
        cairo_curve_to(cr, -nSide * 0.3, -1.0, nSide * 1.2, -1.1, nSide * 1.3, -0.4);
        cairo_curve_to(cr, nSide * 1.35, 0.6, nSide * 0.6, 1.15, -nSide * 0.2, 1.0);
        cairo_curve_to(cr, -nSide * 0.9, 0.9, -nSide * 1.1, 0.2, -nSide * 1.0, -0.6);
        cairo_close_path(cr);
        break;
    }
}

// The lens on side nSide of a pair, centred at (nSide * 1.4, 0).
void PathLensOfPair(cairo_t* cr, LensShape shape, int nSide)
{
    cairo_save(cr);
    cairo_translate(cr, nSide * 1.4, 0);
    PathLens(cr, shape, nSide);
    cairo_restore(cr);
}

// The bridge between a pair's lenses, an open curve.
void PathBridge(cairo_t* cr)
{
    cairo_move_to(cr, -0.45, -0.25);
    cairo_curve_to(cr, -0.2, -0.55, 0.2, -0.55, 0.45, -0.25);
}

// Glasses with lens centres at (-1.4, 0) and (1.4, 0) in units of one lens radius; the
// caller's transform sets position, size and angle. dLine is the frame width in those units.
void DrawGlassesUnits(cairo_t* cr, int nPair, double dLine, bool bTemples)
{
    const GlassesStyle& style = g_aGlasses[nPair];
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (int nSide = -1; nSide <= 1; nSide += 2)
    {
        PathLensOfPair(cr, style.shape, nSide);
        SetColour(cr, style.lens);
        cairo_fill_preserve(cr);
        if (style.shape == LENS_BROWLINE)
        {
            // Only the brow bar is thick; the rest of the rim is a thin wire.
            Stroke(cr, Palette::Gold, dLine * 0.4);
            cairo_move_to(cr, nSide * 1.4 - 1.05, -0.55);
            cairo_line_to(cr, nSide * 1.4 + 1.05, -0.55);
            Stroke(cr, style.frame, dLine * 1.8);
        }
        else
        {
            StrokeEdged(cr, style.frame, dLine, dLine * 0.3);
        }
        // A glint on the glass.
        cairo_move_to(cr, nSide * 1.4 - 0.45, -0.2);
        cairo_line_to(cr, nSide * 1.4 - 0.1, -0.5);
        SetColour(cr, WithAlpha(Palette::White, 0.9));
        cairo_set_line_width(cr, dLine * 0.7);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        if (bTemples)
        {
            cairo_move_to(cr, nSide * 2.4, -0.3);
            cairo_line_to(cr, nSide * 2.75, -0.2);
            Stroke(cr, style.frame, dLine);
        }
    }
    // Bridge.
    PathBridge(cr);
    Stroke(cr, style.frame, dLine * 1.2);
    cairo_restore(cr);
}
} // namespace

void DrawGlassesOnFace(cairo_t* cr, int nPair)
{
    cairo_save(cr);
    cairo_translate(cr, CX, EYE_Y + 1);
    cairo_scale(cr, EYE_DX / 1.4, EYE_DX / 1.4);
    DrawGlassesUnits(cr, nPair, 0.16, true);
    cairo_restore(cr);
}

namespace
{
// The tray drawings' frame width, in lens units.
constexpr double TRAY_LINE = 0.22;
} // namespace

void DrawGlassesLying(cairo_t* cr, double cx, double cy, double dAngle, double dScale, int nPair)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, dAngle);
    cairo_scale(cr, dScale, dScale);
    DrawGlassesUnits(cr, nPair, TRAY_LINE, false);
    cairo_restore(cr);
}

std::vector<std::pair<double, double>> GlassesTrayOutline(int nPair)
{
    // Every point of both lens outlines and the bridge, from the flattened paths.
    cairo_surface_t* pSurface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
    cairo_t* cr = cairo_create(pSurface);
    for (int nSide = -1; nSide <= 1; nSide += 2)
        PathLensOfPair(cr, g_aGlasses[nPair].shape, nSide);
    PathBridge(cr);
    cairo_path_t* pPath = cairo_copy_path_flat(cr);
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i < pPath->num_data; i += pPath->data[i].header.length)
        if (pPath->data[i].header.type != CAIRO_PATH_CLOSE_PATH)
            points.emplace_back(pPath->data[i + 1].point.x, pPath->data[i + 1].point.y);
    cairo_path_destroy(pPath);
    cairo_destroy(cr);
    cairo_surface_destroy(pSurface);
    // The convex hull (monotone chain), its edges sampled finely and pushed out by the edge.
    std::sort(points.begin(), points.end());
    std::vector<std::pair<double, double>> hull;
    auto cross = [](const std::pair<double, double>& o, const std::pair<double, double>& a,
                    const std::pair<double, double>& b)
    { return (a.first - o.first) * (b.second - o.second) - (a.second - o.second) * (b.first - o.first); };
    for (int nPass = 0; nPass < 2; ++nPass)
    {
        const size_t nStart = hull.size();
        for (const auto& p : points)
        {
            while (hull.size() >= nStart + 2 && cross(hull[hull.size() - 2], hull.back(), p) <= 0)
                hull.pop_back();
            hull.push_back(p);
        }
        hull.pop_back();
        std::reverse(points.begin(), points.end());
    }
    const double dPush = TRAY_LINE * 0.9;
    std::vector<std::pair<double, double>> outline;
    for (size_t i = 0; i < hull.size(); ++i)
    {
        const auto& a = hull[i];
        const auto& b = hull[(i + 1) % hull.size()];
        const double dLength = std::hypot(b.first - a.first, b.second - a.second);
        const int nSteps = std::max(1, int(std::ceil(dLength * 12)));
        for (int k = 0; k < nSteps; ++k)
        {
            const double t = double(k) / nSteps;
            const double x = a.first + (b.first - a.first) * t;
            const double y = a.second + (b.second - a.second) * t;
            const double dFromCentre = std::max(1e-9, std::hypot(x, y));
            outline.emplace_back(x + x / dFromCentre * dPush, y + y / dFromCentre * dPush);
        }
    }
    return outline;
}

namespace
{
// The strand width of the face's hair.
constexpr double STRAND = 1.1;

void ClearFace(cairo_t* cr)
{
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    PathFaceOpening(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}

// The hair over the skull, from temple to temple over the top of the head, dPuff above it and
// dWide beyond its sides, reaching down to dBottom at the sides; the face is cleared out of it
// afterwards. Shaded and edged as one mass.
void DrawCrown(cairo_t* cr, const Colour& c, double dPuff, double dWide, double dBottom)
{
    cairo_move_to(cr, CX - 84 - dWide, dBottom);
    cairo_curve_to(cr, CX - 92 - dWide, 130, CX - 62, 85 - dPuff, CX, 85 - dPuff);
    cairo_curve_to(cr, CX + 62, 85 - dPuff, CX + 92 + dWide, 130, CX + 84 + dWide, dBottom);
    cairo_close_path(cr);
    Hair::FillMass(cr, c, CX - 90, 80, CX + 90, dBottom, STRAND);
}

// Strands combed from the hairline towards a point on the head (a bun, a ponytail's root or
// the crown), over the crown.
void DrawCombedStrands(cairo_t* cr, const Colour& c, double tx, double ty, int nStrands)
{
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < nStrands; ++i)
    {
        const double a = PI * (0.08 + 0.84 * i / (nStrands - 1)); // around the hairline, left to right
        const double sx = CX - std::cos(a) * 80;
        const double sy = HAIRLINE_Y + 32 - std::sin(a) * 36;
        cairo_move_to(cr, sx, sy);
        cairo_curve_to(cr, sx + (tx - sx) * 0.2, sy - 20, tx + (sx - tx) * 0.3, ty + 10, tx, ty);
        Stroke(cr, i % 2 ? WithAlpha(Darker(c, 0.4), 0.5) : WithAlpha(Lighter(c, 0.45), 0.55), STRAND);
    }
    cairo_restore(cr);
}

// Locks falling from a parting at px over the head and past the face to below the shoulders,
// six a side from the back to the front, each swaying by dWave; the shorter front locks frame
// the face without reaching the eyes.
void DrawFallingLocks(cairo_t* cr, const Colour& c, double px, double dWave)
{
    for (int nSide = -1; nSide <= 1; nSide += 2)
        for (int i = 0; i < 6; ++i)
        {
            const double f = i / 5.0;
            const double dPhase = i * 1.7 + (nSide > 0 ? 0.8 : 0);
            auto wave = [&](double dAmount) { return nSide * dWave * dAmount * std::sin(dPhase); };
            const double dFromPart = nSide > 0 ? CX + 80 - px : px - (CX - 80); // how far the side reaches
            Hair::DrawLock(cr,
                           {{px + nSide * (3 + i * 2), 86 + f * 2, 6 + f * 2},
                            {px + nSide * dFromPart * (0.45 + f * 0.04), 97 + f * 15, 13},
                            {CX + nSide * (80 - f * 4), 150 + f * 20, 14 - f * 3},
                            {CX + nSide * (90 - f * 6) + wave(0.8), 230, 14 - f * 2},
                            {CX + nSide * (98 - f * 10) - wave(1.0), 300 + f * 6, 12 - f * 3},
                            {CX + nSide * (94 - f * 14) + wave(1.2), 372 - f * 34, 1.5}},
                           i % 2 ? Darker(c, 0.05) : c, STRAND);
        }
}

// Small curls in C shapes over a mass of curly hair (the current clip), skipping the face:
// shadowed where each curl turns under, lit on its crest.
void DrawCurlTexture(cairo_t* cr, const Colour& c, double x0, double y0, double x1, double y1)
{
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    int n = 0;
    for (double y = y0; y < y1; y += 15)
        for (double x = x0 + std::fmod(y * 0.37, 15.0); x < x1; x += 17, ++n)
        {
            const double r = 6 + (n * 7 % 5);
            const double a = (n * 37 % 360) * PI / 180;
            PathFaceOpening(cr);
            const bool bOnFace = cairo_in_fill(cr, x, y);
            cairo_new_path(cr);
            if (bOnFace)
                continue;
            cairo_arc(cr, x, y, r, a, a + PI * 1.4);
            Stroke(cr, WithAlpha(Darker(c, 0.45), 0.75), STRAND * 1.8);
            cairo_arc(cr, x - 1, y - 1.5, r * 0.65, a + 0.3, a + PI * 1.1);
            Stroke(cr, WithAlpha(Lighter(c, 0.5), 0.7), STRAND * 1.2);
        }
    cairo_restore(cr);
}

// The curly mass: an oval round the head with round bunches of curls all along its edge,
// from over the crown down to below the jaw on both sides.
void PathCurlyMass(cairo_t* cr)
{
    constexpr int BUNCHES = 18;
    PathEllipse(cr, CX, 196, 124, 128);
    for (int i = 0; i < BUNCHES; ++i)
    {
        const double a = PI * (0.78 + 1.44 * i / (BUNCHES - 1)); // lower left, over the top, lower right
        const double r = 17 + (i * 5 % 7);
        PathEllipse(cr, CX + 124 * std::cos(a), 196 + 128 * std::sin(a), r, r * 0.92);
    }
}

// The beehive's dome, from one temple up over the crown to the other.
void PathBeehiveDome(cairo_t* cr)
{
    cairo_move_to(cr, CX - 78, 120);
    cairo_curve_to(cr, CX - 96, 40, CX - 40, 12, CX + 6, 14);
    cairo_curve_to(cr, CX + 60, 16, CX + 96, 50, CX + 78, 120);
    cairo_close_path(cr);
}
} // namespace

void DrawHair(cairo_t* cr, int nStyle)
{
    const HairStyle& style = g_aHair[nStyle];
    const Colour& c = style.colour;
    cairo_save(cr);
    cairo_push_group(cr);
    switch (style.nKind)
    {
    case HAIR_BEFORE:
        // Pulled straight back into a small bun on top: the bare look.
        DrawCrown(cr, c, 4, -2, 205);
        ClearFace(cr);
        DrawCombedStrands(cr, c, CX, 84, 14);
        for (int k = 0; k < 3; ++k)
        {
            // The bun: a coil of hair wound round on itself.
            cairo_save(cr);
            cairo_translate(cr, CX, 70);
            cairo_rotate(cr, k * 2.1);
            Hair::DrawLock(cr, {{-14, 4, 7}, {-6, -12, 8}, {10, -10, 7}, {14, 6, 5}},
                           k % 2 ? Darker(c, 0.08) : c, STRAND);
            cairo_restore(cr);
        }
        break;
    case HAIR_LONG:
        // Long and straight from a centre parting, over the head and the shoulders.
        DrawCrown(cr, c, 6, 6, 230);
        ClearFace(cr);
        DrawFallingLocks(cr, c, CX, 0);
        break;
    case HAIR_CURLS:
        // A cloud of curls round the face, ringlets hanging to the shoulders.
        for (int i = 0; i < 8; ++i)
        {
            // Ringlets from under the mass down to the shoulders.
            const int nSide = i % 2 ? 1 : -1;
            Hair::DrawRinglet(cr, CX + nSide * (116 - (i / 2) * 12), 250 + (i / 2) * 8, 96 - (i / 2) * 10, 12,
                              4, nSide * 4, i % 3 ? c : Lighter(c, 0.08), STRAND);
        }
        PathCurlyMass(cr);
        Hair::FillMass(cr, c, CX - 140, 50, CX + 140, 300, STRAND);
        ClearFace(cr);
        cairo_save(cr);
        PathCurlyMass(cr);
        cairo_clip(cr);
        DrawCurlTexture(cr, c, CX - 150, 56, CX + 150, 300);
        cairo_restore(cr);
        for (int i = 0; i < 5; ++i)
        {
            // Curls tumbling over the hairline, no two alike.
            const double x = CX - 58 + i * 28 + (i % 2) * 5;
            const double r = 11 + (i * 3 % 4);
            PathEllipse(cr, x, HAIRLINE_Y - 2 + (i % 2) * 5, r, r * 0.85);
            Hair::FillMass(cr, Lighter(c, 0.05), x - r, HAIRLINE_Y - 12, x + r, HAIRLINE_Y + 12, STRAND);
            cairo_arc(cr, x, HAIRLINE_Y - 1 + (i % 2) * 5, r * 0.55, PI * (0.2 + i * 0.3),
                      PI * (1.6 + i * 0.3));
            Stroke(cr, WithAlpha(Darker(c, 0.45), 0.8), STRAND * 1.6);
        }
        break;
    case HAIR_BOB:
        // A glossy chin-length bob with a blunt fringe, its ends curving in under the jaw.
        DrawCrown(cr, c, 8, 10, 290);
        ClearFace(cr);
        for (int nSide = -1; nSide <= 1; nSide += 2)
            for (double i = 0; i < 3; ++i)
                Hair::DrawLock(cr,
                               {{CX + nSide * (64 + i * 6), 142, 11},
                                {CX + nSide * (86 + i * 2), 180, 16},
                                {CX + nSide * (84 - i * 2), 262, 15},
                                {CX + nSide * (70 - i * 6), 300, 8},
                                {CX + nSide * (58 - i * 8), 307, 2}},
                               i == 1 ? Lighter(c, 0.08) : c, STRAND);
        {
            // The fringe: the front of the crown down to a blunt edge above the brows, combed
            // straight down and glossy across the top.
            cairo_save(cr);
            cairo_rectangle(cr, CX - 100, 60, 200, 100);
            cairo_clip(cr);
            cairo_move_to(cr, CX - 84, 160);
            cairo_curve_to(cr, CX - 92, 124, CX - 60, 77, CX, 77);
            cairo_curve_to(cr, CX + 60, 77, CX + 92, 124, CX + 84, 160);
            cairo_close_path(cr);
            cairo_clip_preserve(cr);
            Hair::FillMass(cr, c, CX - 84, 77, CX + 84, 160, STRAND);
            for (int i = 0; i < 14; ++i)
            {
                cairo_move_to(cr, CX - 78 + i * 12, 70);
                cairo_curve_to(cr, CX - 79 + i * 12.1, 110, CX - 80 + i * 12.2, 140, CX - 81 + i * 12.3, 160);
                Stroke(cr, i % 2 ? WithAlpha(Lighter(c, 0.35), 0.5) : WithAlpha(Darker(c, 0.4), 0.5), STRAND);
            }
            cairo_move_to(cr, CX - 74, 116);
            cairo_curve_to(cr, CX - 30, 96, CX + 30, 96, CX + 74, 116);
            Stroke(cr, WithAlpha(Palette::Lilac, 0.22), 10);
            cairo_restore(cr);
        }
        break;
    case HAIR_PIXIE:
        // A short pink crop: feathered locks over the crown and a swept fringe above the brows.
        DrawCrown(cr, c, 10, 2, 196);
        ClearFace(cr);
        for (int i = 0; i < 9; ++i)
        {
            // Short locks all over the crown, brushed forward and a little to the left.
            const double t = i / 8.0;
            const double sx = CX - 62 + t * 124;
            const double sy = 100 - std::sin(t * PI) * 16;
            Hair::DrawLock(cr, {{sx + 10, sy - 8, 8}, {sx - 2, sy + 8, 10}, {sx - 14, sy + 24, 1.5}},
                           i % 2 ? Lighter(c, 0.08) : c, STRAND);
        }
        for (int nSide = -1; nSide <= 1; nSide += 2)
            for (double i = 0; i < 2; ++i)
                Hair::DrawLock(cr,
                               {{CX + nSide * (72 + i * 6), 120 + i * 22, 9},
                                {CX + nSide * (84 + i * 2), 150 + i * 20, 7},
                                {CX + nSide * (82 + i * 2), 178 + i * 16, 1}},
                               c, STRAND);
        for (int i = 0; i < 5; ++i)
        {
            // The fringe, sweeping across the forehead and ending above the brows.
            const double t = i / 4.0;
            Hair::DrawLock(cr,
                           {{CX + 46 - t * 20, 96, 10},
                            {CX + 10 - t * 30, 116 + t * 6, 11},
                            {CX - 40 - t * 30, 128 + t * 14, 5},
                            {CX - 66 - t * 12, 134 + t * 12, 1}},
                           i % 2 ? Lighter(c, 0.1) : c, STRAND);
        }
        break;
    case HAIR_PONYTAIL:
        // Sleek back into a high ponytail that swings out to the right.
        Hair::DrawLock(cr,
                       {{CX + 40, 80, 20},
                        {CX + 110, 70, 24},
                        {CX + 140, 140, 22},
                        {CX + 128, 230, 16},
                        {CX + 140, 300, 5}},
                       c, STRAND);
        Hair::DrawLock(cr, {{CX + 50, 86, 12}, {CX + 104, 96, 14}, {CX + 118, 170, 11}, {CX + 110, 250, 3}},
                       Lighter(c, 0.08), STRAND);
        DrawCrown(cr, c, 6, -2, 205);
        ClearFace(cr);
        DrawCombedStrands(cr, c, CX + 40, 82, 14);
        PathEllipse(cr, CX + 44, 80, 12, 10);
        FillAndOutline(cr, Palette::Magenta, 1.5);
        break;
    case HAIR_WAVES:
        // Long waves from a side parting, one wave swept over the top of the forehead.
        DrawCrown(cr, c, 8, 10, 240);
        ClearFace(cr);
        DrawFallingLocks(cr, c, CX - 30, 12);
        Hair::DrawLock(cr, {{CX - 30, 88, 10}, {CX + 20, 104, 15}, {CX + 62, 124, 13}, {CX + 82, 160, 4}},
                       Lighter(c, 0.06), STRAND);
        break;
    case HAIR_BEEHIVE:
        // A tall smooth beehive with a gold band, the sides tucked and flicked up at the nape.
        for (int nSide = -1; nSide <= 1; nSide += 2)
            Hair::DrawLock(cr,
                           {{CX + nSide * 78, 190, 8},
                            {CX + nSide * 90, 232, 10},
                            {CX + nSide * 108, 236, 5},
                            {CX + nSide * 114, 222, 1}},
                           c, STRAND);
        PathBeehiveDome(cr);
        Hair::FillMass(cr, c, CX - 90, 14, CX + 90, 120, STRAND);
        DrawCrown(cr, c, 6, 2, 215);
        ClearFace(cr);
        cairo_save(cr);
        PathBeehiveDome(cr);
        cairo_clip(cr);
        for (int i = 0; i < 6; ++i)
        {
            // Smooth hair swept up and round the dome.
            cairo_move_to(cr, CX - 70 + i * 10, 118);
            cairo_curve_to(cr, CX - 80 + i * 8, 50 + i * 4, CX + 20 - i * 4, 18 + i * 8, CX + 74 - i * 6,
                           80 + i * 6);
            Stroke(cr, i % 2 ? WithAlpha(Darker(c, 0.25), 0.45) : WithAlpha(Palette::White, 0.6),
                   STRAND * 1.5);
        }
        cairo_move_to(cr, CX - 50, 60);
        cairo_curve_to(cr, CX - 30, 30, CX + 10, 26, CX + 30, 34);
        Stroke(cr, WithAlpha(Palette::White, 0.5), 9);
        cairo_restore(cr);
        cairo_move_to(cr, CX - 76, 112);
        cairo_curve_to(cr, CX - 30, 92, CX + 30, 92, CX + 76, 112);
        StrokeEdged(cr, Palette::Gold, 5.5, 1.25);
        break;
    case HAIR_BRAIDS:
        // Two plaits from a centre parting over the shoulders, tied with teal ribbons.
        DrawCrown(cr, c, 6, 4, 220);
        ClearFace(cr);
        DrawCombedStrands(cr, c, CX, 86, 12);
        for (int nSide = -1; nSide <= 1; nSide += 2)
        {
            Hair::DrawPlait(cr,
                            {{CX + nSide * 84, 186, 16},
                             {CX + nSide * 95, 250, 15},
                             {CX + nSide * 93, 320, 12},
                             {CX + nSide * 89, 350, 10}},
                            22, c, STRAND);
            PathEllipse(cr, CX + nSide * 88, 352, 10, 6);
            FillAndOutline(cr, Palette::Teal, 1.5);
        }
        break;
    default:
        break;
    }
    cairo_pop_group_to_source(cr);
    // Hair stays inside the mirror.
    PathMirror(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}

void DrawEyeCompact(cairo_t* cr, double cx, double cy, double r, int nStyle)
{
    const EyeStyle& style = g_aEyes[nStyle];
    PathEllipse(cr, cx, cy, r, r);
    FillVerticalAndStroke(cr, cy - r, Palette::PaleGold, cy + r, Darker(Palette::Gold, 0.2), Palette::Plum,
                          1.3);
    const double ri = r * 0.72;
    PathEllipse(cr, cx, cy, ri, ri);
    FillGradient(cr, cairo_pattern_create_radial(cx - ri * 0.3, cy - ri * 0.3, 1, cx, cy, ri),
                 style.bShimmer ? Lighter(style.shadow, 0.55) : Lighter(style.shadow, 0.2), style.shadow,
                 true);
    Stroke(cr, Darker(style.shadow, 0.5), 1);
}

void DrawLipstick(cairo_t* cr, double x, double y, double w, double h, int nStyle)
{
    const Colour& colour = g_aLips[nStyle];
    const double bx = x + w * 0.2;
    const double bw = w * 0.6;
    // Bullet with a slanted tip, over a gold case.
    cairo_move_to(cr, bx, y + h * 0.48);
    cairo_line_to(cr, bx, y + h * 0.2);
    cairo_line_to(cr, bx + bw, y + 1);
    cairo_line_to(cr, bx + bw, y + h * 0.48);
    cairo_close_path(cr);
    FillAndOutline(cr, colour, 1.1);
    PathRoundedRect(cr, x + 1, y + h * 0.45, w - 2, h * 0.55 - 1, 2);
    FillVerticalAndStroke(cr, y + h * 0.45, Palette::PaleGold, y + h, Darker(Palette::Gold, 0.25),
                          Palette::Plum, 1.1);
    cairo_move_to(cr, x + 3, y + h * 0.6);
    cairo_line_to(cr, x + w - 3, y + h * 0.6);
    SetColour(cr, Darker(Palette::Gold, 0.35));
    cairo_stroke(cr);
}
} // namespace Face
