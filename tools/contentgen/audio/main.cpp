// audiogen: writes every sound of the game's content as WAV files below the given folder.
#include "AudioGen.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: audiogen <staging-dir>\n";
        return 2;
    }
    return GenerateAllAudio(argv[1]) ? 0 : 1;
}
