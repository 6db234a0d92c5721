// CheckerboardShot.cpp: checks a screenshot of the click probe: a 640x480 PNG showing the
// probe's 40-pixel checkerboard of magenta and cyan. Exit status 0 when it does.
#include "tests/game/GameTestSupport.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: velvina_checkerboard_shot FILE.png\n");
        return 2;
    }
    const GameTest::RgbImage shot = GameTest::ReadPng(argv[1]);
    if (shot.nWidth != 640 || shot.nHeight != 480)
    {
        std::fprintf(stderr, "%s: not a 640x480 PNG (%dx%d)\n", argv[1], shot.nWidth, shot.nHeight);
        return 1;
    }
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
        {
            const bool bMagenta = ((x / 40 + y / 40) & 1) != 0;
            const uint8_t* pRgb = shot.At(x, y);
            const bool bMatches = bMagenta ? (pRgb[0] == 255 && pRgb[1] == 0 && pRgb[2] == 255)
                                           : (pRgb[0] == 0 && pRgb[1] == 255 && pRgb[2] == 255);
            if (!bMatches)
            {
                std::fprintf(stderr, "%s: pixel %d,%d is %d,%d,%d\n", argv[1], x, y, pRgb[0], pRgb[1],
                             pRgb[2]);
                return 1;
            }
        }
    return 0;
}
