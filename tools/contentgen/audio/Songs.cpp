// Arrangements of the three music tracks. Each song is written as a chord progression and a
// few patterns, laid out bar by bar into sections (intro, main parts, break, ending).
#include "Songs.h"

#include "Drums.h"
#include "Instruments.h"

#include <vector>

namespace AudioGen
{
namespace
{
constexpr double kBeatsPerBar = 4.0;

// One bar's harmony: the bass root, the chord's third above it (3 minor, 4 major) for the
// walking and pumping bass lines, and the upper voicing.
struct SChord
{
    double dRoot;
    double dThird;
    std::vector<double> vVoicing;
};

struct SMelodyNote
{
    double dBeat; // within the bar
    double dBeats;
    double dMidi;
};

using Melody = std::vector<std::vector<SMelodyNote>>; // one list of notes per bar

STrack MakeTrack(NoteRenderer pfnRender, float fGain, float fReverbSend, float fEchoSend, float fHumanise)
{
    STrack track;
    track.pfnRender = pfnRender;
    track.fGain = fGain;
    track.fReverbSend = fReverbSend;
    track.fEchoSend = fEchoSend;
    track.fHumanise = fHumanise;
    return track;
}

// Plays a melody whose bars repeat over the given bar range.
void AddMelody(STrack& track, const Melody& melody, int nFirstBar, int nBars, float fVelocity)
{
    for (int nBar = 0; nBar < nBars; ++nBar)
    {
        const double dBarStart = (nFirstBar + nBar) * kBeatsPerBar;
        for (const SMelodyNote& note : melody[static_cast<size_t>(nBar) % melody.size()])
            AddNote(track, dBarStart + note.dBeat, note.dBeats, note.dMidi, fVelocity);
    }
}

// A song's tempo and feel: swing on a grid of dSwingUnit beats, the reverb room and the seed of
// its humanising. Every song keeps the sequencer's short release and closing fade.
SSong MakeSong(double dTempo, double dSwing, double dSwingUnit, float fRoomSize, uint32_t dwSeed)
{
    SSong song;
    song.dTempo = dTempo;
    song.dSwing = dSwing;
    song.dSwingUnit = dSwingUnit;
    song.fRoomSize = fRoomSize;
    song.dwSeed = dwSeed;
    return song;
}

const SChord& ChordOfBar(const std::vector<SChord>& progression, int nBar)
{
    return progression[static_cast<size_t>(nBar) % progression.size()];
}

// ---- Lounge: 84 bpm swing in F major, electric piano, walking bass, brushes, vibes -------

const std::vector<SChord> g_vLoungeChords = {
    {41, 4, {57, 60, 64, 67}}, // Fmaj9
    {38, 3, {53, 57, 60, 64}}, // Dm9
    {43, 3, {58, 62, 65, 69}}, // Gm9
    {36, 4, {58, 64, 69}},     // C13
    {34, 4, {62, 65, 69, 72}}, // Bbmaj9
    {45, 3, {55, 60, 64}},     // Am7
    {43, 3, {53, 58, 62, 69}}, // Gm9
    {36, 4, {58, 62, 64, 67}}, // C9
};

const Melody g_vLoungeMelody = {
    {{0, 1.5, 76}, {1.5, 0.5, 72}, {2, 2, 69}},
    {{0, 1, 77}, {1, 0.5, 76}, {1.5, 0.5, 74}, {2, 2, 69}},
    {{0, 1, 70}, {1, 1, 74}, {2, 1.5, 77}, {3.5, 0.5, 76}},
    {{0, 1.5, 74}, {1.5, 0.5, 72}, {2, 1, 69}, {3, 1, 67}},
    {{0, 1, 69}, {1, 1, 74}, {2, 2, 77}},
    {{0, 1.5, 76}, {1.5, 0.5, 74}, {2, 2, 72}},
    {{0, 1, 70}, {1, 1, 69}, {2, 1, 67}, {3, 1, 65}},
    {{0, 1, 64}, {1, 1, 67}, {2, 2, 70}},
};

// Root, third, fifth, then a half step into the next bar's root.
void AddWalkingBar(STrack& bass, double dBar, const SChord& chord, const SChord& next)
{
    const double dApproach = next.dRoot + (next.dRoot > chord.dRoot ? -1.0 : 1.0);
    const double vLine[] = {chord.dRoot, chord.dRoot + chord.dThird, chord.dRoot + 7.0, dApproach};
    for (int nBeat = 0; nBeat < 4; ++nBeat)
        AddNote(bass, dBar + nBeat, 0.9, vLine[nBeat], nBeat == 0 ? 0.9f : 0.75f);
}
} // namespace

SSong BuildLoungeSong()
{
    const auto& chords = g_vLoungeChords;
    const int kIntroBars = 2;
    const int kBodyBars = 16;
    const int nFinalBar = kIntroBars + kBodyBars;

    SSong song = MakeSong(84.0, 1.0 / 3.0, 0.5, 0.6f, 0x10C0A1u);

    STrack piano = MakeTrack(RenderElectricPiano, 0.22f, 0.35f, 0.0f, 0.12f);
    STrack bass = MakeTrack(RenderUprightBass, 0.55f, 0.05f, 0.0f, 0.1f);
    STrack vibes = MakeTrack(RenderVibes, 0.28f, 0.4f, 0.15f, 0.1f);
    STrack brush = MakeTrack(RenderBrush, 0.35f, 0.2f, 0.0f, 0.15f);
    STrack ride = MakeTrack(RenderCymbal, 0.07f, 0.15f, 0.0f, 0.2f);
    STrack kick = MakeTrack(RenderKick, 0.35f, 0.0f, 0.0f, 0.1f);

    for (int nBar = 0; nBar < nFinalBar; ++nBar)
    {
        // The intro vamps on the first two chords; the body runs the progression twice.
        const int nChord = nBar < kIntroBars ? nBar : nBar - kIntroBars;
        const SChord& chord = ChordOfBar(chords, nChord);
        const double dBar = nBar * kBeatsPerBar;
        AddChord(piano, dBar, 1.4, chord.vVoicing, 0.55f);
        AddChord(piano, dBar + 1.5, 2.2, chord.vVoicing, 0.45f);
        // Brushes tuned around 2.3 kHz: swishes on two and four over soft taps.
        AddPattern(brush, dBar, "..x...x.", 0.5, 98.0, 0.12, 0.7f);
        AddPattern(brush, dBar, "o.o.o.o.", 0.5, 98.0, 0.05, 0.5f);
        if (nBar < kIntroBars)
            continue;
        AddWalkingBar(bass, dBar, chord, ChordOfBar(chords, nChord + 1));
        AddPattern(ride, dBar, "x.xxx.xx", 0.5, 70.0, 0.35, 0.8f);
        AddPattern(kick, dBar, "o...o...", 0.5, 31.0, 0.18, 1.0f);
    }
    // The vibes take the tune on the second time through the progression.
    AddMelody(vibes, g_vLoungeMelody, kIntroBars + 8, 8, 0.7f);

    // Ending: the tonic chord held for a bar over a low F, with a last vibes note on top, all
    // released together.
    const double dEnd = nFinalBar * kBeatsPerBar;
    AddChord(piano, dEnd, 4.0, chords[0].vVoicing, 0.6f);
    AddNote(bass, dEnd, 4.0, 41.0, 0.9f);
    AddNote(vibes, dEnd, 4.0, 72.0, 0.6f);
    AddNote(ride, dEnd, 2.0, 70.0, 0.6f);

    song.vTracks = {piano, bass, vibes, brush, ride, kick};
    return song;
}

namespace
{
// ---- Urban: 90 bpm hip-hop in C minor, sub bass, boom-bap drums, brass stabs, bells ------

const std::vector<SChord> g_vUrbanChords = {
    {36, 3, {55, 60, 63}}, // Cm
    {32, 4, {56, 60, 63}}, // Ab
    {29, 3, {53, 56, 60}}, // Fm
    {31, 4, {55, 59, 62}}, // G
};

const Melody g_vUrbanBells = {
    {{0, 0.5, 75}, {0.75, 0.5, 72}, {1.5, 1.0, 79}},
    {{0, 0.5, 75}, {0.75, 0.5, 72}, {1.5, 1.0, 68}},
    {{0, 0.5, 72}, {0.75, 0.5, 68}, {1.5, 1.0, 77}},
    {{0, 0.5, 74}, {0.75, 0.5, 71}, {1.5, 1.5, 67}},
};
} // namespace

SSong BuildUrbanSong()
{
    const auto& chords = g_vUrbanChords;
    const int kIntroBars = 2;
    const int kBreakStart = 10;
    const int kBreakBars = 4;
    const int nFinalBar = 22;

    SSong song = MakeSong(90.0, 0.2, 0.25, 0.35f, 0x0B0B0A7u);

    STrack kick = MakeTrack(RenderKick, 0.55f, 0.0f, 0.0f, 0.05f);
    STrack snare = MakeTrack(RenderSnare, 0.8f, 0.3f, 0.0f, 0.05f);
    STrack hat = MakeTrack(RenderHat, 0.3f, 0.0f, 0.0f, 0.2f);
    STrack sub = MakeTrack(RenderSubBass, 0.28f, 0.0f, 0.0f, 0.0f);
    STrack stab = MakeTrack(RenderStab, 0.45f, 0.25f, 0.2f, 0.08f);
    STrack bells = MakeTrack(RenderBell, 0.35f, 0.3f, 0.45f, 0.1f);

    for (int nBar = 0; nBar < nFinalBar; ++nBar)
    {
        const SChord& chord = ChordOfBar(chords, nBar);
        const double dBar = nBar * kBeatsPerBar;
        const bool bBreak = nBar >= kBreakStart && nBar < kBreakStart + kBreakBars;
        AddPattern(hat, dBar, "x.o.x.o.x.o.x.oo", 0.25, 100.0, 0.04, 0.8f);
        for (size_t nHit : {0u, 6u, 12u})
            AddChord(stab, dBar + 0.25 * static_cast<double>(nHit), 0.35, chord.vVoicing,
                     nHit == 0 ? 0.9f : 0.6f);
        AddPattern(snare, dBar, "....X.......X..o", 0.25, 55.0, 0.14, 0.9f);
        // Kick and sub bass come in after the intro and drop out for the break.
        if (nBar < kIntroBars || bBreak)
            continue;
        AddPattern(kick, dBar, "X.....x...X..x..", 0.25, 33.0, 0.3, 1.0f);
        AddPattern(sub, dBar, "X.....x...X.....", 0.25, chord.dRoot, 1.2, 0.9f);
    }
    AddMelody(bells, g_vUrbanBells, kBreakStart, kBreakBars, 0.7f);
    AddMelody(bells, g_vUrbanBells, kBreakStart + kBreakBars + 4, 4, 0.6f);

    // Ending: one last stab on the tonic held for half a bar with the kick, the sub and a bell,
    // all released together.
    const double dEnd = nFinalBar * kBeatsPerBar;
    AddChord(stab, dEnd, 2.0, chords[0].vVoicing, 1.0f);
    AddNote(kick, dEnd, 0.4, 33.0, 1.0f);
    AddNote(sub, dEnd, 2.0, 36.0, 0.9f);
    AddNote(bells, dEnd, 2.0, 72.0, 0.6f);

    song.vTracks = {kick, snare, hat, sub, stab, bells};
    return song;
}

namespace
{
// ---- Pop: 124 bpm four-on-the-floor in G major, pumping bass, pad, arpeggio, lead --------

const std::vector<SChord> g_vPopChords = {
    {43, 4, {59, 62, 67}}, // G
    {38, 4, {57, 62, 66}}, // D
    {40, 3, {59, 64, 67}}, // Em
    {36, 4, {60, 64, 67}}, // C
};

const Melody g_vPopHook = {
    {{0, 0.5, 71}, {0.5, 0.5, 74}, {1, 1, 79}, {2, 0.5, 78}, {2.5, 0.5, 76}, {3, 1, 74}},
    {{0, 0.5, 69}, {0.5, 0.5, 74}, {1, 1.5, 78}, {2.5, 0.5, 76}, {3, 1, 74}},
    {{0, 0.5, 67}, {0.5, 0.5, 71}, {1, 1, 76}, {2, 0.5, 74}, {2.5, 0.5, 71}, {3, 1, 67}},
    {{0, 1, 76}, {1, 0.5, 74}, {1.5, 0.5, 72}, {2, 1, 71}, {3, 1, 69}},
};

// Eighth notes on the root, every off-beat jumping up an octave.
void AddPumpingBassBar(STrack& track, double dBar, const SChord& chord)
{
    for (int nStep = 0; nStep < 8; ++nStep)
        AddNote(track, dBar + 0.5 * nStep, 0.4, chord.dRoot + (nStep % 2 == 1 ? 12.0 : 0.0), 0.9f);
}

// Chord tones up and down in eighth notes.
void AddArpeggioBar(STrack& track, double dBar, const SChord& chord)
{
    const std::vector<double>& v = chord.vVoicing;
    const double vOrder[] = {v[0], v[1], v[2], v[1] + 12.0, v[2] + 12.0, v[1] + 12.0, v[2], v[1]};
    for (int nStep = 0; nStep < 8; ++nStep)
        AddNote(track, dBar + 0.5 * nStep, 0.35, vOrder[nStep] + 12.0, nStep % 2 == 0 ? 0.8f : 0.6f);
}
} // namespace

SSong BuildPopSong()
{
    const auto& chords = g_vPopChords;
    enum ESection
    {
        Intro,
        Verse,
        Chorus,
        Bridge
    };
    const std::vector<std::pair<ESection, int>> sections = {
        {Intro, 2}, {Verse, 8}, {Chorus, 8}, {Bridge, 4}, {Chorus, 8}};

    SSong song = MakeSong(124.0, 0.0, 0.5, 0.45f, 0x50F7A9u);

    STrack kick = MakeTrack(RenderKick, 0.8f, 0.0f, 0.0f, 0.03f);
    STrack clap = MakeTrack(RenderClap, 0.35f, 0.25f, 0.0f, 0.05f);
    STrack hat = MakeTrack(RenderHat, 0.16f, 0.0f, 0.0f, 0.15f);
    STrack bass = MakeTrack(RenderSynthBass, 0.4f, 0.0f, 0.0f, 0.05f);
    STrack pad = MakeTrack(RenderPad, 0.2f, 0.3f, 0.0f, 0.0f);
    STrack arp = MakeTrack(RenderBell, 0.16f, 0.2f, 0.3f, 0.1f);
    STrack lead = MakeTrack(RenderLead, 0.2f, 0.25f, 0.3f, 0.05f);
    STrack crash = MakeTrack(RenderCymbal, 0.18f, 0.2f, 0.0f, 0.0f);

    int nBar = 0;
    for (const auto& [eSection, nBars] : sections)
    {
        const int nSectionStart = nBar;
        if (eSection != Intro)
            AddNote(crash, nSectionStart * kBeatsPerBar, 1.0, 75.0, 0.8f);
        for (int i = 0; i < nBars; ++i, ++nBar)
        {
            const SChord& chord = ChordOfBar(chords, nBar);
            const double dBar = nBar * kBeatsPerBar;
            AddChord(pad, dBar, 3.9, chord.vVoicing, 0.7f);
            AddPattern(hat, dBar, eSection == Chorus ? "x.X.x.X.x.X.x.X." : "o.x.o.x.o.x.o.x.", 0.25, 96.0,
                       eSection == Chorus ? 0.06 : 0.03, 0.8f);
            if (eSection == Bridge)
            {
                // The break drops the beat; held bass notes keep the floor under the arpeggio.
                AddArpeggioBar(arp, dBar, chord);
                AddNote(bass, dBar, 3.8, chord.dRoot, 0.7f);
                continue;
            }
            AddPattern(kick, dBar, "X...X...X...X...", 0.25, 36.0, 0.22, 1.0f);
            if (eSection == Intro)
                continue;
            AddPattern(clap, dBar, "....X.......X...", 0.25, 90.0, 0.12, 0.9f);
            AddPumpingBassBar(bass, dBar, chord);
            if (eSection == Verse)
                AddArpeggioBar(arp, dBar, chord);
        }
        if (eSection == Chorus)
            AddMelody(lead, g_vPopHook, nSectionStart, nBars, 0.85f);
    }
    // Ending: the tonic chord with a crash and a kick, the bass and the hook's last word held
    // with it and released together.
    const double dEnd = nBar * kBeatsPerBar;
    AddChord(pad, dEnd, 3.0, chords[0].vVoicing, 0.8f);
    AddNote(bass, dEnd, 3.0, 43.0, 1.0f);
    AddNote(kick, dEnd, 0.4, 36.0, 1.0f);
    AddNote(crash, dEnd, 2.5, 75.0, 0.9f);
    AddNote(lead, dEnd, 3.0, 79.0, 0.8f);

    song.vTracks = {kick, clap, hat, bass, pad, arp, lead, crash};
    return song;
}
} // namespace AudioGen
