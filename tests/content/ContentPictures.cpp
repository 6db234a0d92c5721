// ContentPictures.cpp: decoding the built content for the content tests.
#include "ContentPictures.h"

#include "platform/GamePath.h"

#include "assets/MRVFrameSet.h"
#include "assets/MRVRunCoding.h"
#include "graphics/MRVImage.h"
#include "platform/ByteOrder.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace
{
using Platform::ReadLE16;

// Raw payloads map one to one (the loader has checked their size); run-coded payloads are
// read with the game's own run rules.
bool DecodeImage(CMRVImage& image, DecodedPicture* pOut, std::string* pError)
{
    if (image.IsCompressed() && !image.Decompress(nullptr))
    {
        *pError = "compressed payload does not decode";
        return false;
    }
    pOut->nWidth = image.GetWidth();
    pOut->nHeight = image.GetHeight();
    const size_t nCount = size_t(pOut->nWidth) * pOut->nHeight;
    pOut->pixels.assign(nCount, 0);
    pOut->opaque.assign(nCount, false);
    const uint8_t* pData = image.GetPixels();
    const size_t nSize = image.GetBufferSize();
    if (image.GetFlags() & MRVIMAGE_RAW)
    {
        const bool bKeyed = (image.GetFlags() & MRVIMAGE_COLORKEY) != 0;
        for (size_t i = 0; i < nCount; ++i)
        {
            pOut->pixels[i] = ReadLE16(pData + 2 * i);
            pOut->opaque[i] = !bKeyed || pOut->pixels[i] != 0;
        }
        return true;
    }
    if (!(image.GetFlags() & MRVIMAGE_RUNCODED))
    {
        *pError = "neither raw nor run-coded";
        return false;
    }
    const MRVRunCoding::RunListCheck check =
        MRVRunCoding::DecodeRunList(pData, nSize, nCount,
                                    [&](uint64_t nPos, const uint8_t* pPixels, uint32_t nRun)
                                    {
                                        for (uint32_t i = 0; i < nRun; ++i)
                                        {
                                            pOut->pixels[nPos + i] = ReadLE16(pPixels + 2 * i);
                                            pOut->opaque[nPos + i] = true;
                                        }
                                    });
    if (check.fault != MRVRunCoding::RUNFAULT_NONE)
    {
        *pError = MRVRunCoding::RunFaultText(check.fault);
        return false;
    }
    return true;
}

} // namespace

std::string ContentFile(const char* pszGamePath)
{
    // The game's paths start with ".\content\"; the build's content folder is named content.
    return std::string(VELVINA_CONTENT_DIR) + "/../" + Platform::NativePath(pszGamePath);
}

bool LoadPicture(const char* pszGamePath, DecodedPicture* pOut, std::string* pError)
{
    CMRVImage image;
    if (!image.Load(ContentFile(pszGamePath).c_str()))
    {
        *pError = "cannot open";
        return false;
    }
    return DecodeImage(image, pOut, pError);
}

bool LoadFrameSet(const char* pszGamePath, std::vector<DecodedPicture>* pFrames, int* pFrameRate,
                  std::string* pError)
{
    CMRVFrameSet frames;
    if (!frames.Load(ContentFile(pszGamePath).c_str()))
    {
        *pError = "missing, truncated or inconsistent";
        return false;
    }
    *pFrameRate = frames.GetFrameRate();
    pFrames->clear();
    for (int i = 0; i < frames.GetFrameCount(); ++i)
    {
        size_t nLength = 0;
        const BYTE* pRecord = frames.GetFrameRecord(i, &nLength);
        CMRVImage image;
        if (!image.LoadFromMemory(pRecord, nLength) || !image.IsCompressed())
        {
            *pError = "frame " + std::to_string(i) + " is not a compressed record";
            return false;
        }
        pFrames->emplace_back();
        if (!DecodeImage(image, &pFrames->back(), pError))
            return false;
    }
    return true;
}

bool LoadSound(const char* pszGamePath, MRVSoundHeader* pHeader, std::vector<int16_t>* pSamples,
               std::string* pError)
{
    std::ifstream in(ContentFile(pszGamePath), std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!ParseSoundHeader(bytes.data(), bytes.size(), pHeader))
    {
        *pError = "missing or shorter than its header";
        return false;
    }
    pSamples->resize((bytes.size() - kSoundHeaderSize) / 2);
    for (size_t i = 0; i < pSamples->size(); ++i)
        (*pSamples)[i] = int16_t(ReadLE16(&bytes[kSoundHeaderSize + 2 * i]));
    return true;
}

int CountEdgePixels(const DecodedPicture& picture, int nLeft, int nTop, int nRight, int nBottom)
{
    auto channels = [](uint16_t p, int* r, int* g, int* b)
    {
        *r = (p >> 11) << 1; // red and blue scaled to green's six bits
        *g = (p >> 5) & 63;
        *b = (p & 31) << 1;
    };
    int nCount = 0;
    for (int y = std::max(nTop, 0); y <= std::min(nBottom, picture.nHeight - 2); ++y)
        for (int x = std::max(nLeft, 0); x <= std::min(nRight, picture.nWidth - 2); ++x)
        {
            int r, g, b, rx, gx, bx, ry, gy, by;
            channels(picture.At(x, y), &r, &g, &b);
            channels(picture.At(x + 1, y), &rx, &gx, &bx);
            channels(picture.At(x, y + 1), &ry, &gy, &by);
            const int nDx = std::abs(r - rx) + std::abs(g - gx) + std::abs(b - bx);
            const int nDy = std::abs(r - ry) + std::abs(g - gy) + std::abs(b - by);
            if (std::max(nDx, nDy) >= 24)
                ++nCount;
        }
    return nCount;
}
