// RunCoding.cpp: writing and checked reading of run-coded pixel payloads.
#include "RunCoding.h"

#include "assets/MRVRunCoding.h"
#include "platform/ByteOrder.h"

namespace MRVPacker
{

namespace
{

void PutRunHeader(std::vector<uint8_t>& out, uint8_t nType, uint32_t nCount)
{
    out.push_back(nType);
    out.push_back(0); // reserved
    Platform::AppendLE32(out, nCount);
}

} // namespace

std::vector<uint8_t> EncodeRuns(const MaskedPixels& picture)
{
    using namespace MRVRunCoding;
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
                Platform::AppendLE16(out, picture.pixels[i]);
        }
        nStart = nEnd;
    }
    PutRunHeader(out, RUN_END, 0);
    return out;
}

bool DecodeRuns(const uint8_t* pData, size_t nSize, size_t nPositions, MaskedPixels* pOut,
                std::string* pError)
{
    pOut->pixels.assign(nPositions, 0);
    pOut->opaque.assign(nPositions, 0);
    const MRVRunCoding::RunListCheck check =
        MRVRunCoding::DecodeRunList(pData, nSize, nPositions,
                                    [&](uint64_t nPosition, const uint8_t* pPixels, uint32_t nCount)
                                    {
                                        for (uint32_t i = 0; i < nCount; ++i)
                                        {
                                            pOut->pixels[nPosition + i] = Platform::ReadLE16(pPixels + 2 * i);
                                            pOut->opaque[nPosition + i] = 1;
                                        }
                                    });
    if (check.fault == MRVRunCoding::RUNFAULT_NONE)
        return true;
    *pError = std::string(MRVRunCoding::RunFaultText(check.fault)) + " (record at byte " +
              std::to_string(check.nOffset) + ", position " + std::to_string(check.nPosition) + " of " +
              std::to_string(nPositions);
    if (check.fault == MRVRunCoding::RUNFAULT_PAST_PICTURE)
        *pError += ", run of " + std::to_string(check.nCount);
    *pError += ")";
    return false;
}

} // namespace MRVPacker
