// MRVImageDrawTest.cpp: pixel conversion, the draws of CMRVImage and the whole-screen copies,
// checked pixel by pixel on small pictures drawn into guarded destinations.
#include "GraphicsTestSupport.h"

#include "graphics/MRVImageDraw.h"
#include "platform/ScreenFormat.h"

#include <climits>
#include <functional>

using namespace GraphicsTest;
using Platform::kScreenHeight;
using Platform::kScreenWidth;

namespace
{

constexpr WORD BACK = 0x1234; // background of every destination

// A 4 x 3 picture with transparent (0) pixels at a row end, a row start and in the middle, and
// the same picture as run-coded records whose runs carry over from row to row.
const std::vector<WORD> kPicture = {0x0101, 0x0102, 0,      0, 0,      0x0202,
                                    0x0203, 0x0204, 0x0301, 0, 0x0303, 0x0304};
constexpr int kPicW = 4, kPicH = 3;
RunList PictureRuns()
{
    return RunList()
        .Opaque({0x0101, 0x0102})
        .Transparent(3)
        .Opaque({0x0202, 0x0203, 0x0204, 0x0301})
        .Transparent(1)
        .Opaque({0x0303, 0x0304})
        .End();
}

struct Rect6
{
    int dx, dy, sx, sy, w, h;
};

using PixelOp = std::function<WORD(WORD, WORD)>;

// Every screen position covered by the rectangle whose source lies in the picture gets
// op(source, destination). Walked from the screen side, so absurd rectangles stay cheap.
void DrawReference(GuardedBuffer& dest, const Rect6& r, const PixelOp& op)
{
    for (int64_t dy = 0; dy < Platform::kScreenHeight; ++dy)
        for (int64_t dx = 0; dx < Platform::kScreenWidth; ++dx)
        {
            const int64_t x = dx - r.dx, y = dy - r.dy, sx = r.sx + x, sy = r.sy + y;
            if (x >= 0 && y >= 0 && x < r.w && y < r.h && sx >= 0 && sy >= 0 && sx < kPicW && sy < kPicH)
                dest.At(int(dx), int(dy)) = op(kPicture[size_t(sy * kPicW + sx)], dest.At(int(dx), int(dy)));
        }
}

WORD Half565(WORD s, WORD d)
{
    const auto mix = [](unsigned a, unsigned b) { return a * 50 / 100 + b * 50 / 100; };
    return WORD((mix(s >> 11, d >> 11) << 11) | (mix((s >> 5) & 63, (d >> 5) & 63) << 5) |
                mix(s & 31, d & 31));
}

TEST(ConvertPixelFormat, RewritesRawAndOpaqueRunPixelsTo555)
{
    auto raw = MakeRaw(3, 2, {0xFFFF, 0xF800, 0x07E0, 0x001F, 0x0000, 0x0821});
    raw->ConvertPixelFormat(0x7C00, 0x03E0, 0x001F);
    const WORD kExpected[] = {0x7FFF, 0x7C00, 0x03E0, 0x001F, 0x0000, 0x0401};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(raw->GetPixelWords()[i], kExpected[i]) << "pixel " << i;
    EXPECT_EQ(raw->GetRedMask(), 0x7C00u);

    // Counts whose bytes look like pixels: only the pixels may change.
    auto runs = MakeRunCoded(0x8000, 3, RunList().Transparent(0xFFFF).Opaque({0xFFFF, 0xF800}).End());
    runs->ConvertPixelFormat(0x7C00, 0x03E0, 0x001F);
    const std::vector<BYTE> expected = RunList().Transparent(0xFFFF).Opaque({0x7FFF, 0x7C00}).End().Bytes();
    EXPECT_EQ(0, std::memcmp(runs->GetPixels(), expected.data(), expected.size()));
}

// Raw, colour-keyed and run-coded draws and blends, with rectangles inside, across and far
// outside the picture and the screen, against the reference.
TEST(Blit, ClipsToPictureAndScreenWhateverTheRectangle)
{
    const Rect6 kRects[] = {
        {10, 10, 0, 0, 4, 3},
        {-2, -1, 0, 0, 4, 3},
        {638, 478, 0, 0, 4, 3},
        {636, 477, 0, 0, 4, 3},
        {10, 10, -2, -1, 4, 3},
        {10, 10, 1, 1, 100, 100},
        {0, 0, 0, 0, INT_MAX, INT_MAX},
        {INT_MIN, INT_MIN, 0, 0, 4, 3},
        {INT_MAX, 5, 0, 0, 4, 3},
        {5, 5, 0, 0, -3, 2},
        {5, 5, INT_MIN, INT_MIN, INT_MAX, INT_MAX},
    };
    auto raw = MakeRaw(kPicW, kPicH, kPicture);
    auto keyed = MakeRaw(kPicW, kPicH, kPicture, true);
    auto runs = MakeRunCoded(kPicW, kPicH, PictureRuns());
    const PixelOp copy = [](WORD s, WORD) { return s; };
    const PixelOp key = [](WORD s, WORD d) { return s != 0 ? s : d; };
    const PixelOp keyedHalf = [](WORD s, WORD d) { return s != 0 ? Half565(s, d) : d; };
    const struct
    {
        const CMRVImage* pImage;
        bool bBlend;
        PixelOp op;
    } kinds[] = {{raw.get(), false, copy},   {keyed.get(), false, key},      {runs.get(), false, key},
                 {raw.get(), true, Half565}, {keyed.get(), true, keyedHalf}, {runs.get(), true, keyedHalf}};
    for (const auto& kind : kinds)
        for (const Rect6& r : kRects)
        {
            SCOPED_TRACE(testing::Message()
                         << "flags " << kind.pImage->GetFlags() << " blend " << kind.bBlend << " rect "
                         << r.dx << "," << r.dy << "," << r.sx << "," << r.sy << "," << r.w << "," << r.h);
            GuardedBuffer actual(kScreenWidth, kScreenHeight, BACK),
                expected(kScreenWidth, kScreenHeight, BACK);
            if (kind.bBlend)
                kind.pImage->BlendBlit(actual.Origin(), actual.PitchBytes(), r.dx, r.dy, r.sx, r.sy, r.w, r.h,
                                       50);
            else
                kind.pImage->Blit(actual.Origin(), actual.PitchBytes(), r.dx, r.dy, r.sx, r.sy, r.w, r.h);
            DrawReference(expected, r, kind.op);
            ASSERT_TRUE(actual.GuardIntact());
            for (int y = 0; y < kScreenHeight; ++y)
                for (int x = 0; x < kScreenWidth; ++x)
                    ASSERT_EQ(actual.At(x, y), expected.At(x, y)) << "at " << x << "," << y;
        }
}

TEST(Blit, ToImageAndNarrowPitchStayInsideTheDestination)
{
    auto picture = MakeRaw(kPicW, kPicH, kPicture);
    CMRVImage target;
    ASSERT_TRUE(target.Create(5, 4, FALSE));
    picture->BlitTo(&target, 3, 2, 0, 0, kPicW, kPicH); // overhangs right and bottom
    const WORD kExpected[20] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x0101, 0x0102, 0, 0, 0, 0, 0x0202};
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(target.GetPixelWords()[i], kExpected[i]) << "pixel " << i;

    // A buffer whose (odd) pitch is narrower than a screen row is only that wide.
    GuardedBuffer narrow(16, kScreenHeight, BACK, 0);
    picture->Blit(narrow.Origin(), narrow.PitchBytes() + 1, 14, 0, 0, 0, kPicW, kPicH);
    EXPECT_EQ(narrow.At(15, 0), 0x0102);
    EXPECT_EQ(narrow.At(0, 1), BACK);
}

TEST(Blit, MalformedRunListsStayInsidePayloadAndPicture)
{
    const struct
    {
        const char* pszName;
        RunList runs;
        DWORD dwDataSize;           // 0: the whole payload
        std::vector<WORD> firstRow; // row 0 of a 4 x 2 picture drawn at (0, 0)
    } cases[] = {
        {"opaque run longer than the picture",
         RunList().Opaque({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}).End(),
         0,
         {1, 2, 3, 4}},
        {"count beyond the payload",
         RunList().Raw({1, 0, 0xFF, 0xFF, 0xFF, 0xFF, 7, 0, 8, 0}),
         0,
         {7, 8, BACK, BACK}},
        {"data size shorter than the buffer", RunList().Opaque({1, 2, 3, 4}).End(), 10, {1, 2, BACK, BACK}},
        {"record cut inside its header", RunList().Opaque({5}).Raw({1, 0, 3}), 0, {5, BACK, BACK, BACK}},
        {"no end record", RunList().Opaque({1, 2}), 0, {1, 2, BACK, BACK}},
        {"transparent run of 4 billion",
         RunList().Transparent(0xFFFFFFFF).Opaque({1}).End(),
         0,
         {BACK, BACK, BACK, BACK}},
        {"unknown record type",
         RunList().Opaque({5}).Raw({9, 0, 1, 0, 0, 0, 6, 0}),
         0,
         {5, BACK, BACK, BACK}},
        {"zero counts", RunList().Transparent(0).Opaque({}).Opaque({3}).End(), 0, {3, BACK, BACK, BACK}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        auto image = MakeRunCoded(4, 2, c.runs);
        if (c.dwDataSize != 0)
            image->m_dwDataSize = c.dwDataSize;
        GuardedBuffer screen(kScreenWidth, kScreenHeight, BACK);
        image->Blit(screen.Origin(), screen.PitchBytes(), 0, 0, 0, 0, 4, 2);
        EXPECT_TRUE(screen.GuardIntact());
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(screen.At(x, 0), c.firstRow[size_t(x)]) << "column " << x;
    }
}

TEST(BlendBlit, MixesChannelsWithTruncatingPercentages)
{
    const struct
    {
        WORD wSource, wDest;
        int nAlpha;
        DWORD dwRedMask;
        WORD wExpected;
    } cases[] = {
        {0xFFFF, 0x0000, 100, 0, 0xFFFF},
        {0xFFFF, 0x0000, 0, 0, 0x0000},
        {0xFFFF, 0x0000, 50, 0, (15 << 11) | (31 << 5) | 15},
        {0x7FFF, 0x0000, 50, 0x7C00, (15 << 10) | (15 << 5) | 15},
        // 33%: red 31*33/100 = 10; green 63*67/100 = 42; blue 10*33/100 + 20*67/100 = 3 + 13.
        {(31 << 11) | 10, (63 << 5) | 20, 33, 0xF800, (10 << 11) | (42 << 5) | 16},
        {0x1234, 0x4321, 150, 0, 0x1234}, // held to 100
        {0x1234, 0x4321, -5, 0, 0x4321},  // held to 0
    };
    for (const auto& c : cases)
    {
        auto image = MakeRaw(1, 1, {c.wSource});
        image->m_dwRedMask = c.dwRedMask;
        GuardedBuffer screen(kScreenWidth, kScreenHeight, c.wDest);
        image->BlendBlit(screen.Origin(), screen.PitchBytes(), 7, 9, 0, 0, 1, 1, c.nAlpha);
        EXPECT_EQ(screen.At(7, 9), c.wExpected) << "alpha " << c.nAlpha << " source " << c.wSource;
    }
}

constexpr int kWaveTable[20] = {0, 1, 2, 3, 4, 4, 3, 2, 1, 0, -1, -2, -3, -4, -5, -5, -4, -3, -2, -1};

// Two steps a call, and from 19 round to 0; a call that draws nothing leaves the phase.
TEST(WaveBlit, PhaseAdvancesOncePerCall)
{
    auto image = MakeRaw(2, 2, {1, 2, 3, 4});
    GuardedBuffer screen(kScreenWidth, kScreenHeight, BACK);
    g_nWavePhase = 15;
    image->WaveBlit(screen.Origin(), screen.PitchBytes(), 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(g_nWavePhase, 15);
    for (int nExpected : {17, 19, 0, 2})
    {
        image->WaveBlit(screen.Origin(), screen.PitchBytes(), 0, 0, 0, 0, 2, 2);
        EXPECT_EQ(g_nWavePhase, nExpected);
    }
}

TEST(WaveBlit, ShiftsColumnsFromTheTopLeftAndSkipsEdgeRows)
{
    // From phase 10 the offsets start at -1, so the first rows would land on rows -1 and 0.
    const int kW = 25, kH = 4;
    std::vector<WORD> pixels(kW * kH);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = WORD(i + 1);
    auto image = MakeRaw(kW, kH, pixels);
    GuardedBuffer actual(kScreenWidth, kScreenHeight, BACK), expected(kScreenWidth, kScreenHeight, BACK);
    g_nWavePhase = 8;
    image->WaveBlit(actual.Origin(), actual.PitchBytes(), 300, 200, 0, 0, kW, kH); // dx, dy not applied
    for (int r = 0; r < kH; ++r)
        for (int c = 0; c < kW; ++c)
            if (kWaveTable[(10 + c) % 20] + r > 0)
                expected.At(c, kWaveTable[(10 + c) % 20] + r) = pixels[size_t(r * kW + c)];
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(actual.At(x, y), expected.At(x, y)) << x << "," << y;
    EXPECT_TRUE(actual.GuardIntact());

    // Into a 3 x 3 image, from source column -1: only what lies inside both is written.
    auto keyed = MakeRaw(kPicW, kPicH, kPicture, true);
    CMRVImage target;
    ASSERT_TRUE(target.Create(3, 3, FALSE));
    g_nWavePhase = -1;
    keyed->WaveTo(&target, 0, 0, -1, 0, 10, 10);
    std::vector<WORD> small(9, 0);
    for (int r = 0; r < kPicH; ++r)
        for (int c = 1; c < 3; ++c)
        {
            const int y = kWaveTable[1 + c] + r;
            if (y > 0 && y < 3 && kPicture[size_t(r * kPicW + c - 1)] != 0)
                small[size_t(y * 3 + c)] = kPicture[size_t(r * kPicW + c - 1)];
        }
    EXPECT_EQ(std::vector<WORD>(target.GetPixelWords(), target.GetPixelWords() + 9), small);
}

TEST(ColumnShiftBlit, NeedsATableAndShiftsEachColumn)
{
    auto image = MakeRaw(kPicW, kPicH, kPicture);
    GuardedBuffer screen(kScreenWidth, kScreenHeight, BACK);
    image->ColumnShiftBlit(screen.Origin(), screen.PitchBytes(), 10, 10, 0, 0, kPicW, kPicH);
    EXPECT_EQ(screen.At(10, 11), BACK); // no table: nothing

    image->m_pColumnOffsets = new int32_t[2 * kPicW]{0, 1, 0, 2, 0, -1, 0, 600};
    image->ColumnShiftBlit(screen.Origin(), screen.PitchBytes(), 10, 10, 0, 0, kPicW, kPicH);
    EXPECT_TRUE(screen.GuardIntact());
    EXPECT_EQ(screen.At(10, 11), 0x0101); // column 0 down 1
    EXPECT_EQ(screen.At(11, 12), 0x0102); // column 1 down 2
    EXPECT_EQ(screen.At(12, 10), BACK);   // column 2 up 1: rows 0 and 1 would land on -1 and 0
    EXPECT_EQ(screen.At(12, 11), 0x0303);
    EXPECT_EQ(screen.At(13, 11), BACK); // column 3 down 600: past row 478
}

TEST(CopyTo, CopiesOnlyADecodedWholeScreen)
{
    CMRVImage source, target, shortImage;
    ASSERT_TRUE(source.Create(kScreenWidth, kScreenHeight, FALSE));
    ASSERT_TRUE(target.Create(kScreenWidth, kScreenHeight, FALSE));
    ASSERT_TRUE(shortImage.Create(kScreenWidth, kScreenHeight - 1, FALSE));
    for (int i = 0; i < kScreenWidth * kScreenHeight; ++i)
        source.GetPixelWords()[i] = WORD(i * 7);
    EXPECT_EQ(shortImage.CopyTo(&target), &shortImage);
    EXPECT_EQ(source.CopyTo(&shortImage), &source);
    source.m_dwFlags |= MRVIMAGE_COMPRESSED;
    EXPECT_EQ(source.CopyTo(&target), &source);
    EXPECT_EQ(target.GetPixelWords()[1], 0);
    GuardedBuffer untouched(kScreenWidth, kScreenHeight, BACK);
    source.CopyToSurface(untouched.Origin(), untouched.PitchBytes());
    EXPECT_EQ(untouched.At(3, 3), BACK);

    source.m_dwFlags &= ~DWORD(MRVIMAGE_COMPRESSED);
    EXPECT_EQ(source.CopyTo(&target), &target);
    EXPECT_EQ(0, std::memcmp(source.GetPixels(), target.GetPixels(), 640 * 480 * 2));
    GuardedBuffer surface(kScreenWidth, kScreenHeight, BACK, 16); // pitch wider than a row
    source.CopyToSurface(surface.Origin(), surface.PitchBytes());
    EXPECT_TRUE(surface.GuardIntact());
    EXPECT_EQ(surface.At(639, 479), WORD((640 * 480 - 1) * 7));
    EXPECT_EQ(surface.At(5, 100), WORD((100 * 640 + 5) * 7));
}

TEST(Drawing, CompressedPicturesNeitherDrawNorConvert)
{
    // Flagged compressed, with bytes that would otherwise draw as pixels.
    std::vector<BYTE> payload;
    for (WORD p : {0x1111, 0x2222, 0x3333, 0x4444})
        Platform::AppendLE16(payload, p);
    for (DWORD dwLayout :
         {DWORD(MRVIMAGE_RAW), DWORD(MRVIMAGE_RAW | MRVIMAGE_COLORKEY), DWORD(MRVIMAGE_RUNCODED)})
    {
        CMRVImage image, target;
        const std::vector<BYTE> record = MakeRecord(MRVIMAGE_COMPRESSED | dwLayout, 2, 2, payload, 8);
        ASSERT_TRUE(image.LoadFromMemory(record.data(), record.size()));
        image.m_pColumnOffsets = new int32_t[4]{0, 1, 0, 1};
        ASSERT_TRUE(target.Create(8, 8, FALSE));
        GuardedBuffer screen(kScreenWidth, kScreenHeight, BACK);
        image.ConvertPixelFormat(0x7C00, 0x03E0, 0x001F);
        EXPECT_EQ(image.GetRedMask(), 0u);
        EXPECT_EQ(0, std::memcmp(image.GetPixels(), payload.data(), payload.size()));
        image.Blit(screen.Origin(), screen.PitchBytes(), 2, 2, 0, 0, 2, 2);
        image.BlendBlit(screen.Origin(), screen.PitchBytes(), 2, 2, 0, 0, 2, 2, 50);
        image.WaveBlit(screen.Origin(), screen.PitchBytes(), 2, 2, 0, 0, 2, 2);
        image.ColumnShiftBlit(screen.Origin(), screen.PitchBytes(), 2, 2, 0, 0, 2, 2);
        image.BlitTo(&target, 2, 2, 0, 0, 2, 2);
        image.BlendTo(&target, 2, 2, 0, 0, 2, 2, 50);
        image.WaveTo(&target, 2, 2, 0, 0, 2, 2);
        image.ColumnShiftTo(&target, 2, 2, 0, 0, 2, 2);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                ASSERT_TRUE(screen.At(x, y) == BACK && target.GetPixelWords()[y * 8 + x] == 0)
                    << x << "," << y;
    }
    // Nor is anything drawn into a compressed target.
    auto picture = MakeRaw(1, 1, {0x5555});
    CMRVImage target;
    ASSERT_TRUE(target.Create(2, 2, FALSE));
    target.m_dwFlags |= MRVIMAGE_COMPRESSED;
    picture->BlitTo(&target, 0, 0, 0, 0, 1, 1);
    EXPECT_EQ(target.GetPixelWords()[0], 0);
}

} // namespace
