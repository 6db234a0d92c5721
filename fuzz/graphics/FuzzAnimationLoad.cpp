// FuzzAnimationLoad.cpp: arbitrary bytes as a frame-set file, loaded into an animation that is
// then stepped and drawn into a 640 x 480 screen image.
#include "fuzz/FuzzSupport.h"
#include "graphics/MRVAnimation.h"
#include "graphics/MRVImage.h"
#include "platform/ScreenFormat.h"

#include <cstdint>
#include <string>

namespace
{

class FuzzClock : public Platform::IClock
{
public:
    DWORD TimeGetTime() override { return m_dwNow; }
    void Sleep(DWORD dwMilliseconds) override { m_dwNow += dwMilliseconds; }
    DWORD GetTickCount() override { return m_dwNow; }
    DWORD m_dwNow = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static FuzzClock clock;
    FuzzSupport::SilenceTraces(&clock);
    const std::string strPath = FuzzSupport::WriteScratchFile("fuzz_animation_load.mrm", pData, nSize);
    if (strPath.empty())
        return 0;

    // The last input byte picks the display and the draw mode, so that the file itself is
    // unchanged by the choice.
    const uint8_t nChoice = nSize > 0 ? pData[nSize - 1] : 0;
    const bool b555 = (nChoice & 1) != 0;
    CMRVAnimation animation;
    if (!animation.Load(strPath.c_str(), b555 ? 0x7C00 : 0xF800, b555 ? 0x03E0 : 0x07E0, 0x001F))
        return 0;

    static CMRVImage screen;
    if (screen.GetPixels() == nullptr &&
        !screen.Create(Platform::kScreenWidth, Platform::kScreenHeight, FALSE))
        return 0;
    animation.SetTarget(&screen);
    animation.SetPosition(static_cast<int8_t>(nChoice) * 3, 100, 0);
    animation.m_nDrawMode = (nChoice >> 1) % 6;
    animation.m_nAlpha = 40;
    animation.m_bLoop = (nChoice & 0x80) != 0;
    for (int i = 0; i < 4; ++i)
    {
        clock.m_dwNow += 37u + 400u * static_cast<unsigned>(i);
        animation.Update();
        animation.Draw(nullptr);
        const CMRVRect clip(10, 10, 300, 200);
        animation.Draw(&clip);
    }
    animation.Load(strPath.c_str(), 0xF800, 0x07E0, 0x001F); // a second load over the first
    animation.Draw(nullptr);
    return 0;
}
