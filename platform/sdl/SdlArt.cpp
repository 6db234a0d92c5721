// SdlArt.cpp: icon and cursor art from a few polygons and circles, with a one-pixel rim.
#include "platform/sdl/SdlArt.h"

#include <cmath>

namespace Platform
{

namespace
{

struct Vertex
{
    double x;
    double y;
};

// Even-odd test of the pixel centre against a polygon.
bool InsidePolygon(const Vertex* pPoints, int nCount, double x, double y)
{
    bool bInside = false;
    for (int i = 0, j = nCount - 1; i < nCount; j = i++)
    {
        const Vertex& a = pPoints[i];
        const Vertex& b = pPoints[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
            bInside = !bInside;
    }
    return bInside;
}

void FillPolygon(ArgbPicture& picture, const Vertex* pPoints, int nCount, uint32_t dwColour)
{
    for (int y = 0; y < picture.nHeight; ++y)
        for (int x = 0; x < picture.nWidth; ++x)
            if (InsidePolygon(pPoints, nCount, x + 0.5, y + 0.5))
                picture.Pixels[static_cast<size_t>(y * picture.nWidth + x)] = dwColour;
}

// Paints dwRim on every transparent pixel that touches an opaque one.
void AddRim(ArgbPicture& picture, uint32_t dwRim)
{
    const std::vector<uint32_t> source = picture.Pixels;
    for (int y = 0; y < picture.nHeight; ++y)
        for (int x = 0; x < picture.nWidth; ++x)
        {
            if (source[static_cast<size_t>(y * picture.nWidth + x)] >> 24)
                continue;
            bool bTouches = false;
            for (int dy = -1; dy <= 1 && !bTouches; ++dy)
                for (int dx = -1; dx <= 1 && !bTouches; ++dx)
                {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    bTouches = nx >= 0 && ny >= 0 && nx < picture.nWidth && ny < picture.nHeight &&
                               (source[static_cast<size_t>(ny * picture.nWidth + nx)] >> 24) != 0;
                }
            if (bTouches)
                picture.Pixels[static_cast<size_t>(y * picture.nWidth + x)] = dwRim;
        }
}

ArgbPicture Blank(int nWidth, int nHeight)
{
    return ArgbPicture{nWidth, nHeight, 0, 0,
                       std::vector<uint32_t>(static_cast<size_t>(nWidth * nHeight), 0)};
}

} // namespace

ArgbPicture DrawAppIcon(int nSize)
{
    // The art is drawn on a 32-unit grid, scaled to the size asked for.
    nSize = nSize < 1 ? 1 : nSize;
    const double dScale = nSize / 32.0;
    ArgbPicture icon = Blank(nSize, nSize);
    // Rounded tile, darker towards the bottom.
    for (int y = 0; y < nSize; ++y)
        for (int x = 0; x < nSize; ++x)
        {
            const double dx = std::fmax(0.0, std::fabs((x + 0.5) / dScale - 16.0) - 11.0);
            const double dy = std::fmax(0.0, std::fabs((y + 0.5) / dScale - 16.0) - 11.0);
            const uint32_t dwShade = static_cast<uint32_t>(y * 32 / nSize);
            if (dx * dx + dy * dy <= 25.0)
                icon.Pixels[static_cast<size_t>(y * nSize + x)] = 0xFFD9487Au - dwShade * 0x00020100u;
        }
    const auto Fill = [&icon, dScale](std::vector<Vertex> points, uint32_t dwColour)
    {
        for (Vertex& point : points)
            point = {point.x * dScale, point.y * dScale};
        FillPolygon(icon, points.data(), static_cast<int>(points.size()), dwColour);
    };
    // Hanger: hook and bar.
    Fill({{15, 3}, {17, 3}, {17, 7}, {15, 7}}, 0xFFF2C14Eu);
    Fill({{16, 6}, {26, 11}, {25, 12}, {16, 8}, {7, 12}, {6, 11}}, 0xFFF2C14Eu);
    // Dress: bodice, waist and a flared skirt.
    Fill({{12, 10}, {20, 10}, {19, 17}, {26, 28}, {6, 28}, {13, 17}}, 0xFFFFF4F8u);
    Fill({{13, 16}, {19, 16}, {19, 18}, {13, 18}}, 0xFF7A1F4Bu);
    return icon;
}

ArgbPicture DrawArrowCursor()
{
    ArgbPicture cursor = Blank(32, 32);
    const Vertex arrow[] = {{1, 1}, {1, 17}, {5, 13.5}, {8, 20}, {10.5, 19}, {7.5, 12.5}, {12.5, 12.5}};
    FillPolygon(cursor, arrow, 7, 0xFF5A1846u);
    AddRim(cursor, 0xFFFBE8F1u);
    cursor.nHotX = 1;
    cursor.nHotY = 1;
    return cursor;
}

} // namespace Platform
