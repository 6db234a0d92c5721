// FuzzRunCodedDraw.cpp: arbitrary picture payloads drawn with arbitrary rectangles into a
// guarded 640 x 480 buffer. Any write outside the screen area, or any read outside the
// payload (AddressSanitizer), is a failure.
#include "fuzz/FuzzSupport.h"
#include "graphics/MRVImage.h"
#include "graphics/MRVImageDraw.h"
#include "platform/ScreenFormat.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace
{

constexpr int W = Platform::kScreenWidth;
constexpr int H = Platform::kScreenHeight;
constexpr int PITCH = W + 60; // pixels per buffer row: 60 guard columns right of the screen
constexpr int GUARD_ROWS = 4;
constexpr WORD GUARD = 0xA5A5;

std::vector<BYTE> Record(DWORD dwFlags, int nWidth, int nHeight, const uint8_t* pPayload, size_t nSize)
{
    std::vector<BYTE> record(MRVIMAGE_HEADER_SIZE + nSize);
    MRVRecordHeader header;
    header.dwFlags = dwFlags;
    header.wWidth = static_cast<WORD>(nWidth);
    header.wHeight = static_cast<WORD>(nHeight);
    header.dwBufferSize = header.dwDataSize = static_cast<DWORD>(nSize);
    WriteRecordHeader(header, record.data());
    if (nSize > 0)
        std::memcpy(record.data() + MRVIMAGE_HEADER_SIZE, pPayload, nSize);
    return record;
}

// The buffer: GUARD_ROWS rows of guard, 480 screen rows of PITCH pixels whose last 60 are
// guard, GUARD_ROWS rows of guard. Kept between runs; the screen part is cleared each time.
std::vector<WORD>& Buffer()
{
    static std::vector<WORD> buffer(static_cast<size_t>(PITCH) * (H + 2 * GUARD_ROWS), GUARD);
    return buffer;
}

bool GuardIntact(const std::vector<WORD>& buffer)
{
    static const std::vector<WORD> guard(static_cast<size_t>(PITCH) * GUARD_ROWS, GUARD);
    const size_t nBand = guard.size() * sizeof(WORD);
    if (std::memcmp(buffer.data(), guard.data(), nBand) != 0 ||
        std::memcmp(buffer.data() + (buffer.size() - guard.size()), guard.data(), nBand) != 0)
        return false;
    for (int y = 0; y < H; ++y)
        if (std::memcmp(buffer.data() + (GUARD_ROWS + y) * PITCH + W, guard.data(),
                        (PITCH - W) * sizeof(WORD)) != 0)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    FuzzSupport::Reader in(pData, nSize);
    const uint8_t nKind = in.Byte();
    const uint8_t nOperation = in.Byte();
    int nWidth = static_cast<uint16_t>(in.Short());
    int nHeight = static_cast<uint16_t>(in.Short());
    const int dx = in.Short(), dy = in.Short(), sx = in.Short(), sy = in.Short(), w = in.Short(),
              h = in.Short();
    const uint8_t nAlpha = in.Byte();
    const uint8_t nDataCut = in.Byte();

    DWORD dwFlags = MRVIMAGE_RUNCODED;
    if (nKind % 3 != 0)
    {
        // Raw pictures must hold exactly width x height pixels: derive the height.
        dwFlags = nKind % 3 == 1 ? MRVIMAGE_RAW : (MRVIMAGE_RAW | MRVIMAGE_COLORKEY);
        nWidth = 1 + nWidth % 64;
        nHeight = static_cast<int>(std::min<size_t>(65535, in.RestSize() / 2 / static_cast<size_t>(nWidth)));
    }
    const size_t nPayload =
        dwFlags == MRVIMAGE_RUNCODED ? in.RestSize() : static_cast<size_t>(nWidth) * nHeight * 2;
    const std::vector<BYTE> record = Record(dwFlags, nWidth, nHeight, in.Rest(), nPayload);
    CMRVImage image;
    if (!image.LoadFromMemory(record.data(), record.size()))
        return 0;
    if (dwFlags == MRVIMAGE_RUNCODED && nDataCut < image.m_dwDataSize)
        image.m_dwDataSize = nDataCut; // a buffer larger than its data

    std::vector<WORD>& buffer = Buffer();
    WORD* pScreen = buffer.data() + GUARD_ROWS * PITCH;
    for (int y = 0; y < H; ++y)
        std::memset(pScreen + y * PITCH, 0, W * sizeof(WORD));
    const LONG nPitch = PITCH * 2;

    switch (nOperation % 6)
    {
    case 0:
        image.Blit(pScreen, nPitch, dx, dy, sx, sy, w, h);
        break;
    case 1:
        image.BlendBlit(pScreen, nPitch, dx, dy, sx, sy, w, h, nAlpha - 20);
        break;
    case 2:
        image.ConvertPixelFormat(Platform::kFormat555.dwRedMask, Platform::kFormat555.dwGreenMask,
                                 Platform::kFormat555.dwBlueMask);
        image.Blit(pScreen, nPitch, dx, dy, sx, sy, w, h);
        break;
    case 3:
        image.WaveBlit(pScreen, nPitch, dx, dy, sx, sy, w, h);
        break;
    case 4:
    {
        CMRVImage target;
        if (target.Create(1 + nAlpha % 40, 1 + nDataCut % 40, FALSE))
        {
            image.BlitTo(&target, dx, dy, sx, sy, w, h);
            image.BlendTo(&target, dx, dy, sx, sy, w, h, 50);
        }
        break;
    }
    default:
        if (image.GetWidth() > 0)
        {
            image.m_pColumnOffsets = new int32_t[2 * static_cast<size_t>(image.GetWidth())];
            for (int c = 0; c < image.GetWidth(); ++c)
            {
                image.m_pColumnOffsets[2 * c] = 0;
                image.m_pColumnOffsets[2 * c + 1] = (c * 37 + nAlpha) % 600 - 100;
            }
        }
        image.ColumnShiftBlit(pScreen, nPitch, dx, dy, sx, sy, w, h);
        break;
    }
    if (!GuardIntact(buffer))
        __builtin_trap();
    return 0;
}
