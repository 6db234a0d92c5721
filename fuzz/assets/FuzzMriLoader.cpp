// FuzzMriLoader.cpp: arbitrary bytes as a .mri file through CMRVImage::Load and Decompress,
// and through the bounded LoadFromMemory, which must accept and decode exactly the same.
#include "fuzz/FuzzSupport.h"

#include "assets/MRVCodecModel.h"
#include "graphics/MRVImage.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    FuzzSupport::SilenceTraces();
    const std::string strPath = FuzzSupport::WriteScratchFile("fuzz_mri_loader.mri", pData, nSize);
    if (strPath.empty())
        return 0;

    CMRVImage fromFile;
    CMRVImage fromMemory;
    const BOOL bFileLoaded = fromFile.Load(strPath.c_str());
    const BOOL bMemoryLoaded = fromMemory.LoadFromMemory(pData, nSize);
    if (bFileLoaded != bMemoryLoaded)
        std::abort();
    if (!bFileLoaded)
        return 0;

    // Whatever the header says, a load costs no more than the file's bytes could decode to.
    const DWORD dwBufferSize = fromFile.GetBufferSize();
    if (dwBufferSize > std::max<uint64_t>(nSize, MRVCodec::MaxDecodedSize(nSize)))
        std::abort();
    const BOOL bFileDecoded = fromFile.Decompress(nullptr);
    // A cleared scratch, like the buffer Decompress makes for itself, so both give equal pixels.
    BYTE* pScratch = new BYTE[dwBufferSize + 1]();
    const BOOL bMemoryDecoded = fromMemory.Decompress(pScratch);
    delete[] pScratch;
    if (bFileDecoded != bMemoryDecoded || fromFile.GetFlags() != fromMemory.GetFlags() ||
        fromFile.GetDataSize() != fromMemory.GetDataSize())
        std::abort();
    if (std::memcmp(fromFile.GetPixels(), fromMemory.GetPixels(), fromFile.GetDataSize()) != 0)
        std::abort();
    return 0;
}
