// The finished sounds: the effects have usable lengths and levels and end in silence, the music
// lasts about a minute at its level with no dead air, the voices are long enough and at their
// level, and failures to write are reported. The packed content is checked as the game plays it
// in tests/content, and its bytes against a second build by content_determinism.
#include "AudioGen.h"
#include "Effects.h"
#include "Mixer.h"
#include "Songs.h"
#include "Speech.h"
#include "Voices.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <functional>

using namespace AudioGen;

namespace
{
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

TEST(Songs, LastAboutAMinuteAtTheMusicLevelWithNoDeadAirAndEndWithoutAClick)
{
    // How soon a song starts and how soon after its last note it ends are checked on the packed
    // content (ContentSounds) and in the sequencer test below.
    const struct
    {
        const char* pszName;
        std::function<SSong()> build;
    } kSongs[] = {{"lounge", BuildLoungeSong}, {"urban", BuildUrbanSong}, {"pop", BuildPopSong}};
    for (const auto& song : kSongs)
    {
        SCOPED_TRACE(song.pszName);
        const Samples rendered = RenderSong(song.build(), kMusicRmsDb, kMusicCeilingDb);
        const double dSeconds = FramesToSeconds(rendered.size());
        EXPECT_GE(dSeconds, 45.0);
        EXPECT_LE(dSeconds, 75.0);
        EXPECT_LE(PeakOf(rendered), DbToGain(kMusicCeilingDb));
        EXPECT_NEAR(GainToDb(ActiveRmsOf(rendered)), kMusicRmsDb, 1.5f);
        ExpectSilentEnds(rendered, 0.01, -45.0f, song.pszName);
        // No stretch of dead air in the first 45 s, which every song fills with playing.
        const size_t nWindow = SecondsToFrames(1.0);
        for (size_t nBegin = 0; nBegin + nWindow <= SecondsToFrames(45.0); nBegin += nWindow)
            ASSERT_GT(GainToDb(RmsOf(rendered, nBegin, nBegin + nWindow)), -40.0f)
                << "second " << nBegin / nWindow;
    }
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

TEST(Voices, GreetingTalksLongEnoughAndEveryLineIsAtTheVoiceLevel)
{
    const std::filesystem::path scratch =
        std::filesystem::path(::testing::TempDir()) / ("contentaudio_voices_" + std::to_string(::getpid()));
    std::filesystem::create_directories(scratch);
    for (const SVoiceLine& line : VoiceLines())
    {
        Samples voice;
        std::string strError;
        ASSERT_TRUE(MakeVoice(line, (scratch / "line.wav").string(), voice, strError)) << strError;
        EXPECT_GE(FramesToSeconds(voice.size()), line.strName == "hotshot" ? 3.0 : 1.0) << line.strName;
        // How far each voice stands above the music is checked on the packed content.
        EXPECT_NEAR(GainToDb(PeakOf(voice)), kVoicePeakDb, 0.01f) << line.strName;
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

TEST(GenerateAllAudio, UnwritableFolderFails)
{
    EXPECT_FALSE(GenerateAllAudio("/proc/contentaudio-cannot-write-here"));
}
} // namespace
