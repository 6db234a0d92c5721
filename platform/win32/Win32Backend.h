// Win32Backend.h: the whole Windows backend, every service of platform/win32/ made together;
// Bundle() hands them to a CScopedBackend.
#pragma once

#include "platform/Backend.h"
#include "platform/win32/DebuggerTraceSink.h"
#include "platform/win32/DirectDrawDisplay.h"
#include "platform/win32/DirectSoundAudio.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32SingleInstance.h"
#include "platform/win32/Win32Window.h"

namespace Platform
{

class CWin32Backend
{
public:
    // Every member's address, valid for the life of this object.
    Backend Bundle();

    // The display is declared after the window, so that it goes first.
    CDebuggerTraceSink m_TraceSink;
    CWin32Clock m_Clock;
    CWin32Window m_Window;
    CDirectDrawDisplay m_Display;
    CWin32SingleInstance m_SingleInstance;
    CDirectSoundAudio m_Audio;
};

} // namespace Platform
