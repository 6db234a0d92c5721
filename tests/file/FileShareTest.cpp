// Tests of share modes and byte-range locks between two CMRVFile objects of one process.
#include "FileTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace
{

using FileTest::CanOpen;
using FileTest::kOpenFailedText;
using FileTest::Raises;
using FileTest::ReadBytes;
using FileTest::WriteBytes;

constexpr DWORD R = CMRVFile::AccessRead;
constexpr DWORD W = CMRVFile::AccessWrite;
constexpr DWORD RW = CMRVFile::AccessReadWrite;
constexpr DWORD kNone = CMRVFile::ShareExclusive;
constexpr DWORD kRead = CMRVFile::ShareAllowRead;
constexpr DWORD kWrite = CMRVFile::ShareAllowWrite;
constexpr DWORD kAll = CMRVFile::ShareAllowAll;

class FileShareTest : public ::testing::Test
{
protected:
    FileShareTest() { WriteBytes(m_strPath, "0123456789"); }

    FileTest::TempFolder m_Folder;
    const std::string m_strPath = m_Folder.Path("shared.bin");
};

// A second open succeeds only when the first one's share mode allows its access and its own
// share mode allows the first one's access; closing the first always lets it through.
TEST_F(FileShareTest, SecondOpenHonoursBothShareModes)
{
    struct Case
    {
        DWORD dwFirst;
        DWORD dwSecond;
        bool bAdmitted;
    };
    const Case cases[] = {
        {R | kNone, R | kNone, false}, {R | 0x10, R | kAll, false},    {R | kNone, R | kAll, false},
        {R | kRead, R | kRead, true},  {R | kRead, R | kNone, false},  {R | kRead, W | kAll, false},
        {R | kWrite, W | kAll, true},  {R | kWrite, R | kAll, false},  {RW | kAll, RW | kAll, true},
        {RW | kAll, R | kRead, false}, {RW | kAll, R | kWrite, false}, {W | kRead, R | kWrite, true},
        {W | kRead, R | kAll, true},   {W | kNone, R | kAll, false},   {W | kAll, W | kAll, true},
        {R | kAll, RW | kRead, true},  {W | kRead, W | kAll, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(::testing::Message() << std::hex << c.dwFirst << " then " << c.dwSecond);
        CMRVFile first;
        first.Open(m_strPath, c.dwFirst);
        EXPECT_EQ(CanOpen(m_strPath, c.dwSecond), c.bAdmitted);
        first.Close();
        EXPECT_TRUE(CanOpen(m_strPath, c.dwSecond));
    }
}

// A refused open, even one that would create, touches neither the file nor the object.
TEST_F(FileShareTest, RefusedOpenLeavesTheContentsAndTheObject)
{
    CMRVFile first;
    first.Open(m_strPath, 0);
    CMRVFile second;
    EXPECT_TRUE(Raises([&] { second.Open(m_strPath, CMRVFile::OpenCreate | W | kAll); }, 4, kOpenFailedText));
    EXPECT_EQ(second.GetFileName(), "");
    // Read back once the file is free: while held without sharing, Windows refuses every reader.
    first.Close();
    EXPECT_EQ(ReadBytes(m_strPath), "0123456789");
}

#ifndef _WIN32
TEST_F(FileShareTest, AnotherProcessIsRefusedToo)
{
    CMRVFile first;
    first.Open(m_strPath, 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        ::_exit(CanOpen(m_strPath, 0) ? 1 : 0);
    int nStatus = -1;
    ASSERT_EQ(::waitpid(child, &nStatus, 0), child);
    EXPECT_TRUE(WIFEXITED(nStatus) && WEXITSTATUS(nStatus) == 0)
        << "the child opened a file held exclusively";
    first.Close();
}
#endif

// Two threads open the file exclusively at the same moment, round after round, and hold it until
// both have tried: at most one of them may ever get it.
TEST_F(FileShareTest, RacingExclusiveOpensNeverBothSucceed)
{
    constexpr int kRounds = 2000;
    std::atomic<int> nArrived{0};
    std::atomic<int> nTried{0};
    std::atomic<int> nAdmittedThisRound{0};
    std::atomic<bool> bBothAdmitted{false};
    auto waitFor = [](std::atomic<int>& nCount, int nTarget)
    {
        while (nCount.load() < nTarget)
            std::this_thread::yield();
    };
    auto race = [&]
    {
        for (int nRound = 1; nRound <= kRounds; ++nRound)
        {
            // Meet the other thread, try, and hold the file until it has tried too.
            nArrived.fetch_add(1);
            waitFor(nArrived, 2 * nRound);
            CMRVFile file;
            const bool bAdmitted = FileTest::TryOpen(file, m_strPath, 0);
            if (bAdmitted && nAdmittedThisRound.fetch_add(1) == 1)
                bBothAdmitted = true;
            nTried.fetch_add(1);
            waitFor(nTried, 2 * nRound);
            if (bAdmitted)
            {
                nAdmittedThisRound.fetch_sub(1);
                file.Close();
            }
        }
    };
    std::thread other(race);
    race();
    other.join();
    EXPECT_FALSE(bBothAdmitted.load());
}

TEST_F(FileShareTest, LockedRangesExcludeOtherHandlesUntilUnlocked)
{
    const char* pszLock = "CMRVFile, Attempt to LockRange() has failed.";
    const char* pszUnlock = "CMRVFile, Attempt to UnlockRange() has failed.";
    CMRVFile first;
    CMRVFile second;
    first.Open(m_strPath, R | kAll);
    second.Open(m_strPath, RW | kAll);

    first.LockRange(2, 4); // bytes 2..5
    EXPECT_TRUE(Raises([&] { second.LockRange(5, 3); }, 9, pszLock));
    EXPECT_TRUE(Raises([&] { second.LockRange(0, 0xFFFFFFFF); }, 9, pszLock));
    EXPECT_TRUE(Raises([&] { first.LockRange(3, 1); }, 9, pszLock)); // overlaps its own range
    EXPECT_NO_THROW(second.LockRange(6, 4));
    EXPECT_NO_THROW(second.LockRange(0, 2));
    EXPECT_NO_THROW(second.LockRange(0xFFFFFF00u, 0xFF)); // the far end of the 32-bit range

    EXPECT_TRUE(Raises([&] { first.UnlockRange(2, 3); }, 16, pszUnlock)); // not the range it locked
    EXPECT_TRUE(Raises([&] { first.UnlockRange(6, 4); }, 16, pszUnlock)); // the other handle's
    first.UnlockRange(2, 4);
    EXPECT_TRUE(Raises([&] { first.UnlockRange(2, 4); }, 16, pszUnlock));
    EXPECT_NO_THROW(second.LockRange(2, 4));

    // Closing a handle releases its ranges.
    second.Close();
    EXPECT_NO_THROW(first.LockRange(0, 10));
    first.Close();
}

TEST_F(FileShareTest, RangeLocksDoNotDisturbShareModes)
{
    CMRVFile first;
    first.Open(m_strPath, R | kRead);
    first.LockRange(0, 0xFFFFFFFF);
    first.UnlockRange(0, 0xFFFFFFFF);
    EXPECT_TRUE(CanOpen(m_strPath, R | kRead));
    EXPECT_FALSE(CanOpen(m_strPath, RW | kAll));
    first.Close();
}

} // namespace
