// Pitched instruments of the music tracks and effects. Each renders one note, including its
// release, into a buffer of its own.
#pragma once

#include "Instrument.h"

namespace AudioGen
{
// Two-operator FM electric piano: a bright bark at the strike that mellows as the note rings.
Samples RenderElectricPiano(const SNoteRequest& note, CRandom& rng);
// Vibraphone: sine with a faint fourth partial and a slow tremolo.
Samples RenderVibes(const SNoteRequest& note, CRandom& rng);
// Upright-style plucked bass: a sine and a soft triangle with a plucked decay.
Samples RenderUprightBass(const SNoteRequest& note, CRandom& rng);
// Deep sine sub bass, lightly saturated so it carries on small speakers.
Samples RenderSubBass(const SNoteRequest& note, CRandom& rng);
// Saw bass through a low-pass filter whose cutoff snaps shut after the attack.
Samples RenderSynthBass(const SNoteRequest& note, CRandom& rng);
// Brassy chord stab: three detuned saws and a quickly closing filter.
Samples RenderStab(const SNoteRequest& note, CRandom& rng);
// Warm pad: detuned saws with a slow attack and a gentle low-pass.
Samples RenderPad(const SNoteRequest& note, CRandom& rng);
// Lead synth: square and saw with delayed vibrato.
Samples RenderLead(const SNoteRequest& note, CRandom& rng);
// FM bell with inharmonic partials, for chimes and sparkles.
Samples RenderBell(const SNoteRequest& note, CRandom& rng);
} // namespace AudioGen
