// Runs the espeak-ng speech synthesiser to turn a line of text into samples at the content
// rate. The program is run directly (no shell), writing to a temporary WAV file that is read
// back and removed.
#pragma once

#include "AudioTypes.h"

#include <string>

namespace AudioGen
{
struct SSpeechVoice
{
    std::string strVoice; // espeak-ng voice name, e.g. "en-us+f3"
    int nWordsPerMinute;
    int nPitch; // 0..99, 50 is the voice's normal pitch
};

// Speaks strText into out (mono, kSampleRate). strScratchPath is where the synthesiser's own
// file goes while it is read. Returns false with strError when the program cannot be run,
// fails, or writes something unreadable.
bool Speak(const SSpeechVoice& voice, const std::string& strText, const std::string& strScratchPath,
           Samples& out, std::string& strError);
} // namespace AudioGen
