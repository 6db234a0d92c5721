// FuzzMrmReader.cpp: arbitrary bytes as a .mrm frame set, every frame loaded and decoded the
// way an animation does it, with one scratch buffer grown to the largest frame.
#include "fuzz/FuzzSupport.h"

#include "assets/MRVFrameSet.h"
#include "graphics/MRVImage.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    FuzzSupport::SilenceTraces();
    CMRVFrameSet frames;
    if (!frames.LoadFromMemory(pData, nSize))
        return 0;
    std::vector<BYTE> scratch;
    for (int i = 0; i < frames.GetFrameCount(); ++i)
    {
        size_t nRecordSize = 0;
        const BYTE* pRecord = frames.GetFrameRecord(i, &nRecordSize);
        CMRVImage image;
        if (!image.LoadFromMemory(pRecord, nRecordSize))
            continue;
        if (scratch.size() < image.GetBufferSize())
            scratch.resize(image.GetBufferSize());
        image.Decompress(scratch.data());
    }
    return 0;
}
