// Win32SingleInstance.cpp: CreateMutexA and ERROR_ALREADY_EXISTS.
#include "platform/win32/Win32SingleInstance.h"

#include "platform/win32/Win32Api.h"

namespace Platform
{

BOOL CWin32SingleInstance::Acquire(const char* pszName)
{
    // The handle stays open for the life of the process, also when the mutex existed: the
    // caller leaves at once then.
    ::SetLastError(ERROR_SUCCESS);
    ::CreateMutexA(nullptr, TRUE, pszName);
    return ::GetLastError() == ERROR_ALREADY_EXISTS ? FALSE : TRUE;
}

} // namespace Platform
