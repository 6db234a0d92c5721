// SoundFileAndThreadsTest.cpp: the sound file's header layout, and the event groups the
// streaming workers wait on.
#include "SoundTestSupport.h"

#include "platform/Threads.h"

#include <atomic>
#include <thread>

using namespace SoundTest;
using namespace Platform;

namespace
{

// The written header matches the file layout byte for byte, keeps bytes 0-3, and reads back.
TEST(SoundFileTest, WrittenHeaderHasTheFileLayout)
{
    const WaveFormat format = {kWaveFormatPcm, 2, 0x00012345, 0x0004AB14, 4, 16, 0x0102};
    const std::vector<BYTE> expected = SoundFileBytes(format, {}, 0xA1B2C3D4);
    std::vector<BYTE> written = {'M', 'R', 'V', 'S'};
    written.resize(kSoundHeaderSize, 0xEE);
    WriteSoundHeader(MRVSoundHeader{format, 0xA1B2C3D4}, written.data());
    EXPECT_EQ(written, expected);

    MRVSoundHeader read = {};
    ASSERT_TRUE(ParseSoundHeader(written.data(), written.size(), &read));
    EXPECT_EQ(read.format.nSamplesPerSec, format.nSamplesPerSec);
    EXPECT_EQ(read.format.nAvgBytesPerSec, format.nAvgBytesPerSec);
    EXPECT_EQ(read.format.cbSize, format.cbSize);
    EXPECT_EQ(read.dwDataLength, 0xA1B2C3D4u);
}

TEST(EventGroupTest, LowestSetEventIsTakenFirstAndResets)
{
    CEventGroup events(3);
    events.Set(2);
    events.Set(0);
    events.Set(0);
    EXPECT_EQ(events.WaitAny(0), 0u);
    EXPECT_EQ(events.WaitAny(0), 2u);
    EXPECT_EQ(events.WaitAny(1), kWaitTimeout);
    events.Set(7); // out of range: ignored
    EXPECT_EQ(events.WaitAny(0), kWaitTimeout);
    events.Close();
    events.Set(1);
    EXPECT_EQ(events.WaitAny(kWaitInfinite), kWaitFailed);
}

// A consumer that counts what it takes; the driver only goes on once it is waiting again.
TEST(EventGroupTest, WaitUntilIdleWaitsForTheConsumerToComeBack)
{
    CEventGroup events(2);
    std::atomic<int> nTaken{0};
    std::atomic<int> nPolls{0};
    std::thread consumer(
        [&]
        {
            for (;;)
            {
                const DWORD dwWait = events.WaitAny(nTaken.load() >= 5 ? 50 : kWaitInfinite);
                if (dwWait == kWaitFailed)
                    return;
                if (dwWait == kWaitTimeout)
                    ++nPolls;
                else
                {
                    SleepRealTime(1);
                    ++nTaken;
                }
            }
        });
    for (int i = 1; i <= 5; ++i)
    {
        events.Set(i % 2);
        EXPECT_TRUE(events.WaitUntilIdle(5000));
        EXPECT_EQ(nTaken.load(), i);
    }
    // A polling consumer is nudged into one more look before it counts as idle.
    EXPECT_TRUE(events.WaitUntilIdle(5000));
    const int nBefore = nPolls.load();
    events.Nudge();
    EXPECT_TRUE(events.WaitUntilIdle(5000));
    EXPECT_GE(nPolls.load(), nBefore + 1);
    events.Close();
    consumer.join();
    EXPECT_TRUE(events.WaitUntilIdle(0));
}

} // namespace
