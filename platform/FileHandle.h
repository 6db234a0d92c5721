// FileHandle.h: operating-system file handles for CMRVFile.
//
// A FileHandle is an opaque value; InvalidFileHandle stands for "no file" and is never returned
// for an open file. Every call takes a handle returned by FileOpen and not yet passed to
// FileClose. Positions, counts and lengths are 32-bit: files larger than 4 GB are outside the
// design. Failures are reported by the result only; nothing here traces or throws.
//
// Contract, shared by every backend (the values of the constants are the Windows ones, so the
// Win32 backend passes them straight through):
// - FileOpen opens pszName (the game's backslash paths are accepted, see GamePath.h) with the
//   given access (FileAccessRead and/or FileAccessWrite), share mode (FileShareRead and/or
//   FileShareWrite, 0 for none) and disposition (FileCreateAlways: create, or empty an existing
//   file; FileOpenAlways: create if missing, keep the contents otherwise; FileOpenExisting: the
//   file must exist). Share modes are honoured between all handles of the system, including two
//   handles of one process: an open fails when its access is not allowed by the share mode of
//   every handle already open on the file, or when its own share mode does not allow the access
//   of every such handle; a refused open leaves the file as it was (it is not emptied). A
//   directory cannot be opened. bInheritable says whether child processes inherit the handle.
// - FileRead reads up to dwCount bytes at the file pointer and reports in dwRead how many it
//   read; fewer at the end of the file is success (0 at or past the end). Fails on a handle
//   without read access.
// - FileWrite writes dwCount bytes at the file pointer and reports in dwWritten how many were
//   written; it fails when nothing could be written, and succeeds with a short count when the
//   device took only part of the data (disk full). Fails on a handle without write access.
// - FileSeek moves the file pointer by the signed lOffset from FileBegin, FileCurrent or
//   FileEnd and returns the new position. A position before the start or beyond 0xFFFFFFFE
//   fails with InvalidFilePosition and leaves the pointer where it was. Moving past the end is
//   allowed; the file grows only when written there.
// - FileFlush writes buffered data through to the device; it fails on a handle without write
//   access.
// - FileClose releases the handle, its share mode and its byte-range locks.
// - FileLockRange locks dwCount bytes from dwPosition for this handle alone (exclusive, never
//   waits): it fails when the range overlaps a range that any handle, this one included, has
//   locked (a range of 0 bytes overlaps nothing). FileUnlockRange releases a range that this
//   handle locked with exactly the same position and count, and fails otherwise. Whether locked
//   bytes can still be read or written through other handles is the system's business (Windows
//   refuses; POSIX allows).
// - FileOpen needs at least one access right in dwAccess; the POSIX backend (Linux) also
//   needs read permission for a write-only handle, to keep its share-mode record.
// - FileSetEnd makes the current file pointer the end of the file (shortening or extending it);
//   it fails on a handle without write access.
#pragma once

#include "platform/WinTypes.h"

#include <cstdint>

namespace Platform
{

using FileHandle = std::intptr_t;
constexpr FileHandle InvalidFileHandle = -1;

// Access rights.
constexpr DWORD FileAccessRead = 0x80000000u;
constexpr DWORD FileAccessWrite = 0x40000000u;

// Share modes: what other handles opened later or earlier may do with the file.
constexpr DWORD FileShareRead = 0x1u;
constexpr DWORD FileShareWrite = 0x2u;

// Creation dispositions.
constexpr DWORD FileCreateAlways = 2u;
constexpr DWORD FileOpenExisting = 3u;
constexpr DWORD FileOpenAlways = 4u;

// Seek origins.
constexpr DWORD FileBegin = 0u;
constexpr DWORD FileCurrent = 1u;
constexpr DWORD FileEnd = 2u;

// The result of a failed FileSeek.
constexpr DWORD InvalidFilePosition = 0xFFFFFFFFu;

FileHandle FileOpen(const char* pszName, DWORD dwAccess, DWORD dwShareMode, bool bInheritable,
                    DWORD dwDisposition);
bool FileRead(FileHandle hFile, void* pBuffer, DWORD dwCount, DWORD& dwRead);
bool FileWrite(FileHandle hFile, const void* pBuffer, DWORD dwCount, DWORD& dwWritten);
DWORD FileSeek(FileHandle hFile, LONG lOffset, DWORD dwOrigin);
bool FileFlush(FileHandle hFile);
bool FileClose(FileHandle hFile);
bool FileLockRange(FileHandle hFile, DWORD dwPosition, DWORD dwCount);
bool FileUnlockRange(FileHandle hFile, DWORD dwPosition, DWORD dwCount);
bool FileSetEnd(FileHandle hFile);

} // namespace Platform
