// WebAudioDevice.h: the audio device in a browser page.
//
// Runs the software mixer for Web Audio: an AudioContext at the mixer's own rate (22,050 Hz)
// with a script processor node that pulls mono 16-bit frames from the mixer on the page's
// main thread and plays them as floating-point samples. (This compiler offers no audio
// worklet of its own, and a worklet could not call into the program: the mixer runs where
// the program's memory is.) Browsers refuse to start sound before the player has clicked or
// pressed a key, so the context is made on the first such gesture; until then the mixer is
// not pulled, nothing plays and every sound keeps its place, as on a device that has not
// started yet. A page without Web Audio has no device: the game runs silent.
//
// The page may set Module.velvinaAudioTap to an array: every block the mixer writes is then
// appended to it as an Int16Array, exactly as mixed (the browser test reads the mixer's
// output there).
#pragma once

#include "platform/AudioDevice.h"

namespace Platform
{

class CWebAudio : public IAudioBackend
{
public:
    // Frames per block pulled from the mixer: about 93 ms at 22,050 Hz, long enough that a
    // frame of the game in between never starves the output.
    static constexpr int kBlockFrames = 2048;

    IAudioDevice* OpenDevice() override;
};

} // namespace Platform
