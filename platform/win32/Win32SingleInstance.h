// Win32SingleInstance.h: the single-instance lock on Windows: a named kernel mutex, created
// owned and never closed, so that it lasts exactly as long as the process.
#pragma once

#include "platform/SingleInstance.h"

namespace Platform
{

class CWin32SingleInstance : public ISingleInstance
{
public:
    // FALSE when the mutex existed already (another copy runs). When no mutex can be made at
    // all the check is skipped rather than keeping the game from starting.
    BOOL Acquire(const char* pszName) override;
};

} // namespace Platform
