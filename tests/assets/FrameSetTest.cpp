// FrameSetTest.cpp: reading .mrm frame sets: the odd files that load and the damaged ones that
// do not. (Loading and decoding every frame of a set is part of the animation tests.)
#include "RecordBytes.h"

#include "assets/MRVFrameSet.h"
#include "tests/support/CapturedTrace.h"

#include <gtest/gtest.h>

#include <string>

using namespace AssetTest;

namespace
{

// The file with the 32-bit length at nEntry replaced.
Bytes WithLength(Bytes file, size_t nEntry, uint32_t dwLength)
{
    Platform::WriteLE32(file.data() + nEntry, dwLength);
    return file;
}

} // namespace

// Frame rate 0 is reported as stored; an empty set and bytes after the last record load.
TEST(FrameSet, OddButValidFilesLoad)
{
    Bytes tail = FrameSet(0, {StreamRecord(5, kAbcStream)});
    tail.insert(tail.end(), {1, 2, 3});
    const Bytes empty = FrameSet(5, {});
    CMRVFrameSet frames;
    EXPECT_TRUE(frames.LoadFromMemory(empty.data(), empty.size()));
    EXPECT_EQ(frames.GetFrameCount(), 0);
    ASSERT_TRUE(frames.LoadFromMemory(tail.data(), tail.size()));
    EXPECT_EQ(frames.GetFrameRate(), 0);
    EXPECT_EQ(frames.GetFrameCount(), 1);
    for (int nIndex : {-1, 1, 1000})
    {
        size_t nSize = 99;
        EXPECT_EQ(frames.GetFrameRecord(nIndex, &nSize), nullptr) << nIndex;
        EXPECT_EQ(nSize, 0u);
    }
    EXPECT_FALSE(frames.Load((::testing::TempDir() + "no-such-set.mrm").c_str()));
    EXPECT_EQ(frames.GetFrameCount(), 0);
}

TEST(FrameSet, TruncatedOrInconsistentFilesFailToLoad)
{
    const Bytes good = FrameSet(10, {StreamRecord(5, kAbcStream), StreamRecord(5, kAbcStream)});
    const size_t nSecondEntry = 8 + 4 + 25; // header, first length, first record
    auto withLength = [&](size_t nEntry, uint32_t dwLength) { return WithLength(good, nEntry, dwLength); };
    // A record whose data size disagrees with the entry around it.
    Bytes shortRecord = StreamRecord(5, kAbcStream);
    shortRecord.pop_back();
    Bytes oddRecordFile = FrameSet(10, {shortRecord});

    const struct
    {
        const char* pszName;
        Bytes file;
    } kCases[] = {
        {"shorter than the header", Bytes(good.begin(), good.begin() + 7)},
        {"frame count beyond the entries", Bytes(good.begin(), good.begin() + nSecondEntry)},
        {"length cut short", Bytes(good.begin(), good.begin() + nSecondEntry + 2)},
        {"record cut short", Bytes(good.begin(), good.end() - 1)},
        {"length past the end of the file", withLength(nSecondEntry, 26)},
        {"length shorter than a record header", withLength(nSecondEntry, 19)},
        {"last length shorter than a record header",
         WithLength(Bytes(good.begin(), good.begin() + nSecondEntry + 4 + 19), nSecondEntry, 19)},
        {"length longer than its record", withLength(8, 24)},
        {"record longer than its length", oddRecordFile},
    };
    CCapturedTrace sink;
    for (const auto& test : kCases)
    {
        SCOPED_TRACE(test.pszName);
        CMRVFrameSet fromMemory;
        EXPECT_FALSE(fromMemory.LoadFromMemory(test.file.data(), test.file.size()));
        EXPECT_EQ(fromMemory.GetFrameCount(), 0);
        EXPECT_EQ(fromMemory.GetFrameRate(), 0);

        CMRVFrameSet fromFile;
        ASSERT_TRUE(fromFile.LoadFromMemory(good.data(), good.size()));
        EXPECT_FALSE(fromFile.Load(WriteTempFile("bad.mrm", test.file).c_str()));
        EXPECT_EQ(fromFile.GetFrameCount(), 0);
    }
    EXPECT_NE(sink.Text().find("Error: Invalid frame set"), std::string::npos);
}
