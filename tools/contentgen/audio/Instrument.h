// What the sequencer asks an instrument for: one note, rendered into a buffer of its own that
// includes the note's release. Drums and pitched instruments share this shape.
#pragma once

#include "AudioTypes.h"
#include "Random.h"

namespace AudioGen
{
struct SNoteRequest
{
    double dHz;      // pitch; drums use it as their tuning
    double dSeconds; // how long the key is held; drums use it as their decay time
    float fVelocity; // 0..1
};

using NoteRenderer = Samples (*)(const SNoteRequest& note, CRandom& rng);
} // namespace AudioGen
