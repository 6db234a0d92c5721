// MRVException.h: the engine's only exception, raised by value by CMRVFile.
// A copyable value with an error code, the error text (which names the class and the
// operation) and a second text that callers may fill. It has no base class; it is final, so
// nothing can be deleted through it as another type.
#pragma once

#include "platform/WinTypes.h"

#include <string>

class CMRVException final
{
public:
    CMRVException();
    CMRVException(const CMRVException& other);
    CMRVException& operator=(const CMRVException& other);
    ~CMRVException();

    virtual const std::string& GetExtraText() const;
    virtual void SetExtraText(const char* pszText);
    virtual void SetExtraText(const std::string& strText);
    virtual DWORD GetCode() const;
    virtual void SetCode(DWORD nCode);
    virtual const std::string& GetText() const;
    virtual void SetText(const char* pszText);
    virtual void SetText(const std::string& strText);
    virtual void Set(DWORD nCode, const char* pszText);
    virtual void Set(DWORD nCode, const std::string& strText);

private:
    std::string m_strText;
    std::string m_strExtraText;
    DWORD m_nCode;
};
