// FileHandleWin32.cpp: file handles over Win32 kernel file handles.
//
// The interface's constants carry the Win32 values, so every call passes its arguments through;
// the handle value is the HANDLE itself and InvalidFileHandle is INVALID_HANDLE_VALUE.
// Positions are 32-bit: the high halves of every call are 0 or absent.
#include "platform/FileHandle.h"

#include "platform/win32/Win32Api.h"

namespace Platform
{

static_assert(FileAccessRead == GENERIC_READ && FileAccessWrite == GENERIC_WRITE, "access values");
static_assert(FileShareRead == FILE_SHARE_READ && FileShareWrite == FILE_SHARE_WRITE, "share values");
static_assert(FileCreateAlways == CREATE_ALWAYS && FileOpenExisting == OPEN_EXISTING &&
                  FileOpenAlways == OPEN_ALWAYS,
              "disposition values");
static_assert(FileBegin == FILE_BEGIN && FileCurrent == FILE_CURRENT && FileEnd == FILE_END, "origins");
static_assert(InvalidFilePosition == INVALID_SET_FILE_POINTER, "seek failure value");

namespace
{
HANDLE ToHandle(FileHandle hFile)
{
    return reinterpret_cast<HANDLE>(hFile);
}
} // namespace

FileHandle FileOpen(const char* pszName, DWORD dwAccess, DWORD dwShareMode, bool bInheritable,
                    DWORD dwDisposition)
{
    SECURITY_ATTRIBUTES security;
    security.nLength = sizeof(security);
    security.lpSecurityDescriptor = nullptr;
    security.bInheritHandle = bInheritable ? TRUE : FALSE;
    HANDLE hFile = ::CreateFileA(pszName ? pszName : "", dwAccess, dwShareMode, &security, dwDisposition,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return InvalidFileHandle;
    return reinterpret_cast<FileHandle>(hFile);
}

bool FileRead(FileHandle hFile, void* pBuffer, DWORD dwCount, DWORD& dwRead)
{
    dwRead = 0;
    return ::ReadFile(ToHandle(hFile), pBuffer, dwCount, &dwRead, nullptr) != FALSE;
}

bool FileWrite(FileHandle hFile, const void* pBuffer, DWORD dwCount, DWORD& dwWritten)
{
    dwWritten = 0;
    return ::WriteFile(ToHandle(hFile), pBuffer, dwCount, &dwWritten, nullptr) != FALSE;
}

DWORD FileSeek(FileHandle hFile, LONG lOffset, DWORD dwOrigin)
{
    return ::SetFilePointer(ToHandle(hFile), lOffset, nullptr, dwOrigin);
}

bool FileFlush(FileHandle hFile)
{
    return ::FlushFileBuffers(ToHandle(hFile)) != FALSE;
}

bool FileClose(FileHandle hFile)
{
    return ::CloseHandle(ToHandle(hFile)) != FALSE;
}

bool FileLockRange(FileHandle hFile, DWORD dwPosition, DWORD dwCount)
{
    return ::LockFile(ToHandle(hFile), dwPosition, 0, dwCount, 0) != FALSE;
}

bool FileUnlockRange(FileHandle hFile, DWORD dwPosition, DWORD dwCount)
{
    return ::UnlockFile(ToHandle(hFile), dwPosition, 0, dwCount, 0) != FALSE;
}

bool FileSetEnd(FileHandle hFile)
{
    return ::SetEndOfFile(ToHandle(hFile)) != FALSE;
}

} // namespace Platform
