// LaneTool.cpp: velvina-lanetool, the native helper of the Windows game lane.
//
//   velvina-lanetool frame DUMP.xwd
//       exit status 0 when the screen shows a picture, not one colour (the empty X root, or a
//       window before the game has drawn into it).
//   velvina-lanetool shot DUMP.xwd REFERENCE.png [OUT.png]
//       counts the pixels that differ in 5-6-5 (the display's format) between the dump and the
//       headless runner's shot; exit status 0 only when none does. OUT.png gets the dump, to
//       look at.
//   velvina-lanetool streams RECORDING.raw SOUND.mrs...
//       the sounds, in this order, in a recording of the output (16-bit mono at the sounds' own
//       rate): each must be heard with its samples unchanged, in order, and be followed by
//       silence. Exit status 0 when every one is; each is reported as exact (one run, whole) or
//       with the size of what the mixer skipped or repeated.
//   velvina-lanetool music RECORDING.raw SOUND.mrs
//       the same for one long sound that the recording may join late and leave early.
//   velvina-lanetool trace WINE_STDERR HEADLESS_TRACE
//       the game's debugger trace as Wine prints it (WINEDEBUG=warn+debugstr) holds the same
//       messages as the headless runner's trace; the device's capability report, which
//       describes the machine, is compared by its lines' texts only and printed.
// Exit status 1 for a failed check, 2 for a usage error or an unreadable file.
#include "AudioRuns.h"
#include "TraceLines.h"
#include "XwdImage.h"
#include "platform/ByteOrder.h"
#include "sound/MRVSoundFile.h"
#include "tools/common/FileBytes.h"
#include "tools/mrvtool/PngIO.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace
{

constexpr unsigned kRate = 22050;
// A streamed chunk: 32,000 bytes of 16-bit mono.
constexpr size_t kChunkSamples = 16000;
// Silence that must follow the end of a streamed sound before the next one may start.
constexpr size_t kTailSamples = kRate / 5;

int Usage()
{
    std::fprintf(stderr, "usage: velvina-lanetool frame DUMP.xwd |\n"
                         "       shot DUMP.xwd REFERENCE.png [OUT.png] |\n"
                         "       streams RECORDING.raw SOUND.mrs... | music RECORDING.raw SOUND.mrs |\n"
                         "       trace WINE_STDERR HEADLESS_TRACE\n");
    return 2;
}

// The whole file; says why on stderr when it cannot be read.
bool ReadBytes(const std::string& strPath, std::vector<uint8_t>& bytes)
{
    std::string strError;
    if (ToolFiles::ReadFileBytes(strPath, &bytes, &strError))
        return true;
    std::fprintf(stderr, "%s: %s\n", strPath.c_str(), strError.c_str());
    return false;
}

std::vector<int16_t> Samples(const uint8_t* pBytes, size_t nBytes)
{
    std::vector<int16_t> samples(nBytes / 2);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<int16_t>(Platform::ReadLE16(pBytes + 2 * i));
    return samples;
}

// The samples of a 16-bit mono sound file at the output rate.
bool ReadSound(const std::string& strPath, std::vector<int16_t>& samples)
{
    std::vector<uint8_t> bytes;
    MRVSoundHeader header;
    if (!ReadBytes(strPath, bytes))
        return false;
    if (!ParseSoundHeader(bytes.data(), bytes.size(), &header) || std::memcmp(bytes.data(), "MRVS", 4) != 0)
    {
        std::fprintf(stderr, "%s: not a sound file\n", strPath.c_str());
        return false;
    }
    if (header.format.nChannels != 1 || header.format.nSamplesPerSec != kRate ||
        header.format.wBitsPerSample != 16)
    {
        std::fprintf(stderr, "%s: not 16-bit mono at %u Hz\n", strPath.c_str(), kRate);
        return false;
    }
    samples = Samples(bytes.data() + kSoundHeaderSize, bytes.size() - kSoundHeaderSize);
    return true;
}

bool ReadRecording(const std::string& strPath, std::vector<int16_t>& samples)
{
    std::vector<uint8_t> bytes;
    if (!ReadBytes(strPath, bytes))
        return false;
    samples = Samples(bytes.data(), bytes.size());
    return true;
}

bool ReadDump(const std::string& strPath, Lane::RgbaImage& image)
{
    std::string strError;
    if (Lane::ReadXwd(strPath, &image, &strError))
        return true;
    std::fprintf(stderr, "%s\n", strError.c_str());
    return false;
}

bool WriteImage(const std::string& strPath, const Lane::RgbaImage& image)
{
    MRVPacker::Picture picture;
    picture.nWidth = image.nWidth;
    picture.nHeight = image.nHeight;
    picture.rgba = image.rgba;
    std::string strError;
    if (MRVTool::WritePng(strPath, picture, &strError))
        return true;
    std::fprintf(stderr, "%s\n", strError.c_str());
    return false;
}

int ShowsPicture(const std::string& strDump)
{
    Lane::RgbaImage image;
    if (!ReadDump(strDump, image))
        return 2;
    const uint16_t wFirst = Lane::Pixel565(image, 0, 0);
    for (uint32_t y = 0; y < image.nHeight; ++y)
        for (uint32_t x = 0; x < image.nWidth; ++x)
            if (Lane::Pixel565(image, x, y) != wFirst)
                return 0;
    return 1;
}

int CompareShot(const std::string& strDump, const std::string& strReference, const std::string& strOut)
{
    Lane::RgbaImage image;
    MRVPacker::Picture reference;
    std::string strError;
    if (!ReadDump(strDump, image))
        return 2;
    if (!MRVTool::ReadPng(strReference, &reference, &strError))
    {
        std::fprintf(stderr, "%s\n", strError.c_str());
        return 2;
    }
    if (!strOut.empty() && !WriteImage(strOut, image))
        return 2;
    if (image.nWidth != reference.nWidth || image.nHeight != reference.nHeight)
    {
        std::printf("sizes differ: screen %ux%u, shot %ux%u\n", image.nWidth, image.nHeight, reference.nWidth,
                    reference.nHeight);
        return 1;
    }
    Lane::RgbaImage shot;
    shot.nWidth = reference.nWidth;
    shot.nHeight = reference.nHeight;
    shot.rgba = reference.rgba;
    size_t nDiffering = 0;
    for (uint32_t y = 0; y < image.nHeight; ++y)
        for (uint32_t x = 0; x < image.nWidth; ++x)
            nDiffering += Lane::Pixel565(image, x, y) != Lane::Pixel565(shot, x, y) ? 1 : 0;
    std::printf("%zu differing pixels (5-6-5) of %u\n", nDiffering, image.nWidth * image.nHeight);
    return nDiffering == 0 ? 0 : 1;
}

// Heard unchanged and in order, and without a lost chunk. A real mixer on a busy machine may
// drop some output (the sound then jumps ahead by a few of its periods); a streaming fault
// plays a stale half of the buffer again (out of order) or loses a whole chunk.
bool Acceptable(const Lane::SoundMatch& match)
{
    return match.nForeign == 0 && match.nOutOfOrder == 0 && Lane::CountChunkSkips(match, kChunkSamples) == 0;
}

int CheckStreams(const std::string& strRecording, const std::vector<std::string>& sounds)
{
    std::vector<int16_t> recorded;
    if (!ReadRecording(strRecording, recorded))
        return 2;
    size_t nFrom = 0;
    bool bAllGood = true;
    for (size_t i = 0; i < sounds.size(); ++i)
    {
        std::vector<int16_t> sound;
        if (!ReadSound(sounds[i], sound))
            return 2;
        const Lane::SoundMatch match = Lane::FindSound(recorded, nFrom, recorded.size(), sound);
        if (sound.empty())
        {
            std::printf("%s: empty, nothing to hear\n", sounds[i].c_str());
            continue;
        }
        if (match.Runs.empty())
        {
            std::printf("%s: not heard\n", sounds[i].c_str());
            bAllGood = false;
            continue;
        }
        // What follows the last sample: silence until the next sound could start.
        const size_t nTailLoud = Lane::CountLoud(recorded, match.nEnd, match.nEnd + kTailSamples);
        const bool bWhole = match.nHeard == sound.size();
        const bool bExact = match.Runs.size() == 1 && bWhole;
        const bool bGood = Acceptable(match) && nTailLoud == 0 &&
                           match.Runs.back().nSound + match.Runs.back().nLength == sound.size();
        std::printf("%s: %s; %s; %zu loud samples after its end\n", sounds[i].c_str(),
                    bExact ? "exact" : (bGood ? "in order" : "FAULTY"),
                    Lane::Describe(match, sound.size(), kRate).c_str(), nTailLoud);
        bAllGood = bAllGood && bGood;
        nFrom = match.nEnd;
    }
    return bAllGood ? 0 : 1;
}

int CheckMusic(const std::string& strRecording, const std::string& strSound)
{
    std::vector<int16_t> recorded;
    std::vector<int16_t> sound;
    if (!ReadRecording(strRecording, recorded) || !ReadSound(strSound, sound))
        return 2;
    const Lane::SoundMatch match = Lane::FindSound(recorded, 0, recorded.size(), sound);
    if (match.Runs.empty())
    {
        std::printf("%s: not heard\n", strSound.c_str());
        return 1;
    }
    const Lane::SampleRun& first = match.Runs.front();
    const Lane::SampleRun& last = match.Runs.back();
    const size_t nSpan = last.nSound + last.nLength - first.nSound;
    std::printf("%s: heard from sample %zu (%.3f s) to %zu, recording offset %zd; %s\n", strSound.c_str(),
                first.nSound, static_cast<double>(first.nSound) / kRate, last.nSound + last.nLength,
                static_cast<std::ptrdiff_t>(first.nRecorded) - static_cast<std::ptrdiff_t>(first.nSound),
                Lane::Describe(match, nSpan, kRate).c_str());
    return Acceptable(match) ? 0 : 1;
}

int CompareTraces(const std::string& strWine, const std::string& strHeadless)
{
    std::vector<uint8_t> wine;
    std::vector<uint8_t> headless;
    if (!ReadBytes(strWine, wine) || !ReadBytes(strHeadless, headless))
        return 2;
    const std::vector<std::string> wineMessages =
        Lane::WineDebuggerMessages(std::string(wine.begin(), wine.end()));
    const std::vector<std::string> headlessMessages =
        Lane::SplitTrace(std::string(headless.begin(), headless.end()));
    for (const std::string& strMessage : wineMessages)
    {
        if (Lane::IsCapabilityLine(strMessage))
            std::printf("device: %s\n", strMessage.c_str());
    }
    const std::vector<std::string> wineNormal = Lane::WithoutDeviceValues(wineMessages);
    const std::vector<std::string> headlessNormal = Lane::WithoutDeviceValues(headlessMessages);
    if (wineNormal == headlessNormal)
    {
        std::printf("the traces hold the same %zu messages\n", wineNormal.size());
        return 0;
    }
    std::printf("the traces differ:\n");
    const size_t nLines = std::max(wineNormal.size(), headlessNormal.size());
    for (size_t i = 0; i < nLines; ++i)
    {
        const std::string strW = i < wineNormal.size() ? Lane::Printable(wineNormal[i]) : "(none)";
        const std::string strH = i < headlessNormal.size() ? Lane::Printable(headlessNormal[i]) : "(none)";
        std::printf("%c wine: %s | headless: %s\n", strW == strH ? ' ' : '*', strW.c_str(), strH.c_str());
    }
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    const std::string strCommand = argv[1];
    if (strCommand == "frame" && argc == 3)
        return ShowsPicture(argv[2]);
    if (strCommand == "shot" && (argc == 4 || argc == 5))
        return CompareShot(argv[2], argv[3], argc == 5 ? argv[4] : "");
    if (strCommand == "streams" && argc >= 4)
        return CheckStreams(argv[2], std::vector<std::string>(argv + 3, argv + argc));
    if (strCommand == "music" && argc == 4)
        return CheckMusic(argv[2], argv[3]);
    if (strCommand == "trace" && argc == 4)
        return CompareTraces(argv[2], argv[3]);
    return Usage();
}
