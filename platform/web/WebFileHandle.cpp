// WebFileHandle.cpp: file handles over the page's virtual file system (emscripten).
//
// The files live in memory inside the page and only this page opens them, so share modes and
// byte-range locks are kept in one table of open handles for the whole program instead of in
// the system: every handle records its file's identity (device and inode), its access, its
// share mode and its locked ranges, and an open or a lock is checked against the table under
// one mutex (the streaming workers open files too).
#include "platform/FileHandle.h"
#include "platform/GamePath.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace Platform
{

namespace
{

constexpr int64_t kLargestPosition = 0xFFFFFFFE; // 0xFFFFFFFF is the failure value

struct WebFile
{
    int nFd = -1;
    dev_t nDevice = 0;
    ino_t nInode = 0;
    bool bCanRead = false;
    bool bCanWrite = false;
    DWORD dwShareMode = 0;
    std::vector<std::pair<DWORD, DWORD>> Ranges; // locked: position, count
};

std::mutex g_TableMutex;
std::vector<WebFile*> g_OpenFiles; // every open handle, guarded by g_TableMutex

WebFile* FromHandle(FileHandle hFile)
{
    return (hFile == InvalidFileHandle || hFile == 0) ? nullptr : reinterpret_cast<WebFile*>(hFile);
}

bool SameFile(const WebFile& first, const WebFile& second)
{
    return first.nDevice == second.nDevice && first.nInode == second.nInode;
}

// Each of the two handles allows what the other one does.
bool Compatible(const WebFile& opened, const WebFile& other)
{
    const auto allows = [](const WebFile& holder, const WebFile& user)
    {
        return (!user.bCanRead || (holder.dwShareMode & FileShareRead)) &&
               (!user.bCanWrite || (holder.dwShareMode & FileShareWrite));
    };
    return allows(other, opened) && allows(opened, other);
}

bool Overlap(const std::pair<DWORD, DWORD>& first, DWORD dwPosition, DWORD dwCount)
{
    if (first.second == 0 || dwCount == 0)
        return false;
    return uint64_t(first.first) < uint64_t(dwPosition) + dwCount &&
           uint64_t(dwPosition) < uint64_t(first.first) + first.second;
}

int OpenFlags(const WebFile& file, DWORD dwDisposition)
{
    int nFlags = file.bCanRead && file.bCanWrite ? O_RDWR : (file.bCanWrite ? O_WRONLY : O_RDONLY);
    if (dwDisposition != FileOpenExisting)
        nFlags |= O_CREAT;
    return nFlags;
}

// Opens the descriptor and reads the file's identity; false for a directory or no file.
bool OpenDescriptor(WebFile& file, const std::string& strPath, DWORD dwDisposition)
{
    file.nFd = ::open(strPath.c_str(), OpenFlags(file, dwDisposition), 0666);
    struct stat status = {};
    if (file.nFd < 0 || ::fstat(file.nFd, &status) != 0 || S_ISDIR(status.st_mode))
        return false;
    file.nDevice = status.st_dev;
    file.nInode = status.st_ino;
    return true;
}

// Enters the handle in the table when every other open of its file admits it.
bool Admit(WebFile* pFile)
{
    std::lock_guard<std::mutex> lock(g_TableMutex);
    for (const WebFile* pOther : g_OpenFiles)
    {
        if (SameFile(*pFile, *pOther) && !Compatible(*pFile, *pOther))
            return false;
    }
    g_OpenFiles.push_back(pFile);
    return true;
}

void Withdraw(WebFile* pFile)
{
    std::lock_guard<std::mutex> lock(g_TableMutex);
    g_OpenFiles.erase(std::remove(g_OpenFiles.begin(), g_OpenFiles.end(), pFile), g_OpenFiles.end());
}

} // namespace

FileHandle FileOpen(const char* pszName, DWORD dwAccess, DWORD dwShareMode, bool, DWORD dwDisposition)
{
    WebFile* pFile = new WebFile;
    pFile->bCanRead = (dwAccess & FileAccessRead) != 0;
    pFile->bCanWrite = (dwAccess & FileAccessWrite) != 0;
    pFile->dwShareMode = dwShareMode;
    const bool bKnownDisposition = dwDisposition == FileCreateAlways || dwDisposition == FileOpenAlways ||
                                   dwDisposition == FileOpenExisting;
    const std::string strPath = NativePath(pszName ? pszName : "");
    bool bOpen = (pFile->bCanRead || pFile->bCanWrite) && bKnownDisposition &&
                 OpenDescriptor(*pFile, strPath, dwDisposition) && Admit(pFile);
    // Emptying comes after admission, so that a refused open leaves the file as it was.
    if (bOpen && dwDisposition == FileCreateAlways && ::truncate(strPath.c_str(), 0) != 0)
    {
        Withdraw(pFile);
        bOpen = false;
    }
    if (!bOpen)
    {
        if (pFile->nFd >= 0)
            ::close(pFile->nFd);
        delete pFile;
        return InvalidFileHandle;
    }
    return reinterpret_cast<FileHandle>(pFile);
}

bool FileRead(FileHandle hFile, void* pBuffer, DWORD dwCount, DWORD& dwRead)
{
    dwRead = 0;
    WebFile* pFile = FromHandle(hFile);
    if (!pFile || !pFile->bCanRead)
        return false;
    // The virtual file system reads everything there is in one call.
    const ssize_t nRead = ::read(pFile->nFd, pBuffer, dwCount);
    if (nRead < 0)
        return false;
    dwRead = static_cast<DWORD>(nRead);
    return true;
}

bool FileWrite(FileHandle hFile, const void* pBuffer, DWORD dwCount, DWORD& dwWritten)
{
    dwWritten = 0;
    WebFile* pFile = FromHandle(hFile);
    if (!pFile || !pFile->bCanWrite)
        return false;
    const ssize_t nWritten = ::write(pFile->nFd, pBuffer, dwCount);
    if (nWritten < 0 || (nWritten == 0 && dwCount != 0))
        return false;
    dwWritten = static_cast<DWORD>(nWritten);
    return true;
}

DWORD FileSeek(FileHandle hFile, LONG lOffset, DWORD dwOrigin)
{
    WebFile* pFile = FromHandle(hFile);
    if (!pFile || dwOrigin > FileEnd)
        return InvalidFilePosition;
    int64_t nBase = 0;
    if (dwOrigin == FileCurrent)
        nBase = ::lseek(pFile->nFd, 0, SEEK_CUR);
    struct stat status = {};
    if (dwOrigin == FileEnd)
        nBase = ::fstat(pFile->nFd, &status) == 0 ? status.st_size : -1;
    const int64_t nTarget = nBase + lOffset;
    if (nBase < 0 || nTarget < 0 || nTarget > kLargestPosition ||
        ::lseek(pFile->nFd, nTarget, SEEK_SET) != nTarget)
        return InvalidFilePosition;
    return static_cast<DWORD>(nTarget);
}

bool FileFlush(FileHandle hFile)
{
    WebFile* pFile = FromHandle(hFile);
    return pFile && pFile->bCanWrite; // memory files have nothing to write through
}

bool FileClose(FileHandle hFile)
{
    WebFile* pFile = FromHandle(hFile);
    if (!pFile)
        return false;
    Withdraw(pFile);
    ::close(pFile->nFd);
    delete pFile;
    return true;
}

bool FileLockRange(FileHandle hFile, DWORD dwPosition, DWORD dwCount)
{
    WebFile* pFile = FromHandle(hFile);
    if (!pFile)
        return false;
    std::lock_guard<std::mutex> lock(g_TableMutex);
    for (const WebFile* pOther : g_OpenFiles)
    {
        if (!SameFile(*pFile, *pOther))
            continue;
        for (const auto& range : pOther->Ranges)
        {
            if (Overlap(range, dwPosition, dwCount))
                return false;
        }
    }
    pFile->Ranges.emplace_back(dwPosition, dwCount);
    return true;
}

bool FileUnlockRange(FileHandle hFile, DWORD dwPosition, DWORD dwCount)
{
    WebFile* pFile = FromHandle(hFile);
    if (!pFile)
        return false;
    std::lock_guard<std::mutex> lock(g_TableMutex);
    const auto it =
        std::find(pFile->Ranges.begin(), pFile->Ranges.end(), std::make_pair(dwPosition, dwCount));
    if (it == pFile->Ranges.end())
        return false;
    pFile->Ranges.erase(it);
    return true;
}

bool FileSetEnd(FileHandle hFile)
{
    WebFile* pFile = FromHandle(hFile);
    if (!pFile || !pFile->bCanWrite)
        return false;
    const off_t nPosition = ::lseek(pFile->nFd, 0, SEEK_CUR);
    return nPosition >= 0 && ::ftruncate(pFile->nFd, nPosition) == 0;
}

} // namespace Platform
