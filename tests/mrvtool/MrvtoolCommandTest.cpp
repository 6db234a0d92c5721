// MrvtoolCommandTest.cpp: mrvtool run as a separate process, as the content build runs it.
#include "WaveBytes.h"

#include "assets/MRVRecord.h"
#include "tools/common/FileBytes.h"
#include "tools/mrvtool/ContentFormats.h"
#include "tools/mrvtool/Pixel565.h"
#include "tools/mrvtool/PngIO.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;
using MRVPacker::Picture;

namespace
{

struct ToolRun
{
    int nStatus = -1;
    std::string strOut;
    std::string strErr;
};

class MrvtoolCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const ::testing::TestInfo* pInfo = ::testing::UnitTest::GetInstance()->current_test_info();
        m_strDir = ::testing::TempDir() + "mrvtool_" + pInfo->name() + "/";
        std::filesystem::remove_all(m_strDir);
        std::filesystem::create_directories(m_strDir);
    }

    std::string Path(const std::string& strName) const { return m_strDir + strName; }

    // strShell runs before the tool in the same shell (limits, signal dispositions).
    ToolRun Run(const std::vector<std::string>& args, const std::string& strShell = "") const
    {
        std::string strCommand = strShell + "'" MRVTOOL_PATH "'";
        for (const std::string& strArg : args)
            strCommand += " '" + strArg + "'";
        strCommand += " >'" + Path("stdout.txt") + "' 2>'" + Path("stderr.txt") + "'";
        ToolRun run;
        const int nRaw = std::system(strCommand.c_str());
        run.nStatus = WIFEXITED(nRaw) ? WEXITSTATUS(nRaw) : -1;
        run.strOut = ReadText(Path("stdout.txt"));
        run.strErr = ReadText(Path("stderr.txt"));
        return run;
    }

    static Bytes ReadBytes(const std::string& strPath)
    {
        Bytes bytes;
        std::string strError;
        EXPECT_TRUE(ToolFiles::ReadFileBytes(strPath, &bytes, &strError)) << strPath << ": " << strError;
        return bytes;
    }

    static std::string ReadText(const std::string& strPath)
    {
        const Bytes bytes = ReadBytes(strPath);
        return std::string(bytes.begin(), bytes.end());
    }

    static void WriteBytes(const std::string& strPath, const Bytes& bytes)
    {
        std::string strError;
        EXPECT_TRUE(ToolFiles::WriteFileBytes(strPath, bytes, &strError)) << strPath << ": " << strError;
    }

    std::string WritePicture(const std::string& strName, const Picture& picture) const
    {
        std::string strError;
        EXPECT_TRUE(MRVTool::WritePng(Path(strName), picture, &strError)) << strError;
        return Path(strName);
    }

    std::string m_strDir;
};

// A picture of varied colours; with bTransparent some pixels (including whole stretches that
// cross row ends) have alpha below half, and one is just at half (opaque).
Picture TestPicture(bool bTransparent)
{
    Picture picture;
    picture.nWidth = 45;
    picture.nHeight = 21;
    for (uint32_t y = 0; y < picture.nHeight; ++y)
        for (uint32_t x = 0; x < picture.nWidth; ++x)
        {
            // Bands of a few pixels, so that the picture compresses.
            const uint32_t u = x / 5, v = y / 3;
            const bool bClear = bTransparent && (u + v * 3) % 5 < 2;
            const uint8_t nAlpha = bClear ? static_cast<uint8_t>(x * 2) : (x == 4 ? 128 : 255);
            picture.rgba.insert(picture.rgba.end(),
                                {static_cast<uint8_t>(u * 29 + v), static_cast<uint8_t>(v * 37),
                                 static_cast<uint8_t>(255 - u * 7), nAlpha});
        }
    // Opaque black stays black in plain and run-coded pictures.
    picture.rgba[4 * 5 + 0] = picture.rgba[4 * 5 + 1] = picture.rgba[4 * 5 + 2] = 0;
    picture.rgba[4 * 5 + 3] = 255;
    return picture;
}

// The picture as the game would show it: 5-6-5 pixels, transparent ones as (0, alpha 0).
std::vector<uint32_t> Expected565(const Picture& picture, bool bKeyed)
{
    std::vector<uint32_t> pixels;
    for (size_t i = 0; i < picture.rgba.size(); i += 4)
    {
        const uint8_t* p = &picture.rgba[i];
        if (MRVPacker::IsTransparentAlpha(p[3]))
            pixels.push_back(0x10000);
        else
            pixels.push_back(bKeyed ? MRVPacker::RgbToVisible565(p[0], p[1], p[2])
                                    : MRVPacker::RgbTo565(p[0], p[1], p[2]));
    }
    return pixels;
}

// "abc": three literals and the end of the block.
const Bytes kAbcStream = {0x8E, 0x8F, 0x90, 0xFE, 0x80};

Bytes ImageRecord(uint32_t dwFlags, uint16_t wWidth, uint16_t wHeight, uint32_t dwBufferSize,
                  const Bytes& payload)
{
    MRVRecordHeader header;
    header.dwFlags = dwFlags;
    header.wWidth = wWidth;
    header.wHeight = wHeight;
    header.dwBufferSize = dwBufferSize;
    return MRVPacker::BuildImageRecord(header, payload);
}

// The same view of a PNG that unpack wrote.
std::vector<uint32_t> Read565(const std::string& strPath)
{
    Picture picture;
    std::string strError;
    EXPECT_TRUE(MRVTool::ReadPng(strPath, &picture, &strError)) << strError;
    std::vector<uint32_t> pixels;
    for (size_t i = 0; i < picture.rgba.size(); i += 4)
    {
        const uint8_t* p = &picture.rgba[i];
        pixels.push_back(p[3] == 0 ? 0x10000 : MRVPacker::RgbTo565(p[0], p[1], p[2]));
    }
    return pixels;
}

} // namespace

TEST_F(MrvtoolCommand, PackThenUnpackGivesBackTheSamePixels)
{
    const struct
    {
        std::vector<std::string> options;
        bool bTransparent;
        const char* pszFlags; // as info prints them
    } kCases[] = {
        {{}, false, "flags: 3 (compressed raw)"},
        {{"--store"}, false, "flags: 2 (raw)"},
        {{"--key"}, true, "flags: 7 (compressed raw colour-key)"},
        {{"--key", "--store"}, true, "flags: 6 (raw colour-key)"},
        {{"--rle"}, true, "flags: 9 (compressed run-coded)"},
        {{"--store", "--rle"}, true, "flags: 8 (run-coded)"},
    };
    for (const auto& test : kCases)
    {
        SCOPED_TRACE(test.pszFlags);
        const Picture picture = TestPicture(test.bTransparent);
        const std::string strPng = WritePicture("in.png", picture);
        std::vector<std::string> args = {"pack", strPng, Path("out.mri")};
        args.insert(args.end(), test.options.begin(), test.options.end());
        ToolRun run = Run(args);
        ASSERT_EQ(run.nStatus, 0) << run.strErr;

        run = Run({"info", Path("out.mri")});
        ASSERT_EQ(run.nStatus, 0) << run.strErr;
        EXPECT_NE(run.strOut.find(test.pszFlags), std::string::npos) << run.strOut;
        EXPECT_NE(run.strOut.find("size: 45x21"), std::string::npos) << run.strOut;

        ASSERT_EQ(Run({"unpack", Path("out.mri"), Path("back.png")}).nStatus, 0);
        const bool bKeyed =
            std::find(test.options.begin(), test.options.end(), "--key") != test.options.end();
        EXPECT_EQ(Read565(Path("back.png")), Expected565(picture, bKeyed));
        EXPECT_EQ(Run({"verify", Path("out.mri")}).nStatus, 0);
    }
}

TEST_F(MrvtoolCommand, DecodeWritesTheWholeBufferOfAStream)
{
    // "abc" from a five-byte stream: a record's buffer is never smaller than its stored stream,
    // and the bytes past the stream's output stay 0.
    WriteBytes(Path("stream.mri"), ImageRecord(MRVIMAGE_COMPRESSED, 0, 0, 5, kAbcStream));
    const ToolRun run = Run({"decode", Path("stream.mri"), Path("stream.bin")});
    ASSERT_EQ(run.nStatus, 0) << run.strErr;
    EXPECT_EQ(ReadText(Path("stream.bin")), std::string("abc\0\0", 5));
}

TEST_F(MrvtoolCommand, PackSetWritesCompressedFramesThatUnpack)
{
    const Picture opaque = TestPicture(false);
    const Picture transparent = TestPicture(true);
    ToolRun run = Run({"packset", Path("set.mrm"), "--fps", "12", WritePicture("a.png", opaque),
                       WritePicture("b.png", transparent)});
    ASSERT_EQ(run.nStatus, 0) << run.strErr;

    run = Run({"info", Path("set.mrm")});
    ASSERT_EQ(run.nStatus, 0) << run.strErr;
    EXPECT_NE(run.strOut.find("frame rate: 12\nframes: 2\n"), std::string::npos) << run.strOut;
    EXPECT_NE(run.strOut.find("  flags: 3 (compressed raw)"), std::string::npos) << run.strOut;
    EXPECT_NE(run.strOut.find("  flags: 7 (compressed raw colour-key)"), std::string::npos) << run.strOut;

    ASSERT_EQ(Run({"unpack", Path("set.mrm"), Path("frames")}).nStatus, 0);
    EXPECT_EQ(Read565(Path("frames/frame_000.png")), Expected565(opaque, false));
    EXPECT_EQ(Read565(Path("frames/frame_001.png")), Expected565(transparent, true));
    EXPECT_EQ(Run({"verify", Path("set.mrm")}).nStatus, 0);
}

TEST_F(MrvtoolCommand, SoundPacksPcmWave)
{
    // 16-bit mono, the content's own format, is packed by every content build.
    Bytes samples;
    for (int i = 0; i < 400; ++i)
        samples.push_back(static_cast<uint8_t>(i * 7));
    WriteBytes(Path("in.wav"), ToolTest::Wave(1, 2, 11025, 8, samples));
    const ToolRun run = Run({"sound", Path("in.wav"), Path("out.mrs")});
    ASSERT_EQ(run.nStatus, 0) << run.strErr;
    EXPECT_EQ(ReadBytes(Path("out.mrs")), MRVPacker::BuildSoundFile(MRVPacker::MakePcmFormat(2, 11025, 8),
                                                                    samples.data(), samples.size()));
    EXPECT_NE(Run({"info", Path("out.mrs")}).strOut.find("samples per second: 11025"), std::string::npos);
    EXPECT_EQ(Run({"verify", Path("out.mrs")}).nStatus, 0);
}

TEST_F(MrvtoolCommand, UsageErrorsExitWithTwo)
{
    const std::string strPng = WritePicture("in.png", TestPicture(false));
    const std::vector<std::vector<std::string>> kCases = {
        {},
        {"squash", strPng},
        {"pack", strPng},
        {"pack", strPng, Path("out.mri"), "--key", "--rle"},
        {"pack", strPng, Path("out.mri"), "--fast"},
        {"packset", Path("out.mrm"), strPng},
        {"packset", Path("out.mrm"), "--fps", "0", strPng},
        {"packset", Path("out.mrm"), "--fps", "twelve", strPng},
        {"packset", Path("out.mrm"), "--fps", "12"},
        {"verify"},
        {"info", strPng, strPng},
    };
    for (const auto& args : kCases)
    {
        const ToolRun run = Run(args);
        EXPECT_EQ(run.nStatus, 2) << (args.empty() ? "" : args[0]) << ": " << run.strErr;
        EXPECT_NE(run.strErr.find("usage:"), std::string::npos);
    }
}

TEST_F(MrvtoolCommand, BadInputFilesExitWithOneAndNameTheFile)
{
    WriteBytes(Path("notpng.png"), Bytes{'h', 'e', 'l', 'l', 'o'});
    const std::string strTransparent = WritePicture("transparent.png", TestPicture(true));
    WriteBytes(Path("notwav.wav"), Bytes{'R', 'I', 'F', 'F'});
    const struct
    {
        std::vector<std::string> args;
        std::string strFile;
        std::string strWhat;
    } kCases[] = {
        {{"pack", Path("missing.png"), Path("out.mri")}, Path("missing.png"), "No such file"},
        {{"pack", Path("notpng.png"), Path("out.mri")}, Path("notpng.png"), "PNG"},
        {{"pack", strTransparent, Path("out.mri")}, strTransparent, "--key or --rle"},
        {{"sound", Path("notwav.wav"), Path("out.mrs")}, Path("notwav.wav"), "WAV"},
        {{"info", Path("notpng.png")}, Path("notpng.png"), "unknown file type"},
        {{"unpack", Path("missing.mri"), Path("out.png")}, Path("missing.mri"), "cannot open"},
    };
    for (const auto& test : kCases)
    {
        const ToolRun run = Run(test.args);
        EXPECT_EQ(run.nStatus, 1) << test.args[0] << " " << test.strFile;
        EXPECT_NE(run.strErr.find("mrvtool: " + test.strFile + ": "), std::string::npos) << run.strErr;
        EXPECT_NE(run.strErr.find(test.strWhat), std::string::npos) << run.strErr;
    }
}

TEST_F(MrvtoolCommand, VerifyFindsDamagedFiles)
{
    ASSERT_EQ(Run({"pack", WritePicture("in.png", TestPicture(false)), Path("good.mri")}).nStatus, 0);
    ASSERT_EQ(Run({"packset", Path("good.mrm"), "--fps", "10", Path("in.png")}).nStatus, 0);
    const Bytes record = ReadBytes(Path("good.mri"));
    const Bytes set = ReadBytes(Path("good.mrm"));

    Bytes corrupt = record;
    std::fill(corrupt.begin() + 20, corrupt.end(), 0xFF); // every code past the last symbol
    WriteBytes(Path("corrupt.mri"), corrupt);
    WriteBytes(Path("short.mri"), Bytes(record.begin(), record.end() - 1));
    WriteBytes(Path("short.mrm"), Bytes(set.begin(), set.end() - 1));
    Bytes noRate = set;
    noRate[4] = 0;
    WriteBytes(Path("norate.mrm"), noRate);
    Bytes longSound = MRVPacker::BuildSoundFile(MRVPacker::MakePcmFormat(1, 22050, 16), record.data(), 10);
    longSound[22] = 11;
    WriteBytes(Path("long.mrs"), longSound);

    const struct
    {
        const char* pszName;
        const char* pszWhat;
    } kCases[] = {
        {"corrupt.mri", "does not decode"}, {"short.mri", "cut short"}, {"short.mrm", "past the end"},
        {"norate.mrm", "frame rate 0"},     {"long.mrs", "exceeds"},    {"missing.mri", "cannot open"},
    };
    for (const auto& test : kCases)
    {
        const ToolRun run = Run({"verify", Path("good.mri"), Path(test.pszName), Path("good.mrm")});
        EXPECT_EQ(run.nStatus, 1) << test.pszName;
        EXPECT_NE(run.strErr.find(Path(test.pszName) + ": "), std::string::npos) << run.strErr;
        EXPECT_NE(run.strErr.find(test.pszWhat), std::string::npos) << run.strErr;
        EXPECT_NE(run.strOut.find(Path("good.mrm") + ": ok"), std::string::npos) << run.strOut;
    }
}

// decode, unpack, info and verify refuse a record the game refuses, before allocating its
// buffer, with the same reason; nothing is written.
TEST_F(MrvtoolCommand, DamagedRecordsGetTheSameReasonFromEveryCommand)
{
    Bytes cutShort = ImageRecord(MRVIMAGE_RAW, 4, 4, 32, Bytes(32, 1));
    cutShort.resize(cutShort.size() - 1);
    const struct
    {
        const char* pszName;
        Bytes file;
        MRVRecordFault fault;
    } kCases[] = {
        {"4 GiB from five bytes",
         ImageRecord(MRVIMAGE_COMPRESSED | MRVIMAGE_RUNCODED, 65535, 65535, 0xFFFFFFFF, kAbcStream),
         MRVRECORD_STREAM_TOO_SHORT},
        {"payload cut short", cutShort, MRVRECORD_PAYLOAD_CUT_SHORT},
    };
    for (const auto& test : kCases)
    {
        SCOPED_TRACE(test.pszName);
        WriteBytes(Path("bad.mri"), test.file);
        for (const std::vector<std::string>& args :
             std::vector<std::vector<std::string>>{{"decode", Path("bad.mri"), Path("out.bin")},
                                                   {"unpack", Path("bad.mri"), Path("out.png")},
                                                   {"info", Path("bad.mri")},
                                                   {"verify", Path("bad.mri")}})
        {
            const ToolRun run = Run(args);
            EXPECT_EQ(run.nStatus, 1) << args[0];
            EXPECT_NE(run.strErr.find("mrvtool: " + Path("bad.mri") + ": " + RecordFaultText(test.fault)),
                      std::string::npos)
                << args[0] << ": " << run.strErr;
        }
        EXPECT_FALSE(std::filesystem::exists(Path("out.bin")));
        EXPECT_FALSE(std::filesystem::exists(Path("out.png")));
    }
}

// Every output error exits 1 naming the output; a full device is reported at the final flush
// and left in place, a failed write leaves an existing output as it was and no temporary file.
TEST_F(MrvtoolCommand, OutputFailuresExitWithOneAndDeleteNothing)
{
    // A noisy picture, so that every output is larger than the size limit below.
    Picture noise;
    noise.nWidth = noise.nHeight = 64;
    for (uint32_t i = 0; i < 64 * 64; ++i)
        noise.rgba.insert(noise.rgba.end(),
                          {static_cast<uint8_t>(i * 97), static_cast<uint8_t>(i * 31 + i / 7),
                           static_cast<uint8_t>(i * i), 255});
    const std::string strPng = WritePicture("in.png", noise);
    ASSERT_EQ(Run({"pack", strPng, Path("in.mri")}).nStatus, 0);
    std::filesystem::create_directories(Path("folder"));
    const Bytes wav = ToolTest::Wave(1, 1, 22050, 16, Bytes(2048, 0x11));
    WriteBytes(Path("in.wav"), wav);
    const std::vector<std::vector<std::string>> kCommands = {
        {"pack", strPng, "OUT"},           {"packset", "OUT", "--fps", "5", strPng},
        {"sound", Path("in.wav"), "OUT"},  {"unpack", Path("in.mri"), "OUT"},
        {"decode", Path("in.mri"), "OUT"},
    };
    // Writes past 1 KiB fail (the size-limit signal ignored, as a full disk would).
    const std::string strLimit = "trap '' XFSZ; ulimit -f 1; ";
    for (const std::vector<std::string>& command : kCommands)
    {
        SCOPED_TRACE(command[0]);
        const struct
        {
            std::string strOut;
            std::string strShell;
            const char* pszWhat;
        } kOutputs[] = {
            {"/dev/full", "", "cannot write: No space left on device"},
            {Path("folder"), "", "is a folder"},
            {Path("kept.out"), strLimit, "cannot write: File too large"},
        };
        for (const auto& output : kOutputs)
        {
            WriteBytes(Path("kept.out"), Bytes{'o', 'l', 'd'});
            std::vector<std::string> args = command;
            std::replace(args.begin(), args.end(), std::string("OUT"), output.strOut);
            const ToolRun run = Run(args, output.strShell);
            EXPECT_EQ(run.nStatus, 1) << output.strOut;
            EXPECT_NE(run.strErr.find("mrvtool: " + output.strOut + ": " + output.pszWhat), std::string::npos)
                << run.strErr;
            EXPECT_EQ(ReadText(Path("kept.out")), "old");
        }
    }
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_strDir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"folder", "in.mri", "in.png", "in.wav", "kept.out",
                                               "stderr.txt", "stdout.txt"}));
}

// A picture larger than a record can hold is refused from its header, before its pixels
// would be allocated and decoded.
TEST_F(MrvtoolCommand, PicturesLargerThanARecordAreRefusedFromTheirHeader)
{
    Picture dot;
    dot.nWidth = dot.nHeight = 1;
    dot.rgba = {1, 2, 3, 255};
    const Bytes png = ReadBytes(WritePicture("dot.png", dot));
    auto putBE32 = [](Bytes& bytes, size_t nAt, uint32_t nValue)
    {
        for (int i = 0; i < 4; ++i)
            bytes.at(nAt + i) = static_cast<uint8_t>(nValue >> (24 - 8 * i));
    };
    for (const std::pair<uint32_t, uint32_t>& size :
         {std::pair<uint32_t, uint32_t>{65535, 65535}, {70000, 1}})
    {
        // The header chunk's width and height, then its check sum over type and fields.
        Bytes claim = png;
        putBE32(claim, 16, size.first);
        putBE32(claim, 20, size.second);
        putBE32(claim, 29, static_cast<uint32_t>(crc32(0, &claim[12], 17)));
        WriteBytes(Path("claim.png"), claim);
        const ToolRun run = Run({"pack", Path("claim.png"), Path("out.mri")});
        EXPECT_EQ(run.nStatus, 1) << size.first;
        EXPECT_NE(run.strErr.find("mrvtool: " + Path("claim.png") + ": picture of "), std::string::npos)
            << run.strErr;
    }
}
