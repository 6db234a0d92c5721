// SoundCommand.cpp: sound (a PCM WAV file to a .mrs sound file). SDL reads the WAV; it needs
// no SDL_Init for that. 8-bit unsigned and 16-bit signed samples are taken as they are.
#include "Commands.h"
#include "ContentFormats.h"
#include "ToolCommon.h"

#include <SDL.h>

namespace MRVTool
{

namespace
{

struct PcmSound
{
    MRVPacker::SoundFormat format;
    std::vector<uint8_t> samples;
};

bool ReadWav(const std::string& strPath, PcmSound* pSound, std::string* pError)
{
    SDL_AudioSpec spec;
    Uint8* pBuffer = nullptr;
    Uint32 nLength = 0;
    if (!SDL_LoadWAV_RW(SDL_RWFromFile(strPath.c_str(), "rb"), 1, &spec, &pBuffer, &nLength))
    {
        *pError = std::string("not a readable WAV file: ") + SDL_GetError();
        return false;
    }
    uint16_t wBits = 0;
    if (spec.format == AUDIO_U8)
        wBits = 8;
    else if (spec.format == AUDIO_S16LSB)
        wBits = 16;
    if (wBits == 0 || spec.channels == 0 || spec.freq <= 0)
    {
        SDL_FreeWAV(pBuffer);
        *pError = "samples are not 8-bit or 16-bit PCM";
        return false;
    }
    pSound->format = MRVPacker::MakePcmFormat(spec.channels, static_cast<uint32_t>(spec.freq), wBits);
    // Whole sample frames only.
    const Uint32 nFrames = nLength / pSound->format.nBlockAlign;
    pSound->samples.assign(pBuffer, pBuffer + nFrames * pSound->format.nBlockAlign);
    SDL_FreeWAV(pBuffer);
    return true;
}

} // namespace

int RunSound(const Args& args)
{
    ParsedArgs parsed;
    std::string strError;
    if (!ParseArgs(args, {}, {}, &parsed, &strError))
        return UsageError("sound: " + strError);
    if (parsed.positional.size() != 2)
        return UsageError("sound: needs IN.wav and OUT.mrs");
    PcmSound sound;
    if (!ReadWav(parsed.positional[0], &sound, &strError))
        return BadFile(parsed.positional[0], strError);
    const std::vector<uint8_t> file =
        MRVPacker::BuildSoundFile(sound.format, sound.samples.data(), sound.samples.size());
    if (!WriteFileBytes(parsed.positional[1], file, &strError))
        return BadFile(parsed.positional[1], strError);
    return EXIT_OK;
}

} // namespace MRVTool
