// FrameSetTest.cpp: reading .mrm frame sets and handing their records to CMRVImage.
#include "RecordBytes.h"

#include "assets/MRVFrameSet.h"
#include "graphics/MRVImage.h"
#include "tests/support/CapturedTrace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace AssetTest;

namespace
{

// The frames of a set decoded as an animation does: each record loaded from memory with its
// size and decoded with one shared scratch buffer.
std::vector<std::string> DecodeFrames(const CMRVFrameSet& frames)
{
    std::vector<std::string> texts;
    std::vector<BYTE> scratch;
    for (int i = 0; i < frames.GetFrameCount(); ++i)
    {
        size_t nSize = 0;
        const BYTE* pRecord = frames.GetFrameRecord(i, &nSize);
        CMRVImage image;
        if (!image.LoadFromMemory(pRecord, nSize))
            return {};
        if (scratch.size() < image.GetBufferSize())
            scratch.resize(image.GetBufferSize());
        if (!image.Decompress(scratch.data()))
            return {};
        texts.emplace_back(reinterpret_cast<const char*>(image.GetPixels()), image.GetBufferSize());
    }
    return texts;
}

// "abcabcabc": three literals and a match repeating them.
const Bytes kAbc3Stream = {0x8E, 0x8F, 0x90, 0x08, 0x00, 0xFF, 0xA0};

// The file with the 32-bit length at nEntry replaced.
Bytes WithLength(Bytes file, size_t nEntry, uint32_t dwLength)
{
    Platform::WriteLE32(file.data() + nEntry, dwLength);
    return file;
}

} // namespace

TEST(FrameSet, LoadsFramesAndTheirRecords)
{
    const Bytes file = FrameSet(12, {StreamRecord(5, kAbcStream), StreamRecord(9, kAbc3Stream)});
    CMRVFrameSet frames;
    ASSERT_TRUE(frames.Load(WriteTempFile("two.mrm", file).c_str()));
    EXPECT_EQ(frames.GetFrameRate(), 12);
    ASSERT_EQ(frames.GetFrameCount(), 2);
    size_t nSize = 0;
    EXPECT_NE(frames.GetFrameRecord(1, &nSize), nullptr);
    EXPECT_EQ(nSize, 20u + kAbc3Stream.size());
    EXPECT_EQ(DecodeFrames(frames), (std::vector<std::string>{std::string("abc\0\0", 5), "abcabcabc"}));
}

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
