// The catalogue of the game's sounds and the loop that renders and writes them.
#include "AudioGen.h"

#include "Effects.h"
#include "Songs.h"
#include "Voices.h"
#include "WavWriter.h"

#include <filesystem>
#include <functional>
#include <iostream>

namespace AudioGen
{
namespace
{
// A synthesised sound: where it goes and how it is made. Voices come from VoiceLines().
struct SSynthSound
{
    const char* pszFolder;
    const char* pszName;
    std::function<Samples()> make;
};

const std::vector<SSynthSound>& SynthSounds()
{
    static const std::vector<SSynthSound> kSounds = {
        {"signin", "cont", MakeContinueChime},
        {"wall", "boot", MakeWallBootSteps},
        {"mmo", "ottoman", MakeOttomanPoof},
        {"mmo", "before", MakeBeforeRewind},
        {"mmo", "hairback", [] { return MakeHairSwish(false); }},
        {"mmo", "hairforw", [] { return MakeHairSwish(true); }},
        {"mmo", "mmolips", MakeLipsPop},
        {"mmo", "mmoglass", MakeGlassesClink},
        {"mmo", "mmoeyes", MakeEyesSparkle},
        {"ave", "boot", MakeAvenueBootSteps},
        {"ave", "7thave", MakeArrowClick},
        {"music", "lounge", [] { return RenderSong(BuildLoungeSong(), kMusicRmsDb, kMusicCeilingDb); }},
        {"music", "urban", [] { return RenderSong(BuildUrbanSong(), kMusicRmsDb, kMusicCeilingDb); }},
        {"music", "pop", [] { return RenderSong(BuildPopSong(), kMusicRmsDb, kMusicCeilingDb); }},
    };
    return kSounds;
}

std::string RelativePath(const std::string& strFolder, const std::string& strName)
{
    return strFolder + "/" + strName + ".wav";
}

bool WriteSound(const std::filesystem::path& root, const std::string& strRelative, const Samples& samples)
{
    const std::filesystem::path path = root / strRelative;
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error)
    {
        std::cerr << "audiogen: cannot create " << path.parent_path().string() << ": " << error.message()
                  << "\n";
        return false;
    }
    std::string strError;
    if (!WriteWav16(path.string(), samples, kSampleRate, strError))
    {
        std::cerr << "audiogen: " << strError << "\n";
        return false;
    }
    return true;
}
} // namespace

std::vector<std::string> AllSoundPaths()
{
    std::vector<std::string> vPaths;
    for (const SVoiceLine& line : VoiceLines())
        vPaths.push_back(RelativePath(line.strFolder, line.strName));
    for (const SSynthSound& sound : SynthSounds())
        vPaths.push_back(RelativePath(sound.pszFolder, sound.pszName));
    return vPaths;
}
} // namespace AudioGen

bool GenerateAllAudio(const std::string& strStagingDir)
{
    using namespace AudioGen;
    const std::filesystem::path root(strStagingDir);
    std::error_code error;
    std::filesystem::create_directories(root, error);
    if (error)
    {
        std::cerr << "audiogen: cannot create " << strStagingDir << ": " << error.message() << "\n";
        return false;
    }
    bool bAllWritten = true;
    for (const SVoiceLine& line : VoiceLines())
    {
        const std::string strRelative = RelativePath(line.strFolder, line.strName);
        // The synthesiser's scratch file sits next to the result, so the folder must exist.
        std::filesystem::path scratch = root / (strRelative + ".speech.tmp");
        std::filesystem::create_directories(scratch.parent_path(), error);
        Samples samples;
        std::string strError;
        if (!MakeVoice(line, scratch.string(), samples, strError))
        {
            std::cerr << "audiogen: " << strRelative << ": " << strError << "\n";
            bAllWritten = false;
            continue;
        }
        bAllWritten = WriteSound(root, strRelative, samples) && bAllWritten;
    }
    for (const SSynthSound& sound : SynthSounds())
        bAllWritten =
            WriteSound(root, RelativePath(sound.pszFolder, sound.pszName), sound.make()) && bAllWritten;
    return bAllWritten;
}
