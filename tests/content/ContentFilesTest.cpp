// ContentFilesTest.cpp: checks the content the build made against the scenes' layout tables:
// every file a scene opens exists and decodes, frame sets have the frames the scenes need,
// sounds are in the game's format, every hot spot shows drawn content, every highlight is a
// lit copy of what lies under it at its exact position, and layers stay where they belong.
#include "ContentPictures.h"
#include "tests/contentgen/SceneAreas.h"

#include "game/layout/AvenueLayout.h"
#include "game/layout/MakeoverLayout.h"
#include "game/layout/SceneMusic.h"
#include "game/layout/SignInLayout.h"
#include "game/layout/SplashLayout.h"
#include "game/layout/WallLayout.h"
#include "platform/ScreenFormat.h"

#include <gtest/gtest.h>

#include <map>

namespace
{
// A highlight shown over the background at pt while the pointer is over rc.
struct Highlight
{
    const char* pszBackground;
    const char* pszPicture;
    LayoutPoint pt;
    LayoutRect rc;
};

std::vector<Highlight> AllOpaqueHighlights()
{
    using namespace MakeoverLayout;
    std::vector<Highlight> highlights = {
        {SplashLayout::pszBackground, SplashLayout::pszButton, SplashLayout::ptButton,
         SplashLayout::rcButton},
        {SignInLayout::pszBackground, SignInLayout::pszFarewell, SignInLayout::ptFarewell,
         SignInLayout::rcFarewell},
        {SignInLayout::pszBackground, SignInLayout::pszContinue, SignInLayout::ptContinue,
         SignInLayout::rcContinue},
        {WallLayout::pszBackground, WallLayout::pszBoot, WallLayout::ptBoot, WallLayout::rcBoot},
        {WallLayout::pszBackground, WallLayout::pszMakeover, WallLayout::ptMakeover, WallLayout::rcMakeover},
        {WallLayout::pszBackground, WallLayout::pszAvenue, WallLayout::ptAvenue, WallLayout::rcAvenue},
        {pszBackground, pszExit, ptExit, rcExit},
        {pszBackground, pszBefore, ptBefore, rcBefore},
        {AvenueLayout::pszBackground, AvenueLayout::pszExit, AvenueLayout::ptExit, AvenueLayout::rcExit},
    };
    for (int i = 0; i < nArrowFrames; ++i)
    {
        highlights.push_back({pszBackground, apszLeftArrow[i], ptLeftArrow, rcHairBack});
        highlights.push_back({pszBackground, apszRightArrow[i], ptRightArrow, rcHairForward});
    }
    for (const AvenueLayout::AvenueRow& row : AvenueLayout::aRows)
        highlights.push_back(
            {AvenueLayout::pszBackground, row.pszHighlight, row.ptHighlight, row.rcLeftArrow});
    return highlights;
}

class ContentFiles : public ::testing::Test
{
protected:
    const DecodedPicture& Picture(const char* pszGamePath)
    {
        auto it = m_cache.find(pszGamePath);
        if (it == m_cache.end())
        {
            DecodedPicture picture;
            std::string strError;
            EXPECT_TRUE(LoadPicture(pszGamePath, &picture, &strError)) << pszGamePath << ": " << strError;
            it = m_cache.emplace(pszGamePath, std::move(picture)).first;
        }
        return it->second;
    }

    std::vector<DecodedPicture> FrameSet(const char* pszGamePath, int* pFrameRate = nullptr)
    {
        std::vector<DecodedPicture> frames;
        std::string strError;
        int nFrameRate = 0;
        EXPECT_TRUE(LoadFrameSet(pszGamePath, &frames, &nFrameRate, &strError))
            << pszGamePath << ": " << strError;
        if (pFrameRate)
            *pFrameRate = nFrameRate;
        return frames;
    }

private:
    std::map<std::string, DecodedPicture> m_cache;
};

size_t CountEqual(const DecodedPicture& sprite, const DecodedPicture& background, int dx, int dy)
{
    size_t nEqual = 0;
    for (int y = 0; y < sprite.nHeight; ++y)
        for (int x = 0; x < sprite.nWidth; ++x)
        {
            const int bx = dx + x;
            const int by = dy + y;
            if (bx >= 0 && by >= 0 && bx < background.nWidth && by < background.nHeight &&
                sprite.At(x, y) == background.At(bx, by))
                ++nEqual;
        }
    return nEqual;
}

bool SameFrame(const DecodedPicture& a, const DecodedPicture& b)
{
    return a.nWidth == b.nWidth && a.nHeight == b.nHeight && a.pixels == b.pixels && a.opaque == b.opaque;
}
} // namespace

// The highlights are checked below; these pictures have no background copy to compare with.
TEST_F(ContentFiles, BackdropAndArrowPicturesShowSomething)
{
    std::vector<const char*> paths = {AvenueLayout::pszBackdrop};
    for (int i = 0; i < AvenueLayout::nArrowFrames; ++i)
        paths.insert(paths.end(), {AvenueLayout::apszLeftArrow[i], AvenueLayout::apszRightArrow[i]});
    for (const char* pszPath : paths)
    {
        const DecodedPicture& picture = Picture(pszPath);
        EXPECT_GT(std::count(picture.opaque.begin(), picture.opaque.end(), true), 0) << pszPath;
    }
}

TEST_F(ContentFiles, FrameSetsHaveTheFramesTheScenesNeed)
{
    struct Case
    {
        const char* pszPath;
        int nMinFrames;
    };
    std::vector<Case> cases = {
        {SignInLayout::pszTalk, SignInLayout::nMinTalkFrames},
        {MakeoverLayout::pszEyes, MakeoverLayout::nMinEyeFrames},
        {MakeoverLayout::pszLips, MakeoverLayout::nMinLipFrames},
        {MakeoverLayout::pszGlasses, MakeoverLayout::nMinGlassesFrames},
        {MakeoverLayout::pszHair, MakeoverLayout::nMinHairFrames},
    };
    for (const AvenueLayout::AvenueRow& row : AvenueLayout::aRows)
    {
        EXPECT_GT(row.nMinItems, row.nStartFrame) << row.pszName << ": the starting outfit needs its frame";
        cases.push_back({row.pszItems, row.nMinItems});
    }
    for (const Case& c : cases)
    {
        int nFrameRate = 0;
        const std::vector<DecodedPicture> frames = FrameSet(c.pszPath, &nFrameRate);
        EXPECT_GE(int(frames.size()), c.nMinFrames) << c.pszPath;
        EXPECT_GE(nFrameRate, 1) << c.pszPath;
        for (size_t i = 0; i < frames.size(); ++i)
        {
            // Sprites take their size from the last frame added, so all frames share one size.
            EXPECT_EQ(frames[i].nWidth, frames[0].nWidth) << c.pszPath << " frame " << i;
            EXPECT_EQ(frames[i].nHeight, frames[0].nHeight) << c.pszPath << " frame " << i;
            EXPECT_GT(std::count(frames[i].opaque.begin(), frames[i].opaque.end(), true), 0)
                << c.pszPath << " frame " << i << " is empty";
            // Every style, item and mouth shape looks different from every other.
            for (size_t j = 0; j < i; ++j)
                EXPECT_FALSE(SameFrame(frames[i], frames[j])) << c.pszPath << " frames " << j << " and " << i;
        }
    }
}

TEST_F(ContentFiles, SoundsAreInTheGameFormat)
{
    std::vector<const char*> paths = {
        SignInLayout::pszGreeting,        SignInLayout::pszFarewellVoice,      SignInLayout::pszContinueSound,
        WallLayout::pszWelcome,           WallLayout::pszWelcomeBack,          WallLayout::pszBootSound,
        MakeoverLayout::pszVoiceOver,     MakeoverLayout::pszExitSound,        MakeoverLayout::pszBeforeSound,
        MakeoverLayout::pszHairBackSound, MakeoverLayout::pszHairForwardSound, MakeoverLayout::pszLipsSound,
        MakeoverLayout::pszGlassesSound,  MakeoverLayout::pszEyesSound,        AvenueLayout::pszBootSound,
        AvenueLayout::pszClickSound,      AvenueLayout::pszFashionVoice,       SplashLayout::pszMusic,
    };
    for (const char* pszTrack : SceneMusic::apszTracks)
        paths.push_back(pszTrack);
    for (const char* pszPath : paths)
    {
        MRVSoundHeader header;
        std::vector<int16_t> samples;
        std::string strError;
        ASSERT_TRUE(LoadSound(pszPath, &header, &samples, &strError)) << pszPath << ": " << strError;
        EXPECT_EQ(header.format.wFormatTag, 1) << pszPath;
        EXPECT_EQ(header.format.nChannels, 1) << pszPath;
        EXPECT_EQ(header.format.nSamplesPerSec, 22050u) << pszPath;
        EXPECT_EQ(header.format.wBitsPerSample, 16) << pszPath;
        // Whole-loaded and streamed playback agree only when the length covers the file.
        EXPECT_EQ(header.dwDataLength, samples.size() * 2) << pszPath;
        EXPECT_FALSE(samples.empty()) << pszPath;
    }
}

TEST_F(ContentFiles, EveryHotspotShowsDrawnContent)
{
    for (const SceneArea& spot : AllSceneAreas())
    {
        const DecodedPicture& background = Picture(spot.pszBackground);
        const int nArea = (spot.rc.right - spot.rc.left + 1) * (spot.rc.bottom - spot.rc.top + 1);
        const int nEdges =
            CountEdgePixels(background, spot.rc.left, spot.rc.top, spot.rc.right, spot.rc.bottom);
        EXPECT_GE(nEdges, std::max(8, nArea / 40)) << spot.strName << " looks like bare background";
    }
}

TEST_F(ContentFiles, HighlightsAreLitCopiesOfWhatLiesUnderThem)
{
    for (const Highlight& highlight : AllOpaqueHighlights())
    {
        const DecodedPicture& background = Picture(highlight.pszBackground);
        const DecodedPicture& lit = Picture(highlight.pszPicture);
        ASSERT_GT(lit.nWidth, 0) << highlight.pszPicture;
        EXPECT_LE(highlight.pt.x + lit.nWidth, Platform::kScreenWidth) << highlight.pszPicture;
        EXPECT_LE(highlight.pt.y + lit.nHeight, Platform::kScreenHeight) << highlight.pszPicture;
        EXPECT_EQ(std::count(lit.opaque.begin(), lit.opaque.end(), false), 0)
            << highlight.pszPicture << " covers what lies under it whole";
        // It lines up: the picture matches the background at its own position at least as well as
        // shifted by up to four pixels, within 1% for backdrops that are flat in one direction...
        const size_t nPixels = lit.pixels.size();
        const size_t nAligned = CountEqual(lit, background, highlight.pt.x, highlight.pt.y);
        for (int dy = -4; dy <= 4; ++dy)
            for (int dx = -4; dx <= 4; ++dx)
            {
                if (dx == 0 && dy == 0)
                    continue;
                EXPECT_GE(nAligned + nPixels / 100,
                          CountEqual(lit, background, highlight.pt.x + dx, highlight.pt.y + dy))
                    << highlight.pszPicture << " fits better shifted by " << dx << ", " << dy;
            }
        // ...and it is lit: a good part of it differs from the background.
        EXPECT_GE(nPixels - nAligned, nPixels / 20) << highlight.pszPicture << " is not lit";
        // ...over its hot spot.
        const LayoutRect rcPicture = LayoutRectAt(highlight.pt, lit.nWidth, lit.nHeight);
        EXPECT_TRUE(rcPicture.left <= highlight.rc.right && highlight.rc.left <= rcPicture.right &&
                    rcPicture.top <= highlight.rc.bottom && highlight.rc.top <= rcPicture.bottom)
            << highlight.pszPicture;
    }
}

TEST_F(ContentFiles, TalkingHostRestsOnTheBackgroundsOwnFace)
{
    const std::vector<DecodedPicture> frames = FrameSet(SignInLayout::pszTalk);
    ASSERT_FALSE(frames.empty());
    const DecodedPicture& background = Picture(SignInLayout::pszBackground);
    EXPECT_EQ(CountEqual(frames[0], background, SignInLayout::ptTalk.x, SignInLayout::ptTalk.y),
              frames[0].pixels.size())
        << "frame 0 must be exactly what the background shows there";
}

TEST_F(ContentFiles, FaceLayersLeaveTheVanityUncovered)
{
    using namespace MakeoverLayout;
    std::vector<LayoutRect> spots;
    for (const SceneArea& spot : AllSceneAreas())
        if (std::string(spot.pszBackground) == pszBackground)
            spots.push_back(spot.rc);
    for (const char* pszPath : {pszEyes, pszLips, pszGlasses, pszHair})
    {
        const std::vector<DecodedPicture> frames = FrameSet(pszPath);
        for (size_t f = 0; f < frames.size(); ++f)
            for (int y = 0; y < frames[f].nHeight; ++y)
                for (int x = 0; x < frames[f].nWidth; ++x)
                {
                    if (!frames[f].IsOpaque(x, y))
                        continue;
                    for (const LayoutRect& rc : spots)
                        ASSERT_FALSE(rc.Contains(ptFace.x + x, ptFace.y + y))
                            << pszPath << " frame " << f << " covers a hot spot at " << ptFace.x + x << ", "
                            << ptFace.y + y;
                }
    }
}

TEST_F(ContentFiles, NoShoeIsDrawnOverADress)
{
    // Shoes are drawn after the dress; a shoe drawn over a gown's hem would show the boot in
    // front of the skirt, so every dress ends above every shoe.
    using namespace AvenueLayout;
    const std::vector<DecodedPicture> dresses = FrameSet(aRows[ROW_DRE].pszItems);
    const std::vector<DecodedPicture> shoes = FrameSet(aRows[ROW_SHOE].pszItems);
    const LayoutPoint ptDress = aRows[ROW_DRE].ptLayer;
    const LayoutPoint ptShoe = aRows[ROW_SHOE].ptLayer;
    for (size_t d = 0; d < dresses.size(); ++d)
        for (size_t s = 0; s < shoes.size(); ++s)
        {
            int nOverlap = 0;
            for (int y = 0; y < shoes[s].nHeight; ++y)
                for (int x = 0; x < shoes[s].nWidth; ++x)
                {
                    const int dx = ptShoe.x + x - ptDress.x;
                    const int dy = ptShoe.y + y - ptDress.y;
                    if (shoes[s].IsOpaque(x, y) && dx >= 0 && dy >= 0 && dx < dresses[d].nWidth &&
                        dy < dresses[d].nHeight && dresses[d].IsOpaque(dx, dy))
                        ++nOverlap;
                }
            EXPECT_EQ(nOverlap, 0) << "shoe " << s << " is drawn over dress " << d;
        }
}

TEST_F(ContentFiles, ModelLayersStayOnTheBackdrop)
{
    // Only the backdrop is redrawn every frame, so the items must lie on it.
    const DecodedPicture& backdrop = Picture(AvenueLayout::pszBackdrop);
    const LayoutRect rcBackdrop = LayoutRectAt(AvenueLayout::ptBackdrop, backdrop.nWidth, backdrop.nHeight);
    for (const AvenueLayout::AvenueRow& row : AvenueLayout::aRows)
    {
        const std::vector<DecodedPicture> frames = FrameSet(row.pszItems);
        for (size_t f = 0; f < frames.size(); ++f)
        {
            const LayoutRect rcFrame = LayoutRectAt(row.ptLayer, frames[f].nWidth, frames[f].nHeight);
            EXPECT_TRUE(rcFrame.left >= rcBackdrop.left && rcFrame.top >= rcBackdrop.top &&
                        rcFrame.right <= rcBackdrop.right && rcFrame.bottom <= rcBackdrop.bottom)
                << row.pszName << " frame " << f;
        }
    }
}
