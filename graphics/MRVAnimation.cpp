// MRVAnimation.cpp: loading a frame set into owned frames and stepping them by game time.
#include "graphics/MRVAnimation.h"

#include "assets/MRVFrameSet.h"
#include "graphics/MRVImage.h"
#include "platform/Clock.h"
#include "platform/ScreenFormat.h"
#include "trace/DebugTrace.h"

#include <cstring>
#include <new>

namespace
{

// The most decoded bytes one frame set may hold at once. Its frames stay decoded for the life of
// the animation; a full 640 x 480 frame is 600 KB, so this is far beyond any real set and only
// stops a crafted file from reaching the codec's largest expansion on every frame.
constexpr uint64_t MAX_SET_BYTES = 256u << 20;

// TRUE when no frame asks for a buffer larger than its picture and its stored stream can fill
// (assets/MRVRecord.h) and the whole set stays within MAX_SET_BYTES, checked on every header
// before any frame is allocated.
BOOL AreFrameSizesSane(const CMRVFrameSet& frames)
{
    uint64_t nTotal = 0;
    for (int i = 0; i < frames.GetFrameCount(); ++i)
    {
        size_t nSize = 0;
        const BYTE* pRecord = frames.GetFrameRecord(i, &nSize);
        if (pRecord == nullptr || nSize < MRVIMAGE_HEADER_SIZE)
            return FALSE;
        MRVRecordHeader header;
        ReadRecordHeader(pRecord, &header);
        nTotal += header.dwBufferSize;
        if (header.dwBufferSize > RecordBufferLimit(header) || nTotal > MAX_SET_BYTES)
            return FALSE;
    }
    return TRUE;
}

// Milliseconds per frame; at least 1, so that a rate above 1000 cannot make the period 0.
LONG FramePeriodFor(int nFramesPerSecond)
{
    const LONG nPeriod = 1000 / nFramesPerSecond;
    return nPeriod > 0 ? nPeriod : 1;
}

} // namespace

CMRVAnimation::CMRVAnimation()
    : m_Reserved(), m_nFrameRate(0), m_nFileFrameCount(0), m_pFrames(nullptr), m_nScratchSize(0),
      m_pScratch(nullptr), m_dwLastStep(0), m_nFramePeriod(0)
{
}

CMRVAnimation::~CMRVAnimation()
{
    ReleaseScratch();
    delete[] m_pFrames;
}

void CMRVAnimation::ReleaseFrames()
{
    if (m_nFrameCount > 0)
        MarkDirty(m_nX, m_nY); // the old picture's area must be repainted
    for (MRVSpriteFrame& frame : m_Frames)
        frame = MRVSpriteFrame{nullptr, CMRVRect()};
    m_nFrameCount = 0;
    m_nCurrentFrame = 0;
    m_nWidth = 0;
    m_nHeight = 0;
    delete[] m_pFrames;
    m_pFrames = nullptr;
    m_nFileFrameCount = 0;
    std::memset(m_Reserved, 0, sizeof(m_Reserved));
    m_nFrameRate = 0;
}

void CMRVAnimation::ReleaseScratch()
{
    delete[] m_pScratch;
    m_pScratch = nullptr;
    m_nScratchSize = 0;
}

BOOL CMRVAnimation::GrowScratch(DWORD dwSize)
{
    if (dwSize <= static_cast<DWORD>(m_nScratchSize))
        return TRUE;
    ReleaseScratch();
    m_pScratch = new (std::nothrow) BYTE[dwSize];
    if (m_pScratch == nullptr)
        return FALSE;
    m_nScratchSize = static_cast<LONG>(dwSize);
    return TRUE;
}

BOOL CMRVAnimation::Load(const char* pszPath, DWORD dwRedMask, DWORD dwGreenMask, DWORD dwBlueMask)
{
    ReleaseFrames();
    CMRVFrameSet frames;
    if (!frames.Load(pszPath))
        return FALSE;
    if (frames.GetFrameRate() <= 0)
    {
        DebugTrace("Error: Frame rate 0 in %s in CMRVAnimation::Load", pszPath);
        return FALSE;
    }
    if (!AreFrameSizesSane(frames))
    {
        DebugTrace("Error: Frame too large in %s in CMRVAnimation::Load", pszPath);
        return FALSE;
    }

    const int nCount = frames.GetFrameCount();
    m_pFrames = new CMRVImage[nCount];
    for (int i = 0; i < nCount; ++i)
    {
        size_t nSize = 0;
        const BYTE* pRecord = frames.GetFrameRecord(i, &nSize);
        if (!m_pFrames[i].LoadFromMemory(pRecord, nSize))
        {
            DebugTrace("Error: Invalid frame %d in %s in CMRVAnimation::Load", i, pszPath);
            delete[] m_pFrames;
            m_pFrames = nullptr;
            return FALSE;
        }
    }
    m_nFrameRate = static_cast<WORD>(frames.GetFrameRate());
    m_nFileFrameCount = static_cast<WORD>(nCount);
    m_nFramePeriod = FramePeriodFor(m_nFrameRate);

    for (int i = 0; i < nCount; ++i)
    {
        CMRVImage& image = m_pFrames[i];
        // A frame that does not decode stays compressed, and a compressed picture draws
        // nothing; it is still added so that frame numbers keep matching the file.
        if (image.IsCompressed() && GrowScratch(image.GetBufferSize()))
            image.Decompress(m_pScratch);
        if (dwRedMask == Platform::kFormat555.dwRedMask)
            image.ConvertPixelFormat(Platform::kFormat555.dwRedMask, dwGreenMask, dwBlueMask);
        AddFrame(&image, nullptr);
    }
    ReleaseScratch();
    m_dwLastStep = Platform::TimeGetTime();
    return TRUE;
}

void CMRVAnimation::SetFrameRate(int nFramesPerSecond)
{
    if (nFramesPerSecond < 1)
    {
        DebugTrace("Error: Invalid frame rate %d in CMRVAnimation::SetFrameRate", nFramesPerSecond);
        return;
    }
    m_nFramePeriod = FramePeriodFor(nFramesPerSecond);
}

void CMRVAnimation::Update()
{
    if (m_nFramePeriod <= 0 || m_nFrameCount == 0)
        return; // never given a frame rate, or nothing to step
    const DWORD dwElapsed = Platform::TimeGetTime() - m_dwLastStep;
    if (static_cast<LONG>(dwElapsed) <= m_nFramePeriod)
        return;
    DWORD dwSteps = dwElapsed / static_cast<DWORD>(m_nFramePeriod);
    // Stepping is cyclic with the frame count, so a long pause needs at most two rounds.
    const DWORD dwCount = static_cast<DWORD>(m_nFrameCount);
    if (dwSteps > dwCount)
        dwSteps = dwCount + dwSteps % dwCount;
    for (DWORD i = 0; i < dwSteps; ++i)
    {
        if (!NextFrame())
            SetFrame(0);
    }
    m_dwLastStep = Platform::TimeGetTime();
}
