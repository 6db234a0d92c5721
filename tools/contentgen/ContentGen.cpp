// ContentGen.cpp: the content generator. Draws every picture and frame set of the six scenes
// into a staging folder as PNG files, has the sound generator write every WAV file beside
// them, writes the pack arguments and the manifest the content build packs from, and writes
// one contact sheet per scene for review.
//
//   contentgen STAGING_DIR [--preview DIR] [--expect LIST]
//
// --expect names a file listing, one a line, the content files the build packs; the run fails
// when the generator makes a different set, so the build and the art cannot drift apart.
#include "ContentSink.h"
#include "art/SceneArt.h"
#include "game/layout/AvenueLayout.h"
#include "game/layout/MakeoverLayout.h"
#include "game/layout/SceneMusic.h"
#include "game/layout/SignInLayout.h"
#include "game/layout/SplashLayout.h"
#include "game/layout/WallLayout.h"

#include "tools/contentgen/audio/AudioGen.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>
#include <string>

namespace
{
// Every sound file a scene opens.
const char* const g_apszSounds[] = {
    SignInLayout::pszGreeting,        SignInLayout::pszFarewellVoice,      SignInLayout::pszContinueSound,
    WallLayout::pszWelcome,           WallLayout::pszWelcomeBack,          WallLayout::pszBootSound,
    MakeoverLayout::pszVoiceOver,     MakeoverLayout::pszExitSound,        MakeoverLayout::pszBeforeSound,
    MakeoverLayout::pszHairBackSound, MakeoverLayout::pszHairForwardSound, MakeoverLayout::pszLipsSound,
    MakeoverLayout::pszGlassesSound,  MakeoverLayout::pszEyesSound,        AvenueLayout::pszBootSound,
    AvenueLayout::pszClickSound,      AvenueLayout::pszFashionVoice,       SceneMusic::apszTracks[0],
    SceneMusic::apszTracks[1],        SceneMusic::apszTracks[2],
};

bool StageSounds(CContentSink& sink)
{
    if (!GenerateAllAudio(sink.StagingDir()))
    {
        std::fprintf(stderr, "contentgen: the sound generator failed\n");
        return false;
    }
    for (const char* pszSound : g_apszSounds)
        sink.AddSound(pszSound);
    return true;
}

bool CheckExpected(const CContentSink& sink, const std::string& strListPath)
{
    std::ifstream in(strListPath);
    if (!in)
    {
        std::fprintf(stderr, "contentgen: cannot read %s\n", strListPath.c_str());
        return false;
    }
    std::set<std::string> expected;
    for (std::string strLine; std::getline(in, strLine);)
        if (!strLine.empty())
            expected.insert(strLine);
    bool bSame = true;
    for (const std::string& strName : sink.Outputs())
        if (!expected.count(strName))
        {
            std::fprintf(stderr, "contentgen: %s is generated but not packed by the build\n",
                         strName.c_str());
            bSame = false;
        }
    for (const std::string& strName : expected)
        if (!sink.Outputs().count(strName))
        {
            std::fprintf(stderr, "contentgen: the build packs %s but nothing generates it\n",
                         strName.c_str());
            bSame = false;
        }
    return bSame;
}

void WriteSheet(const std::string& strPreviewDir, const char* pszScene, const CCanvas& sheet)
{
    if (strPreviewDir.empty())
        return;
    const std::string strPath = strPreviewDir + "/" + pszScene + ".png";
    if (!WriteFileIfChanged(strPath, sheet.EncodePng()))
        std::fprintf(stderr, "contentgen: cannot write %s\n", strPath.c_str());
}

int Usage()
{
    std::fprintf(stderr, "usage: contentgen STAGING_DIR [--preview DIR] [--expect LIST]\n");
    return 2;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    std::string strPreviewDir;
    std::string strExpectList;
    for (int i = 2; i < argc; ++i)
    {
        if (std::strcmp(argv[i], "--preview") == 0 && i + 1 < argc)
            strPreviewDir = argv[++i];
        else if (std::strcmp(argv[i], "--expect") == 0 && i + 1 < argc)
            strExpectList = argv[++i];
        else
            return Usage();
    }

    CContentSink sink(argv[1]);
    WriteSheet(strPreviewDir, "splash", GenerateSplashArt(sink));
    WriteSheet(strPreviewDir, "signin", GenerateSignInArt(sink));
    WriteSheet(strPreviewDir, "wall", GenerateWallArt(sink));
    WriteSheet(strPreviewDir, "makeover", GenerateMakeoverArt(sink));
    WriteSheet(strPreviewDir, "avenue", GenerateAvenueArt(sink));
    WriteSheet(strPreviewDir, "credits", GenerateCreditsArt(sink));
    if (!StageSounds(sink))
        return 1;
    if (!sink.Finish())
        return 1;
    if (!strExpectList.empty() && !CheckExpected(sink, strExpectList))
        return 1;
    return 0;
}
