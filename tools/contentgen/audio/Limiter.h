// Level control for finished sounds: a look-ahead peak limiter that no sample can pass, and a
// normaliser that sets the peak to an exact level.
#pragma once

#include "AudioTypes.h"

namespace AudioGen
{
// Turns the gain down smoothly around every sample louder than fCeiling so that none stays
// above it. The gain falls over dAttackSeconds before a peak (look-ahead) and recovers over
// dReleaseSeconds after it; samples below the ceiling away from peaks are left untouched.
void LimitPeaks(Samples& samples, float fCeiling, double dAttackSeconds, double dReleaseSeconds);

// Scales the buffer so that its largest magnitude is fTargetDb dBFS. Silence stays silence.
void NormalisePeak(Samples& samples, float fTargetDb);

// Sets the loudness of a long mix: scales it so its active RMS (see ActiveRmsOf) is fRmsDb
// dBFS, then limits whatever then stands above fCeilingDb.
void MasterToLoudness(Samples& samples, float fRmsDb, float fCeilingDb);

// The finishing chain of every sound: squeeze transients that stand more than fSqueezeDb
// above the rest with the limiter, then normalise to fTargetDb.
void MasterToPeak(Samples& samples, float fSqueezeDb, float fTargetDb);
} // namespace AudioGen
