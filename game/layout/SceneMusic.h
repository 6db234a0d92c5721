// SceneMusic.h: the three music tracks the scenes rotate through, by track index.
#pragma once

namespace SceneMusic
{

constexpr int nTrackCount = 3;
constexpr const char* apszTracks[nTrackCount] = {
    ".\\content\\music\\lounge.mrs",
    ".\\content\\music\\urban.mrs",
    ".\\content\\music\\pop.mrs",
};

} // namespace SceneMusic
