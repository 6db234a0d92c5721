// RecordRulesTest.cpp: the rules every loader applies to an image record's header, and the
// checked reading of run-coded payloads, each refusal with its own fault.
#include "RecordBytes.h"

#include "assets/MRVCodecModel.h"
#include "assets/MRVRecord.h"
#include "assets/MRVRunCoding.h"

#include <gtest/gtest.h>

#include <vector>

using namespace AssetTest;

TEST(RecordRules, EachBrokenRuleHasItsOwnFault)
{
    constexpr DWORD C = MRVIMAGE_COMPRESSED, R = MRVIMAGE_RAW, K = MRVIMAGE_COLORKEY, L = MRVIMAGE_RUNCODED;
    const uint64_t nRunMax = MRVRunCoding::MaxPayloadSize(640, 480); // 8 bytes a position, then the end
    const DWORD dwStreamMax = static_cast<DWORD>(MRVCodec::MaxDecodedSize(1000));
    const struct
    {
        const char* pszName;
        MRVRecordHeader header;
        uint64_t nPayloadBytes;
        MRVRecordFault expected;
    } kCases[] = {
        {"stored raw picture", Header(R, 640, 480, 614400, 614400), 614400, MRVRECORD_OK},
        {"colour-keyed, bytes after the payload", Header(R | K, 2, 2, 8, 8), 100, MRVRECORD_OK},
        {"stored run list of the largest size", Header(L, 640, 480, DWORD(nRunMax), DWORD(nRunMax)), nRunMax,
         MRVRECORD_OK},
        {"compressed run list, largest size", Header(C | L, 640, 480, DWORD(nRunMax), 20000), 20000,
         MRVRECORD_OK},
        {"stream at its largest expansion", Header(C, 0, 0, dwStreamMax, 1000), 1000, MRVRECORD_OK},
        {"empty stream, small buffer", Header(C, 0, 0, 3, 0), 0, MRVRECORD_OK},
        {"data size above buffer size", Header(C | R, 2, 2, 8, 9), 9, MRVRECORD_DATA_ABOVE_BUFFER},
        {"stored payload short of its buffer", Header(L, 7, 7, 100, 99), 99, MRVRECORD_STORED_NOT_FULL},
        {"raw buffer not width x height x 2", Header(C | R, 640, 480, 614402, 5000), 5000,
         MRVRECORD_RAW_SIZE},
        {"raw picture of 0 x 0 with a buffer", Header(R, 0, 0, 2, 2), 2, MRVRECORD_RAW_SIZE},
        {"run list one byte over the largest", Header(L, 640, 480, DWORD(nRunMax + 1), DWORD(nRunMax + 1)),
         nRunMax + 1, MRVRECORD_RUNCODED_TOO_LARGE},
        {"4 GiB run list for a screen", Header(C | L, 640, 480, 0xFFFFFFFF, 5), 5,
         MRVRECORD_RUNCODED_TOO_LARGE},
        {"stream one byte past its expansion", Header(C, 0, 0, dwStreamMax + 1, 1000), 1000,
         MRVRECORD_STREAM_TOO_SHORT},
        {"4 GiB from a few bytes, largest picture", Header(C | L, 65535, 65535, 0xFFFFFFFF, 5), 5,
         MRVRECORD_STREAM_TOO_SHORT},
        {"payload cut short", Header(R, 4096, 4096, 4096u * 4096 * 2, 4096u * 4096 * 2), 100,
         MRVRECORD_PAYLOAD_CUT_SHORT},
    };
    for (const auto& test : kCases)
    {
        SCOPED_TRACE(test.pszName);
        EXPECT_EQ(CheckRecord(test.header, test.nPayloadBytes), test.expected);
        // The limit the animation checks before allocating frames never refuses a valid record.
        if (test.expected == MRVRECORD_OK)
            EXPECT_LE(test.header.dwBufferSize, RecordBufferLimit(test.header));
        else
            EXPECT_STRNE(RecordFaultText(test.expected), "unknown fault");
    }
}

TEST(RecordRules, HeaderBytesRoundTripLittleEndian)
{
    const MRVRecordHeader header = Header(0x01020309, 0x0280, 0x01E0, 0xA1B2C3D4, 0x00010203);
    Bytes bytes(MRVIMAGE_HEADER_SIZE);
    WriteRecordHeader(header, bytes.data());
    EXPECT_EQ(bytes, (Bytes{'M',  'R',  'V',  'X',  0x09, 0x03, 0x02, 0x01, 0x80, 0x02,
                            0xE0, 0x01, 0xD4, 0xC3, 0xB2, 0xA1, 0x03, 0x02, 0x01, 0x00}));
    MRVRecordHeader read;
    ReadRecordHeader(bytes.data(), &read);
    EXPECT_EQ(read.dwBufferSize, header.dwBufferSize);
    EXPECT_EQ(read.wHeight, header.wHeight);
    EXPECT_EQ(read.dwDataSize, header.dwDataSize);
}

TEST(RunLists, CheckedReadingNamesTheFirstBrokenRule)
{
    using namespace MRVRunCoding;
    const struct
    {
        const char* pszName;
        Bytes runs;
        RunFault expected;
        uint64_t nCovered; // positions handed out before the fault
    } kCases[] = {
        {"two runs cover the four positions",
         {0, 0, 1, 0, 0, 0, 1, 0, 3, 0, 0, 0, 1, 2, 3, 4, 5, 6, 2, 0, 0, 0, 0, 0},
         RUNFAULT_NONE,
         4},
        {"an end record of one byte", {0, 0, 4, 0, 0, 0, 2}, RUNFAULT_NONE, 4},
        {"no end record", {0, 0, 4, 0, 0, 0}, RUNFAULT_NO_END, 4},
        {"empty run", {0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0, 2, 0, 0, 0, 0, 0}, RUNFAULT_EMPTY_RUN, 0},
        {"run past the last position", {0, 0, 3, 0, 0, 0, 0, 0, 2, 0, 0, 0, 2, 0}, RUNFAULT_PAST_PICTURE, 3},
        {"huge run", {0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0, 0, 0}, RUNFAULT_PAST_PICTURE, 0},
        {"too few positions", {0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 0, 0}, RUNFAULT_TOO_FEW_POSITIONS, 3},
        {"unknown type", {7, 0, 4, 0, 0, 0, 2, 0, 0, 0, 0, 0}, RUNFAULT_UNKNOWN_TYPE, 0},
        {"record header cut short", {1, 0, 4}, RUNFAULT_RECORD_CUT_SHORT, 0},
        {"opaque pixels cut short", {1, 0, 4, 0, 0, 0, 1, 2, 3, 4}, RUNFAULT_PIXELS_CUT_SHORT, 0},
        {"empty payload", {}, RUNFAULT_NO_END, 0},
    };
    for (const auto& test : kCases)
    {
        SCOPED_TRACE(test.pszName);
        uint64_t nOpaque = 0;
        const RunListCheck check =
            DecodeRunList(test.runs.data(), test.runs.size(), 4,
                          [&](uint64_t, const BYTE*, uint32_t nCount) { nOpaque += nCount; });
        EXPECT_EQ(check.fault, test.expected);
        EXPECT_EQ(check.nPosition, test.nCovered);
        EXPECT_STRNE(RunFaultText(check.fault), "unknown fault");
    }
}
