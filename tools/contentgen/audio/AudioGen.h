// Entry point of the content sound generator: writes every sound of the game (voices,
// effects, music) as a 22,050 Hz mono 16-bit PCM WAV file below a staging folder, as
// <folder>/<name>.wav with the folder and base names the game's .mrs files use.
#pragma once

#include <string>
#include <vector>

// Generates every sound into strStagingDir (created when missing). Returns false, after
// printing what went wrong to stderr, when any sound could not be made or written.
bool GenerateAllAudio(const std::string& strStagingDir);

namespace AudioGen
{
// The relative paths ("signin/hotshot.wav", ...) GenerateAllAudio writes, in its order.
std::vector<std::string> AllSoundPaths();
} // namespace AudioGen
