// SoakBench.cpp: thousands of scene changes in one run of the game, watched from outside for
// memory that grows and threads that pile up. velvina-headless plays rounds through every
// scene (six scene changes each, with their voices, music and exit sounds) while this program
// samples the runner's resident set and thread count every few milliseconds, and follows the
// journal as it is written to tell the rounds apart. Prints:
//   soak_transitions     scene changes the journal shows
//   soak_rss_growth_kb   the resident set's peak in the last whole round minus its peak in the
//                        first round that starts after the first second (rounds are compared
//                        whole, so that neither a scene's load nor the final shut-down skews it)
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
#include <utility>
#include <vector>

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

// The journal as the runner writes it: counts the scene changes, and the rounds by the sign-in
// scene's entries.
class CJournalFollower
{
public:
    explicit CJournalFollower(std::string strPath) : m_strPath(std::move(strPath)) {}
    ~CJournalFollower()
    {
        if (m_pFile)
            std::fclose(m_pFile);
    }
    CJournalFollower(const CJournalFollower&) = delete;
    CJournalFollower& operator=(const CJournalFollower&) = delete;

    // Reads what has been written since the last call; returns the rounds begun so far.
    int Follow()
    {
        if (!m_pFile && !(m_pFile = std::fopen(m_strPath.c_str(), "r")))
            return m_nRounds;
        char szChunk[4096];
        while (std::fgets(szChunk, sizeof(szChunk), m_pFile))
        {
            m_strLine += szChunk;
            if (m_strLine.back() != '\n')
                continue;
            if (m_strLine.find(" scene ") != std::string::npos)
                ++m_nScenes;
            if (m_strLine.find(" scene 1 ") != std::string::npos)
                ++m_nRounds;
            m_strLine.clear();
        }
        std::clearerr(m_pFile);
        return m_nRounds;
    }
    int Transitions() const { return std::max(0, m_nScenes - 1); }

private:
    std::string m_strPath;
    std::FILE* m_pFile = nullptr;
    std::string m_strLine;
    int m_nScenes = 0;
    int m_nRounds = 0;
};

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

    // Sampled until the game has ended. Each round's peak is kept; round 0 is everything
    // before the first sign-in entry.
    CJournalFollower journal(session.Journal());
    std::vector<long> roundPeaksKb(1, 0);
    int nFirstRound = -1;
    long nPeakKb = 0, nThreadsMax = 0;
    int nStatus = 0;
    while (waitpid(pid, &nStatus, WNOHANG) == 0)
    {
        const ProcessSample sample = Sample(pid);
        const int nRound = journal.Follow();
        if (nFirstRound < 0 && Clock::now() - start >= std::chrono::seconds(1))
            nFirstRound = nRound + 1;
        if (sample.nRssKb > 0)
        {
            roundPeaksKb.resize(std::max<size_t>(roundPeaksKb.size(), nRound + 1), 0);
            roundPeaksKb[nRound] = std::max(roundPeaksKb[nRound], sample.nRssKb);
            nPeakKb = std::max(nPeakKb, sample.nRssKb);
            nThreadsMax = std::max(nThreadsMax, sample.nThreads);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    journal.Follow();
    const double dSeconds = std::chrono::duration<double>(Clock::now() - start).count();
    const int nTransitions = journal.Transitions();
    // The last round ends with the close request, not with a return to the sign-in screen.
    const int nLastRound = static_cast<int>(roundPeaksKb.size()) - 2;

    if (!WIFEXITED(nStatus) || WEXITSTATUS(nStatus) != 0 || nFirstRound < 1 || nLastRound <= nFirstRound)
    {
        std::fprintf(stderr, "bench_soak: the game ended with status %d after %.0f s\n", WEXITSTATUS(nStatus),
                     dSeconds);
        return 1;
    }
    std::fprintf(stderr, "bench_soak: %d scene changes in %.0f s (%u ms of game time)\n", nTransitions,
                 dSeconds, script.Ms());
    std::printf("FIGURE soak_transitions %d\n", nTransitions);
    std::printf("FIGURE soak_rss_growth_kb %ld\n", roundPeaksKb[nLastRound] - roundPeaksKb[nFirstRound]);
    std::printf("FIGURE soak_threads_max %ld\n", nThreadsMax - 1);
    std::printf("FIGURE soak_rss_peak_kb %ld\n", nPeakKb);
    return nTransitions >= nWanted ? 0 : 1;
}
