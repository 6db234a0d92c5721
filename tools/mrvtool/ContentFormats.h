// ContentFormats.h: writing the game's content files and reading their headers back.
//   image record (.mri, and each .mrm frame): "MRVX", flags, width, height, buffer size,
//     data size (20 bytes), then the payload;
//   frame set (.mrm): the tag "MRVM" in the 4 reserved bytes, frame rate, frame count, then
//     per frame a 32-bit record length and the record;
//   sound file (.mrs): the tag "MRVS" in the 4 unexamined bytes, an 18-byte PCM format record,
//     the data length, then the samples.
// The game ignores both tags; they only let a person recognise the files.
#pragma once

#include "assets/MRVFrameSet.h"
#include "assets/MRVRecord.h"
#include "sound/MRVSoundFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace MRVPacker
{

constexpr size_t SOUND_HEADER_SIZE = kSoundHeaderSize;
constexpr uint16_t WAVE_FORMAT_PCM_TAG = Platform::kWaveFormatPcm;

// Reads a record's header and checks it with the game's own rules (assets/MRVRecord.h)
// against the nSize bytes that hold the record. On failure says why, with the numbers.
bool ParseImageRecord(const uint8_t* pRecord, size_t nSize, MRVRecordHeader* pHeader, std::string* pError);

// Reads a frame set's header and entries with the game's own framing rules: every entry
// complete, at least a record header long, and exactly as long as its record.
bool ParseFrameSet(const std::vector<uint8_t>& file, uint16_t* pFrameRate,
                   std::vector<MRVFrameEntry>* pFrames, std::string* pError);

// Header + payload; the magic is "MRVX" and the data size field the payload's length.
std::vector<uint8_t> BuildImageRecord(const MRVRecordHeader& header, const std::vector<uint8_t>& payload);

// Frame-set file from complete image records, in order.
std::vector<uint8_t> BuildFrameSet(uint16_t wFrameRate, const std::vector<std::vector<uint8_t>>& records);

// The game's PCM format record; PCM with every other field 0 until set.
struct SoundFormat : Platform::WaveFormat
{
    SoundFormat() : Platform::WaveFormat{WAVE_FORMAT_PCM_TAG, 0, 0, 0, 0, 0, 0} {}
};

// The format of PCM samples with the given layout (block alignment and byte rate derived).
SoundFormat MakePcmFormat(uint16_t nChannels, uint32_t nSamplesPerSec, uint16_t wBitsPerSample);

// Sound file whose data length is the length of the samples.
std::vector<uint8_t> BuildSoundFile(const SoundFormat& format, const uint8_t* pSamples, size_t nSize);

// Reads a sound file's header and checks it: long enough, PCM, a consistent format, a data
// length that fits in what follows the header. On failure returns false and says why.
bool ParseSoundFile(const std::vector<uint8_t>& file, SoundFormat* pFormat, uint32_t* pDataLength,
                    std::string* pError);

} // namespace MRVPacker
