// FileBytes.cpp: checked whole-file reads, and writes through a temporary file and a rename.
#include "tools/common/FileBytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace ToolFiles
{

namespace fs = std::filesystem;

namespace
{

std::string SystemError(int nError)
{
    return std::strerror(nError != 0 ? nError : EIO);
}

// Writes, flushes and closes; the stream is closed whatever happens.
bool WriteAndClose(std::FILE* pFile, const uint8_t* pData, size_t nSize, std::string* pError)
{
    errno = 0;
    bool bWritten = nSize == 0 || std::fwrite(pData, 1, nSize, pFile) == nSize;
    bWritten = bWritten && std::fflush(pFile) == 0;
    int nError = errno;
    if (std::fclose(pFile) != 0 && bWritten)
    {
        bWritten = false;
        nError = errno;
    }
    if (!bWritten)
        *pError = "cannot write: " + SystemError(nError);
    return bWritten;
}

// A new, empty temporary file beside strTarget, made exclusively so that nothing is
// overwritten; null when none can be made.
std::FILE* CreateTemporaryBeside(const fs::path& target, fs::path* pTemporary, std::string* pError)
{
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (int nAttempt = 0; nAttempt < 100; ++nAttempt)
    {
        *pTemporary = folder / ("." + target.filename().string() + ".part" + std::to_string(nAttempt));
        errno = 0;
        if (std::FILE* pFile = std::fopen(pTemporary->string().c_str(), "wbx"))
            return pFile;
        if (errno != EEXIST)
            break;
    }
    *pError = "cannot create: " + SystemError(errno);
    return nullptr;
}

} // namespace

bool ReadFileBytes(const std::string& strPath, std::vector<uint8_t>* pBytes, std::string* pError)
{
    std::error_code error;
    const fs::file_status status = fs::status(strPath, error);
    if (error)
    {
        *pError = "cannot open: " + error.message();
        return false;
    }
    if (fs::is_directory(status))
    {
        *pError = "is a folder, not a file";
        return false;
    }
    if (!fs::is_regular_file(status))
    {
        *pError = "is not a regular file";
        return false;
    }
    errno = 0;
    std::FILE* pFile = std::fopen(strPath.c_str(), "rb");
    if (!pFile)
    {
        *pError = "cannot open: " + SystemError(errno);
        return false;
    }
    pBytes->clear();
    uint8_t chunk[65536];
    size_t nRead = 0;
    while ((nRead = std::fread(chunk, 1, sizeof(chunk), pFile)) > 0)
        pBytes->insert(pBytes->end(), chunk, chunk + nRead);
    const int nError = errno;
    const bool bFailed = std::ferror(pFile) != 0;
    std::fclose(pFile);
    if (bFailed)
    {
        *pError = "cannot read: " + SystemError(nError);
        return false;
    }
    return true;
}

bool WriteFileBytes(const std::string& strPath, const uint8_t* pData, size_t nSize, std::string* pError)
{
    std::error_code error;
    fs::path target(strPath);
    // A link is followed, so that the file it names is replaced and the link stays.
    if (fs::is_symlink(fs::symlink_status(target, error)))
    {
        target = fs::canonical(target, error);
        if (error)
        {
            *pError = "cannot follow the link: " + error.message();
            return false;
        }
    }
    const fs::file_status status = fs::status(target, error);
    if (fs::is_directory(status))
    {
        *pError = "is a folder, not a file";
        return false;
    }
    if (fs::exists(status) && !fs::is_regular_file(status))
    {
        // A device or a pipe: written in place, never replaced or removed.
        errno = 0;
        std::FILE* pFile = std::fopen(target.string().c_str(), "wb");
        if (!pFile)
        {
            *pError = "cannot open: " + SystemError(errno);
            return false;
        }
        return WriteAndClose(pFile, pData, nSize, pError);
    }

    fs::path temporary;
    std::FILE* pFile = CreateTemporaryBeside(target, &temporary, pError);
    if (!pFile)
        return false;
    bool bDone = WriteAndClose(pFile, pData, nSize, pError);
    if (bDone)
    {
        fs::rename(temporary, target, error);
        if (error)
        {
            *pError = "cannot replace: " + error.message();
            bDone = false;
        }
    }
    if (!bDone)
        fs::remove(temporary, error); // the regular file this call made, and nothing else
    return bDone;
}

bool WriteFileBytesIfChanged(const std::string& strPath, const std::vector<uint8_t>& bytes,
                             std::string* pError)
{
    std::vector<uint8_t> existing;
    std::string strUnread; // a missing or unreadable file is simply written
    if (ReadFileBytes(strPath, &existing, &strUnread) && existing == bytes)
        return true;
    return WriteFileBytes(strPath, bytes, pError);
}

} // namespace ToolFiles
