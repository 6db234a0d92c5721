// SceneRender.h: the rendering steps the scene generators share: a whole screen drawn by a
// scene's drawing function, and frame sets of layers drawn at their place on the screen and
// flattened over the picture they are shown on.
#pragma once

#include "Canvas.h"
#include "game/layout/LayoutTypes.h"

#include <vector>

constexpr int SCREEN_WIDTH = 640;
constexpr int SCREEN_HEIGHT = 480;

struct LayerSize
{
    int nWidth;
    int nHeight;
};

// A screen-sized canvas drawn by draw(cr).
template <typename DrawFn> CCanvas RenderScreen(DrawFn draw)
{
    CCanvas canvas(SCREEN_WIDTH, SCREEN_HEIGHT);
    draw(static_cast<cairo_t*>(CDraw(canvas)));
    return canvas;
}

// nCount layer frames of the given size with their top-left corner at pt on the screen. Frame i
// is drawn by draw(cr, i) in screen coordinates and flattened over under (a screen picture).
template <typename DrawFn>
std::vector<CCanvas> RenderLayers(const CCanvas& under, LayoutPoint pt, LayerSize size, int nCount,
                                  DrawFn draw)
{
    std::vector<CCanvas> frames;
    for (int i = 0; i < nCount; ++i)
    {
        CCanvas layer(size.nWidth, size.nHeight);
        {
            CDraw cr(layer);
            cairo_translate(cr, -pt.x, -pt.y);
            draw(static_cast<cairo_t*>(cr), i);
        }
        frames.push_back(FlattenOver(layer, under, pt.x, pt.y));
    }
    return frames;
}
