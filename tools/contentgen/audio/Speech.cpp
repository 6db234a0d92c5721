// espeak-ng runner. posix_spawnp keeps the text away from any shell, so quotes or other
// characters in a line cannot change the command.
#include "Speech.h"

#include "Resample.h"
#include "WavReader.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <vector>

extern char** environ;

namespace AudioGen
{
namespace
{
bool RunProgram(std::vector<std::string> vArgs, std::string& strError)
{
    std::vector<char*> vArgv;
    for (std::string& strArg : vArgs)
        vArgv.push_back(strArg.data());
    vArgv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The synthesiser prints nothing useful on success; keep its output off our console.
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int nSpawn = posix_spawnp(&pid, vArgv[0], &actions, nullptr, vArgv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (nSpawn != 0)
    {
        strError = "cannot run " + vArgs[0] + " (is the espeak-ng package installed?)";
        return false;
    }
    int nStatus = 0;
    if (waitpid(pid, &nStatus, 0) != pid || !WIFEXITED(nStatus) || WEXITSTATUS(nStatus) != 0)
    {
        strError = vArgs[0] + " failed";
        return false;
    }
    return true;
}
} // namespace

bool Speak(const SSpeechVoice& voice, const std::string& strText, const std::string& strScratchPath,
           Samples& out, std::string& strError)
{
    const bool bRan =
        RunProgram({"espeak-ng", "-v", voice.strVoice, "-s", std::to_string(voice.nWordsPerMinute), "-p",
                    std::to_string(voice.nPitch), "-w", strScratchPath, "--", strText},
                   strError);
    SDecodedWav decoded;
    const bool bRead = bRan && ReadWav16(strScratchPath, decoded, strError);
    // The scratch file goes whatever happened, so a failed run leaves nothing behind.
    std::remove(strScratchPath.c_str());
    if (!bRead)
        return false;
    out = Resample(decoded.samples, decoded.nSampleRate, kSampleRate);
    if (out.empty())
    {
        strError = "espeak-ng produced no sound for \"" + strText + "\"";
        return false;
    }
    return true;
}
} // namespace AudioGen
