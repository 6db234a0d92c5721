// ContentSink.cpp: staging PNG files, pack arguments and the manifest.
#include "ContentSink.h"

#include "tools/common/FileBytes.h"

#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

bool WriteFileIfChanged(const std::string& strPath, const std::vector<uint8_t>& bytes)
{
    std::error_code error;
    fs::create_directories(fs::path(strPath).parent_path(), error);
    std::string strError;
    return ToolFiles::WriteFileBytesIfChanged(strPath, bytes, &strError);
}

uint64_t HashBytes(const std::vector<uint8_t>& bytes, uint64_t nSeed)
{
    // FNV-1a, 64 bit: only used to notice that a staged input changed.
    uint64_t nHash = nSeed;
    for (uint8_t b : bytes)
    {
        nHash ^= b;
        nHash *= 1099511628211ull;
    }
    return nHash;
}

namespace
{
std::vector<uint8_t> ToBytes(const std::string& str)
{
    return std::vector<uint8_t>(str.begin(), str.end());
}

std::string HexHash(uint64_t nHash)
{
    char szHash[17];
    std::snprintf(szHash, sizeof(szHash), "%016llx", static_cast<unsigned long long>(nHash));
    return szHash;
}

std::string StripExtension(const std::string& strName)
{
    return strName.substr(0, strName.rfind('.'));
}

const char* ModeFlag(PackMode mode)
{
    switch (mode)
    {
    case PackMode::ColourKey:
        return "--key";
    case PackMode::RunCoded:
        return "--rle";
    default:
        return "";
    }
}

const char* ModeName(PackMode mode)
{
    switch (mode)
    {
    case PackMode::ColourKey:
        return "key";
    case PackMode::RunCoded:
        return "rle";
    default:
        return "plain";
    }
}
} // namespace

CContentSink::CContentSink(std::string strStagingDir) : m_strStagingDir(std::move(strStagingDir)) {}

std::string CContentSink::ContentName(const char* pszGamePath)
{
    std::string strPath(pszGamePath);
    const std::string strPrefix = ".\\content\\";
    if (strPath.compare(0, strPrefix.size(), strPrefix) == 0)
        strPath.erase(0, strPrefix.size());
    for (char& c : strPath)
        if (c == '\\')
            c = '/';
    return strPath;
}

PackMode CContentSink::ChooseMode(const CCanvas& canvas)
{
    const double dClear = canvas.TransparentShare();
    if (dClear == 0.0)
        return PackMode::Plain;
    // Run-coding skips transparent stretches whole, so it draws faster and stores less once a
    // good part of the picture is clear; a colour key suits pictures with a few holes.
    return dClear >= 0.3 ? PackMode::RunCoded : PackMode::ColourKey;
}

void CContentSink::Stage(const std::string& strRelative, const std::vector<uint8_t>& bytes)
{
    if (!WriteFileIfChanged(m_strStagingDir + "/" + strRelative, bytes))
    {
        std::fprintf(stderr, "contentgen: cannot write %s/%s\n", m_strStagingDir.c_str(),
                     strRelative.c_str());
        m_bFailed = true;
    }
}

void CContentSink::Register(const std::string& strName, const std::string& strManifestLine)
{
    if (!m_outputs.insert(strName).second)
    {
        std::fprintf(stderr, "contentgen: %s is generated twice\n", strName.c_str());
        m_bFailed = true;
    }
    m_manifest.push_back(strName + " " + strManifestLine);
}

void CContentSink::WriteArgs(const std::string& strName, const std::vector<std::string>& args,
                             const std::string& strInputs)
{
    // One mrvtool argument per line; @OUT@ stands for the packed file. The last line names
    // the inputs' hash so the argument file changes whenever an input does.
    std::string strText;
    for (const std::string& strArg : args)
        strText += strArg + "\n";
    strText += "# " + strInputs + "\n";
    Stage(strName + ".args", ToBytes(strText));
}

void CContentSink::AddPicture(const char* pszGamePath, const CCanvas& canvas, PackMode mode)
{
    const std::string strName = ContentName(pszGamePath);
    if (mode == PackMode::Auto)
        mode = ChooseMode(canvas);
    const std::string strPng = StripExtension(strName) + ".png";
    const std::vector<uint8_t> png = canvas.EncodePng();
    Stage(strPng, png);
    std::vector<std::string> args = {"pack", strPng, "@OUT@"};
    if (mode != PackMode::Plain)
        args.push_back(ModeFlag(mode));
    WriteArgs(strName, args, HexHash(HashBytes(png)));
    Register(strName, std::string(ModeName(mode)) + " " + std::to_string(canvas.Width()) + "x" +
                          std::to_string(canvas.Height()));
}

void CContentSink::AddFrameSet(const char* pszGamePath, int nFrameRate, const std::vector<CCanvas>& frames)
{
    const std::string strName = ContentName(pszGamePath);
    std::vector<std::string> args = {"packset", "@OUT@", "--fps", std::to_string(nFrameRate)};
    uint64_t nHash = 1469598103934665603ull;
    for (size_t i = 0; i < frames.size(); ++i)
    {
        char szFrame[32];
        std::snprintf(szFrame, sizeof(szFrame), "/%03zu.png", i);
        const std::string strPng = StripExtension(strName) + szFrame;
        const std::vector<uint8_t> png = frames[i].EncodePng();
        Stage(strPng, png);
        nHash = HashBytes(png, nHash);
        args.push_back(strPng);
    }
    WriteArgs(strName, args, HexHash(nHash));
    const std::string strSize =
        frames.empty() ? "0x0" : std::to_string(frames[0].Width()) + "x" + std::to_string(frames[0].Height());
    Register(strName, "frames " + std::to_string(frames.size()) + " fps " + std::to_string(nFrameRate) + " " +
                          strSize);
}

void CContentSink::AddSound(const char* pszGamePath)
{
    const std::string strName = ContentName(pszGamePath);
    const std::string strWav = StripExtension(strName) + ".wav";
    std::vector<uint8_t> wav;
    std::string strError;
    if (!ToolFiles::ReadFileBytes(m_strStagingDir + "/" + strWav, &wav, &strError))
    {
        std::fprintf(stderr, "contentgen: the sound %s/%s is missing\n", m_strStagingDir.c_str(),
                     strWav.c_str());
        m_bFailed = true;
    }
    WriteArgs(strName, {"sound", strWav, "@OUT@"}, HexHash(HashBytes(wav)));
    Register(strName, "sound");
}

bool CContentSink::Finish()
{
    std::string strText;
    for (const std::string& strLine : m_manifest)
        strText += strLine + "\n";
    Stage("manifest.txt", ToBytes(strText));
    return !m_bFailed;
}
