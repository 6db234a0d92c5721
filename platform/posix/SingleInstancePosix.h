// SingleInstancePosix.h: the single-instance lock between processes on POSIX systems: an
// exclusive lock on a file in the user's runtime folder, held until the process ends. The
// holder writes its process id into the file, so that a second start can find the running
// game (to say so, and to bring its window forward).
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

    // TRUE once Acquire has been refused because another process holds the lock.
    BOOL WasRefused() const { return m_bRefused; }

    // Where the lock for pszName lives.
    static std::string LockPath(const char* pszName);
    // The process id the holder of pszName's lock wrote, 0 when there is none to read.
    static long HolderProcessId(const char* pszName);

private:
    BOOL m_bRefused = FALSE;
};

} // namespace Platform
