// Buffer-level mixing: summing a sound into a longer buffer at an offset, fades, and the
// measurements (peak, RMS) the level stages and the tests use.
#pragma once

#include "AudioTypes.h"

namespace AudioGen
{
// Adds src * fGain into dest starting at nOffset, growing dest when src reaches past its end.
void MixInto(Samples& dest, const Samples& src, size_t nOffset, float fGain);

// Linear ramps over the first or last dSeconds; the last sample of a fade-out is exactly 0.
void FadeIn(Samples& samples, double dSeconds);
void FadeOut(Samples& samples, double dSeconds);

// Adds dSeconds of silence at the end (room for a reverb or echo tail).
void AppendSilence(Samples& samples, double dSeconds);

// Feeds the buffer through a reverb and an echo and mixes their outputs back in with the given
// levels; a tail of dTailSeconds is appended first so nothing is cut off.
void AddSpace(Samples& samples, float fReverbLevel, float fRoomSize, float fEchoLevel, double dEchoSeconds,
              double dTailSeconds);

float PeakOf(const Samples& samples);
// RMS over the given range of frames (clamped to the buffer).
float RmsOf(const Samples& samples, size_t nBegin, size_t nEnd);
// RMS over only the 50 ms windows louder than -45 dBFS: how loud a sound is while it sounds,
// whatever the pauses between phrases.
float ActiveRmsOf(const Samples& samples);
} // namespace AudioGen
