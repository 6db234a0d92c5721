// SingleInstancePosix.cpp: flock on a per-user lock file; the descriptor is never closed, so
// the lock lasts exactly as long as the process.
#include "platform/posix/SingleInstancePosix.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>

namespace Platform
{

std::string CPosixSingleInstance::LockPath(const char* pszName)
{
    const char* pszDir = std::getenv("XDG_RUNTIME_DIR");
    std::string strPath = (pszDir && *pszDir) ? pszDir : "/tmp";
    strPath += "/velvina-";
    for (const char* p = pszName; *p; ++p)
    {
        const char ch = *p;
        const bool bPlain =
            (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '-';
        strPath += bPlain ? ch : '_';
    }
    strPath += ".lock";
    return strPath;
}

BOOL CPosixSingleInstance::Acquire(const char* pszName)
{
    const int nFile = ::open(LockPath(pszName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (nFile < 0)
        return TRUE;
    if (::flock(nFile, LOCK_EX | LOCK_NB) != 0)
    {
        const bool bHeld = errno == EWOULDBLOCK;
        ::close(nFile);
        m_bRefused = bHeld ? TRUE : FALSE;
        return bHeld ? FALSE : TRUE;
    }
    // Our process id, for a second start to find us; the lock does not depend on it.
    const std::string strId = std::to_string(static_cast<long>(::getpid())) + "\n";
    if (::ftruncate(nFile, 0) == 0 && ::pwrite(nFile, strId.data(), strId.size(), 0) < 0)
        (void)::ftruncate(nFile, 0);
    return TRUE; // nFile stays open, holding the lock
}

long CPosixSingleInstance::HolderProcessId(const char* pszName)
{
    const int nFile = ::open(LockPath(pszName).c_str(), O_RDONLY | O_CLOEXEC);
    if (nFile < 0)
        return 0;
    char szText[32] = {};
    const ssize_t nRead = ::read(nFile, szText, sizeof(szText) - 1);
    ::close(nFile);
    if (nRead <= 0)
        return 0;
    char* pEnd = nullptr;
    const long nId = std::strtol(szText, &pEnd, 10);
    return (nId > 0 && pEnd != szText && (*pEnd == '\n' || *pEnd == '\0')) ? nId : 0;
}

} // namespace Platform
