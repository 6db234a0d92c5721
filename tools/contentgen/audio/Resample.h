// Sample-rate conversion for recordings that do not arrive at the content rate.
#pragma once

#include "AudioTypes.h"

namespace AudioGen
{
// Converts from nFromRate to nToRate. Downsampling first low-passes below the new Nyquist
// frequency with a windowed-sinc filter; the conversion itself interpolates linearly. Equal rates return the
// input.
Samples Resample(const Samples& input, int nFromRate, int nToRate);
} // namespace AudioGen
