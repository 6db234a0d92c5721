// Tests of DebugTrace: line endings, formatting, the 256-byte limit, and whole lines on
// standard error when threads trace at once.
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
#pragma GCC diagnostic ignored "-Wformat-extra-args"
#pragma GCC diagnostic ignored "-Wformat-zero-length"
#include "trace/DebugTrace.h"
#include "tests/support/CapturedTrace.h"
#include "trace/TraceSink.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace
{

class DebugTraceTest : public ::testing::Test
{
protected:
    CCapturedTrace m_Capture;
};

TEST_F(DebugTraceTest, AppendsCarriageReturnLineFeedToEveryMessage)
{
    struct Case
    {
        const char* pszFormat;
        const char* pszExpected;
    };
    const Case cases[] = {
        {"Error: CreateClipper FAILED", "Error: CreateClipper FAILED\r\n"},
        {"Primary surface was lost.\n", "Primary surface was lost.\n\r\n"},
        {"\r\r", "\r\r\r\n"},
        {"", "\r\n"},
    };
    for (const Case& c : cases)
    {
        m_Capture.Clear();
        DebugTrace(c.pszFormat, 0);
        ASSERT_EQ(m_Capture.Messages().size(), 1u) << c.pszFormat;
        EXPECT_EQ(m_Capture.Messages()[0], c.pszExpected);
    }
}

TEST_F(DebugTraceTest, FormatsLikeSprintf)
{
    DebugTrace("RGB %s mask %.4x, count %d, long %ld", "red", 0xF800u, -3, 70000L);
    ASSERT_EQ(m_Capture.Messages().size(), 1u);
    EXPECT_EQ(m_Capture.Messages()[0], "RGB red mask f800, count -3, long 70000\r\n");
}

TEST_F(DebugTraceTest, LongTextIsCutAt253CharactersAndStillEndsTheLine)
{
    const std::string strLong(1000, 'x');
    DebugTrace("%s", strLong.c_str());
    ASSERT_EQ(m_Capture.Messages().size(), 1u);
    const std::string strMessage = m_Capture.Messages()[0];
    EXPECT_EQ(strMessage.size(), 255u);
    EXPECT_EQ(strMessage.substr(0, 253), std::string(253, 'x'));
    EXPECT_EQ(strMessage.substr(253), "\r\n");

    m_Capture.Clear();
    DebugTrace("%s", std::string(253, 'y').c_str());
    EXPECT_EQ(m_Capture.Messages()[0], std::string(253, 'y') + "\r\n");
}

// Threads tracing long messages at once through the standard-error sink: every line that
// reaches fd 2 (sent to a file by gtest's capture meanwhile) must be one whole message of one
// thread.
TEST(DebugTraceStderrTest, ConcurrentLongMessagesReachStandardErrorWhole)
{
    ASSERT_EQ(&Trace::CurrentTraceSink(), &Trace::DefaultTraceSink());
    constexpr int kThreads = 8;
    constexpr int kMessages = 2000;
    const auto body = [](int t) { return std::string(230, static_cast<char>('a' + t)); };
    testing::internal::CaptureStderr();
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back(
            [t, &body]
            {
                const std::string strBody = body(t);
                for (int i = 0; i < kMessages; ++i)
                    DebugTrace("%d %04d %s", t, i, strBody.c_str());
            });
    for (std::thread& thread : threads)
        thread.join();
    const std::string strText = testing::internal::GetCapturedStderr();

    std::vector<int> anNext(kThreads, 0); // each thread's messages arrive in its own order
    size_t nLines = 0;
    for (size_t nPos = 0; nPos < strText.size(); ++nLines)
    {
        const size_t nEnd = strText.find("\r\n", nPos);
        ASSERT_NE(nEnd, std::string::npos) << "unterminated tail at byte " << nPos;
        const std::string strLine = strText.substr(nPos, nEnd - nPos);
        nPos = nEnd + 2;
        const int t = strLine.empty() ? -1 : strLine[0] - '0';
        ASSERT_TRUE(t >= 0 && t < kThreads) << "line " << nLines << ": " << strLine;
        char szHead[16];
        std::snprintf(szHead, sizeof(szHead), "%d %04d ", t, anNext[t]++);
        ASSERT_EQ(strLine, szHead + body(t)) << "line " << nLines;
    }
    EXPECT_EQ(nLines, static_cast<size_t>(kThreads * kMessages));
}

} // namespace
