// The host's spoken lines: what she says on each screen and how each recording is finished
// (trimmed, centred, faded and set to the voice level, the loudest of the content). The voice
// peak leaves room for the music under it: see kMusicCeilingDb.
#pragma once

#include "AudioTypes.h"

#include <string>
#include <vector>

namespace AudioGen
{
constexpr float kVoicePeakDb = -3.0f;

struct SVoiceLine
{
    std::string strFolder;
    std::string strName;
    std::string strText;
};

// Every line of the game, in the folders and under the names the scenes open.
const std::vector<SVoiceLine>& VoiceLines();

// Speaks one line and finishes it. strScratchPath is a temporary file for the synthesiser.
bool MakeVoice(const SVoiceLine& line, const std::string& strScratchPath, Samples& out,
               std::string& strError);

// The finishing chain on its own: silence beyond a short margin trimmed from both ends, DC
// removed, the loudest peaks limited, peak set to kVoicePeakDb and both ends faded to exact silence.
void FinishVoice(Samples& samples);
} // namespace AudioGen
