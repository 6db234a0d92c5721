// BenchCompose.cpp: the cost of composing frames in a scene, next to the cost of the memory
// traffic a complete frame cannot avoid (background to screen image, sprites, screen image to
// surface). Prints FIGURE lines; every figure is the median of interleaved rounds.
#include "graphics/MRVImage.h"
#include "graphics/MRVSprite.h"
#include "platform/ByteOrder.h"
#include "platform/ScreenFormat.h"
#include "scene/Scene.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace
{
constexpr int W = Platform::kScreenWidth;
constexpr int H = Platform::kScreenHeight;
constexpr size_t FRAME_BYTES = size_t(W) * H * sizeof(WORD);

class CBenchScene : public CScene
{
public:
    void Reserved() override {}
};

void FillPattern(CMRVImage& img, int nWidth, int nHeight, BOOL bKeyed, WORD wSeed)
{
    img.Create(nWidth, nHeight, bKeyed);
    WORD* pPixels = img.GetPixelWords();
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x)
        {
            // Keyed pictures get a transparent checker of 8x8 cells.
            const bool bHole = bKeyed && ((x / 8 + y / 8) & 1);
            pPixels[y * nWidth + x] = bHole ? 0 : WORD(wSeed + x * 3 + y * 5) | 1;
        }
}

// A run-coded picture: an ellipse of opaque pixels on transparent corners.
void MakeRunCoded(CMRVImage& img, int nWidth, int nHeight, WORD wSeed)
{
    std::vector<BYTE> payload;
    auto AddRun = [&payload](BYTE bType, int nCount, WORD wColour)
    {
        if (nCount <= 0)
            return;
        payload.push_back(bType);
        payload.push_back(0);
        Platform::AppendLE32(payload, DWORD(nCount));
        if (bType == 1)
            for (int i = 0; i < nCount; ++i)
            {
                payload.push_back(BYTE(wColour + i));
                payload.push_back(BYTE((wColour + i) >> 8) | 0x80);
            }
    };
    for (int y = 0; y < nHeight; ++y)
    {
        const double dy = (y + 0.5) / nHeight * 2 - 1;
        const int nInset = int(nWidth / 2 * (1 - std::max(0.0, 1 - dy * dy)));
        AddRun(0, nInset, 0);
        AddRun(1, nWidth - 2 * nInset, WORD(wSeed + y));
        AddRun(0, nInset, 0);
    }
    payload.push_back(2);
    payload.push_back(0);

    MRVRecordHeader header;
    header.dwFlags = MRVIMAGE_RUNCODED;
    header.wWidth = WORD(nWidth);
    header.wHeight = WORD(nHeight);
    header.dwBufferSize = header.dwDataSize = DWORD(payload.size());
    std::vector<BYTE> record(MRVIMAGE_HEADER_SIZE);
    WriteRecordHeader(header, record.data());
    record.insert(record.end(), payload.begin(), payload.end());
    img.LoadFromMemory(record.data(), record.size());
}

template <class F> double MicrosecondsPerCall(int nCalls, F&& fn)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < nCalls; ++i)
        fn(i);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    return std::chrono::duration<double, std::micro>(elapsed).count() / nCalls;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct BenchSetup
{
    CMRVImage imgBackground;
    CMRVImage imgImages[21];
    CMRVSprite sprSprites[20];
    CBenchScene scene;
    CMRVSprite* pChanging = nullptr;

    BenchSetup()
    {
        FillPattern(imgBackground, W, H, FALSE, 0x1234);
        scene.SetBackground(&imgBackground, Platform::kFormat565.dwRedMask, Platform::kFormat565.dwGreenMask,
                            Platform::kFormat565.dwBlueMask);
        // Four kinds in turn: opaque raw, colour-keyed, run-coded, blended.
        for (int i = 0; i < 20; ++i)
        {
            const int nKind = i % 4;
            const int nWidth = 100 + (i % 3) * 20, nHeight = 60 + (i % 5) * 10;
            if (nKind == 2)
                MakeRunCoded(imgImages[i], nWidth, nHeight, WORD(0x0800 * i));
            else
                FillPattern(imgImages[i], nWidth, nHeight, nKind == 1, WORD(0x0800 * i));
            CMRVSprite& spr = sprSprites[i];
            spr.SetPosition((i % 5) * 125, (i / 5) * 115, i % 3);
            spr.AddFrame(&imgImages[i], nullptr);
            spr.m_nDrawMode = nKind == 3 ? MRVSPRITE_DRAW_BLEND : MRVSPRITE_DRAW_NORMAL;
            spr.m_nAlpha = 50;
            spr.SetState(MRVSPRITE_SHOWN);
            scene.AddSprite(&spr);
        }
        // The changing sprite: an opaque 100x60 picture with a second frame.
        FillPattern(imgImages[20], 100, 60, FALSE, 0x4321);
        pChanging = &sprSprites[0];
        pChanging->AddFrame(&imgImages[20], nullptr);
    }

    // Places the changing sprite at (x, y) and leaves only it marked, as in a scene where one
    // thing animates; then times frames in which it changes frame.
    double TimeIncremental(WORD* pSurface, int x, int y)
    {
        pChanging->SetPosition(x, y, MRVSPRITE_KEEP_LAYER);
        scene.Draw(pSurface, W * 2, TRUE);
        for (CMRVSprite& spr : sprSprites)
            spr.SetUpdateRect(CMRVRect());
        const double dMicroseconds = MicrosecondsPerCall(200,
                                                         [&](int i)
                                                         {
                                                             pChanging->SetFrame(i & 1);
                                                             scene.Draw(pSurface, W * 2, FALSE);
                                                         });
        // Marked again for the complete frames of the next round.
        for (CMRVSprite& spr : sprSprites)
            spr.SetState(MRVSPRITE_SHOWN);
        return dMicroseconds;
    }
};

} // namespace

int main()
{
    BenchSetup setup;
    std::vector<WORD> surface(size_t(W) * H);
    WORD* pSurface = surface.data();

    // Three separate copies of a frame, as a complete frame's unavoidable traffic.
    std::vector<BYTE> buffers[6];
    for (auto& buffer : buffers)
        buffer.assign(FRAME_BYTES, 0x5A);

    std::vector<double> full, copies, incremental, underBlend;
    for (int nRound = 0; nRound < 31; ++nRound)
    {
        full.push_back(MicrosecondsPerCall(10, [&](int) { setup.scene.Draw(pSurface, W * 2, TRUE); }));
        copies.push_back(MicrosecondsPerCall(10,
                                             [&](int)
                                             {
                                                 for (int i = 0; i < 3; ++i)
                                                     std::memcpy(buffers[2 * i + 1].data(),
                                                                 buffers[2 * i].data(), FRAME_BYTES);
                                             }));
        incremental.push_back(setup.TimeIncremental(pSurface, 0, 415));  // over the background only
        underBlend.push_back(setup.TimeIncremental(pSurface, 530, 410)); // partly under a blended sprite
    }

    const double dFull = Median(full), dCopies = Median(copies), dIncremental = Median(incremental);
    std::printf("FIGURE compose_full_us %.1f\n", dFull);
    std::printf("FIGURE memcpy_3frames_us %.1f\n", dCopies);
    std::printf("FIGURE compose_full_vs_memcpy %.3f\n", dFull / dCopies);
    std::printf("FIGURE compose_incremental_us %.2f\n", dIncremental);
    std::printf("FIGURE incremental_vs_full %.4f\n", dIncremental / dFull);
    std::printf("FIGURE compose_incremental_under_blend_us %.2f\n", Median(underBlend));
    return 0;
}
