// ImageRecordTest.cpp: loading, making and decoding CMRVImage records, and refusing damaged ones.
#include "tests/assets/RecordBytes.h"

#include "graphics/MRVImage.h"
#include "tests/support/CapturedTrace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

using namespace AssetTest;

namespace
{

void ExpectEmpty(const CMRVImage& image)
{
    EXPECT_EQ(image.GetWidth(), 0);
    EXPECT_EQ(image.GetHeight(), 0);
    EXPECT_EQ(image.GetBufferSize(), 0u);
    EXPECT_EQ(image.GetDataSize(), 0u);
    EXPECT_EQ(image.GetFlags(), static_cast<DWORD>(MRVIMAGE_RAW));
    EXPECT_EQ(image.GetPixels(), nullptr);
}

std::string PixelText(const CMRVImage& image)
{
    return std::string(reinterpret_cast<const char*>(image.GetPixels()), image.GetBufferSize());
}

// A 2 x 2 raw picture, stored.
const Bytes kRawPixels = {0x01, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0x00, 0x00};

} // namespace

// Loaded by the game's backslash name.
TEST(ImageRecord, StoredRawRecordIsUsableAtOnce)
{
    std::string strPath = WriteTempFile("raw picture.mri", Record(2, 2, 2, 8, 8, kRawPixels));
    std::replace(strPath.begin(), strPath.end(), '/', '\\');
    CMRVImage image;
    ASSERT_TRUE(image.Load(strPath.c_str()));
    EXPECT_FALSE(image.IsCompressed());
    EXPECT_EQ(image.GetWidth(), 2);
    EXPECT_EQ(image.GetHeight(), 2);
    EXPECT_EQ(image.GetDataSize(), image.GetBufferSize());
    EXPECT_EQ(0, std::memcmp(image.GetPixels(), kRawPixels.data(), kRawPixels.size()));
}

// A second load replaces the picture; a failed one leaves the image empty.
TEST(ImageRecord, ReloadReplacesThePictureAndAFailedLoadEmptiesIt)
{
    CMRVImage image;
    ASSERT_TRUE(image.Load(WriteTempFile("first.mri", Record(2, 2, 2, 8, 8, kRawPixels)).c_str()));
    ASSERT_TRUE(image.Load(WriteTempFile("second.mri", StreamRecord(5, kAbcStream)).c_str()));
    EXPECT_EQ(image.GetBufferSize(), 5u);
    EXPECT_EQ(image.GetDataSize(), 5u);
    EXPECT_TRUE(image.IsCompressed());
    EXPECT_FALSE(image.Load((::testing::TempDir() + "no-such-picture.mri").c_str()));
    ExpectEmpty(image);
    EXPECT_FALSE(image.Decompress(nullptr));
    ExpectEmpty(image);
}

// Every block of the payload is decoded, the second continuing the first's model and history;
// bytes the blocks do not produce stay 0, or keep what the caller's scratch held.
TEST(ImageRecord, DecompressRunsEveryBlockAndClearsTheCompressedBit)
{
    Bytes twoBlocks = kAbcStream;
    twoBlocks.insert(twoBlocks.end(), kAbcStream.begin(), kAbcStream.end());
    const struct
    {
        Bytes stream;
        DWORD dwBufferSize;
        bool bScratch;
        std::string strPixels;
    } kCases[] = {
        {kAbcStream, 5, false, std::string("abc\0\0", 5)},
        {twoBlocks, 10, false, std::string("abcabc\0\0\0\0", 10)},
        {kAbcStream, 6, true, "abcxxx"},
    };
    for (const auto& test : kCases)
    {
        SCOPED_TRACE(test.strPixels);
        const Bytes record = StreamRecord(test.dwBufferSize, test.stream);
        CMRVImage image;
        ASSERT_TRUE(image.LoadFromMemory(record.data(), record.size()));
        Bytes scratch(test.dwBufferSize, 'x');
        ASSERT_TRUE(image.Decompress(test.bScratch ? scratch.data() : nullptr));
        EXPECT_FALSE(image.IsCompressed());
        EXPECT_EQ(image.GetDataSize(), test.dwBufferSize);
        EXPECT_EQ(PixelText(image), test.strPixels);
    }
}

TEST(ImageRecord, FailedDecompressLeavesImageUnchanged)
{
    const struct
    {
        const char* pszName;
        Bytes stream;
    } kCases[] = {
        {"empty payload", {}},
        {"code past the last symbol", {0xFF, 0xFF}},
        {"input ends before the end of the block", {0x8E, 0x8F}},
    };
    for (const auto& test : kCases)
    {
        SCOPED_TRACE(test.pszName);
        const Bytes record = StreamRecord(3, test.stream);
        CMRVImage image;
        ASSERT_TRUE(image.LoadFromMemory(record.data(), record.size()));
        const BYTE* pPixels = image.GetPixels();
        const Bytes before(pPixels, pPixels + image.GetDataSize());
        EXPECT_FALSE(image.Decompress(nullptr));
        EXPECT_TRUE(image.IsCompressed());
        EXPECT_EQ(image.GetPixels(), pPixels);
        EXPECT_EQ(image.GetBufferSize(), 3u);
        EXPECT_EQ(image.GetDataSize(), test.stream.size());
        EXPECT_EQ(Bytes(pPixels, pPixels + image.GetDataSize()), before);
    }
}

// Records each loader must refuse, leaving the image empty: cut short in the header, the payload
// or the file, or breaking a rule of the header (every rule has its own case in the asset tests).
TEST(ImageRecord, DamagedRecordsFailToLoad)
{
    const struct
    {
        const char* pszName;
        Bytes record;
        bool bHeaderFault; // detectable from the header alone (unbounded LoadFromMemory)
    } kCases[] = {
        {"header cut short", Bytes{'M', 'R', 'V', 'X', 2, 0, 0, 0, 2, 0}, false},
        {"data size above buffer size", Record(1, 0, 0, 4, 5, {1, 2, 3, 4, 5}), true},
        {"payload cut short", Record(8, 0, 0, 10, 10, {1, 2, 3, 4}), false},
        {"4 GiB from five bytes of stream", Record(9, 65535, 65535, 0xFFFFFFFF, 5, kAbcStream), true},
        {"stored picture larger than its file", Record(2, 4096, 4096, 4096u * 4096 * 2, 4096u * 4096 * 2, {}),
         false},
    };
    CCapturedTrace sink;
    for (const auto& test : kCases)
    {
        SCOPED_TRACE(test.pszName);
        CMRVImage fromFile;
        ASSERT_TRUE(fromFile.Create(2, 2, FALSE));
        EXPECT_FALSE(fromFile.Load(WriteTempFile("damaged.mri", test.record).c_str()));
        ExpectEmpty(fromFile);

        CMRVImage bounded;
        EXPECT_FALSE(bounded.LoadFromMemory(test.record.data(), test.record.size()));
        ExpectEmpty(bounded);

        if (test.bHeaderFault)
        {
            CMRVImage unbounded;
            EXPECT_FALSE(unbounded.LoadFromMemory(test.record.data()));
            ExpectEmpty(unbounded);
        }
    }
    EXPECT_NE(sink.Text().find("Error: Invalid image record"), std::string::npos);
}

TEST(ImageRecord, ConsistentRecordsOfEveryKindLoad)
{
    const struct
    {
        const char* pszName;
        Bytes record;
    } kCases[] = {
        {"compressed run-coded", Record(9, 7, 7, 100, 5, kAbcStream)},
        {"stored run-coded", Record(8, 1, 1, 14, 14, {1, 0, 1, 0, 0, 0, 5, 0, 2, 0, 0, 0, 0, 0})},
        {"empty stored picture", Record(2, 0, 0, 0, 0, {})},
        {"bytes after the payload", Record(2, 1, 1, 2, 2, {1, 2, 3, 4, 5})},
    };
    for (const auto& test : kCases)
    {
        SCOPED_TRACE(test.pszName);
        CMRVImage image;
        EXPECT_TRUE(image.Load(WriteTempFile("good.mri", test.record).c_str()));
        CMRVImage fromMemory;
        EXPECT_TRUE(fromMemory.LoadFromMemory(test.record.data(), test.record.size()));
        EXPECT_EQ(fromMemory.GetFlags(), image.GetFlags());
        EXPECT_EQ(fromMemory.GetDataSize(), image.GetDataSize());
    }
}
