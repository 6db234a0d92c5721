// SingleInstancePosix.h: the single-instance lock between processes on POSIX systems: an
// exclusive lock on a file in the user's runtime folder, held until the process ends.
#pragma once

#include "platform/SingleInstance.h"

#include <string>

namespace Platform
{

class CPosixSingleInstance : public ISingleInstance
{
public:
    // Acquire returns TRUE when the lock file cannot be made at all: the check is then
    // skipped rather than keeping the game from starting.
    BOOL Acquire(const char* pszName) override;

    // Where the lock for pszName lives.
    static std::string LockPath(const char* pszName);
};

} // namespace Platform
