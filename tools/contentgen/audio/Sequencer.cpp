// Song rendering: notes to tracks, tracks to the bus, the bus through reverb and echo, then
// limiting, normalising and fades.
#include "Sequencer.h"

#include "Delay.h"
#include "Limiter.h"
#include "Mixer.h"
#include "Reverb.h"

#include <algorithm>
#include <cmath>

namespace AudioGen
{
namespace
{
constexpr double kGridEpsilon = 1e-6;

float VelocityLevel(char cStep)
{
    switch (cStep)
    {
    case 'X':
        return 1.0f;
    case 'x':
        return 0.7f;
    case 'o':
        return 0.4f;
    default:
        return 0.0f;
    }
}

double SecondsPerBeat(const SSong& song)
{
    return 60.0 / song.dTempo;
}

Samples RenderTrack(const SSong& song, const STrack& track, CRandom& rng)
{
    Samples out;
    for (const SNoteEvent& event : track.vNotes)
    {
        const float fSpread = 1.0f + track.fHumanise * rng.NextBipolar();
        const SNoteRequest request{MidiToHz(event.dMidi), event.dBeats * SecondsPerBeat(song),
                                   std::clamp(event.fVelocity * fSpread, 0.0f, 1.0f)};
        MixInto(out, track.pfnRender(request, rng), SecondsToFrames(BeatToSeconds(song, event.dBeat)), 1.0f);
    }
    return out;
}
} // namespace

double BeatToSeconds(const SSong& song, double dBeat)
{
    double dSwung = dBeat;
    if (song.dSwing > 0.0 && song.dSwingUnit > 0.0)
    {
        // Only notes exactly on an odd grid step are pushed late.
        const double dSteps = dBeat / song.dSwingUnit;
        const double dNearest = std::round(dSteps);
        if (std::fabs(dSteps - dNearest) < kGridEpsilon && std::fmod(dNearest, 2.0) != 0.0)
            dSwung += song.dSwing * song.dSwingUnit;
    }
    return dSwung * 60.0 / song.dTempo;
}

double LastNoteEndSeconds(const SSong& song)
{
    double dEnd = 0.0;
    for (const STrack& track : song.vTracks)
        for (const SNoteEvent& event : track.vNotes)
            dEnd = std::max(dEnd, BeatToSeconds(song, event.dBeat) + event.dBeats * SecondsPerBeat(song));
    return dEnd;
}

void AddNote(STrack& track, double dBeat, double dBeats, double dMidi, float fVelocity)
{
    track.vNotes.push_back({dBeat, dBeats, dMidi, fVelocity});
}

void AddChord(STrack& track, double dBeat, double dBeats, const std::vector<double>& vNotes, float fVelocity)
{
    for (double dMidi : vNotes)
        AddNote(track, dBeat, dBeats, dMidi, fVelocity);
}

void AddPattern(STrack& track, double dBeat, const std::string& strSteps, double dStepBeats, double dMidi,
                double dHitBeats, float fVelocity)
{
    for (size_t i = 0; i < strSteps.size(); ++i)
    {
        const float fLevel = VelocityLevel(strSteps[i]);
        if (fLevel > 0.0f)
            AddNote(track, dBeat + static_cast<double>(i) * dStepBeats, dHitBeats, dMidi, fVelocity * fLevel);
    }
}

Samples RenderSong(const SSong& song, float fRmsDb, float fCeilingDb)
{
    const size_t nTotal = SecondsToFrames(LastNoteEndSeconds(song) + song.dReleaseSeconds);
    Samples dry(nTotal, 0.0f);
    Samples reverbSend(nTotal, 0.0f);
    Samples echoSend(nTotal, 0.0f);
    CRandom rng(song.dwSeed);
    for (const STrack& track : song.vTracks)
    {
        const Samples rendered = RenderTrack(song, track, rng);
        MixInto(dry, rendered, 0, track.fGain);
        MixInto(reverbSend, rendered, 0, track.fGain * track.fReverbSend);
        MixInto(echoSend, rendered, 0, track.fGain * track.fEchoSend);
    }
    // Notes still ringing past the end are cut here; the closing fade takes them out smoothly.
    dry.resize(nTotal);
    reverbSend.resize(nTotal);
    echoSend.resize(nTotal);

    CReverb reverb(song.fRoomSize, 0.5f);
    CFeedbackDelay echo(song.fEchoBeats * 60.0 / song.dTempo, 0.4f, 3000.0);
    for (size_t i = 0; i < nTotal; ++i)
        dry[i] += reverb.Process(reverbSend[i]) + echo.Process(echoSend[i]);

    MasterToLoudness(dry, fRmsDb, fCeilingDb);
    FadeIn(dry, 0.005);
    FadeOut(dry, song.dFadeSeconds);
    return dry;
}
} // namespace AudioGen
