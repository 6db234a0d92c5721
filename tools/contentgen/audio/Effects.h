// The game's short sound effects. Each is finished (peak at kEffectPeakDb, silent at both
// ends) and short enough for the scene that plays it: the exits that wait one second before
// leaving get sounds under a second, the makeover exit (two seconds) one under two.
#pragma once

#include "AudioTypes.h"

namespace AudioGen
{
constexpr float kEffectPeakDb = -3.0f;

// Seventh Avenue arrow click: a short bright tick, played on every pick.
Samples MakeArrowClick();
// Sign-in continue: a rising three-note chime.
Samples MakeContinueChime();
// Leaving by the boot: high-heel steps walking off; the avenue's are quicker.
Samples MakeWallBootSteps();
Samples MakeAvenueBootSteps();
// Makeover exit: sinking into a plush ottoman.
Samples MakeOttomanPoof();
// Makeover reset to the before look: a falling, rewinding sweep.
Samples MakeBeforeRewind();
// Hairstyle arrows: an airy swish upwards (forward) or downwards (back).
Samples MakeHairSwish(bool bForward);
// Lip style pick: a kiss-like pop.
Samples MakeLipsPop();
// Glasses pick: a glassy clink.
Samples MakeGlassesClink();
// Eye style pick: a quick rising sparkle.
Samples MakeEyesSparkle();
} // namespace AudioGen
