// PackCommands.cpp: pack (one picture to a .mri record) and packset (frames to a .mrm file).
#include "Commands.h"
#include "ContentFormats.h"
#include "PicturePacker.h"
#include "PngIO.h"
#include "ToolCommon.h"

#include <cstdlib>
#include <optional>

namespace MRVTool
{

namespace
{

// Reads a PNG and packs it; on failure prints the message and returns the exit status.
// Without a transparency given (frame sets), a picture with transparent pixels is colour-keyed
// and any other is a plain raw picture.
int PackPng(const std::string& strIn, std::optional<MRVPacker::Transparency> transparency,
            MRVPacker::Compression compression, std::vector<uint8_t>* pRecord)
{
    MRVPacker::Picture picture;
    std::string strError;
    if (!ReadPng(strIn, &picture, &strError))
        return BadFile(strIn, strError);
    if (!transparency)
        transparency = MRVPacker::HasTransparency(picture) ? MRVPacker::Transparency::ColourKey
                                                           : MRVPacker::Transparency::None;
    if (!MRVPacker::PackPicture(picture, *transparency, compression, pRecord, &strError))
        return BadFile(strIn, strError);
    return EXIT_OK;
}

int WriteOutput(const std::string& strOut, const std::vector<uint8_t>& bytes)
{
    std::string strError;
    return WriteFileBytes(strOut, bytes, &strError) ? EXIT_OK : BadFile(strOut, strError);
}

// A whole number from 1 to 65535, or 0 when the text is not one.
unsigned ParseFrameRate(const std::string& strText)
{
    char* pEnd = nullptr;
    const unsigned long nValue = std::strtoul(strText.c_str(), &pEnd, 10);
    const bool bNumber = !strText.empty() && strText[0] != '-' && *pEnd == '\0';
    return bNumber && nValue <= 0xFFFF ? static_cast<unsigned>(nValue) : 0;
}

} // namespace

int RunPack(const Args& args)
{
    ParsedArgs parsed;
    std::string strError;
    if (!ParseArgs(args, {"--key", "--rle", "--store"}, {}, &parsed, &strError))
        return UsageError("pack: " + strError);
    if (parsed.positional.size() != 2)
        return UsageError("pack: needs IN.png and OUT.mri");
    if (parsed.Has("--key") && parsed.Has("--rle"))
        return UsageError("pack: --key and --rle exclude each other");

    MRVPacker::Transparency transparency = MRVPacker::Transparency::None;
    if (parsed.Has("--key"))
        transparency = MRVPacker::Transparency::ColourKey;
    else if (parsed.Has("--rle"))
        transparency = MRVPacker::Transparency::RunCoded;
    const MRVPacker::Compression compression =
        parsed.Has("--store") ? MRVPacker::Compression::Store : MRVPacker::Compression::Prefer;

    std::vector<uint8_t> record;
    const int nStatus = PackPng(parsed.positional[0], transparency, compression, &record);
    return nStatus != EXIT_OK ? nStatus : WriteOutput(parsed.positional[1], record);
}

int RunPackSet(const Args& args)
{
    ParsedArgs parsed;
    std::string strError;
    if (!ParseArgs(args, {}, {"--fps"}, &parsed, &strError))
        return UsageError("packset: " + strError);
    if (!parsed.Has("--fps"))
        return UsageError("packset: needs --fps N");
    const unsigned nFrameRate = ParseFrameRate(parsed.Value("--fps"));
    if (nFrameRate == 0)
        return UsageError("packset: --fps needs a whole number from 1 to 65535, not '" +
                          parsed.Value("--fps") + "'");
    if (parsed.positional.size() < 2)
        return UsageError("packset: needs OUT.mrm and at least one IN.png");
    if (parsed.positional.size() - 1 > 0xFFFF)
        return UsageError("packset: a frame set holds at most 65535 frames");

    std::vector<std::vector<uint8_t>> records;
    for (size_t i = 1; i < parsed.positional.size(); ++i)
    {
        records.emplace_back();
        const int nStatus =
            PackPng(parsed.positional[i], std::nullopt, MRVPacker::Compression::Required, &records.back());
        if (nStatus != EXIT_OK)
            return nStatus;
    }
    return WriteOutput(parsed.positional[0],
                       MRVPacker::BuildFrameSet(static_cast<uint16_t>(nFrameRate), records));
}

} // namespace MRVTool
