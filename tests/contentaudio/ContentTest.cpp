// The finished content: every sound the game opens exists in the right format, the effects
// have usable lengths and levels and end in silence, the music plays from its first to its
// last moment so the rotation has no gaps, voices stand clear of the music, and a second build
// gives the same bytes.
#include "AudioGen.h"
#include "Effects.h"
#include "Mixer.h"
#include "Songs.h"
#include "Speech.h"
#include "Voices.h"
#include "WavReader.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <set>

using namespace AudioGen;

namespace
{
// The largest 16-bit sample magnitude at -1 dBFS.
const float kMinus1DbfsPcm = 32768.0f * 0.891251f;

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// Both ends are exactly zero and the last stretch is near silence: nothing is cut off
// mid-sound, so the end makes no click.
void ExpectSilentEnds(const Samples& samples, double dTailSeconds, float fFloorDb, const std::string& strName)
{
    ASSERT_FALSE(samples.empty()) << strName;
    EXPECT_EQ(samples.front(), 0.0f) << strName;
    EXPECT_EQ(samples.back(), 0.0f) << strName;
    const size_t nTail = SecondsToFrames(dTailSeconds);
    EXPECT_LT(GainToDb(RmsOf(samples, samples.size() - nTail, samples.size())), fFloorDb) << strName;
}

TEST(Effects, EachFitsItsSceneAndIsAudibleButNotLoud)
{
    // Exits that wait a second before the scene goes give their sound under a second; the
    // makeover exit waits two; a pick sound must be over before the next quick click.
    const struct
    {
        const char* pszName;
        std::function<Samples()> make;
        double dMaxSeconds;
    } kEffects[] = {
        {"ave/7thave", MakeArrowClick, 0.2},
        {"signin/cont", MakeContinueChime, 1.0},
        {"wall/boot", MakeWallBootSteps, 1.0},
        {"ave/boot", MakeAvenueBootSteps, 1.0},
        {"mmo/ottoman", MakeOttomanPoof, 2.0},
        {"mmo/before", MakeBeforeRewind, 1.5},
        {"mmo/hairforw", [] { return MakeHairSwish(true); }, 0.8},
        {"mmo/hairback", [] { return MakeHairSwish(false); }, 0.8},
        {"mmo/mmolips", MakeLipsPop, 0.8},
        {"mmo/mmoglass", MakeGlassesClink, 1.0},
        {"mmo/mmoeyes", MakeEyesSparkle, 1.0},
    };
    for (const auto& e : kEffects)
    {
        const Samples samples = e.make();
        EXPECT_GE(FramesToSeconds(samples.size()), 0.03) << e.pszName;
        EXPECT_LE(FramesToSeconds(samples.size()), e.dMaxSeconds) << e.pszName;
        EXPECT_LE(GainToDb(PeakOf(samples)), kEffectPeakDb + 0.01f) << e.pszName;
        EXPECT_GE(GainToDb(PeakOf(samples)), kEffectPeakDb - 3.0f) << e.pszName;
        ExpectSilentEnds(samples, 0.01, -50.0f, e.pszName);
    }
}

TEST(Voices, FinishingTrimsSilenceAndSetsTheLevel)
{
    Samples samples(SecondsToFrames(1.0), 0.0f);
    Samples word(SecondsToFrames(0.5));
    for (size_t i = 0; i < word.size(); ++i)
        word[i] =
            0.05f * static_cast<float>(std::sin(2.0 * kPi * 200.0 * static_cast<double>(i) / kSampleRate));
    MixInto(samples, word, SecondsToFrames(0.3), 1.0f);
    FinishVoice(samples);
    // 0.5 s of speech plus the short lead and tail margins, not the second of silence.
    EXPECT_LT(FramesToSeconds(samples.size()), 0.8);
    EXPECT_GT(FramesToSeconds(samples.size()), 0.5);
    EXPECT_NEAR(GainToDb(PeakOf(samples)), kVoicePeakDb, 0.01f);
    EXPECT_EQ(samples.back(), 0.0f);

    Samples silence(1000, 0.0f);
    FinishVoice(silence);
    EXPECT_TRUE(silence.empty());
}

struct SSongCase
{
    const char* pszName;
    std::function<SSong()> build;
};

void PrintTo(const SSongCase& c, std::ostream* pOut)
{
    *pOut << c.pszName;
}

class SongRender : public ::testing::TestWithParam<SSongCase>
{
};

// Time from the start to the first sample at or above fFloorDb, and from the last such sample
// to the end.
double LeadingQuietSeconds(const Samples& samples, float fFloorDb)
{
    const float fFloor = DbToGain(fFloorDb);
    size_t nFirst = 0;
    while (nFirst < samples.size() && std::fabs(samples[nFirst]) < fFloor)
        ++nFirst;
    return FramesToSeconds(nFirst);
}

double TrailingQuietSeconds(const Samples& samples, float fFloorDb)
{
    const float fFloor = DbToGain(fFloorDb);
    size_t nEnd = samples.size();
    while (nEnd > 0 && std::fabs(samples[nEnd - 1]) < fFloor)
        --nEnd;
    return FramesToSeconds(samples.size() - nEnd);
}

TEST_P(SongRender, LastsAboutAMinuteSitsAtTheMusicLevelAndEndsRightAfterItsLastNote)
{
    const SSong song = GetParam().build();
    const Samples rendered = RenderSong(song, kMusicRmsDb, kMusicCeilingDb);
    const double dSeconds = FramesToSeconds(rendered.size());
    EXPECT_GE(dSeconds, 45.0);
    EXPECT_LE(dSeconds, 75.0);
    EXPECT_LE(PeakOf(rendered), DbToGain(kMusicCeilingDb));
    EXPECT_NEAR(GainToDb(ActiveRmsOf(rendered)), kMusicRmsDb, 1.5f);
    // The rotation starts the next track when this one ends: it starts playing at once, sounds
    // until a short release after its last note and then ends, with no stretch of silence at
    // either end, yet without a click (both ends are exactly zero and the last 10 ms is a fade).
    EXPECT_LE(LeadingQuietSeconds(rendered, -60.0f), 0.05) << GetParam().pszName;
    EXPECT_LE(TrailingQuietSeconds(rendered, -60.0f), 0.3) << GetParam().pszName;
    EXPECT_LE(dSeconds, LastNoteEndSeconds(song) + 0.3) << GetParam().pszName;
    EXPECT_GT(GainToDb(RmsOf(rendered, rendered.size() - SecondsToFrames(0.3), rendered.size())), -45.0f)
        << GetParam().pszName << " is not playing 0.3 s before its end";
    ExpectSilentEnds(rendered, 0.01, -45.0f, GetParam().pszName);
    // No stretch of dead air in the first 45 s, which every song fills with playing.
    const size_t nWindow = SecondsToFrames(1.0);
    for (size_t nBegin = 0; nBegin + nWindow <= SecondsToFrames(45.0); nBegin += nWindow)
        ASSERT_GT(GainToDb(RmsOf(rendered, nBegin, nBegin + nWindow)), -40.0f)
            << "second " << nBegin / nWindow;
}

TEST(Sequencer, ASongLastsUntilAShortReleaseAfterItsLastNote)
{
    // Two notes, the later one held longest; swing pushes the off-beat note late.
    SSong song;
    song.dTempo = 120.0;
    song.dSwing = 1.0 / 3.0;
    song.dReleaseSeconds = 0.2;
    song.dFadeSeconds = 0.1;
    STrack track;
    track.pfnRender = [](const SNoteRequest& request, CRandom&)
    {
        return Samples(SecondsToFrames(request.dSeconds + 1.0), 0.5f); // rings a second past its end
    };
    AddNote(track, 0.0, 4.0, 60.0, 1.0f);
    AddNote(track, 2.5, 1.0, 60.0, 1.0f); // 2.5 beats swung to 2.667, held to 3.667 beats
    song.vTracks = {track};
    EXPECT_NEAR(LastNoteEndSeconds(song), 2.0, 1e-9); // the first note, 4 beats at 120 bpm
    AddNote(song.vTracks[0], 3.5, 1.0, 60.0, 1.0f);   // swung to 3.667, held to 4.667 beats
    EXPECT_NEAR(LastNoteEndSeconds(song), 4.6666666 * 0.5, 1e-6);

    const Samples rendered = RenderSong(song, -20.0f, -1.0f);
    EXPECT_EQ(rendered.size(), SecondsToFrames(LastNoteEndSeconds(song) + 0.2));
    EXPECT_EQ(rendered.back(), 0.0f);
    // The fade covers only the last 0.1 s: the ringing note is at full level before it.
    EXPECT_GT(std::fabs(rendered[rendered.size() - SecondsToFrames(0.15)]), 0.05f);
}

INSTANTIATE_TEST_SUITE_P(Songs, SongRender,
                         ::testing::Values(SSongCase{"lounge", BuildLoungeSong},
                                           SSongCase{"urban", BuildUrbanSong},
                                           SSongCase{"pop", BuildPopSong}),
                         [](const ::testing::TestParamInfo<SSongCase>& paramInfo)
                         { return std::string(paramInfo.param.pszName); });

std::filesystem::path ScratchFolder(const std::string& strName)
{
    return std::filesystem::path(::testing::TempDir()) /
           ("contentaudio_" + strName + "_" + std::to_string(::getpid()));
}

TEST(Voices, GreetingTalksLongEnoughAndEveryLineStandsClearOfTheMusic)
{
    const std::filesystem::path scratch = ScratchFolder("voices");
    std::filesystem::create_directories(scratch);
    for (const SVoiceLine& line : VoiceLines())
    {
        Samples voice;
        std::string strError;
        ASSERT_TRUE(MakeVoice(line, (scratch / "line.wav").string(), voice, strError)) << strError;
        EXPECT_GE(FramesToSeconds(voice.size()), line.strName == "hotshot" ? 3.0 : 1.0) << line.strName;
        EXPECT_NEAR(GainToDb(PeakOf(voice)), kVoicePeakDb, 0.01f) << line.strName;
        // Songs sit within 1.5 dB of the music level (see above); speech needs about 6 dB
        // over the music to stay easy to follow.
        EXPECT_GE(GainToDb(ActiveRmsOf(voice)), kMusicRmsDb + 1.5f + 6.0f) << line.strName;
    }
    // The synthesiser's scratch file does not stay behind.
    EXPECT_TRUE(std::filesystem::is_empty(scratch));
    std::filesystem::remove_all(scratch);
}

TEST(Speech, SpeechThatCannotBeWrittenIsAFailureNotSilence)
{
    // The synthesiser reports success even when it cannot write its file.
    Samples out;
    std::string strError;
    EXPECT_FALSE(Speak({"en-us+f3", 150, 50}, "Hello", "/nonexistent-folder/line.wav", out, strError));
    EXPECT_FALSE(strError.empty());
}

TEST(GenerateAllAudio, WritesEverySoundAs22kMono16BitAndTheSameBytesTwice)
{
    const std::filesystem::path root = ScratchFolder("all");
    std::filesystem::remove_all(root);
    ASSERT_TRUE(GenerateAllAudio((root / "first").string()));
    ASSERT_TRUE(GenerateAllAudio((root / "second").string()));

    const std::set<std::string> expected = {
        "signin/hotshot.wav", "signin/caio.wav", "signin/cont.wav",  "wall/welcome.wav", "wall/wwback.wav",
        "wall/boot.wav",      "mmo/mmovo.wav",   "mmo/ottoman.wav",  "mmo/before.wav",   "mmo/hairback.wav",
        "mmo/hairforw.wav",   "mmo/mmolips.wav", "mmo/mmoglass.wav", "mmo/mmoeyes.wav",  "ave/boot.wav",
        "ave/7thave.wav",     "ave/fashion.wav", "music/lounge.wav", "music/urban.wav",  "music/pop.wav"};
    const std::vector<std::string> vPaths = AllSoundPaths();
    EXPECT_EQ(std::set<std::string>(vPaths.begin(), vPaths.end()), expected);
    std::set<std::string> written;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root / "first"))
        if (entry.is_regular_file())
            written.insert(std::filesystem::relative(entry.path(), root / "first").generic_string());
    EXPECT_EQ(written, expected);

    for (const std::string& strPath : expected)
    {
        const std::vector<uint8_t> v = ReadBytes(root / "first" / strPath);
        ASSERT_GE(v.size(), 46u) << strPath;
        EXPECT_EQ(v[20] | (v[21] << 8), 1) << strPath;                           // PCM
        EXPECT_EQ(v[22] | (v[23] << 8), 1) << strPath;                           // mono
        EXPECT_EQ(v[24] | (v[25] << 8) | (v[26] << 16), kSampleRate) << strPath; // rate
        EXPECT_EQ(v[34] | (v[35] << 8), 16) << strPath;                          // bits
        SDecodedWav decoded;
        std::string strError;
        ASSERT_TRUE(DecodeWav16(v, decoded, strError)) << strPath << ": " << strError;
        EXPECT_LE(PeakOf(decoded.samples) * 32767.0f, kMinus1DbfsPcm) << strPath;
        EXPECT_TRUE(v == ReadBytes(root / "second" / strPath)) << strPath << " differs between two builds";
    }
    std::filesystem::remove_all(root);
}

TEST(GenerateAllAudio, UnwritableFolderFails)
{
    EXPECT_FALSE(GenerateAllAudio("/proc/contentaudio-cannot-write-here"));
}
} // namespace
