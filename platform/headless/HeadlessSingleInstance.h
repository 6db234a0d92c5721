// HeadlessSingleInstance.h: the single-instance lock within this process only.
//
// A name is held while the object that acquired it lives, so one runner (or one test) is one
// "process" and parallel test programs never see each other's locks.
#pragma once

#include "platform/SingleInstance.h"

#include <string>
#include <vector>

namespace Platform
{

class CHeadlessSingleInstance : public ISingleInstance
{
public:
    CHeadlessSingleInstance() = default;
    ~CHeadlessSingleInstance() override;
    CHeadlessSingleInstance(const CHeadlessSingleInstance&) = delete;
    CHeadlessSingleInstance& operator=(const CHeadlessSingleInstance&) = delete;

    BOOL Acquire(const char* pszName) override;

private:
    std::vector<std::string> m_Held;
};

} // namespace Platform
