// ToolCommon.h: what every mrvtool command shares: exit statuses, messages, file access and
// recognising the kind of a content file.
#pragma once

#include "tools/common/FileBytes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace MRVTool
{

constexpr int EXIT_OK = 0;
constexpr int EXIT_BAD_INPUT = 1; // an input file is bad (or an output cannot be written)
constexpr int EXIT_USAGE = 2;

// Prints "mrvtool: FILE: WHAT" to standard error and returns EXIT_BAD_INPUT.
int BadFile(const std::string& strFile, const std::string& strWhat);

// Prints "mrvtool: WHAT" and the usage text to standard error and returns EXIT_USAGE.
int UsageError(const std::string& strWhat);

// The command lines, for the usage text.
const char* UsageText();

// Whole files in and out (tools/common/FileBytes.h): inputs must be regular files; outputs
// are replaced whole or left as they were.
using ToolFiles::ReadFileBytes;
using ToolFiles::WriteFileBytes;

enum class FileKind
{
    Unknown,
    Image,    // .mri
    FrameSet, // .mrm
    Sound,    // .mrs
};

// By extension (any case), else by the tag the packing tools write at the start of the file.
FileKind DetectFileKind(const std::string& strPath, const std::vector<uint8_t>& bytes);

// Splits options from positional arguments. Options named in valueOptions take the next
// argument as their value. Returns false (with *pError) for an unknown option or a missing
// value.
struct ParsedArgs
{
    std::vector<std::string> positional;
    std::vector<std::pair<std::string, std::string>> options; // name, value ("" for flags)
    bool Has(const std::string& strName) const;
    std::string Value(const std::string& strName) const;
};
bool ParseArgs(const std::vector<std::string>& args, const std::vector<std::string>& flagOptions,
               const std::vector<std::string>& valueOptions, ParsedArgs* pOut, std::string* pError);

} // namespace MRVTool
