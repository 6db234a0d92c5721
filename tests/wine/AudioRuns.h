// AudioRuns.h: finds a known sound in a recording of the audio output, as runs of samples that
// are equal to the sound's own, and judges what lies between and after them.
//
// A recording made through a real mixer may start late, lose or repeat a few milliseconds when
// the machine is busy, or change sample values; a streaming fault shows as samples from the
// wrong place in the sound (a stale half of the buffer), a skipped chunk, or sound after the
// end. Runs tell these apart: where each run starts in the recording and in the sound, and how
// the runs follow one another.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Lane
{

struct SampleRun
{
    size_t nRecorded; // where the run starts in the recording
    size_t nSound;    // where it starts in the sound
    size_t nLength;
};

struct SoundMatch
{
    std::vector<SampleRun> Runs; // in recording order
    size_t nEnd = 0;             // recording position after the last run
    size_t nForeign = 0;         // loud recorded samples between the runs that are not the sound's
    size_t nOutOfOrder = 0;      // runs that start before the end of the run before them in the sound
    size_t nLargestJump = 0;     // the largest skip or repeat between two runs, in samples
    size_t nLargestGap = 0;      // the largest stretch of recording between two runs, in samples
    size_t nHeard = 0;           // sound samples found, in total
    std::vector<size_t> Skips;   // sound samples skipped between two runs that follow in order
};

// Finds the sound in recorded[nFrom, nTo). Runs shorter than nMinRun samples are not counted
// (a run of a very short sound is the whole sound).
SoundMatch FindSound(const std::vector<int16_t>& recorded, size_t nFrom, size_t nTo,
                     const std::vector<int16_t>& sound, size_t nMinRun = 16);

// Skips of exactly a whole number of nChunk samples: what a streaming sound loses when a
// chunk of its file is never written to its buffer. A mixer that falls behind skips by its own
// periods of output, which need not be such a number.
size_t CountChunkSkips(const SoundMatch& match, size_t nChunk);

// Loud samples (magnitude above nThreshold) in recorded[nFrom, nTo).
size_t CountLoud(const std::vector<int16_t>& recorded, size_t nFrom, size_t nTo, int nThreshold = 0);

// One line describing the match: runs, coverage, jumps and gaps in milliseconds at nRate.
std::string Describe(const SoundMatch& match, size_t nSoundLength, unsigned nRate);

} // namespace Lane
