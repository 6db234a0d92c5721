// SceneDirectorTest.cpp: the director's state table and its behaviour with no scene, driven
// through recording scenes registered in its factory table.
#include "scene/SceneDirector.h"
#include "platform/Backend.h"
#include "platform/headless/HeadlessWindow.h"
#include "scene/Scene.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace
{
using Events = std::vector<std::string>;

struct Recording
{
    Events events;
    std::deque<int> exitCodes; // one per Update, then 0
    int nLive = 0;
};
Recording g_Rec;

std::string Str(long long n)
{
    return std::to_string(n);
}

template <int STATE> class CRecordingScene : public CScene
{
public:
    CRecordingScene() { ++g_Rec.nLive; }
    ~CRecordingScene() override { --g_Rec.nLive; }
    void Load(DWORD r, DWORD g, DWORD b) { Log("load " + Str(r) + " " + Str(g) + " " + Str(b)); }
    void Reserved() override {}
    int Update() override
    {
        const int nCode = g_Rec.exitCodes.empty() ? 0 : g_Rec.exitCodes.front();
        if (!g_Rec.exitCodes.empty())
            g_Rec.exitCodes.pop_front();
        return nCode;
    }
    void Draw(WORD*, LONG, BOOL bFull) override { Log(bFull ? "draw full" : "draw part"); }
    BOOL OnMouse(WPARAM k, LPARAM p, BOOL up) override
    {
        Log("mouse " + Str(k) + " " + Str(p) + " " + Str(up));
        return TRUE;
    }
    void OnKey(WPARAM k, LPARAM d) override { Log("key " + Str(k) + " " + Str(d)); }

private:
    static void Log(const std::string& str) { g_Rec.events.push_back(Str(STATE) + " " + str); }
};

// Scene changes go into the recording beside the scenes' own events.
class CSceneRecorder : public Platform::IGameObserver
{
public:
    void OnSceneChange(int nState, const char* pszClassName) override
    {
        g_Rec.events.push_back("scene " + Str(nState) + " " + pszClassName);
    }
    void OnSoundPlay(const std::string&, BOOL) override {}
    void OnSoundStop(const std::string&) override {}
    void OnSoundEnd(const std::string&) override {}
};

class SceneDirectorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pDirector.reset(); // its scene goes before the recording is cleared
        g_Rec = Recording();
        TakePosts();
        m_pDirector.reset(new CSceneDirector);
        const PFNCREATESCENE factories[] = {
            &CreateLoadedScene<CRecordingScene<0>>, &CreateLoadedScene<CRecordingScene<1>>,
            &CreateLoadedScene<CRecordingScene<2>>, &CreateLoadedScene<CRecordingScene<3>>,
            &CreateLoadedScene<CRecordingScene<4>>, &CreateLoadedScene<CRecordingScene<5>>};
        static const char* const names[] = {"Splash", "SignIn", "Wall", "Avenue", "Makeover", "Credits"};
        for (int i = 0; i < SCENESTATE_COUNT; ++i)
            m_pDirector->SetSceneFactory(i, factories[i], names[i]);
        m_pDirector->Init(reinterpret_cast<HWND>(0x1234), 0xF800, 0x07E0, 0x001F);
    }

    // Starts, then ticks once per exit code with the current scene returning that code.
    void Run(std::initializer_list<int> codes)
    {
        m_pDirector->Start();
        for (int nCode : codes)
        {
            g_Rec.exitCodes.push_back(nCode);
            m_pDirector->Tick();
        }
    }

    // What one frame (the caller asking for a partial one), a tick and input cause.
    Events Round()
    {
        g_Rec.events.clear();
        m_pDirector->Draw(m_Pixels, 1280, FALSE);
        m_pDirector->Tick();
        m_pDirector->OnMouse(MK_LBUTTON, MAKELPARAM(5, 7), TRUE);
        m_pDirector->OnKey(VK_SPACE, 3);
        return g_Rec.events;
    }

    // Every message posted to the window since the last call, as "hwnd message wParam lParam".
    Events TakePosts()
    {
        Events posts;
        Platform::WindowMessage msg = {};
        while (m_Window.PeekMessage(msg))
        {
            m_Window.GetMessage(msg);
            posts.push_back(Str(reinterpret_cast<intptr_t>(msg.hWnd)) + " " + Str(msg.nMessage) + " " +
                            Str(static_cast<long long>(msg.wParam)) + " " + Str(msg.lParam));
        }
        return posts;
    }

    Platform::Backend Bundle()
    {
        Platform::Backend backend;
        backend.pWindow = &m_Window;
        backend.pObserver = &m_Recorder;
        return backend;
    }

    Platform::CVirtualClock m_Clock;
    Platform::CHeadlessWindow m_Window{m_Clock};
    CSceneRecorder m_Recorder;
    Platform::CScopedBackend m_Scope{Bundle()};
    std::unique_ptr<CSceneDirector> m_pDirector;
    WORD m_Pixels[4] = {};
};

TEST_F(SceneDirectorTest, StateTable)
{
    const struct
    {
        std::initializer_list<int> codes;
        int nState; // the current state afterwards
        bool bHasScene;
    } cases[] = {
        {{7}, 1, true},        {{-1, 0}, 0, true},      {{1, 1}, 5, true},       {{1, 2}, 2, true},
        {{1, 3}, 1, false},    {{1, 2, 1}, 3, true},    {{1, 2, 2}, 4, true},    {{1, 2, 3}, 1, true},
        {{1, 2, 4}, 2, false}, {{1, 2, 1, 9}, 2, true}, {{1, 2, 2, 1}, 2, true}, {{1, 2, 1, 1, 3}, 1, true},
        {{1, 1, 3}, 5, false}, // the credits have finished
    };
    const Events close = {Str(0x1234) + " " + Str(WM_CLOSE) + " 0 0"};
    for (const auto& c : cases)
    {
        SetUp();
        Run(c.codes);
        SCOPED_TRACE(testing::Message() << c.codes.size() << " codes ending " << *(c.codes.end() - 1));
        EXPECT_EQ(m_pDirector->GetState(), c.nState);
        EXPECT_EQ(m_pDirector->HasScene(), c.bHasScene);
        EXPECT_EQ(g_Rec.nLive, c.bHasScene ? 1 : 0);
        // Only finished credits close the window, once.
        EXPECT_EQ(TakePosts(), c.nState == SCENESTATE_CREDITS && !c.bHasScene ? close : Events());
        EXPECT_EQ(Round().empty(), !c.bHasScene); // an unlisted code leaves nothing to drive
        EXPECT_TRUE(TakePosts().empty());
    }
}

TEST_F(SceneDirectorTest, MissingFactoryCreatesNoneAndTheDestructorDeletesTheScene)
{
    m_pDirector->SetSceneFactory(1, nullptr, nullptr);
    Run({1});
    EXPECT_FALSE(m_pDirector->HasScene());
    EXPECT_EQ(g_Rec.nLive, 0);
    Run({});
    EXPECT_EQ(g_Rec.nLive, 1);
    m_pDirector.reset();
    EXPECT_EQ(g_Rec.nLive, 0);
}

} // namespace
