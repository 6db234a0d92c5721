// HeadlessSingleInstance.cpp: a process-wide set of held names.
#include "platform/headless/HeadlessSingleInstance.h"

#include <algorithm>
#include <mutex>
#include <set>

namespace Platform
{

namespace
{
std::mutex g_HeldMutex;
std::set<std::string>& HeldNames()
{
    static std::set<std::string> s_Names;
    return s_Names;
}
} // namespace

CHeadlessSingleInstance::~CHeadlessSingleInstance()
{
    std::lock_guard<std::mutex> lock(g_HeldMutex);
    for (const std::string& strName : m_Held)
        HeldNames().erase(strName);
}

BOOL CHeadlessSingleInstance::Acquire(const char* pszName)
{
    std::lock_guard<std::mutex> lock(g_HeldMutex);
    if (!HeldNames().insert(pszName).second)
        return FALSE;
    m_Held.push_back(pszName);
    return TRUE;
}

} // namespace Platform
