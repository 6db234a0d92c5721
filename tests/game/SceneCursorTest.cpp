// SceneCursorTest.cpp: every scene shows the system wait cursor while it loads and puts back
// the cursor that was shown before (here the window's own arrow).
#include "core/Core.h"
#include "game/AvenueScene.h"
#include "game/CreditsScene.h"
#include "game/MakeoverScene.h"
#include "game/SignInScene.h"
#include "game/SplashScene.h"
#include "game/WallScene.h"
#include "platform/Backend.h"
#include "platform/ScreenFormat.h"
#include "platform/headless/HeadlessWindow.h"
#include "scene/SceneDirector.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{

LRESULT IgnoreMessages(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

TEST(SceneCursor, EveryLoadShowsTheWaitCursorThenRestoresThePreviousOne)
{
    struct Case
    {
        const char* pszScene;
        PFNCREATESCENE pfnCreate;
    };
    const Case cases[] = {
        {"splash", &CreateLoadedScene<CSPlashScene>},     {"sign-in", &CreateLoadedScene<CSignInScene>},
        {"wall", &CreateLoadedScene<CWallScene>},         {"avenue", &CreateLoadedScene<CAvenueScene>},
        {"makeover", &CreateLoadedScene<CMakeoverScene>}, {"credits", &CreateLoadedScene<CCreditsScene>},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszScene);
        Platform::CVirtualClock clock;
        Platform::CHeadlessWindow window(clock);
        Trace::CaptureTraceSink trace; // the content is not here: every picture is missing
        Platform::Backend backend;
        backend.pWindow = &window;
        backend.pClock = &clock;
        backend.pTraceSink = &trace;
        Platform::CScopedBackend scope(backend);
        Platform::WindowDesc desc = {};
        desc.pfnWindowProc = &IgnoreMessages;
        desc.nCursorId = Core::kCursorResource;
        ASSERT_NE(window.CreateWindow(desc), nullptr);

        const Platform::DisplayPixelFormat& format = Platform::kFormat565;
        std::unique_ptr<CScene> pScene(c.pfnCreate(format.dwRedMask, format.dwGreenMask, format.dwBlueMask));
        ASSERT_NE(pScene, nullptr);
        EXPECT_EQ(window.GetCursorHistory(), (std::vector<int>{IDC_WAIT, Core::kCursorResource}));
        EXPECT_EQ(window.GetShownCursor(), Core::kCursorResource);
    }
}

} // namespace
