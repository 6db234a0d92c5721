// SoakBench.cpp: thousands of scene changes in one run of the game, watched from outside for
// memory that grows and threads that pile up. velvina-headless plays rounds through every
// scene (six scene changes each, with their voices, music and exit sounds) while this program
// samples the runner's resident set and thread count every few milliseconds. Prints:
//   soak_transitions     scene changes the journal shows
//   soak_rss_growth_kb   resident set at the last sample minus the one after the first second
//   soak_threads_max     most threads besides the main one at any sample: the streamed sounds'
//                        workers (the first sign-in visit streams three: its greeting, the
//                        farewell voice waiting to be played, and the music)
//   soak_rss_peak_kb     largest resident set sampled
// Usage: bench_soak [CONTENT_ROOT [HEADLESS_PATH [TRANSITIONS]]]; defaults: the build's, 5000.
#include "SessionScript.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace
{

using Clock = std::chrono::steady_clock;

constexpr int kTransitionsPerRound = 6;

struct ProcessSample
{
    long nRssKb = -1;
    long nThreads = -1;
};

// VmRSS and Threads of a running process; -1 when it has gone.
ProcessSample Sample(pid_t pid)
{
    ProcessSample sample;
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string strLine;
    while (std::getline(status, strLine))
    {
        std::istringstream words(strLine);
        std::string strKey;
        words >> strKey;
        if (strKey == "VmRSS:")
            words >> sample.nRssKb;
        else if (strKey == "Threads:")
            words >> sample.nThreads;
    }
    return sample;
}

int CountTransitions(const std::string& strJournal)
{
    std::ifstream journal(strJournal);
    std::string strLine;
    int nScenes = 0;
    while (std::getline(journal, strLine))
        nScenes += strLine.find(" scene ") != std::string::npos ? 1 : 0;
    return std::max(0, nScenes - 1);
}

} // namespace

int main(int argc, char** argv)
{
    const std::string strRoot = argc > 1 ? argv[1] : VELVINA_BENCH_CONTENT_ROOT;
    const std::string strHeadless = argc > 2 ? argv[2] : VELVINA_BENCH_HEADLESS;
    const int nWanted = argc > 3 ? std::atoi(argv[3]) : 5000;

    CSessionScript script;
    script.AddOpening();
    for (int nTransitions = 1; nTransitions < nWanted; nTransitions += kTransitionsPerRound)
        script.AddRound(false);

    const CRunnerSession session(script.Text());
    const Clock::time_point start = Clock::now();
    const pid_t pid = session.Start(strHeadless, strRoot, script.Ms() + 60000);
    if (pid < 0)
        return 1;

    // Sampled until the game has ended; the last sample is taken while it still runs.
    long nFirstSecondKb = -1, nLastKb = -1, nPeakKb = 0, nThreadsMax = 0;
    int nStatus = 0;
    while (waitpid(pid, &nStatus, WNOHANG) == 0)
    {
        const ProcessSample sample = Sample(pid);
        if (sample.nRssKb > 0)
        {
            nLastKb = sample.nRssKb;
            nPeakKb = std::max(nPeakKb, sample.nRssKb);
            nThreadsMax = std::max(nThreadsMax, sample.nThreads);
            if (nFirstSecondKb < 0 && Clock::now() - start >= std::chrono::seconds(1))
                nFirstSecondKb = sample.nRssKb;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const double dSeconds = std::chrono::duration<double>(Clock::now() - start).count();
    const int nTransitions = CountTransitions(session.Journal());

    if (!WIFEXITED(nStatus) || WEXITSTATUS(nStatus) != 0 || nFirstSecondKb < 0)
    {
        std::fprintf(stderr, "bench_soak: the game ended with status %d after %.0f s\n", WEXITSTATUS(nStatus),
                     dSeconds);
        return 1;
    }
    std::fprintf(stderr, "bench_soak: %d scene changes in %.0f s (%u ms of game time)\n", nTransitions,
                 dSeconds, script.Ms());
    std::printf("FIGURE soak_transitions %d\n", nTransitions);
    std::printf("FIGURE soak_rss_growth_kb %ld\n", nLastKb - nFirstSecondKb);
    std::printf("FIGURE soak_threads_max %ld\n", nThreadsMax - 1);
    std::printf("FIGURE soak_rss_peak_kb %ld\n", nPeakKb);
    return nTransitions >= nWanted ? 0 : 1;
}
