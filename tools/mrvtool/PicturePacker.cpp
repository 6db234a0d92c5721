// PicturePacker.cpp: building image records from pictures and reading decoded payloads back.
#include "PicturePacker.h"

#include "ContentFormats.h"
#include "Pixel565.h"
#include "RunCoding.h"

#include "graphics/MRVImage.h"
#include "platform/ByteOrder.h"
#include "tools/encoder/MRVEncoder.h"

#include <cstring>

namespace MRVPacker
{

namespace
{

std::string SizeText(uint32_t nWidth, uint32_t nHeight)
{
    return std::to_string(nWidth) + "x" + std::to_string(nHeight);
}

// Splits the picture into 5-6-5 pixels and opaque flags. Transparent pixels keep 0.
MaskedPixels ToMaskedPixels(const Picture& picture, Transparency transparency)
{
    const size_t nPositions = static_cast<size_t>(picture.nWidth) * picture.nHeight;
    MaskedPixels masked;
    masked.pixels.resize(nPositions);
    masked.opaque.resize(nPositions);
    for (size_t i = 0; i < nPositions; ++i)
    {
        const uint8_t* p = &picture.rgba[4 * i];
        const bool bOpaque = !IsTransparentAlpha(p[3]);
        masked.opaque[i] = bOpaque ? 1 : 0;
        if (!bOpaque)
            masked.pixels[i] = 0;
        else if (transparency == Transparency::ColourKey)
            masked.pixels[i] = RgbToVisible565(p[0], p[1], p[2]);
        else
            masked.pixels[i] = RgbTo565(p[0], p[1], p[2]);
    }
    return masked;
}

std::vector<uint8_t> RawBytes(const std::vector<uint16_t>& pixels)
{
    std::vector<uint8_t> out;
    out.reserve(pixels.size() * 2);
    for (uint16_t nPixel : pixels)
        Platform::AppendLE16(out, nPixel);
    return out;
}

// True when the record loads and decodes back to exactly the given payload.
bool DecodesTo(const std::vector<uint8_t>& record, const std::vector<uint8_t>& payload)
{
    CMRVImage image;
    if (!image.LoadFromMemory(record.data(), record.size()) || !image.Decompress(nullptr))
        return false;
    return image.GetBufferSize() == payload.size() &&
           (payload.empty() || std::memcmp(image.GetPixels(), payload.data(), payload.size()) == 0);
}

void SetPixel(Picture* pOut, size_t nIndex, uint16_t nPixel, bool bOpaque)
{
    uint8_t* p = &pOut->rgba[4 * nIndex];
    if (bOpaque)
        Rgb565ToRgb(nPixel, &p[0], &p[1], &p[2]);
    p[3] = bOpaque ? 255 : 0;
}

} // namespace

bool HasTransparency(const Picture& picture)
{
    for (size_t i = 3; i < picture.rgba.size(); i += 4)
    {
        if (IsTransparentAlpha(picture.rgba[i]))
            return true;
    }
    return false;
}

bool FitsRecord(uint32_t nWidth, uint32_t nHeight, std::string* pError)
{
    if (nWidth > kMaxSide || nHeight > kMaxSide)
        *pError = "picture of " + SizeText(nWidth, nHeight) + " exceeds 65535 pixels a side";
    else if (static_cast<uint64_t>(nWidth) * nHeight * 2 > kMaxBufferSize)
        *pError = "picture of " + SizeText(nWidth, nHeight) +
                  " needs more pixel bytes than a record's 32-bit buffer size can hold";
    else
        return true;
    return false;
}

bool BuildPayload(const Picture& picture, Transparency transparency, DecodedPayload* pOut,
                  std::string* pError)
{
    if (!FitsRecord(picture.nWidth, picture.nHeight, pError))
        return false;
    const MaskedPixels masked = ToMaskedPixels(picture, transparency);
    switch (transparency)
    {
    case Transparency::None:
        if (HasTransparency(picture))
        {
            *pError = "picture has transparent pixels (alpha below half); pack it with --key or --rle";
            return false;
        }
        pOut->dwFlags = MRVIMAGE_RAW;
        pOut->bytes = RawBytes(masked.pixels);
        break;
    case Transparency::ColourKey:
        pOut->dwFlags = MRVIMAGE_RAW | MRVIMAGE_COLORKEY;
        pOut->bytes = RawBytes(masked.pixels);
        break;
    case Transparency::RunCoded:
        pOut->dwFlags = MRVIMAGE_RUNCODED;
        pOut->bytes = EncodeRuns(masked);
        break;
    }
    if (pOut->bytes.size() > kMaxBufferSize)
    {
        *pError = "payload of " + std::to_string(pOut->bytes.size()) + " bytes does not fit a record";
        return false;
    }
    return true;
}

bool PackPicture(const Picture& picture, Transparency transparency, Compression compression,
                 std::vector<uint8_t>* pRecord, std::string* pError)
{
    DecodedPayload payload;
    if (!BuildPayload(picture, transparency, &payload, pError))
        return false;
    MRVRecordHeader header;
    header.dwFlags = payload.dwFlags;
    header.wWidth = static_cast<uint16_t>(picture.nWidth);
    header.wHeight = static_cast<uint16_t>(picture.nHeight);
    header.dwBufferSize = static_cast<uint32_t>(payload.bytes.size());
    if (compression == Compression::Store)
    {
        *pRecord = BuildImageRecord(header, payload.bytes);
        return true;
    }

    const std::vector<uint8_t> stream = MRVEncoder::Encode(payload.bytes.data(), payload.bytes.size());
    // A record cannot hold a stream longer than its decoded payload: loaders read the stream
    // into a buffer of the decoded size.
    if (stream.size() > payload.bytes.size())
    {
        if (compression == Compression::Required)
        {
            *pError = "compressed stream of " + std::to_string(stream.size()) + " bytes is longer than the " +
                      std::to_string(payload.bytes.size()) + "-byte picture, which a record cannot hold";
            return false;
        }
        *pRecord = BuildImageRecord(header, payload.bytes);
        return true;
    }
    header.dwFlags |= MRVIMAGE_COMPRESSED;
    *pRecord = BuildImageRecord(header, stream);
    if (!DecodesTo(*pRecord, payload.bytes))
    {
        *pError = "the encoder's stream does not decode back to the picture";
        return false;
    }
    return true;
}

bool UnpackPayload(uint32_t dwFlags, uint32_t nWidth, uint32_t nHeight, const uint8_t* pPayload, size_t nSize,
                   Picture* pOut, std::string* pError)
{
    const size_t nPositions = static_cast<size_t>(nWidth) * nHeight;
    pOut->nWidth = nWidth;
    pOut->nHeight = nHeight;
    pOut->rgba.assign(nPositions * 4, 0);
    if (dwFlags & MRVIMAGE_RAW)
    {
        if (nSize != nPositions * 2)
        {
            *pError = "raw payload of " + std::to_string(nSize) + " bytes does not match " +
                      SizeText(nWidth, nHeight) + " pixels";
            return false;
        }
        const bool bKeyed = (dwFlags & MRVIMAGE_COLORKEY) != 0;
        for (size_t i = 0; i < nPositions; ++i)
        {
            const uint16_t nPixel = Platform::ReadLE16(pPayload + 2 * i);
            SetPixel(pOut, i, nPixel, !bKeyed || nPixel != 0);
        }
        return true;
    }
    if (dwFlags & MRVIMAGE_RUNCODED)
    {
        MaskedPixels masked;
        if (!DecodeRuns(pPayload, nSize, nPositions, &masked, pError))
            return false;
        for (size_t i = 0; i < nPositions; ++i)
            SetPixel(pOut, i, masked.pixels[i], masked.opaque[i] != 0);
        return true;
    }
    *pError = "flags " + std::to_string(dwFlags) + " name no pixel layout (neither raw nor run-coded)";
    return false;
}

} // namespace MRVPacker
