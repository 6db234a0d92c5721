// Tests of start-up and display set-up: the single-instance check, failure at every step,
// the capability and pixel-format traces, and the masks the scenes receive.
#include "ShellTestSupport.h"
#include "platform/ScreenFormat.h"

namespace
{

TEST_F(ShellTest, StartupNamesTheWindowAndTracesBannerAndCapabilities)
{
    CloseAt(0);
    ASSERT_EQ(RunGame(), 0);
    EXPECT_EQ(m_Window.GetTitle(), "VelvinaDemo");
    EXPECT_EQ(m_Window.GetClassName(), "AppShell CORE");
    EXPECT_EQ(m_Window.GetCursorResource(), 106);

    const std::vector<std::string> expected = {
        "VELVINA DEMO - BUILD 11.9.98 8:14am (build 14)\n\r\n",
        "No hardware support at all\r\n",
        "Total free video memory: 0\r\n",
        "Video hardware support: FALSE\r\n",
        "Hardware blitter: FALSE\r\n",
        "VBlank: FALSE\r\n",
        "Hardware Page Flip: FALSE\r\n",
        "Video Mode supports 565 Pixel Format\r\n",
        "dwRGBBitCount: 16\r\n",
        "dwRBitMask: f800\r\n",
        "dwGBitMask: 07e0\r\n",
        "dwBBitMask: 001f\r\n",
        "\r\r\r\n",
    };
    // The sound engine's start, if there is one, traces after these.
    std::vector<std::string> traces = m_Trace.Messages();
    ASSERT_GE(traces.size(), expected.size());
    traces.resize(expected.size());
    EXPECT_EQ(traces, expected);
}

TEST(ShellDisplayTest, PixelFormatIsTracedAndHandedToTheScenes)
{
    struct Case
    {
        Platform::DisplayPixelFormat format;
        const char* pszTrace;
    };
    const Case cases[] = {
        {Platform::kFormat555, "Video Mode supports 555 Pixel Format\r\n"},
        {Platform::kFormat565, "Video Mode supports 565 Pixel Format\r\n"},
        {Platform::kFormatOther, "Video Mode supports unknown Pixel Format\r\n"},
    };
    for (const Case& c : cases)
    {
        ShellMachine m;
        m.m_Display.SetFormat(c.format);
        m.CloseAt(0);
        ASSERT_EQ(m.RunGame(), 0);
        EXPECT_EQ(m.CountTrace(c.pszTrace), 1) << c.pszTrace;
        EXPECT_EQ(m.m_Record.dwMasks[0], c.format.dwRedMask) << c.pszTrace;
    }
}

// Every failing step traces only its own text, gives back what it made exactly once (the
// WM_DESTROY that follows finds nothing left to release), destroys the window and exits 0
// without starting a scene.
TEST(ShellDisplayTest, FailedSetUpStepTracesItsTextAndReleasesEverythingOnce)
{
    struct Case
    {
        Platform::HeadlessDisplayStep step;
        const char* pszTrace;
        const char* pszTracedAfter; // the last trace before the failure
    };
    const Case cases[] = {
        {Platform::HeadlessDisplayStep::Create, "Error: DirectDrawCreate FAILED\r\n", "VELVINA"},
        {Platform::HeadlessDisplayStep::OpenDevice, "Error: QueryInterface FAILED\r\n", "VELVINA"},
        {Platform::HeadlessDisplayStep::CooperativeLevel, "Error, SetCooperativeLevel FAILED\r\n",
         "Hardware Page Flip"},
        {Platform::HeadlessDisplayStep::DisplayMode, "Error, SetDisplayMode FAILED\r\n",
         "Hardware Page Flip"},
        {Platform::HeadlessDisplayStep::PrimarySurface, "Error: CreateSurface FAILED\r\n",
         "Hardware Page Flip"},
        {Platform::HeadlessDisplayStep::Clipper, "Error: CreateClipper FAILED\r\n", "Hardware Page Flip"},
        {Platform::HeadlessDisplayStep::BackSurface, "Error, CreateSurface2 FAILED\r\n",
         "Hardware Page Flip"},
    };
    for (const Case& c : cases)
    {
        ShellMachine m;
        m.m_Display.FailAt(c.step);
        EXPECT_EQ(m.RunGame(), 0) << c.pszTrace;

        const std::vector<std::string> expected = {c.pszTrace};
        std::vector<std::string> after = m.TracesFrom(c.pszTracedAfter);
        ASSERT_FALSE(after.empty()) << c.pszTrace;
        EXPECT_EQ(std::vector<std::string>(after.begin() + 1, after.end()), expected) << c.pszTrace;
        EXPECT_EQ(m.m_Window.GetDestroyCount(), 1) << c.pszTrace;
        EXPECT_EQ(m.m_Window.GetHwnd(), nullptr) << c.pszTrace;
        SCOPED_TRACE(c.pszTrace);
        // The back surface is made last, so a failure never leaves one behind.
        m.ExpectSurfacesReleased(c.step > Platform::HeadlessDisplayStep::PrimarySurface ? 1 : 0, 0);
        EXPECT_EQ(m.m_Record.dwMasks[0], 0u) << "no scene was made: " << c.pszTrace;
        EXPECT_EQ(g_pPrimarySurface, nullptr);
        EXPECT_EQ(g_pBackSurface, nullptr);
    }
}

TEST_F(ShellTest, BackendReasonFollowsTheFailureText)
{
    m_Display.FailAt(Platform::HeadlessDisplayStep::PrimarySurface);
    m_Display.SetErrorText("SDL error: no texture for you");
    EXPECT_EQ(RunGame(), 0);
    const std::vector<std::string> expected = {"Error: CreateSurface FAILED\r\n",
                                               "SDL error: no texture for you\r\n"};
    EXPECT_EQ(TracesFrom("Error: CreateSurface FAILED"), expected);
}

// A second instance, or a window that cannot be made, ends at once and silently.
TEST(ShellStartTest, SecondInstanceOrFailedWindowLeavesSilentlyWithCodeZero)
{
    for (const bool bSecondInstance : {true, false})
    {
        SCOPED_TRACE(bSecondInstance ? "second instance" : "no window");
        ShellMachine m;
        Platform::CHeadlessSingleInstance first;
        if (bSecondInstance)
            ASSERT_TRUE(first.Acquire("AppShell CORE"));
        else
            m.m_Window.FailCreateWindow();
        EXPECT_EQ(m.RunGame(), 0);
        EXPECT_TRUE(m.m_Trace.Messages().empty());
        EXPECT_EQ(m.m_Display.Primary(), nullptr);
        EXPECT_EQ(m.m_Record.dwMasks[0], 0u); // no scene was made
    }
}

} // namespace
