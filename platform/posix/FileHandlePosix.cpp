// FileHandlePosix.cpp: file handles over POSIX file descriptors (Linux).
//
// Windows share modes and byte-range locks are kept as Linux open-file-description (OFD) locks,
// which belong to one open of a file rather than to a process, so two handles of one process
// exclude each other just as two processes do. Every lock is shared (F_RDLCK) and conflicts are
// found by testing for other holders (F_OFD_GETLK with F_WRLCK): a handle first takes its own
// locks and then looks for conflicting ones, so two racing opens can both be refused but never
// both admitted. Only reading is needed for that, which is why the locks live on a readable
// descriptor of the file (the handle's own, or a second one for a write-only handle, which
// therefore needs read permission too). Locked ranges keep other handles from locking them; as
// POSIX locks are advisory, they do not keep anyone from reading or writing the bytes.
#include "platform/FileHandle.h"
#include "platform/GamePath.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#ifndef F_OFD_SETLK
#error "This backend needs open-file-description locks (Linux 3.15 or later)."
#endif

namespace Platform
{

namespace
{

static_assert(sizeof(off_t) >= 8, "the share-mode bytes lie above 4 GB: build with 64-bit file offsets");

// One byte per share fact, far above every 32-bit lock range (position + count < 2^33).
constexpr off_t kShareBase = off_t(1) << 40;
enum ShareByte
{
    HasRead = 0,
    HasWrite = 1,
    DeniesRead = 2,
    DeniesWrite = 3,
    ShareByteCount = 4
};

constexpr off_t kLargestPosition = 0xFFFFFFFE; // 0xFFFFFFFF is the failure value

struct PosixFile
{
    int nFd = -1;     // the descriptor with the requested access
    int nLockFd = -1; // a readable descriptor of the same file that carries the locks
    bool bCanRead = false;
    bool bCanWrite = false;
    std::vector<std::pair<DWORD, DWORD>> vecLockedRanges; // position, count
};

PosixFile* FromHandle(FileHandle hFile)
{
    if (hFile == InvalidFileHandle || hFile == 0)
        return nullptr;
    return reinterpret_cast<PosixFile*>(hFile);
}

int OpenRetrying(const char* pszPath, int nFlags)
{
    int nFd;
    do
        nFd = ::open(pszPath, nFlags, 0666);
    while (nFd < 0 && errno == EINTR);
    return nFd;
}

bool SetOfdLock(int nFd, short nType, off_t nStart, off_t nLength)
{
    struct flock lock = {};
    lock.l_type = nType;
    lock.l_whence = SEEK_SET;
    lock.l_start = nStart;
    lock.l_len = nLength;
    int nResult;
    do
        nResult = ::fcntl(nFd, F_OFD_SETLK, &lock);
    while (nResult < 0 && errno == EINTR);
    return nResult == 0;
}

// True when another open of the file holds a lock on any of the bytes (or the test fails).
bool IsLockedElsewhere(int nFd, off_t nStart, off_t nLength)
{
    struct flock lock = {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = nStart;
    lock.l_len = nLength;
    if (::fcntl(nFd, F_OFD_GETLK, &lock) != 0)
        return true;
    return lock.l_type != F_UNLCK;
}

void ReleaseShare(int nLockFd)
{
    SetOfdLock(nLockFd, F_UNLCK, kShareBase, ShareByteCount);
}

// Records this open's access and denials and admits it only if it is compatible with every
// other open of the file: its access must not be denied by any of them, and none of them may
// have an access that it denies.
bool AcquireShare(int nLockFd, bool bRead, bool bWrite, DWORD dwShareMode)
{
    const bool abHeld[ShareByteCount] = {bRead, bWrite, (dwShareMode & FileShareRead) == 0,
                                         (dwShareMode & FileShareWrite) == 0};
    const int anOpposite[ShareByteCount] = {DeniesRead, DeniesWrite, HasRead, HasWrite};
    bool bAdmitted = true;
    for (int i = 0; i < ShareByteCount && bAdmitted; ++i)
        bAdmitted = !abHeld[i] || SetOfdLock(nLockFd, F_RDLCK, kShareBase + i, 1);
    for (int i = 0; i < ShareByteCount && bAdmitted; ++i)
        bAdmitted = !abHeld[i] || !IsLockedElsewhere(nLockFd, kShareBase + anOpposite[i], 1);
    if (!bAdmitted)
        ReleaseShare(nLockFd);
    return bAdmitted;
}

bool IsSameFile(int nFirstFd, int nSecondFd)
{
    struct stat first = {};
    struct stat second = {};
    return ::fstat(nFirstFd, &first) == 0 && ::fstat(nSecondFd, &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool IsDirectory(int nFd)
{
    struct stat status = {};
    return ::fstat(nFd, &status) != 0 || S_ISDIR(status.st_mode);
}

// Empties the file once the open has been admitted (a refused open must not touch it). A
// read-only handle cannot truncate, so a short-lived writable open does it instead.
bool Truncate(const PosixFile& file, const char* pszPath)
{
    if (file.bCanWrite)
        return ::ftruncate(file.nFd, 0) == 0;
    int nWriteFd = OpenRetrying(pszPath, O_WRONLY | O_CLOEXEC);
    if (nWriteFd < 0)
        return false;
    bool bDone = IsSameFile(file.nFd, nWriteFd) && ::ftruncate(nWriteFd, 0) == 0;
    ::close(nWriteFd);
    return bDone;
}

void CloseDescriptors(const PosixFile& file)
{
    if (file.nLockFd >= 0 && file.nLockFd != file.nFd)
        ::close(file.nLockFd);
    if (file.nFd >= 0)
        ::close(file.nFd);
}

int OpenFlags(bool bRead, bool bWrite, bool bInheritable, DWORD dwDisposition)
{
    int nFlags = bRead && bWrite ? O_RDWR : (bWrite ? O_WRONLY : O_RDONLY);
    if (!bInheritable)
        nFlags |= O_CLOEXEC;
    if (dwDisposition == FileCreateAlways || dwDisposition == FileOpenAlways)
        nFlags |= O_CREAT;
    return nFlags;
}

bool IsKnownDisposition(DWORD dwDisposition)
{
    return dwDisposition == FileCreateAlways || dwDisposition == FileOpenAlways ||
           dwDisposition == FileOpenExisting;
}

bool OpenDescriptors(PosixFile& file, const char* pszPath, bool bInheritable, DWORD dwDisposition)
{
    file.nFd = OpenRetrying(pszPath, OpenFlags(file.bCanRead, file.bCanWrite, bInheritable, dwDisposition));
    if (file.nFd < 0 || IsDirectory(file.nFd))
        return false;
    if (file.bCanRead)
    {
        file.nLockFd = file.nFd;
        return true;
    }
    file.nLockFd = OpenRetrying(pszPath, O_RDONLY | O_CLOEXEC);
    return file.nLockFd >= 0 && IsSameFile(file.nFd, file.nLockFd);
}

bool RangesOverlap(DWORD dwFirstPos, DWORD dwFirstCount, DWORD dwSecondPos, DWORD dwSecondCount)
{
    const uint64_t nFirstEnd = uint64_t(dwFirstPos) + dwFirstCount;
    const uint64_t nSecondEnd = uint64_t(dwSecondPos) + dwSecondCount;
    return dwFirstCount != 0 && dwSecondCount != 0 && dwFirstPos < nSecondEnd && dwSecondPos < nFirstEnd;
}

} // namespace

FileHandle FileOpen(const char* pszName, DWORD dwAccess, DWORD dwShareMode, bool bInheritable,
                    DWORD dwDisposition)
{
    auto pFile = std::make_unique<PosixFile>();
    pFile->bCanRead = (dwAccess & FileAccessRead) != 0;
    pFile->bCanWrite = (dwAccess & FileAccessWrite) != 0;
    const std::string strPath = NativePath(pszName ? pszName : "");
    bool bOpen = (pFile->bCanRead || pFile->bCanWrite) && IsKnownDisposition(dwDisposition) &&
                 OpenDescriptors(*pFile, strPath.c_str(), bInheritable, dwDisposition) &&
                 AcquireShare(pFile->nLockFd, pFile->bCanRead, pFile->bCanWrite, dwShareMode);
    if (bOpen && dwDisposition == FileCreateAlways && !Truncate(*pFile, strPath.c_str()))
    {
        ReleaseShare(pFile->nLockFd);
        bOpen = false;
    }
    if (!bOpen)
    {
        CloseDescriptors(*pFile);
        return InvalidFileHandle;
    }
    return reinterpret_cast<FileHandle>(pFile.release());
}

bool FileRead(FileHandle hFile, void* pBuffer, DWORD dwCount, DWORD& dwRead)
{
    dwRead = 0;
    PosixFile* pFile = FromHandle(hFile);
    if (!pFile)
        return false;
    while (dwRead < dwCount)
    {
        ssize_t nRead = ::read(pFile->nFd, static_cast<char*>(pBuffer) + dwRead, dwCount - dwRead);
        if (nRead < 0 && errno == EINTR)
            continue;
        if (nRead < 0)
            return dwRead > 0;
        if (nRead == 0)
            break; // end of file
        dwRead += static_cast<DWORD>(nRead);
    }
    return true;
}

bool FileWrite(FileHandle hFile, const void* pBuffer, DWORD dwCount, DWORD& dwWritten)
{
    dwWritten = 0;
    PosixFile* pFile = FromHandle(hFile);
    if (!pFile)
        return false;
    while (dwWritten < dwCount)
    {
        ssize_t nWritten =
            ::write(pFile->nFd, static_cast<const char*>(pBuffer) + dwWritten, dwCount - dwWritten);
        if (nWritten < 0 && errno == EINTR)
            continue;
        if (nWritten <= 0)
            return dwWritten > 0; // part of the data went out: a short count, not a failure
        dwWritten += static_cast<DWORD>(nWritten);
    }
    return true;
}

DWORD FileSeek(FileHandle hFile, LONG lOffset, DWORD dwOrigin)
{
    PosixFile* pFile = FromHandle(hFile);
    if (!pFile)
        return InvalidFilePosition;
    off_t nBase = 0;
    if (dwOrigin == FileCurrent)
    {
        nBase = ::lseek(pFile->nFd, 0, SEEK_CUR);
    }
    else if (dwOrigin == FileEnd)
    {
        struct stat status = {};
        nBase = ::fstat(pFile->nFd, &status) == 0 ? status.st_size : -1;
    }
    else if (dwOrigin != FileBegin)
    {
        return InvalidFilePosition;
    }
    if (nBase < 0)
        return InvalidFilePosition;
    const off_t nTarget = nBase + lOffset;
    if (nTarget < 0 || nTarget > kLargestPosition || ::lseek(pFile->nFd, nTarget, SEEK_SET) != nTarget)
        return InvalidFilePosition;
    return static_cast<DWORD>(nTarget);
}

bool FileFlush(FileHandle hFile)
{
    PosixFile* pFile = FromHandle(hFile);
    return pFile && pFile->bCanWrite && ::fsync(pFile->nFd) == 0;
}

bool FileClose(FileHandle hFile)
{
    PosixFile* pFile = FromHandle(hFile);
    if (!pFile)
        return false;
    // Closing the descriptors ends the open file descriptions and with them every lock.
    CloseDescriptors(*pFile);
    delete pFile;
    return true;
}

bool FileLockRange(FileHandle hFile, DWORD dwPosition, DWORD dwCount)
{
    PosixFile* pFile = FromHandle(hFile);
    if (!pFile)
        return false;
    // Locks of one open file description merge, so this handle's own ranges are checked here.
    for (const auto& range : pFile->vecLockedRanges)
        if (RangesOverlap(range.first, range.second, dwPosition, dwCount))
            return false;
    if (dwCount != 0)
    {
        if (!SetOfdLock(pFile->nLockFd, F_RDLCK, dwPosition, dwCount))
            return false;
        if (IsLockedElsewhere(pFile->nLockFd, dwPosition, dwCount))
        {
            SetOfdLock(pFile->nLockFd, F_UNLCK, dwPosition, dwCount);
            return false;
        }
    }
    pFile->vecLockedRanges.emplace_back(dwPosition, dwCount);
    return true;
}

bool FileUnlockRange(FileHandle hFile, DWORD dwPosition, DWORD dwCount)
{
    PosixFile* pFile = FromHandle(hFile);
    if (!pFile)
        return false;
    auto& ranges = pFile->vecLockedRanges;
    for (auto it = ranges.begin(); it != ranges.end(); ++it)
    {
        if (it->first != dwPosition || it->second != dwCount)
            continue;
        if (dwCount != 0 && !SetOfdLock(pFile->nLockFd, F_UNLCK, dwPosition, dwCount))
            return false;
        ranges.erase(it);
        return true;
    }
    return false;
}

bool FileSetEnd(FileHandle hFile)
{
    PosixFile* pFile = FromHandle(hFile);
    if (!pFile || !pFile->bCanWrite)
        return false;
    const off_t nPosition = ::lseek(pFile->nFd, 0, SEEK_CUR);
    return nPosition >= 0 && ::ftruncate(pFile->nFd, nPosition) == 0;
}

} // namespace Platform
