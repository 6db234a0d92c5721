// ContactSheet.h: a review picture for one scene. The main panel is the scene's background
// with every highlight, backdrop and layer drawn where the scene draws it and every hot spot
// outlined; below it, one small panel per frame of each frame set, each showing the frame over
// the background around where it is placed.
#pragma once

#include "Canvas.h"
#include "Paint.h"
#include "game/layout/LayoutTypes.h"

#include <string>
#include <vector>

class CContactSheet
{
public:
    explicit CContactSheet(const CCanvas& background);

    // Draws a sprite on the main panel at its scene position.
    void Place(const CCanvas& sprite, LayoutPoint pt);
    // Outlines a hot spot (edges inclusive) on the main panel.
    void Outline(const LayoutRect& rc, const Colour& colour = Colour{0.0, 0.9, 1.0});
    // A panel showing frame over the background, cropped to the frame's bounds.
    void AddFrame(const std::string& strLabel, const CCanvas& frame, LayoutPoint pt);
    // One panel per frame of a frame set placed at pt, labelled "<label> <frame number>".
    void AddFrames(const std::string& strLabel, const std::vector<CCanvas>& frames, LayoutPoint pt);

    CCanvas Render() const;

private:
    struct Thumb
    {
        std::string strLabel;
        CCanvas panel;
    };

    CCanvas m_background; // untouched, for the frame panels
    CCanvas m_main;
    std::vector<Thumb> m_thumbs;
};
