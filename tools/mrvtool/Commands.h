// Commands.h: the mrvtool commands. Each takes the arguments after its name and returns the
// exit status (0 success, 1 bad input file, 2 usage error).
#pragma once

#include <string>
#include <vector>

namespace MRVTool
{

using Args = std::vector<std::string>;

int RunPack(const Args& args);    // pack IN.png OUT.mri [--key | --rle] [--store]
int RunPackSet(const Args& args); // packset OUT.mrm --fps N IN.png...
int RunSound(const Args& args);   // sound IN.wav OUT.mrs
int RunUnpack(const Args& args);  // unpack IN.mri OUT.png | IN.mrm OUTDIR
int RunDecode(const Args& args);  // decode IN.mri OUT.bin
int RunInfo(const Args& args);    // info FILE
int RunVerify(const Args& args);  // verify FILE...

} // namespace MRVTool
