// Drum voices made from swept sines, filtered noise and clusters of square partials. Each
// returns one hit; the request's pitch tunes it and its length sets the decay.
#pragma once

#include "Instrument.h"

namespace AudioGen
{
// Sine whose pitch falls from three times the request's pitch, with a short click on top.
Samples RenderKick(const SNoteRequest& note, CRandom& rng);
// Two tuned body partials plus a band of noise for the snares.
Samples RenderSnare(const SNoteRequest& note, CRandom& rng);
// Three quick noise bursts and a decaying tail, as several hands clapping.
Samples RenderClap(const SNoteRequest& note, CRandom& rng);
// Metallic partials and high noise; short for a closed hat, long for an open one.
Samples RenderHat(const SNoteRequest& note, CRandom& rng);
// A brush swept over a snare: soft-attack, mid-band noise.
Samples RenderBrush(const SNoteRequest& note, CRandom& rng);
// A ride or crash cymbal: dense metallic partials with a long decay.
Samples RenderCymbal(const SNoteRequest& note, CRandom& rng);
} // namespace AudioGen
