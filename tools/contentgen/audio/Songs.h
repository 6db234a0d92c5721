// The three background music tracks: a slow jazzy lounge tune, an urban hip-hop beat and a
// bright four-on-the-floor pop song. Each lasts about a minute and ends on a final chord that
// rings out into silence.
#pragma once

#include "Sequencer.h"

namespace AudioGen
{
SSong BuildLoungeSong();
SSong BuildUrbanSong();
SSong BuildPopSong();

// Music levels: set by loudness, well under the voices (whose active RMS is around -16 dBFS),
// so speech stays clear over it, and never peaking above -6 dBFS.
constexpr float kMusicRmsDb = -23.0f;
constexpr float kMusicCeilingDb = -6.0f;
}  // namespace AudioGen
