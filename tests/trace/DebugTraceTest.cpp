// Tests of DebugTrace: line endings, formatting and the 256-byte limit.
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
#pragma GCC diagnostic ignored "-Wformat-extra-args"
#pragma GCC diagnostic ignored "-Wformat-zero-length"
#include "trace/DebugTrace.h"
#include "tests/support/CapturedTrace.h"

#include <gtest/gtest.h>

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

TEST_F(DebugTraceTest, ConcurrentCallersProduceWholeMessages)
{
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([t] {
            for (int i = 0; i < 200; ++i)
                DebugTrace("thread %d message %d", t, i);
        });
    for (std::thread& thread : threads)
        thread.join();
    const std::vector<std::string> messages = m_Capture.Messages();
    ASSERT_EQ(messages.size(), 800u);
    for (const std::string& strMessage : messages)
    {
        ASSERT_EQ(strMessage.rfind("thread ", 0), 0u);
        ASSERT_EQ(strMessage.substr(strMessage.size() - 2), "\r\n");
    }
}

} // namespace
