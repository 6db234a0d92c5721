// The music sequencer: a song is a tempo and a set of tracks, each track an instrument with its
// notes in beats. Rendering places every note, mixes the tracks through a shared reverb and
// echo, and masters the result. A song lasts until its last note ends plus a short release,
// so that the next track of the rotation follows without a gap.
#pragma once

#include "Instrument.h"

#include <cstdint>
#include <string>
#include <vector>

namespace AudioGen
{
struct SNoteEvent
{
    double dBeat;    // start, in beats from the top of the song
    double dBeats;   // held length in beats
    double dMidi;    // pitch as a MIDI note number (drums: their tuning)
    float fVelocity; // 0..1
};

struct STrack
{
    NoteRenderer pfnRender = nullptr;
    float fGain = 1.0f;
    float fReverbSend = 0.0f;
    float fEchoSend = 0.0f;
    float fHumanise = 0.0f; // random velocity spread, as a fraction of each velocity
    std::vector<SNoteEvent> vNotes;
};

struct SSong
{
    double dTempo = 120.0;         // beats per minute
    double dSwing = 0.0;           // 0 straight; 1/3 pushes every second grid step to a triplet
    double dSwingUnit = 0.5;       // the grid the swing applies to, in beats
    double dReleaseSeconds = 0.25; // time after the last note ends until the file ends
    double dFadeSeconds = 0.35;    // closing fade, ending with the file (so it starts before the
                                   // last note ends when it is longer than the release)
    float fRoomSize = 0.5f;
    float fEchoBeats = 0.75f; // echo time in beats
    uint32_t dwSeed = 1;
    std::vector<STrack> vTracks;
};

// Seconds from the top of the song to a beat, with swing applied.
double BeatToSeconds(const SSong& song, double dBeat);

// Adds a note to a track.
void AddNote(STrack& track, double dBeat, double dBeats, double dMidi, float fVelocity);

// Adds the notes of a chord, all with the same start and length.
void AddChord(STrack& track, double dBeat, double dBeats, const std::vector<double>& vNotes, float fVelocity);

// Adds hits from a step pattern such as "X.x.o...": one character per step of dStepBeats,
// 'X' full, 'x' medium, 'o' soft, anything else a rest. Each hit lasts dHitBeats.
void AddPattern(STrack& track, double dBeat, const std::string& strSteps, double dStepBeats, double dMidi,
                double dHitBeats, float fVelocity);

// Seconds from the top of the song to the moment its last note is released.
double LastNoteEndSeconds(const SSong& song);

// Renders the whole song, mastered: active RMS at fRmsDb, no peak above fCeilingDb, faded in
// over a few milliseconds and out to exact silence dReleaseSeconds after the last note ends;
// whatever still rings then (reverb, echoes, instrument releases) goes with the fade.
Samples RenderSong(const SSong& song, float fRmsDb, float fCeilingDb);
} // namespace AudioGen
