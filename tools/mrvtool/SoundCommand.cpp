// SoundCommand.cpp: sound (a PCM WAV file to a .mrs sound file). 8-bit unsigned and 16-bit
// signed samples are taken as they are.
#include "Commands.h"
#include "ContentFormats.h"
#include "ToolCommon.h"

#include "tools/common/WavReader.h"

namespace MRVTool
{

int RunSound(const Args& args)
{
    ParsedArgs parsed;
    std::string strError;
    if (!ParseArgs(args, {}, {}, &parsed, &strError))
        return UsageError("sound: " + strError);
    if (parsed.positional.size() != 2)
        return UsageError("sound: needs IN.wav and OUT.mrs");
    ToolWav::PcmWave wave;
    if (!ToolWav::ReadWav(parsed.positional[0], &wave, &strError))
        return BadFile(parsed.positional[0], strError);
    const MRVPacker::SoundFormat format =
        MRVPacker::MakePcmFormat(wave.nChannels, wave.nSampleRate, wave.wBitsPerSample);
    const std::vector<uint8_t> file =
        MRVPacker::BuildSoundFile(format, wave.samples.data(), wave.samples.size());
    if (!WriteFileBytes(parsed.positional[1], file, &strError))
        return BadFile(parsed.positional[1], strError);
    return EXIT_OK;
}

} // namespace MRVTool
