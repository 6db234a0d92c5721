// SingleInstance.h: the single-instance check.
//
// Contract: Acquire takes a lock named pszName and holds it for the life of the process (it
// is never given back); FALSE when another holder already has it, in which case the caller
// leaves at once. The native backend's lock is system-wide; the headless one only covers the
// process, so test runs in parallel never see each other.
#pragma once

#include "platform/WinTypes.h"

namespace Platform
{

class ISingleInstance
{
public:
    virtual ~ISingleInstance() = default;
    virtual BOOL Acquire(const char* pszName) = 0;
};

} // namespace Platform
