// CreditsScene.h: the last screen. One full-screen picture, no sound, no hot spots; the first
// button release or key press ends it, and with it the program.
#pragma once

#include "graphics/MRVImage.h"
#include "scene/Scene.h"

class CCreditsScene : public CScene
{
public:
    CCreditsScene();
    ~CCreditsScene() override = default;

    void Load(DWORD dwRedMask, DWORD dwGreenMask, DWORD dwBlueMask);

    int Update() override;
    void Reserved() override {}
    BOOL OnMouse(WPARAM wKeys, LPARAM lPosition, BOOL bButtonUp) override;
    void OnKey(WPARAM wVirtualKey, LPARAM lKeyData) override;

private:
    BOOL m_bFinished;
    HCURSOR m_hPrevCursor;
    CMRVImage m_imgBackground;
};
