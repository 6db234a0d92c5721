// InspectCommands.cpp: unpack, decode, info and verify: reading content files back through the
// game's own record loader and decoder, and explaining what is wrong with a bad one.
#include "Commands.h"
#include "ContentFormats.h"
#include "PicturePacker.h"
#include "PngIO.h"
#include "ToolCommon.h"

#include "graphics/MRVImage.h"

#include <cstdio>
#include <filesystem>
#include <iostream>

namespace MRVTool
{

namespace
{

// Checks a record with the game's rules (so that nothing is allocated for a record the game
// refuses), then loads and decodes it as the game does. Fills the header and the decoded
// payload; on failure says why.
bool DecodeRecord(const uint8_t* pRecord, size_t nSize, MRVRecordHeader* pHeader,
                  std::vector<uint8_t>* pPayload, std::string* pError)
{
    if (!MRVPacker::ParseImageRecord(pRecord, nSize, pHeader, pError))
        return false;
    CMRVImage image;
    if (!image.LoadFromMemory(pRecord, nSize))
    {
        *pError = "not enough memory for its " + std::to_string(pHeader->dwBufferSize) + "-byte buffer";
        return false;
    }
    if (image.IsCompressed() && !image.Decompress(nullptr))
    {
        *pError = "compressed stream of " + std::to_string(pHeader->dwDataSize) + " bytes does not decode";
        return false;
    }
    pPayload->assign(image.GetPixels(), image.GetPixels() + image.GetBufferSize());
    return true;
}

// Decodes a record into the picture it shows.
bool RecordToPicture(const uint8_t* pRecord, size_t nSize, MRVPacker::Picture* pPicture, std::string* pError)
{
    MRVRecordHeader header;
    std::vector<uint8_t> payload;
    return DecodeRecord(pRecord, nSize, &header, &payload, pError) &&
           MRVPacker::UnpackPayload(header.dwFlags, header.wWidth, header.wHeight, payload.data(),
                                    payload.size(), pPicture, pError);
}

std::string FrameName(size_t nIndex)
{
    char szName[32];
    std::snprintf(szName, sizeof(szName), "frame_%03zu.png", nIndex);
    return szName;
}

std::string FlagNames(uint32_t dwFlags)
{
    static const struct
    {
        uint32_t dwBit;
        const char* pszName;
    } kNames[] = {{MRVIMAGE_COMPRESSED, "compressed"},
                  {MRVIMAGE_RAW, "raw"},
                  {MRVIMAGE_COLORKEY, "colour-key"},
                  {MRVIMAGE_RUNCODED, "run-coded"}};
    std::string strNames;
    for (const auto& name : kNames)
    {
        if (dwFlags & name.dwBit)
            strNames += (strNames.empty() ? "" : " ") + std::string(name.pszName);
    }
    return strNames.empty() ? "none" : strNames;
}

std::string Ratio(uint64_t nDecoded, uint64_t nStored)
{
    if (nStored == 0)
        return "n/a";
    char szRatio[32];
    std::snprintf(szRatio, sizeof(szRatio), "%.2f", static_cast<double>(nDecoded) / nStored);
    return szRatio;
}

void PrintRecordInfo(std::ostream& out, const MRVRecordHeader& header, const std::string& strIndent)
{
    out << strIndent << "flags: " << header.dwFlags << " (" << FlagNames(header.dwFlags) << ")\n"
        << strIndent << "size: " << header.wWidth << "x" << header.wHeight << "\n"
        << strIndent << "buffer size: " << header.dwBufferSize << "\n"
        << strIndent << "data size: " << header.dwDataSize << "\n"
        << strIndent << "compression ratio: " << Ratio(header.dwBufferSize, header.dwDataSize) << "\n";
}

int InfoImage(const std::string& strPath, const std::vector<uint8_t>& file)
{
    MRVRecordHeader header;
    std::string strError;
    if (!MRVPacker::ParseImageRecord(file.data(), file.size(), &header, &strError))
        return BadFile(strPath, strError);
    std::cout << "file: " << strPath
              << "\ntype: image record\nmagic: " << std::string(file.begin(), file.begin() + 4) << "\n";
    PrintRecordInfo(std::cout, header, "");
    return EXIT_OK;
}

int InfoFrameSet(const std::string& strPath, const std::vector<uint8_t>& file)
{
    uint16_t wFrameRate = 0;
    std::vector<MRVFrameEntry> frames;
    std::string strError;
    if (!MRVPacker::ParseFrameSet(file, &wFrameRate, &frames, &strError))
        return BadFile(strPath, strError);
    std::cout << "file: " << strPath << "\ntype: frame set\nframe rate: " << wFrameRate
              << "\nframes: " << frames.size() << "\n";
    uint64_t nDecoded = 0, nStored = 0;
    for (size_t i = 0; i < frames.size(); ++i)
    {
        MRVRecordHeader header;
        const uint8_t* pRecord = file.data() + frames[i].nOffset;
        std::cout << "frame " << i << ":\n";
        if (!MRVPacker::ParseImageRecord(pRecord, frames[i].nSize, &header, &strError))
            return BadFile(strPath, "frame " + std::to_string(i) + ": " + strError);
        PrintRecordInfo(std::cout, header, "  ");
        nDecoded += header.dwBufferSize;
        nStored += header.dwDataSize;
    }
    std::cout << "total buffer size: " << nDecoded << "\ntotal data size: " << nStored
              << "\ncompression ratio: " << Ratio(nDecoded, nStored) << "\n";
    return EXIT_OK;
}

int InfoSound(const std::string& strPath, const std::vector<uint8_t>& file)
{
    MRVPacker::SoundFormat format;
    uint32_t dwDataLength = 0;
    std::string strError;
    if (!MRVPacker::ParseSoundFile(file, &format, &dwDataLength, &strError))
        return BadFile(strPath, strError);
    std::cout << "file: " << strPath << "\ntype: sound\nformat tag: " << format.wFormatTag
              << "\nchannels: " << format.nChannels << "\nsamples per second: " << format.nSamplesPerSec
              << "\naverage bytes per second: " << format.nAvgBytesPerSec
              << "\nblock alignment: " << format.nBlockAlign << "\nbits per sample: " << format.wBitsPerSample
              << "\ndata length: " << dwDataLength
              << "\nbytes after header: " << file.size() - MRVPacker::SOUND_HEADER_SIZE
              << "\nduration ms: " << static_cast<uint64_t>(dwDataLength) * 1000 / format.nAvgBytesPerSec
              << "\n";
    return EXIT_OK;
}

// Decodes everything in one file; empty on success, else what is wrong.
std::string VerifyFile(const std::string& strPath)
{
    std::vector<uint8_t> file;
    std::string strError;
    if (!ReadFileBytes(strPath, &file, &strError))
        return strError;
    MRVPacker::Picture picture;
    switch (DetectFileKind(strPath, file))
    {
    case FileKind::Image:
        return RecordToPicture(file.data(), file.size(), &picture, &strError) ? "" : strError;
    case FileKind::FrameSet:
    {
        uint16_t wFrameRate = 0;
        std::vector<MRVFrameEntry> frames;
        if (!MRVPacker::ParseFrameSet(file, &wFrameRate, &frames, &strError))
            return strError;
        if (wFrameRate == 0)
            return "frame rate 0 (at least 1 is needed)";
        for (size_t i = 0; i < frames.size(); ++i)
        {
            const uint8_t* pRecord = file.data() + frames[i].nOffset;
            MRVRecordHeader header;
            ReadRecordHeader(pRecord, &header);
            if (!(header.dwFlags & MRVIMAGE_COMPRESSED))
                return "frame " + std::to_string(i) + ": not compressed (every frame must be)";
            if (!RecordToPicture(pRecord, frames[i].nSize, &picture, &strError))
                return "frame " + std::to_string(i) + ": " + strError;
        }
        return "";
    }
    case FileKind::Sound:
    {
        MRVPacker::SoundFormat format;
        uint32_t dwDataLength = 0;
        return MRVPacker::ParseSoundFile(file, &format, &dwDataLength, &strError) ? "" : strError;
    }
    case FileKind::Unknown:
        break;
    }
    return "unknown file type (expected .mri, .mrm or .mrs)";
}

int UnpackFrameSet(const std::string& strIn, const std::vector<uint8_t>& file, const std::string& strOutDir)
{
    uint16_t wFrameRate = 0;
    std::vector<MRVFrameEntry> frames;
    std::string strError;
    if (!MRVPacker::ParseFrameSet(file, &wFrameRate, &frames, &strError))
        return BadFile(strIn, strError);
    std::error_code error;
    std::filesystem::create_directories(strOutDir, error);
    if (error)
        return BadFile(strOutDir, "cannot create directory: " + error.message());
    for (size_t i = 0; i < frames.size(); ++i)
    {
        MRVPacker::Picture picture;
        if (!RecordToPicture(file.data() + frames[i].nOffset, frames[i].nSize, &picture, &strError))
            return BadFile(strIn, "frame " + std::to_string(i) + ": " + strError);
        const std::string strOut = (std::filesystem::path(strOutDir) / FrameName(i)).string();
        if (!WritePng(strOut, picture, &strError))
            return BadFile(strOut, strError);
    }
    return EXIT_OK;
}

// Parses "COMMAND IN OUT" arguments and reads IN; returns EXIT_OK or the status to exit with.
int ReadInOut(const Args& args, const char* pszUsage, std::string* pIn, std::string* pOut,
              std::vector<uint8_t>* pFile)
{
    ParsedArgs parsed;
    std::string strError;
    if (!ParseArgs(args, {}, {}, &parsed, &strError))
        return UsageError(strError);
    if (parsed.positional.size() != 2)
        return UsageError(pszUsage);
    *pIn = parsed.positional[0];
    *pOut = parsed.positional[1];
    return ReadFileBytes(*pIn, pFile, &strError) ? EXIT_OK : BadFile(*pIn, strError);
}

} // namespace

int RunUnpack(const Args& args)
{
    std::string strIn, strOut, strError;
    std::vector<uint8_t> file;
    const int nStatus =
        ReadInOut(args, "unpack: needs IN.mri OUT.png or IN.mrm OUTDIR", &strIn, &strOut, &file);
    if (nStatus != EXIT_OK)
        return nStatus;
    switch (DetectFileKind(strIn, file))
    {
    case FileKind::Image:
    {
        MRVPacker::Picture picture;
        if (!RecordToPicture(file.data(), file.size(), &picture, &strError))
            return BadFile(strIn, strError);
        return WritePng(strOut, picture, &strError) ? EXIT_OK : BadFile(strOut, strError);
    }
    case FileKind::FrameSet:
        return UnpackFrameSet(strIn, file, strOut);
    default:
        return BadFile(strIn, "not an image record or frame set");
    }
}

int RunDecode(const Args& args)
{
    std::string strIn, strOut, strError;
    std::vector<uint8_t> file;
    const int nStatus = ReadInOut(args, "decode: needs IN.mri and OUT.bin", &strIn, &strOut, &file);
    if (nStatus != EXIT_OK)
        return nStatus;
    MRVRecordHeader header;
    std::vector<uint8_t> payload;
    if (!DecodeRecord(file.data(), file.size(), &header, &payload, &strError))
        return BadFile(strIn, strError);
    return WriteFileBytes(strOut, payload, &strError) ? EXIT_OK : BadFile(strOut, strError);
}

int RunInfo(const Args& args)
{
    ParsedArgs parsed;
    std::string strError;
    if (!ParseArgs(args, {}, {}, &parsed, &strError))
        return UsageError("info: " + strError);
    if (parsed.positional.size() != 1)
        return UsageError("info: needs one FILE");
    const std::string& strPath = parsed.positional[0];
    std::vector<uint8_t> file;
    if (!ReadFileBytes(strPath, &file, &strError))
        return BadFile(strPath, strError);
    switch (DetectFileKind(strPath, file))
    {
    case FileKind::Image:
        return InfoImage(strPath, file);
    case FileKind::FrameSet:
        return InfoFrameSet(strPath, file);
    case FileKind::Sound:
        return InfoSound(strPath, file);
    case FileKind::Unknown:
        break;
    }
    return BadFile(strPath, "unknown file type (expected .mri, .mrm or .mrs)");
}

int RunVerify(const Args& args)
{
    ParsedArgs parsed;
    std::string strError;
    if (!ParseArgs(args, {}, {}, &parsed, &strError))
        return UsageError("verify: " + strError);
    if (parsed.positional.empty())
        return UsageError("verify: needs at least one FILE");
    int nStatus = EXIT_OK;
    for (const std::string& strPath : parsed.positional)
    {
        const std::string strFault = VerifyFile(strPath);
        if (strFault.empty())
            std::cout << strPath << ": ok\n";
        else
            nStatus = BadFile(strPath, strFault);
    }
    return nStatus;
}

} // namespace MRVTool
