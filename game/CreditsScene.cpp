// CreditsScene.cpp: the credits picture and the input that ends the game.
#include "game/CreditsScene.h"

#include "game/SceneSupport.h"
#include "game/layout/CreditsLayout.h"
#include "platform/WindowService.h"

CCreditsScene::CCreditsScene() : m_bFinished(FALSE), m_hPrevCursor(nullptr) {}

void CCreditsScene::Load(DWORD dwRedMask, DWORD dwGreenMask, DWORD dwBlueMask)
{
    m_hPrevCursor = ShowWaitCursor();
    LoadSceneBackground(m_imgBackground, CreditsLayout::pszBackground);
    SetBackground(&m_imgBackground, dwRedMask, dwGreenMask, dwBlueMask);
    Platform::SetCursor(m_hPrevCursor);
}

int CCreditsScene::Update()
{
    return m_bFinished ? 1 : 0;
}

// A release of either button anywhere ends the credits; moves and presses do not.
BOOL CCreditsScene::OnMouse(WPARAM /*wKeys*/, LPARAM /*lPosition*/, BOOL bButtonUp)
{
    if (bButtonUp)
        m_bFinished = TRUE;
    return m_bFinished;
}

void CCreditsScene::OnKey(WPARAM /*wVirtualKey*/, LPARAM /*lKeyData*/)
{
    m_bFinished = TRUE;
}
