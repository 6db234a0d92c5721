// MRVException.cpp: the exception's accessors.
#include "file/MRVException.h"

CMRVException::CMRVException() : m_nCode(0) {}

CMRVException::CMRVException(const CMRVException& other) = default;

CMRVException& CMRVException::operator=(const CMRVException& other) = default;

CMRVException::~CMRVException() = default;

const std::string& CMRVException::GetExtraText() const
{
    return m_strExtraText;
}

void CMRVException::SetExtraText(const char* pszText)
{
    m_strExtraText = pszText ? pszText : "";
}

void CMRVException::SetExtraText(const std::string& strText)
{
    m_strExtraText = strText;
}

DWORD CMRVException::GetCode() const
{
    return m_nCode;
}

void CMRVException::SetCode(DWORD nCode)
{
    m_nCode = nCode;
}

const std::string& CMRVException::GetText() const
{
    return m_strText;
}

void CMRVException::SetText(const char* pszText)
{
    m_strText = pszText ? pszText : "";
}

void CMRVException::SetText(const std::string& strText)
{
    m_strText = strText;
}

void CMRVException::Set(DWORD nCode, const char* pszText)
{
    m_nCode = nCode;
    SetText(pszText);
}

void CMRVException::Set(DWORD nCode, const std::string& strText)
{
    m_nCode = nCode;
    m_strText = strText;
}
