// The three background music tracks: a slow jazzy lounge tune, an urban hip-hop beat and a
// bright four-on-the-floor pop song. Each lasts about a minute and ends on a held final chord
// with a short release, so the music rotation moves on to the next track without a gap.
#pragma once

#include "Sequencer.h"

namespace AudioGen
{
SSong BuildLoungeSong();
SSong BuildUrbanSong();
SSong BuildPopSong();

// Music levels: set by loudness, about 9 dB under the voices (whose active RMS is around
// -15 dBFS) so speech stays clear over it, and never peaking above -11 dBFS. The game's mixer
// adds a voice and the music sample by sample and saturates at full scale, so the voice peak
// (kVoicePeakDb) plus this ceiling stays just under full scale: a voice never clips the music.
constexpr float kMusicRmsDb = -24.0f;
constexpr float kMusicCeilingDb = -11.0f;
} // namespace AudioGen
