// GameBench.cpp: how long each scene takes to load, and how fast and how lean a long scripted
// session through every scene runs on the headless runner. Prints FIGURE lines:
//   load_ms_<scene>     median wall time of the scene's constructor and Load, on the virtual
//                       clock, against the built content, with a sound engine on the virtual
//                       audio device
//   playthrough_speedup game time / wall time of a 10-minute session (velvina-headless)
//   peak_rss_mb         the session's peak resident set (the runner's ru_maxrss)
// Usage: bench_game [CONTENT_ROOT [HEADLESS_PATH]]; defaults are the build's.
#include "SessionScript.h"

#include "game/AvenueScene.h"
#include "game/CreditsScene.h"
#include "game/MakeoverScene.h"
#include "game/SignInScene.h"
#include "game/SplashScene.h"
#include "game/WallScene.h"
#include "game/layout/SignInLayout.h"
#include "platform/Backend.h"
#include "platform/headless/HeadlessAudioDevice.h"
#include "platform/headless/HeadlessClock.h"
#include "scene/SceneDirector.h"
#include "sound/MRVSoundEngine.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace
{

using Clock = std::chrono::steady_clock;

constexpr DWORD kRed565 = 0xF800;
constexpr DWORD kGreen565 = 0x07E0;
constexpr DWORD kBlue565 = 0x001F;
constexpr int kLoadRepeats = 9;
constexpr unsigned kSessionMs = 600000;

struct SceneLoader
{
    const char* pszName;
    PFNCREATESCENE pfnCreate;
};

const SceneLoader kScenes[] = {
    {"splash", &CreateLoadedScene<CSPlashScene>},     {"signin", &CreateLoadedScene<CSignInScene>},
    {"wall", &CreateLoadedScene<CWallScene>},         {"avenue", &CreateLoadedScene<CAvenueScene>},
    {"makeover", &CreateLoadedScene<CMakeoverScene>}, {"credits", &CreateLoadedScene<CCreditsScene>},
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The median time of making and loading a scene; the scene is deleted outside the timing.
double MeasureLoadMs(const SceneLoader& loader)
{
    std::vector<double> times;
    for (int i = 0; i < kLoadRepeats; ++i)
    {
        const Clock::time_point start = Clock::now();
        std::unique_ptr<CScene> pScene(loader.pfnCreate(kRed565, kGreen565, kBlue565));
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return Median(times);
}

void MeasureSceneLoads()
{
    Platform::CVirtualClock clock;
    Platform::CHeadlessAudio audio(clock);
    Platform::Backend backend;
    backend.pAudio = &audio;
    backend.pClock = &clock;
    Platform::CScopedBackend scope(backend);
    // The virtual device only asks for some window to be named; no window is needed here.
    static char s_StandInWindow;
    CreateSoundEngine();
    if (g_pSoundEngine && !g_pSoundEngine->Init(reinterpret_cast<HWND>(&s_StandInWindow)))
        DestroySoundEngine();
    if (!g_pSoundEngine)
        std::fprintf(stderr, "bench_game: no sound engine, scenes load without their sounds\n");
    for (const SceneLoader& loader : kScenes)
        std::printf("FIGURE load_ms_%s %.2f\n", loader.pszName, MeasureLoadMs(loader));
    DestroySoundEngine();
}

// About kSessionMs of game time: the splash, rounds through every scene, then farewell and
// the credits, whose first click ends the game.
std::string SessionScript()
{
    // Long enough for the farewell voice and the pause after it.
    constexpr unsigned kFarewellMs = 15000;
    CSessionScript script;
    script.AddOpening();
    CSessionScript round;
    round.AddRound(true);
    while (script.Ms() + round.Ms() + kFarewellMs + 1000 <= kSessionMs)
        script.AddRound(true);
    script.ClickAndWait(SignInLayout::rcFarewell, std::max(kFarewellMs, kSessionMs - script.Ms() - 1000));
    script.ClickAndWait(LayoutRect{0, 0, 639, 479}, 1000);
    return script.Text();
}

// The game time of the session's last journal line; the visits of each scene go to stderr so
// that a session that went astray shows.
unsigned ReadSessionJournal(const std::string& strJournal)
{
    std::ifstream journal(strJournal);
    std::string strLine;
    unsigned nLast = 0;
    std::map<std::string, int> visits;
    while (std::getline(journal, strLine))
    {
        std::istringstream words(strLine);
        std::string strKind, strState, strClass;
        words >> nLast >> strKind;
        if (strKind == "scene" && words >> strState >> strClass)
            ++visits[strClass];
    }
    for (const auto& visit : visits)
        std::fprintf(stderr, "bench_game: %d visits of %s\n", visit.second, visit.first.c_str());
    return nLast;
}

int RunSession(const std::string& strRoot, const std::string& strHeadless)
{
    const CRunnerSession session(SessionScript());
    const Clock::time_point start = Clock::now();
    const pid_t pid = session.Start(strHeadless, strRoot, 900000);
    int nStatus = 0;
    rusage usage = {};
    if (pid < 0 || wait4(pid, &nStatus, 0, &usage) != pid)
        return 1;
    const double dWallMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const unsigned nGameMs = ReadSessionJournal(session.Journal());
    if (!WIFEXITED(nStatus) || WEXITSTATUS(nStatus) != 0)
        std::fprintf(stderr, "bench_game: the session ended with status %d\n", WEXITSTATUS(nStatus));
    std::fprintf(stderr, "bench_game: session of %u ms game time in %.0f ms\n", nGameMs, dWallMs);
    std::printf("FIGURE playthrough_speedup %.1f\n", nGameMs / dWallMs);
    std::printf("FIGURE peak_rss_mb %.1f\n", usage.ru_maxrss / 1024.0); // ru_maxrss is in KiB
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string strRoot = argc > 1 ? argv[1] : VELVINA_BENCH_CONTENT_ROOT;
    const std::string strHeadless = argc > 2 ? argv[2] : VELVINA_BENCH_HEADLESS;
    // The scenes name their files relative to the working directory.
    if (chdir(strRoot.c_str()) != 0)
    {
        std::fprintf(stderr, "bench_game: cannot enter %s\n", strRoot.c_str());
        return 1;
    }
    MeasureSceneLoads();
    std::fflush(stdout);
    return RunSession(strRoot, strHeadless);
}
