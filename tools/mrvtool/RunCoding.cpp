// RunCoding.cpp: writing and checked reading of run-coded pixel payloads.
#include "RunCoding.h"

#include "ByteOrder.h"

namespace MRVPacker
{

namespace
{

void PutRunHeader(std::vector<uint8_t>& out, uint8_t nType, uint32_t nCount)
{
    out.push_back(nType);
    out.push_back(0); // reserved
    PutLE32(out, nCount);
}

} // namespace

std::vector<uint8_t> EncodeRuns(const MaskedPixels& picture)
{
    std::vector<uint8_t> out;
    const size_t nPositions = picture.pixels.size();
    size_t nStart = 0;
    while (nStart < nPositions)
    {
        const uint8_t bOpaque = picture.opaque[nStart];
        size_t nEnd = nStart + 1;
        while (nEnd < nPositions && picture.opaque[nEnd] == bOpaque)
            ++nEnd;
        PutRunHeader(out, bOpaque ? RUN_OPAQUE : RUN_TRANSPARENT, static_cast<uint32_t>(nEnd - nStart));
        if (bOpaque)
        {
            for (size_t i = nStart; i < nEnd; ++i)
                PutLE16(out, picture.pixels[i]);
        }
        nStart = nEnd;
    }
    PutRunHeader(out, RUN_END, 0);
    return out;
}

bool DecodeRuns(const uint8_t* pData, size_t nSize, size_t nPositions, MaskedPixels* pOut, std::string* pError)
{
    pOut->pixels.assign(nPositions, 0);
    pOut->opaque.assign(nPositions, 0);
    size_t nOffset = 0;
    size_t nPosition = 0;
    for (;;)
    {
        if (nSize - nOffset < 1)
        {
            *pError = "run list ends without an end record";
            return false;
        }
        const uint8_t nType = pData[nOffset];
        if (nType == RUN_END)
            break;
        if (nType != RUN_TRANSPARENT && nType != RUN_OPAQUE)
        {
            *pError = "unknown run type " + std::to_string(nType) + " at byte " + std::to_string(nOffset);
            return false;
        }
        if (nSize - nOffset < RUN_RECORD_HEADER_SIZE)
        {
            *pError = "run record cut short at byte " + std::to_string(nOffset);
            return false;
        }
        const uint32_t nCount = GetLE32(pData + nOffset + 2);
        nOffset += RUN_RECORD_HEADER_SIZE;
        if (nCount == 0 || nCount > nPositions - nPosition)
        {
            *pError = "run of " + std::to_string(nCount) + " positions at position " + std::to_string(nPosition) +
                      " does not fit the " + std::to_string(nPositions) + " positions of the picture";
            return false;
        }
        if (nType == RUN_OPAQUE)
        {
            if ((nSize - nOffset) / 2 < nCount)
            {
                *pError = "opaque run's pixels cut short at byte " + std::to_string(nOffset);
                return false;
            }
            for (uint32_t i = 0; i < nCount; ++i)
            {
                pOut->pixels[nPosition + i] = GetLE16(pData + nOffset + 2 * i);
                pOut->opaque[nPosition + i] = 1;
            }
            nOffset += 2 * static_cast<size_t>(nCount);
        }
        nPosition += nCount;
    }
    if (nPosition != nPositions)
    {
        *pError = "runs cover " + std::to_string(nPosition) + " of " + std::to_string(nPositions) + " positions";
        return false;
    }
    return true;
}

} // namespace MRVPacker
