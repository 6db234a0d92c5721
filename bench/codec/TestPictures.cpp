// TestPictures.cpp: the benchmark's picture generators. Every picture is a pure function of
// its parameters and a fixed seed.
#include "TestPictures.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

namespace
{

constexpr int W = 640;
constexpr int H = 480;

struct Rgb
{
    double r, g, b; // 0..1
};

uint16_t Pack565(Rgb c)
{
    auto q = [](double v, int nMax) { return int(std::lround(std::clamp(v, 0.0, 1.0) * nMax)); };
    return uint16_t((q(c.r, 31) << 11) | (q(c.g, 63) << 5) | q(c.b, 31));
}

Rgb Mix(Rgb a, Rgb b, double t)
{
    return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

using Shader = std::function<Rgb(int x, int y)>;

TestPicture Render(const std::string& strName, const Shader& shade)
{
    TestPicture pic{strName, W, H, std::vector<uint8_t>(size_t(W) * H * 2)};
    for (int y = 0; y < H; ++y)
    {
        for (int x = 0; x < W; ++x)
        {
            const uint16_t v = Pack565(shade(x, y));
            const size_t i = (size_t(y) * W + size_t(x)) * 2;
            pic.bytes[i] = uint8_t(v & 0xFF);
            pic.bytes[i + 1] = uint8_t(v >> 8);
        }
    }
    return pic;
}

// Smooth value noise on a lattice of the given cell size, 0..1.
class CValueNoise
{
public:
    CValueNoise(unsigned nSeed, int nCell) : m_nCell(nCell)
    {
        std::mt19937 rng(nSeed);
        m_Lattice.resize(size_t(W / nCell + 2) * size_t(H / nCell + 2));
        for (double& v : m_Lattice)
            v = std::uniform_real_distribution<double>(0, 1)(rng);
    }
    double At(int x, int y) const
    {
        const int nCols = W / m_nCell + 2;
        const int cx = x / m_nCell, cy = y / m_nCell;
        const double fx = Smooth(double(x % m_nCell) / m_nCell), fy = Smooth(double(y % m_nCell) / m_nCell);
        auto L = [&](int i, int j) { return m_Lattice[size_t(j) * size_t(nCols) + size_t(i)]; };
        const double top = L(cx, cy) + (L(cx + 1, cy) - L(cx, cy)) * fx;
        const double bottom = L(cx, cy + 1) + (L(cx + 1, cy + 1) - L(cx, cy + 1)) * fx;
        return top + (bottom - top) * fy;
    }

private:
    static double Smooth(double t) { return t * t * (3 - 2 * t); }
    int m_nCell;
    std::vector<double> m_Lattice;
};

// Grain: a fixed pseudo-random offset per pixel, -amp..amp.
double Grain(int x, int y, unsigned nSeed, double dAmp)
{
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + nSeed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (double(h & 0xFFFF) / 65535.0 * 2 - 1) * dAmp;
}

bool InRect(int x, int y, int l, int t, int r, int b)
{
    return x >= l && x < r && y >= t && y < b;
}

bool OnLine(int x, int y, double x0, double y0, double x1, double y1, double dWidth)
{
    const double dx = x1 - x0, dy = y1 - y0;
    const double t = std::clamp(((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    const double px = x0 + t * dx - x, py = y0 + t * dy - y;
    return px * px + py * py <= dWidth * dWidth;
}

Rgb Photo(const CValueNoise& coarse, const CValueNoise& fine, int x, int y, unsigned nSeed, double dGrain)
{
    const double a = coarse.At(x, y), b = fine.At(x, y);
    const Rgb skin{0.85, 0.62, 0.5}, shade{0.35, 0.2, 0.25}, sky{0.4, 0.6, 0.9};
    Rgb c = Mix(Mix(shade, skin, a), sky, b * 0.4);
    const double g = Grain(x, y, nSeed, dGrain);
    return Rgb{c.r + g, c.g + g, c.b + g};
}

} // namespace

std::vector<TestPicture> MakeTestPictures()
{
    std::vector<TestPicture> pics;
    const Rgb black{0, 0, 0}, white{1, 1, 1}, rose{0.95, 0.55, 0.7}, navy{0.1, 0.15, 0.4},
        gold{0.95, 0.8, 0.3};

    pics.push_back(Render("gradient-horizontal", [&](int x, int) { return Mix(navy, rose, x / double(W)); }));
    pics.push_back(Render("gradient-vertical", [&](int, int y) { return Mix(gold, navy, y / double(H)); }));
    pics.push_back(
        Render("gradient-diagonal", [&](int x, int y) { return Mix(rose, white, (x + y) / double(W + H)); }));
    pics.push_back(
        Render("gradient-radial", [&](int x, int y)
               { return Mix(white, navy, std::min(1.0, std::hypot(x - 320.0, y - 240.0) / 400.0)); }));
    pics.push_back(Render("gradient-dithered", [&](int x, int y)
                          { return Mix(black, gold, x / double(W) + Grain(x, y, 7, 0.02)); }));
    pics.push_back(Render("flat", [&](int, int) { return rose; }));
    pics.push_back(Render("flat-panels",
                          [&](int x, int y)
                          {
                              if (InRect(x, y, 40, 40, 300, 200))
                                  return navy;
                              if (InRect(x, y, 350, 100, 600, 420))
                                  return gold;
                              return InRect(x, y, 80, 260, 280, 440) ? white : rose;
                          }));
    pics.push_back(Render("stripes", [&](int x, int y) { return ((x / 16 + y / 16) % 2) ? white : navy; }));
    pics.push_back(Render("checker-fine", [&](int x, int y) { return ((x + y) % 2) ? rose : black; }));
    for (unsigned s = 0; s < 4; ++s)
    {
        const CValueNoise coarse(100 + s, 80 + 20 * int(s)), fine(200 + s, 16);
        const double dGrain = 0.01 + 0.015 * s;
        pics.push_back(Render("photo-" + std::to_string(s),
                              [&, s, dGrain](int x, int y) { return Photo(coarse, fine, x, y, s, dGrain); }));
    }
    pics.push_back(Render(
        "noise-white",
        [&](int x, int y) {
            return Rgb{0.5 + Grain(x, y, 1, 0.5), 0.5 + Grain(x, y, 2, 0.5), 0.5 + Grain(x, y, 3, 0.5)};
        }));
    pics.push_back(Render("line-art",
                          [&](int x, int y)
                          {
                              for (int k = 0; k < 12; ++k)
                              {
                                  if (OnLine(x, y, 20 + k * 50, 20, 620 - k * 40, 460, 1.5))
                                      return black;
                              }
                              const double r = std::hypot(x - 320.0, y - 240.0);
                              return std::fabs(r - 150) < 2 || std::fabs(r - 90) < 1.5 ? navy : white;
                          }));
    pics.push_back(Render("line-art-grid",
                          [&](int x, int y)
                          {
                              return (x % 40 == 0 || y % 40 == 0)
                                         ? navy
                                         : (x % 40 < 20 && y % 40 < 20 ? white : Rgb{0.97, 0.95, 0.9});
                          }));
    pics.push_back(Render("sketch",
                          [&](int x, int y)
                          {
                              const double v = std::sin(x * 0.05) * std::cos(y * 0.07);
                              return std::fabs(v) < 0.04 ? black : white;
                          }));
    {
        const CValueNoise coarse(300, 120), fine(301, 24);
        pics.push_back(Render("mix-photo-panels",
                              [&](int x, int y)
                              {
                                  if (InRect(x, y, 0, 400, W, H))
                                      return navy;
                                  if (InRect(x, y, 420, 40, 620, 380))
                                      return Mix(white, rose, (y - 40) / 340.0);
                                  return Photo(coarse, fine, x, y, 9, 0.02);
                              }));
        pics.push_back(Render("mix-gradient-shapes",
                              [&](int x, int y)
                              {
                                  if (std::hypot(x - 200.0, y - 200.0) < 100)
                                      return gold;
                                  if (OnLine(x, y, 0, 479, 639, 0, 3))
                                      return black;
                                  return Mix(navy, rose, y / double(H));
                              }));
        pics.push_back(Render(
            "mix-text-like",
            [&](int x, int y)
            {
                const int cx = x % 12, cy = y % 20;
                const uint32_t nGlyph = uint32_t(x / 12) * 2654435761u ^ uint32_t(y / 20) * 40503u;
                const bool bInk = cy > 4 && cy < 16 && cx > 1 && cx < 10 && ((nGlyph >> (cx + cy % 8)) & 1);
                return bInk && InRect(x, y, 40, 40, 600, 440) ? black : Rgb{0.98, 0.96, 0.92};
            }));
        pics.push_back(Render("mix-sprite-sheet",
                              [&](int x, int y)
                              {
                                  const int tx = x / 80, ty = y / 80;
                                  const double r = std::hypot(x % 80 - 40.0, y % 80 - 40.0);
                                  if (r > 30)
                                      return black; // colour-keyed background
                                  return Mix(rose, gold, (tx + ty) / 12.0 + fine.At(x, y) * 0.3);
                              }));
    }
    return pics;
}
