// Model.cpp: the avenue model's figure and every item she can wear.
#include "Model.h"

#include "Paint.h"

#include <cmath>

namespace Model
{
namespace
{
constexpr double CX = 207;
constexpr double HEAD_Y = 64;
constexpr double HEAD_RX = 21;
constexpr double HEAD_RY = 26;
constexpr double SHOULDER_Y = 106;
constexpr double WAIST_Y = 196;
constexpr double HIP_Y = 236;
constexpr double ANKLE_Y = 352;

void PathTorso(cairo_t* cr, double dTop, double dBottom, double dFlare)
{
    // From the shoulders through the waist to the hips, or flaring below them.
    cairo_move_to(cr, CX - 34, dTop);
    cairo_curve_to(cr, CX - 30, dTop + 40, CX - 18, WAIST_Y - 30, CX - 19, WAIST_Y);
    cairo_curve_to(cr, CX - 22, WAIST_Y + 20, CX - 27 - dFlare, dBottom - 20, CX - 28 - dFlare, dBottom);
    cairo_line_to(cr, CX + 28 + dFlare, dBottom);
    cairo_curve_to(cr, CX + 27 + dFlare, dBottom - 20, CX + 22, WAIST_Y + 20, CX + 19, WAIST_Y);
    cairo_curve_to(cr, CX + 18, WAIST_Y - 30, CX + 30, dTop + 40, CX + 34, dTop);
    cairo_close_path(cr);
}

void PathArm(cairo_t* cr, int nSide, double dWidth)
{
    cairo_move_to(cr, CX + nSide * 34, SHOULDER_Y + 2);
    cairo_curve_to(cr, CX + nSide * 44, SHOULDER_Y + 30, CX + nSide * 46, 170, CX + nSide * 49, 228);
    cairo_set_line_width(cr, dWidth);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
}

void PathLeg(cairo_t* cr, int nSide)
{
    cairo_move_to(cr, CX + nSide * 3, HIP_Y - 6);
    cairo_line_to(cr, CX + nSide * 26, HIP_Y - 6);
    cairo_curve_to(cr, CX + nSide * 24, 290, CX + nSide * 17, 320, CX + nSide * 14, ANKLE_Y);
    cairo_line_to(cr, CX + nSide * 6, ANKLE_Y);
    cairo_curve_to(cr, CX + nSide * 5, 320, CX + nSide * 2, 290, CX + nSide * 3, HIP_Y - 6);
    cairo_close_path(cr);
}

void FillStroke(cairo_t* cr, const Colour& colour)
{
    FillAndOutline(cr, colour, 1.6);
}

// A garment fill: soft top-to-bottom shading of the colour.
void FillGarment(cairo_t* cr, const Colour& colour, double y0, double y1)
{
    cairo_save(cr);
    FillGradient(cr, cairo_pattern_create_linear(CX - 40, y0, CX + 40, y1), Lighter(colour, 0.25), Darker(colour, 0.2),
                 true);
    SetColour(cr, Palette::Plum);
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void DrawSleeves(cairo_t* cr, const Colour& colour, double dLength)
{
    for (int nSide = -1; nSide <= 1; nSide += 2)
    {
        cairo_save(cr);
        cairo_move_to(cr, CX + nSide * 34, SHOULDER_Y + 2);
        cairo_curve_to(cr, CX + nSide * 42, SHOULDER_Y + 20, CX + nSide * 44, SHOULDER_Y + dLength * 0.6,
                       CX + nSide * 46, SHOULDER_Y + dLength);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        SetColour(cr, Palette::Plum);
        cairo_set_line_width(cr, 16);
        cairo_stroke_preserve(cr);
        Stroke(cr, colour, 13);
        cairo_restore(cr);
    }
}

void DrawTop(cairo_t* cr, int nItem)
{
    const Colour aColours[] = {Palette::White, Palette::Magenta, Palette::Teal,
                               Palette::Gold,  Colour{0.95, 0.55, 0.70}, Colour{0.40, 0.10, 0.35}};
    const Colour c = aColours[nItem];
    const double aSleeves[] = {28, 110, 0, 0, 118, 120};
    const double aBottom[] = {228, 232, 176, 226, 240, 244};
    if (aSleeves[nItem] > 0)
        DrawSleeves(cr, c, aSleeves[nItem]);
    PathTorso(cr, SHOULDER_Y, aBottom[nItem], nItem == 5 ? 6 : 2);
    FillGarment(cr, c, SHOULDER_Y, aBottom[nItem]);
    switch (nItem)
    {
    case 0: // tee with a heart
        PathStar(cr, CX, 150, 9, 5, 5, 0);
        SetColour(cr, Palette::Magenta);
        cairo_fill(cr);
        break;
    case 1: // blouse with a bow
        PathEllipse(cr, CX - 7, 116, 7, 5);
        PathEllipse(cr, CX + 7, 116, 7, 5);
        FillStroke(cr, Palette::PaleGold);
        break;
    case 2: // crop top straps
    case 3: // sequin tank
        for (int nSide = -1; nSide <= 1; nSide += 2)
        {
            cairo_move_to(cr, CX + nSide * 14, SHOULDER_Y + 2);
            cairo_line_to(cr, CX + nSide * 20, SHOULDER_Y - 6);
        }
        Stroke(cr, Darker(c, 0.4), 3);
        if (nItem == 3)
            for (int i = 0; i < 24; ++i)
                DrawSparkle(cr, CX - 22 + (i % 6) * 9, 120 + (i / 6) * 24 + (i % 2) * 8, 3, Palette::White);
        break;
    case 4: // striped sweater
        for (int i = 0; i < 6; ++i)
        {
            cairo_save(cr);
            PathTorso(cr, SHOULDER_Y, aBottom[nItem], 2);
            cairo_clip(cr);
            cairo_rectangle(cr, CX - 60, 120 + i * 20, 120, 8);
            SetColour(cr, Palette::White);
            cairo_fill(cr);
            cairo_restore(cr);
        }
        break;
    case 5: // blazer lapels and buttons
        cairo_move_to(cr, CX - 20, SHOULDER_Y);
        cairo_line_to(cr, CX, 170);
        cairo_line_to(cr, CX + 20, SHOULDER_Y);
        Stroke(cr, Palette::Gold, 3);
        for (int i = 0; i < 2; ++i)
        {
            PathEllipse(cr, CX, 185 + i * 18, 3, 3);
            SetColour(cr, Palette::Gold);
            cairo_fill(cr);
        }
        break;
    default:
        break;
    }
}

void DrawDress(cairo_t* cr, int nItem)
{
    const Colour aColours[] = {Colour{0.80, 0.05, 0.12}, Palette::Teal, Palette::Gold,
                               Palette::White,           Palette::Lilac, Palette::Magenta};
    const Colour c = aColours[nItem];
    const double aHem[] = {350, 280, 300, 290, 345, 300};
    const double aFlare[] = {40, 22, 10, 34, 70, 26};
    if (nItem == 5)
        DrawSleeves(cr, c, 60);
    cairo_move_to(cr, CX - 30, SHOULDER_Y + 6);
    cairo_curve_to(cr, CX - 28, 150, CX - 18, WAIST_Y - 30, CX - 19, WAIST_Y);
    cairo_curve_to(cr, CX - 30, 250, CX - 28 - aFlare[nItem], aHem[nItem] - 30, CX - 30 - aFlare[nItem],
                   aHem[nItem]);
    cairo_curve_to(cr, CX - 10, aHem[nItem] + 6, CX + 10, aHem[nItem] + 6, CX + 30 + aFlare[nItem], aHem[nItem]);
    cairo_curve_to(cr, CX + 28 + aFlare[nItem], aHem[nItem] - 30, CX + 30, 250, CX + 19, WAIST_Y);
    cairo_curve_to(cr, CX + 18, WAIST_Y - 30, CX + 28, 150, CX + 30, SHOULDER_Y + 6);
    cairo_curve_to(cr, CX + 10, SHOULDER_Y + 16, CX - 10, SHOULDER_Y + 16, CX - 30, SHOULDER_Y + 6);
    cairo_close_path(cr);
    FillGarment(cr, c, SHOULDER_Y, aHem[nItem]);
    switch (nItem)
    {
    case 2:
        for (int i = 0; i < 30; ++i)
            DrawSparkle(cr, CX - 30 + (i % 6) * 12, 130 + (i / 6) * 34 + (i % 2) * 10, 3, Palette::White);
        break;
    case 3:
        for (int i = 0; i < 20; ++i)
        {
            PathEllipse(cr, CX - 30 + (i % 5) * 15, 140 + (i / 5) * 36 + (i % 2) * 12, 4, 4);
            SetColour(cr, Palette::Magenta);
            cairo_fill(cr);
        }
        break;
    default:
        // A waist sash.
        cairo_move_to(cr, CX - 20, WAIST_Y);
        cairo_line_to(cr, CX + 20, WAIST_Y);
        Stroke(cr, nItem == 1 ? Palette::Gold : Palette::PaleGold, 5);
        break;
    }
}

void DrawBottom(cairo_t* cr, int nItem)
{
    switch (nItem)
    {
    case 0: // jeans
    case 4: // white flares
    {
        const Colour c = nItem == 0 ? Colour{0.25, 0.40, 0.75} : Palette::Cream;
        for (int nSide = -1; nSide <= 1; nSide += 2)
        {
            const double dFlare = nItem == 4 ? 9 : 1;
            cairo_move_to(cr, CX, WAIST_Y + 4);
            cairo_line_to(cr, CX + nSide * 22, WAIST_Y + 4);
            cairo_curve_to(cr, CX + nSide * 28, 260, CX + nSide * 20, 320, CX + nSide * (16 + dFlare), ANKLE_Y - 2);
            cairo_line_to(cr, CX + nSide * (3 - dFlare * 0.3), ANKLE_Y - 2);
            cairo_curve_to(cr, CX + nSide * 2, 300, CX + nSide * 1, 260, CX, 240);
            cairo_close_path(cr);
            FillGarment(cr, c, WAIST_Y, ANKLE_Y);
        }
        cairo_rectangle(cr, CX - 22, WAIST_Y + 2, 44, 7);
        FillStroke(cr, nItem == 0 ? Colour{0.45, 0.25, 0.10} : Palette::Gold);
        break;
    }
    case 3: // gold shorts
        cairo_move_to(cr, CX - 22, WAIST_Y + 4);
        cairo_line_to(cr, CX + 22, WAIST_Y + 4);
        cairo_line_to(cr, CX + 29, 262);
        cairo_line_to(cr, CX + 3, 262);
        cairo_line_to(cr, CX, 248);
        cairo_line_to(cr, CX - 3, 262);
        cairo_line_to(cr, CX - 29, 262);
        cairo_close_path(cr);
        FillGarment(cr, Palette::Gold, WAIST_Y, 262);
        break;
    default:
    {
        // Skirts: mini, pleated, pencil.
        const Colour aColours[] = {Palette::White, Palette::Magenta, Palette::Teal,
                                   Palette::White, Palette::White,  Colour{0.15, 0.12, 0.18}};
        const double aHem[] = {0, 250, 290, 0, 0, 300};
        const double aFlare[] = {0, 18, 22, 0, 0, 2};
        const double hem = aHem[nItem];
        cairo_move_to(cr, CX - 21, WAIST_Y + 4);
        cairo_line_to(cr, CX + 21, WAIST_Y + 4);
        cairo_line_to(cr, CX + 26 + aFlare[nItem], hem);
        cairo_line_to(cr, CX - 26 - aFlare[nItem], hem);
        cairo_close_path(cr);
        FillGarment(cr, aColours[nItem], WAIST_Y, hem);
        if (nItem == 2)
        {
            for (int i = -3; i <= 3; ++i)
            {
                cairo_move_to(cr, CX + i * 5, WAIST_Y + 8);
                cairo_line_to(cr, CX + i * 7.5, hem - 1);
            }
            Stroke(cr, Palette::DeepTeal, 1.2);
        }
        break;
    }
    }
}

void PathFaceOpening(cairo_t* cr)
{
    PathEllipse(cr, CX, HEAD_Y + 6, HEAD_RX - 3, HEAD_RY - 4);
}

void DrawHh(cairo_t* cr, int nItem)
{
    const Colour aColours[] = {Colour{0.95, 0.80, 0.45}, Colour{0.10, 0.08, 0.12}, Colour{0.80, 0.30, 0.10},
                               Colour{0.40, 0.22, 0.10}, Colour{0.35, 0.20, 0.10}, Colour{1.00, 0.45, 0.70}};
    const Colour c = aColours[nItem];
    cairo_push_group(cr);
    // Hair volume, then the face cleared out of it.
    const double aBottom[] = {150, 95, 120, 84, 110, 80};
    const double aWidth[] = {30, 27, 36, 25, 28, 24};
    const double w = aWidth[nItem];
    cairo_move_to(cr, CX, HEAD_Y - HEAD_RY - 6);
    cairo_curve_to(cr, CX + w + 4, HEAD_Y - HEAD_RY - 6, CX + w + 2, HEAD_Y, CX + w, aBottom[nItem]);
    cairo_line_to(cr, CX - w, aBottom[nItem]);
    cairo_curve_to(cr, CX - w - 2, HEAD_Y, CX - w - 4, HEAD_Y - HEAD_RY - 6, CX, HEAD_Y - HEAD_RY - 6);
    cairo_close_path(cr);
    FillGarment(cr, c, 30, aBottom[nItem]);
    if (nItem == 2)
        for (int i = 0; i < 14; ++i)
        {
            PathEllipse(cr, CX - 32 + (i % 5) * 16, 46 + (i / 5) * 28, 9, 9);
            FillStroke(cr, Lighter(c, 0.1));
        }
    if (nItem == 3)
    {
        PathEllipse(cr, CX, HEAD_Y - HEAD_RY - 8, 14, 11); // top bun
        FillStroke(cr, c);
    }
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    PathFaceOpening(cr);
    cairo_fill(cr);
    cairo_restore(cr);
    if (nItem == 1 || nItem == 5)
    {
        // A straight fringe.
        cairo_rectangle(cr, CX - 19, HEAD_Y - 20, 38, 12);
        FillStroke(cr, c);
    }
    if (nItem == 3)
    {
        // A beret tilted over the updo.
        PathEllipse(cr, CX + 6, HEAD_Y - 26, 30, 10);
        FillStroke(cr, Palette::Magenta);
        PathEllipse(cr, CX + 6, HEAD_Y - 36, 3, 3);
        FillStroke(cr, Palette::Magenta);
    }
    if (nItem == 4)
    {
        // Wide sun hat.
        PathEllipse(cr, CX, HEAD_Y - 22, 58, 11);
        FillStroke(cr, Palette::PaleGold);
        cairo_move_to(cr, CX - 22, HEAD_Y - 22);
        cairo_curve_to(cr, CX - 22, HEAD_Y - 56, CX + 22, HEAD_Y - 56, CX + 22, HEAD_Y - 22);
        cairo_close_path(cr);
        FillStroke(cr, Palette::PaleGold);
        cairo_rectangle(cr, CX - 22, HEAD_Y - 30, 44, 7);
        FillStroke(cr, Palette::Teal);
    }
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
}

void DrawFac(cairo_t* cr, int nItem)
{
    const Colour aLids[] = {Colour{0.75, 0.55, 0.45}, Palette::Magenta, Palette::Gold, Palette::Teal};
    const Colour aLips[] = {Colour{0.85, 0.45, 0.45}, Colour{0.75, 0.02, 0.35}, Colour{0.95, 0.40, 0.25},
                            Colour{0.55, 0.20, 0.55}};
    for (int nSide = -1; nSide <= 1; nSide += 2)
    {
        const double ex = CX + nSide * 8;
        const double ey = HEAD_Y + 2;
        PathEllipse(cr, ex, ey - 3, 6, 3.5);
        SetColour(cr, WithAlpha(aLids[nItem], 0.9));
        cairo_fill(cr);
        PathEllipse(cr, ex, ey, 4.5, 2.6);
        FillAndOutline(cr, Palette::White, 1);
        PathEllipse(cr, ex, ey, 2, 2);
        SetColour(cr, Colour{0.25, 0.15, 0.1});
        cairo_fill(cr);
        DrawGlow(cr, CX + nSide * 12, HEAD_Y + 12, 6, WithAlpha(Palette::Magenta, nItem == 1 ? 0.45 : 0.25));
    }
    PathEllipse(cr, CX, HEAD_Y + 16, 6, 2.8);
    FillAndOutline(cr, aLips[nItem], 1);
    if (nItem == 3)
    {
        // Teal cat-eye sunglasses pushed up on the head.
        for (int nSide = -1; nSide <= 1; nSide += 2)
        {
            PathEllipse(cr, CX + nSide * 9, HEAD_Y - 14, 7, 4.5);
            FillAndOutline(cr, WithAlpha(Palette::DeepTeal, 0.9), 1.5, Palette::Teal);
        }
    }
}

void DrawHandbag(cairo_t* cr, double x, double y, double w, double h, const Colour& c, bool bShoulder)
{
    // Handle from the hand at (x, y), bag hanging below it.
    cairo_move_to(cr, x - w * 0.3, y + (bShoulder ? 30 : 8));
    cairo_curve_to(cr, x - w * 0.3, y - 6, x + w * 0.3, y - 6, x + w * 0.3, y + (bShoulder ? 30 : 8));
    Stroke(cr, Darker(c, 0.4), 3);
    const double top = y + (bShoulder ? 28 : 6);
    PathRoundedRect(cr, x - w / 2, top, w, h, 6);
    FillGarment(cr, c, top, top + h);
    cairo_rectangle(cr, x - 4, top + 4, 8, 5);
    FillStroke(cr, Palette::Gold);
}

void DrawAcc(cairo_t* cr, int nItem)
{
    const double hx = CX + 50;
    const double hy = 236;
    switch (nItem)
    {
    case 0:
        DrawHandbag(cr, hx, hy, 34, 26, Colour{0.80, 0.05, 0.12}, false);
        break;
    case 1:
        DrawHandbag(cr, hx, hy - 30, 40, 40, Palette::Teal, true);
        break;
    case 2:
        PathRoundedRect(cr, hx - 20, hy - 6, 40, 18, 6);
        FillGarment(cr, Palette::Gold, hy - 6, hy + 12);
        DrawSparkle(cr, hx, hy + 3, 5, Palette::White);
        break;
    case 3:
        // Belt with a gold buckle and a chain bag on the other side.
        cairo_rectangle(cr, CX - 22, WAIST_Y, 44, 7);
        FillStroke(cr, Palette::Plum);
        cairo_rectangle(cr, CX - 5, WAIST_Y - 1, 10, 9);
        FillStroke(cr, Palette::Gold);
        DrawHandbag(cr, CX - 50, hy, 26, 20, Palette::Magenta, false);
        break;
    case 4:
        // Pearl bracelets and a little purse.
        for (int nSide = -1; nSide <= 1; nSide += 2)
            for (int i = 0; i < 5; ++i)
            {
                PathEllipse(cr, CX + nSide * 49 - 6 + i * 3, 224 + (i % 2), 2.2, 2.2);
                FillAndOutline(cr, Palette::White, 0.8);
            }
        DrawHandbag(cr, hx, hy, 24, 18, Palette::Magenta, false);
        break;
    default:
        // Shopping bags in both hands.
        DrawHandbag(cr, hx + 4, hy, 36, 40, Palette::Magenta, false);
        DrawHandbag(cr, CX - 54, hy, 32, 36, Palette::Teal, false);
        break;
    }
}

void DrawShoe(cairo_t* cr, int nItem)
{
    const Colour aColours[] = {Colour{0.80, 0.05, 0.12}, Colour{0.12, 0.10, 0.14}, Palette::White,
                               Palette::Gold,           Palette::Teal,            Colour{0.98, 0.60, 0.75}};
    const Colour c = aColours[nItem];
    for (int nSide = -1; nSide <= 1; nSide += 2)
    {
        const double fx = CX + nSide * 10;
        if (nItem == 1)
        {
            // Boots up to the knee.
            PathRoundedRect(cr, fx - 8, 296, 16, 64, 5);
            FillGarment(cr, c, 296, 360);
        }
        const bool bHeel = nItem == 0 || nItem == 3 || nItem == 4 || nItem == 1;
        // Foot shape pointing outwards.
        cairo_move_to(cr, fx - 7, ANKLE_Y - 4);
        cairo_line_to(cr, fx + 7, ANKLE_Y - 4);
        cairo_curve_to(cr, fx + 8, ANKLE_Y + 6, fx + nSide * 14, ANKLE_Y + 14, fx + nSide * 15, ANKLE_Y + 18);
        cairo_line_to(cr, fx - nSide * 7, ANKLE_Y + 18);
        cairo_close_path(cr);
        if (nItem == 3)
        {
            SetColour(cr, Palette::Skin);
            cairo_fill_preserve(cr);
            Stroke(cr, c, 3);
        }
        else
            FillGarment(cr, c, ANKLE_Y - 4, ANKLE_Y + 18);
        if (bHeel)
        {
            cairo_rectangle(cr, fx - nSide * 7 - 2, ANKLE_Y + 14, 4, 12);
            FillStroke(cr, nItem == 3 ? Palette::Gold : Darker(c, 0.3));
        }
        if (nItem == 2)
        {
            cairo_rectangle(cr, fx - nSide * 8 - 2, ANKLE_Y + 16, nSide * 24 + 4, 4);
            FillStroke(cr, Palette::Teal);
        }
    }
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
    PathEllipse(cr, CX, 372, 72, 11);
    FillVerticalAndStroke(cr, 360, Palette::PaleGold, 384, Palette::Gold, Palette::Plum, 1.5);
    // Legs, arms, neck and head.
    for (int nSide = -1; nSide <= 1; nSide += 2)
    {
        PathLeg(cr, nSide);
        FillStroke(cr, Palette::Skin);
        PathEllipse(cr, CX + nSide * 10, ANKLE_Y + 6, 6, 9);
        FillStroke(cr, Palette::Skin);
        PathArm(cr, nSide, 13);
        SetColour(cr, Palette::Plum);
        cairo_stroke_preserve(cr);
        Stroke(cr, Palette::Skin, 10);
        PathEllipse(cr, CX + nSide * 50, 236, 6, 9);
        FillStroke(cr, Palette::Skin);
    }
    cairo_rectangle(cr, CX - 7, HEAD_Y + 18, 14, 26);
    FillStroke(cr, Palette::SkinShade);
    PathEllipse(cr, CX, HEAD_Y, HEAD_RX, HEAD_RY);
    FillStroke(cr, Palette::Skin);
    // Plain white leotard.
    PathTorso(cr, SHOULDER_Y, HIP_Y, 0);
    FillGarment(cr, Palette::White, SHOULDER_Y, HIP_Y);
    // Resting face.
    for (int nSide = -1; nSide <= 1; nSide += 2)
    {
        PathEllipse(cr, CX + nSide * 8, HEAD_Y + 2, 2, 2);
        SetColour(cr, Palette::Plum);
        cairo_fill(cr);
    }
    cairo_move_to(cr, CX - 4, HEAD_Y + 16);
    cairo_curve_to(cr, CX - 2, HEAD_Y + 18, CX + 2, HEAD_Y + 18, CX + 4, HEAD_Y + 16);
    Stroke(cr, Palette::Plum, 1.2);
    cairo_restore(cr);
}

void DrawItem(cairo_t* cr, Row row, int nItem)
{
    cairo_save(cr);
    g_aRows[row].pfnDraw(cr, nItem);
    cairo_restore(cr);
}
} // namespace Model
