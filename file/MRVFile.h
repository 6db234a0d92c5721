// MRVFile.h: a thin wrapper of one operating-system file handle.
// Open takes a mode word (access, share mode, inheritance, creation); every failure raises a
// CMRVException by value whose code and text name the operation, after recording it in m_Error.
// Positions, counts and lengths are 32-bit. The handle lives behind platform/FileHandle.h.
#pragma once

#include "file/MRVException.h"
#include "platform/FileHandle.h"
#include "platform/WinTypes.h"

#include <string>

class CMRVFile
{
public:
    // Mode word of Open. Bits 0-1: access; bits 4-6: share mode; bits not named are ignored.
    static constexpr DWORD AccessRead = 0x0000;
    static constexpr DWORD AccessWrite = 0x0001;
    static constexpr DWORD AccessReadWrite = 0x0002;
    static constexpr DWORD ShareExclusive = 0x0000; // 0x10 means the same
    static constexpr DWORD ShareAllowRead = 0x0020;
    static constexpr DWORD ShareAllowWrite = 0x0030;
    static constexpr DWORD ShareAllowAll = 0x0040;
    static constexpr DWORD NoInherit = 0x0080;
    static constexpr DWORD OpenCreate = 0x1000;
    static constexpr DWORD OpenNoTruncate = 0x2000; // only together with OpenCreate
    static constexpr DWORD TypeBinary = 0x8000;     // accepted and ignored

    CMRVFile();
    CMRVFile(const CMRVFile&) = delete;
    CMRVFile& operator=(const CMRVFile&) = delete;
    // Closes a handle that is still open, so that a raise passing through an owner leaks nothing.
    virtual ~CMRVFile();

    // Returns TRUE; every failure raises. A successful Open that replaces a handle the object
    // still held closes the old handle; a failed one leaves it (and its name) as it was.
    virtual BOOL Open(const std::string& strFileName, DWORD dwMode);
    // Returns the number of bytes read: fewer than dwCount at the end of the file.
    virtual DWORD Read(void* pBuffer, DWORD dwCount);
    virtual void Write(const void* pBuffer, DWORD dwCount);
    // dwOrigin: 0 from the start, 1 from the current position, 2 from the end. Returns the new
    // position.
    virtual DWORD Seek(LONG lOffset, DWORD dwOrigin);
    virtual DWORD GetPosition();
    virtual void Flush();
    // Closes the file if one is open; never raises.
    virtual void ForceClose();
    // Raises when no file is open.
    virtual void Close();
    virtual void LockRange(DWORD dwPosition, DWORD dwCount);
    virtual void UnlockRange(DWORD dwPosition, DWORD dwCount);
    // Leaves the file pointer at the new length.
    virtual void SetLength(DWORD dwLength);
    // Leaves the file pointer where it was.
    virtual DWORD GetLength();
    // The name given to the last successful Open; empty when no file is open.
    virtual const std::string& GetFileName() const;

private:
    [[noreturn]] void Raise(DWORD nCode, const char* pszText);
    void RaiseIfClosed(const char* pszText);
    void Release();

    CMRVException m_Error;
    Platform::FileHandle m_hFile;
    std::string m_strFileName;
};
