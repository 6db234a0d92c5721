// FuzzCompose.cpp: arbitrary sprite layouts (partly or wholly off screen, more sprites than
// the dirty list holds) changed by arbitrary moves, hides and frame changes. After every
// incremental frame the surface must equal a model that paints the background and then every
// shown sprite in layer order; any difference aborts.
#include "fuzz/FuzzSupport.h"
#include "graphics/MRVImage.h"
#include "graphics/MRVSprite.h"
#include "platform/ScreenFormat.h"
#include "scene/Scene.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace
{
constexpr int W = Platform::kScreenWidth;
constexpr int H = Platform::kScreenHeight;

// A coordinate from -96 to 735 (x) or -96 to 575 (y): on, across or off the screen edges.
int X(FuzzSupport::Reader& in)
{
    return static_cast<uint16_t>(in.Short()) % (W + 192) - 96;
}
int Y(FuzzSupport::Reader& in)
{
    return static_cast<uint16_t>(in.Short()) % (H + 192) - 96;
}

class CFuzzScene : public CScene
{
public:
    void Reserved() override {}
};

WORD BackgroundPixel(int x, int y)
{
    return WORD(0x0100 + ((x * 7 + y * 13) & 0xFF));
}

// A solid-coloured sprite with two frames of the same size.
struct FuzzSprite
{
    CMRVImage imgFrames[2];
    CMRVSprite spr;
};

void PaintModel(std::vector<WORD>& model, const CMRVImage& imgBackground,
                const std::vector<FuzzSprite*>& paintOrder)
{
    std::memcpy(model.data(), imgBackground.GetPixels(), model.size() * sizeof(WORD));
    for (const FuzzSprite* p : paintOrder)
    {
        const CMRVSprite& spr = p->spr;
        const int nLeft = std::max<int>(0, spr.m_nX), nRight = std::min<int>(W, spr.m_nX + spr.m_nWidth);
        if (spr.IsHidden() || nLeft >= nRight)
            continue;
        const WORD wColour = p->imgFrames[spr.m_nCurrentFrame].GetPixelWords()[0];
        for (int y = std::max<int>(0, spr.m_nY); y < std::min<int>(H, spr.m_nY + spr.m_nHeight); ++y)
            std::fill(&model[size_t(y) * W + nLeft], &model[size_t(y) * W + nRight], wColour);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static CMRVImage s_imgBackground;
    if (!s_imgBackground.GetPixels())
    {
        s_imgBackground.Create(W, H, FALSE);
        for (int i = 0; i < W * H; ++i)
            s_imgBackground.GetPixelWords()[i] = BackgroundPixel(i % W, i / W);
    }

    FuzzSupport::Reader in(pData, nSize);
    CFuzzScene scene;
    scene.SetBackground(&s_imgBackground, 0xF800, 0x07E0, 0x001F);

    const int nSprites = 1 + in.Byte() % 130;
    std::vector<std::unique_ptr<FuzzSprite>> sprites;
    std::vector<FuzzSprite*> paintOrder; // what AddSprite should produce: by layer, stable
    for (int i = 0; i < nSprites; ++i)
    {
        sprites.push_back(std::make_unique<FuzzSprite>());
        FuzzSprite* p = sprites.back().get();
        const int nWidth = 1 + in.Byte() % 64, nHeight = 1 + in.Byte() % 64;
        for (int f = 0; f < 2; ++f)
        {
            p->imgFrames[f].Create(nWidth, nHeight, FALSE);
            std::fill(p->imgFrames[f].GetPixelWords(), p->imgFrames[f].GetPixelWords() + nWidth * nHeight,
                      WORD(0x8000 + i * 4 + f));
        }
        const int nLayer = in.Byte() % 4;
        p->spr.SetPosition(X(in), Y(in), nLayer);
        p->spr.AddFrame(&p->imgFrames[0], nullptr);
        p->spr.AddFrame(&p->imgFrames[1], nullptr);
        p->spr.SetState(in.Byte() % 4 == 0 ? MRVSPRITE_HIDDEN : MRVSPRITE_SHOWN);
        p->spr.m_bAlwaysDirty = in.Byte() % 8 == 0;
        scene.AddSprite(&p->spr);
        auto it = paintOrder.begin();
        while (it != paintOrder.end() && (*it)->spr.m_nLayer <= nLayer)
            ++it;
        paintOrder.insert(it, p);
    }

    std::vector<WORD> surface(size_t(W) * H, 0xDEAD), model(size_t(W) * H);
    scene.Draw(surface.data(), W * 2, TRUE);
    PaintModel(model, s_imgBackground, paintOrder);
    if (std::memcmp(surface.data(), model.data(), surface.size() * 2) != 0)
        std::abort();

    // Each check repaints the model of the whole screen: a few per input keep the runs quick.
    for (int nChecks = 0; !in.Empty() && nChecks < 12;)
    {
        CMRVSprite& spr = sprites[size_t(in.Byte()) % sprites.size()]->spr;
        switch (in.Byte() % 5)
        {
        case 0:
            spr.SetPosition(X(in), Y(in), MRVSPRITE_KEEP_LAYER);
            break;
        case 1:
            spr.SetState(spr.IsHidden() ? MRVSPRITE_SHOWN : MRVSPRITE_HIDDEN);
            break;
        case 2:
            spr.SetFrame(in.Byte() % 2);
            break;
        case 3:
            spr.m_bLoop = in.Byte() & 1;
            spr.NextFrame();
            break;
        default:
            ++nChecks;
            scene.Draw(surface.data(), W * 2, FALSE);
            PaintModel(model, s_imgBackground, paintOrder);
            if (std::memcmp(surface.data(), model.data(), surface.size() * 2) != 0)
                std::abort();
            break;
        }
    }
    return 0;
}
