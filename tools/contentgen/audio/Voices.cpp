// The host's lines and the voice finishing chain.
#include "Voices.h"

#include "Limiter.h"
#include "Mixer.h"
#include "Speech.h"
#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace AudioGen
{
namespace
{
// A friendly American female voice at an easy talking pace.
const SSpeechVoice kHostVoice = {"en-us+f3", 150, 55};

constexpr float kSilenceDb = -50.0f;
constexpr float kVoiceSqueezeDb = 7.0f;
constexpr double kLeadMargin = 0.05;
constexpr double kTailMargin = 0.2;

void TrimSilence(Samples& samples)
{
    const float fThreshold = DbToGain(kSilenceDb);
    size_t nFirst = 0;
    while (nFirst < samples.size() && std::fabs(samples[nFirst]) < fThreshold)
        ++nFirst;
    if (nFirst == samples.size())
    {
        samples.clear();
        return;
    }
    size_t nLast = samples.size() - 1;
    while (nLast > nFirst && std::fabs(samples[nLast]) < fThreshold)
        --nLast;
    const size_t nBegin = nFirst > SecondsToFrames(kLeadMargin) ? nFirst - SecondsToFrames(kLeadMargin) : 0;
    const size_t nEnd = std::min(samples.size(), nLast + 1 + SecondsToFrames(kTailMargin));
    samples = Samples(samples.begin() + static_cast<std::ptrdiff_t>(nBegin),
                      samples.begin() + static_cast<std::ptrdiff_t>(nEnd));
}

void RemoveDc(Samples& samples)
{
    COnePole highPass(40.0);
    for (float& fSample : samples)
        fSample = highPass.HighPass(fSample);
}
} // namespace

const std::vector<SVoiceLine>& VoiceLines()
{
    static const std::vector<SVoiceLine> kLines = {
        {"signin", "hotshot",
         "Well, hello there, gorgeous! Come on in and make yourself at home. "
         "Today, you are the star of the show. Ready for some fun with fashion?"},
        {"signin", "caio",
         "Leaving so soon? Ciao, darling! You looked fabulous today. Come back and see me soon!"},
        {"wall", "welcome",
         "Welcome, superstar! Up top on the right, the makeover studio is waiting for you. "
         "On the left, take a stroll down Seventh Avenue and dress to impress!"},
        {"wall", "wwback", "Welcome back, darling! Where shall we go next?"},
        {"mmo", "mmovo",
         "This is the makeover studio. Try new eyes, lips, glasses and hairstyles. "
         "Click the before picture to start fresh, and the ottoman when you are done."},
        {"ave", "fashion",
         "Welcome to Seventh Avenue, the hottest street in fashion! "
         "Click the arrows to mix and match tops, dresses, shoes and accessories. Now strike a pose!"},
    };
    return kLines;
}

void FinishVoice(Samples& samples)
{
    TrimSilence(samples);
    RemoveDc(samples);
    // Squeezing the loudest consonants a little lifts the speech as a whole.
    MasterToPeak(samples, kVoiceSqueezeDb, kVoicePeakDb);
    FadeIn(samples, 0.005);
    FadeOut(samples, 0.03);
}

bool MakeVoice(const SVoiceLine& line, const std::string& strScratchPath, Samples& out, std::string& strError)
{
    if (!Speak(kHostVoice, line.strText, strScratchPath, out, strError))
        return false;
    FinishVoice(out);
    if (out.empty())
    {
        strError = "the line for " + line.strFolder + "/" + line.strName + " came out silent";
        return false;
    }
    return true;
}
} // namespace AudioGen
