// main.cpp: mrvtool, the content packer: pictures to .mri/.mrm, WAV to .mrs, and inspection.
#include "Commands.h"
#include "ToolCommon.h"

#include <cstring>
#include <exception>
#include <iostream>

int main(int argc, char** argv)
{
    using namespace MRVTool;
    struct Command
    {
        const char* pszName;
        int (*pRun)(const Args&);
    };
    static const Command kCommands[] = {
        {"pack", RunPack},     {"packset", RunPackSet}, {"sound", RunSound},   {"unpack", RunUnpack},
        {"decode", RunDecode}, {"info", RunInfo},       {"verify", RunVerify},
    };
    if (argc < 2)
        return UsageError("no command given");
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "help") == 0)
    {
        std::cout << UsageText();
        return EXIT_OK;
    }
    const Args args(argv + 2, argv + argc);
    for (const Command& command : kCommands)
    {
        if (std::strcmp(argv[1], command.pszName) != 0)
            continue;
        // Every failure the commands foresee is reported by them; this only turns an
        // unforeseen one (memory running out) into a message and status 1 instead of an abort.
        try
        {
            return command.pRun(args);
        }
        catch (const std::exception& error)
        {
            std::cerr << "mrvtool: " << command.pszName << ": " << error.what() << "\n";
            return EXIT_BAD_INPUT;
        }
    }
    return UsageError(std::string("unknown command ") + argv[1]);
}
