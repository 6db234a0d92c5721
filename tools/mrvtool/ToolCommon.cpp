// ToolCommon.cpp: messages, file access, file kinds and option parsing for mrvtool.
#include "ToolCommon.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>

namespace MRVTool
{

int BadFile(const std::string& strFile, const std::string& strWhat)
{
    std::cerr << "mrvtool: " << strFile << ": " << strWhat << "\n";
    return EXIT_BAD_INPUT;
}

int UsageError(const std::string& strWhat)
{
    std::cerr << "mrvtool: " << strWhat << "\n" << UsageText();
    return EXIT_USAGE;
}

const char* UsageText()
{
    return "usage:\n"
           "  mrvtool pack IN.png OUT.mri [--key | --rle] [--store]\n"
           "  mrvtool packset OUT.mrm --fps N IN.png...\n"
           "  mrvtool sound IN.wav OUT.mrs\n"
           "  mrvtool unpack IN.mri OUT.png | IN.mrm OUTDIR\n"
           "  mrvtool decode IN.mri OUT.bin\n"
           "  mrvtool info FILE\n"
           "  mrvtool verify FILE...\n";
}

namespace
{

// How each kind of content file is recognised: by its extension, else by its tag.
struct FileKindMarks
{
    const char* pszExtension;
    const char* pszTag;
    FileKind kind;
};

constexpr FileKindMarks kFileKindMarks[] = {
    {".mri", "MRVX", FileKind::Image},
    {".mrm", "MRVM", FileKind::FrameSet},
    {".mrs", "MRVS", FileKind::Sound},
};

} // namespace

FileKind DetectFileKind(const std::string& strPath, const std::vector<uint8_t>& bytes)
{
    std::string strExtension = std::filesystem::path(strPath).extension().string();
    std::transform(strExtension.begin(), strExtension.end(), strExtension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const FileKindMarks& marks : kFileKindMarks)
    {
        if (strExtension == marks.pszExtension)
            return marks.kind;
    }
    const std::string strTag(bytes.begin(),
                             bytes.begin() + static_cast<std::ptrdiff_t>(std::min<size_t>(4, bytes.size())));
    for (const FileKindMarks& marks : kFileKindMarks)
    {
        if (strTag == marks.pszTag)
            return marks.kind;
    }
    return FileKind::Unknown;
}

bool ParsedArgs::Has(const std::string& strName) const
{
    return std::any_of(options.begin(), options.end(),
                       [&](const auto& option) { return option.first == strName; });
}

std::string ParsedArgs::Value(const std::string& strName) const
{
    for (const auto& option : options)
    {
        if (option.first == strName)
            return option.second;
    }
    return std::string();
}

bool ParseArgs(const std::vector<std::string>& args, const std::vector<std::string>& flagOptions,
               const std::vector<std::string>& valueOptions, ParsedArgs* pOut, std::string* pError)
{
    auto isOneOf = [](const std::string& strArg, const std::vector<std::string>& names)
    { return std::find(names.begin(), names.end(), strArg) != names.end(); };
    for (size_t i = 0; i < args.size(); ++i)
    {
        const std::string& strArg = args[i];
        if (strArg.size() < 2 || strArg.compare(0, 2, "--") != 0)
            pOut->positional.push_back(strArg);
        else if (isOneOf(strArg, flagOptions))
            pOut->options.emplace_back(strArg, std::string());
        else if (!isOneOf(strArg, valueOptions))
        {
            *pError = "unknown option " + strArg;
            return false;
        }
        else if (i + 1 == args.size())
        {
            *pError = "option " + strArg + " needs a value";
            return false;
        }
        else
        {
            pOut->options.emplace_back(strArg, args[i + 1]);
            ++i;
        }
    }
    return true;
}

} // namespace MRVTool
