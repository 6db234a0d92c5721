// MRVFile.cpp: mode-word decoding and the file operations over platform file handles.
#include "file/MRVFile.h"

namespace
{

constexpr DWORD kAccessMask = 0x0003;
constexpr DWORD kShareMask = 0x0070;
constexpr DWORD kAccessInvalid = 0x0003;

} // namespace

CMRVFile::CMRVFile() : m_hFile(Platform::InvalidFileHandle) {}

CMRVFile::~CMRVFile()
{
    Release();
}

void CMRVFile::Raise(DWORD nCode, const char* pszText)
{
    m_Error.Set(nCode, pszText);
    throw CMRVException(m_Error);
}

void CMRVFile::RaiseIfClosed(const char* pszText)
{
    if (m_hFile == Platform::InvalidFileHandle)
        Raise(4, pszText);
}

void CMRVFile::Release()
{
    if (m_hFile != Platform::InvalidFileHandle)
        Platform::FileClose(m_hFile);
    m_hFile = Platform::InvalidFileHandle;
    m_strFileName.clear();
}

BOOL CMRVFile::Open(const std::string& strFileName, DWORD dwMode)
{
    dwMode &= ~TypeBinary;

    // The access field is examined before the share field.
    const DWORD dwAccessField = dwMode & kAccessMask;
    if (dwAccessField == kAccessInvalid)
        Raise(3, "CMRVFile, Invalid read/write mode specified.");
    DWORD dwAccess = Platform::FileAccessRead;
    if (dwAccessField == AccessWrite)
        dwAccess = Platform::FileAccessWrite;
    else if (dwAccessField == AccessReadWrite)
        dwAccess = Platform::FileAccessRead | Platform::FileAccessWrite;

    const DWORD dwShareField = dwMode & kShareMask;
    if (dwShareField > ShareAllowAll)
        Raise(2, "CMRVFile, Invalid share mode specified.");
    DWORD dwShareMode = 0;
    if (dwShareField == ShareAllowRead)
        dwShareMode = Platform::FileShareRead;
    else if (dwShareField == ShareAllowWrite)
        dwShareMode = Platform::FileShareWrite;
    else if (dwShareField == ShareAllowAll)
        dwShareMode = Platform::FileShareRead | Platform::FileShareWrite;

    const bool bInheritable = (dwMode & NoInherit) == 0;

    DWORD dwDisposition = Platform::FileOpenExisting;
    if (dwMode & OpenCreate)
        dwDisposition = (dwMode & OpenNoTruncate) ? Platform::FileOpenAlways : Platform::FileCreateAlways;

    const Platform::FileHandle hFile =
        Platform::FileOpen(strFileName.c_str(), dwAccess, dwShareMode, bInheritable, dwDisposition);
    if (hFile == Platform::InvalidFileHandle)
        Raise(4, "CMRVFile, Invalid file handled returned during create/open file operation.");

    // A handle still held from an earlier Open would otherwise stay open (and keep its file
    // locked against other opens) for the rest of the run.
    Release();
    m_strFileName = strFileName;
    m_hFile = hFile;
    return TRUE;
}

DWORD CMRVFile::Read(void* pBuffer, DWORD dwCount)
{
    RaiseIfClosed("CMRVFile, Attempt to use an invalid file handled during a Read() operation.");
    if (dwCount == 0)
        return 0;
    DWORD dwRead = 0;
    if (!Platform::FileRead(m_hFile, pBuffer, dwCount, dwRead))
        Raise(5, "CMRVFile, Attempt to Read() a file has failed.");
    return dwRead;
}

void CMRVFile::Write(const void* pBuffer, DWORD dwCount)
{
    RaiseIfClosed("CMRVFile, Attempt to use an invalid file handled during a Write() operation.");
    if (dwCount == 0)
        return;
    DWORD dwWritten = 0;
    if (!Platform::FileWrite(m_hFile, pBuffer, dwCount, dwWritten))
        Raise(6, "CMRVFile, Attempt to Write() to a file has failed.");
    if (dwWritten != dwCount)
        Raise(6, "CMRVFile, Attempt to Write() to a file has failed. Check if disk is full.");
}

DWORD CMRVFile::Seek(LONG lOffset, DWORD dwOrigin)
{
    RaiseIfClosed("CMRVFile, Attempt to use an invalid file handled during a Seek() operation.");
    if (dwOrigin != Platform::FileBegin && dwOrigin != Platform::FileCurrent && dwOrigin != Platform::FileEnd)
        Raise(7, "CMRVFile, Attempt to Seek() has failed. Check Seek() parameters.");
    const DWORD dwPosition = Platform::FileSeek(m_hFile, lOffset, dwOrigin);
    if (dwPosition == Platform::InvalidFilePosition)
        Raise(7, "CMRVFile, Attempt to Set the file pointer has failed. Check Seek() parameters.");
    return dwPosition;
}

DWORD CMRVFile::GetPosition()
{
    RaiseIfClosed("CMRVFile, Attempt to use an invalid file handled during a GetPosition() operation.");
    const DWORD dwPosition = Platform::FileSeek(m_hFile, 0, Platform::FileCurrent);
    if (dwPosition == Platform::InvalidFilePosition)
        Raise(7, "CMRVFile, Attempt to Set the file pointer has failed. Check Seek() parameters.");
    return dwPosition;
}

void CMRVFile::Flush()
{
    RaiseIfClosed("CMRVFile, Attempt to use an invalid file handled during a Flush() operation.");
    if (!Platform::FileFlush(m_hFile))
        Raise(4, "CMRVFile, Unable to flush file buffers.");
}

void CMRVFile::ForceClose()
{
    Release();
}

void CMRVFile::Close()
{
    if (m_hFile == Platform::InvalidFileHandle)
        Raise(8, "CMRVFile, Unable to close file.  Perhaps its already closed?");
    Release();
}

void CMRVFile::LockRange(DWORD dwPosition, DWORD dwCount)
{
    RaiseIfClosed("CMRVFile, Attempt to use an invalid file handled during a LockRange() operation.");
    if (!Platform::FileLockRange(m_hFile, dwPosition, dwCount))
        Raise(9, "CMRVFile, Attempt to LockRange() has failed.");
}

void CMRVFile::UnlockRange(DWORD dwPosition, DWORD dwCount)
{
    RaiseIfClosed("CMRVFile, Attempt to use an invalid file handled during a UnlockRange() operation.");
    if (!Platform::FileUnlockRange(m_hFile, dwPosition, dwCount))
        Raise(16, "CMRVFile, Attempt to UnlockRange() has failed.");
}

void CMRVFile::SetLength(DWORD dwLength)
{
    RaiseIfClosed("CMRVFile, Attempt to use an invalid file handled during a SetLength() operation.");
    Seek(static_cast<LONG>(dwLength), Platform::FileBegin);
    if (!Platform::FileSetEnd(m_hFile))
        Raise(17, "CMRVFile, Attempt to SetLength() has failed.");
}

DWORD CMRVFile::GetLength()
{
    const DWORD dwPosition = Seek(0, Platform::FileCurrent);
    const DWORD dwLength = Seek(0, Platform::FileEnd);
    Seek(static_cast<LONG>(dwPosition), Platform::FileBegin);
    return dwLength;
}

const std::string& CMRVFile::GetFileName() const
{
    return m_strFileName;
}
