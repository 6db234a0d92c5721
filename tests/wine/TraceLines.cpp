// TraceLines.cpp: Wine's escaped strings, the runner's "\r\n" endings and the capability lines.
#include "TraceLines.h"

#include <cstdlib>

namespace Lane
{

namespace
{

const char* const kWineMarker = "OutputDebugStringA \"";
const char* const kEnding = "\r\n";
const char* const kOptionalCapabilities[] = {"No hardware support at all", "Device supports color fill"};
const char* const kValuedCapabilities[] = {"Total free video memory: ", "Video hardware support: ",
                                           "Hardware blitter: ", "VBlank: ", "Hardware Page Flip: "};

bool StartsWith(const std::string& strText, const std::string& strStart)
{
    return strText.compare(0, strStart.size(), strStart) == 0;
}

// The text between the quotes of one Wine line, with Wine's escapes undone.
std::string Unescape(const std::string& strLine, size_t nFrom)
{
    std::string strText;
    for (size_t i = nFrom; i < strLine.size() && strLine[i] != '"'; ++i)
    {
        if (strLine[i] != '\\' || i + 1 >= strLine.size())
        {
            strText += strLine[i];
            continue;
        }
        const char ch = strLine[++i];
        if (ch == 'n')
            strText += '\n';
        else if (ch == 'r')
            strText += '\r';
        else if (ch == 't')
            strText += '\t';
        else if (ch == 'x' && i + 2 < strLine.size())
        {
            strText += static_cast<char>(std::strtol(strLine.substr(i + 1, 2).c_str(), nullptr, 16));
            i += 2;
        }
        else if (ch >= '0' && ch <= '7' && i + 2 < strLine.size())
        {
            strText += static_cast<char>(std::strtol(strLine.substr(i, 3).c_str(), nullptr, 8));
            i += 2;
        }
        else
            strText += ch; // \\ and \"
    }
    return strText;
}

std::string WithoutEnding(const std::string& strMessage)
{
    const std::string strEnding = kEnding;
    if (strMessage.size() >= strEnding.size() &&
        strMessage.compare(strMessage.size() - strEnding.size(), strEnding.size(), strEnding) == 0)
        return strMessage.substr(0, strMessage.size() - strEnding.size());
    return strMessage;
}

} // namespace

std::vector<std::string> WineDebuggerMessages(const std::string& strStderr)
{
    std::vector<std::string> messages;
    size_t nLineStart = 0;
    while (nLineStart < strStderr.size())
    {
        size_t nLineEnd = strStderr.find('\n', nLineStart);
        if (nLineEnd == std::string::npos)
            nLineEnd = strStderr.size();
        const std::string strLine = strStderr.substr(nLineStart, nLineEnd - nLineStart);
        const size_t nMarker = strLine.find(kWineMarker);
        if (nMarker != std::string::npos)
            messages.push_back(WithoutEnding(Unescape(strLine, nMarker + std::string(kWineMarker).size())));
        nLineStart = nLineEnd + 1;
    }
    return messages;
}

std::vector<std::string> SplitTrace(const std::string& strTrace)
{
    std::vector<std::string> messages;
    size_t nStart = 0;
    while (nStart < strTrace.size())
    {
        const size_t nEnd = strTrace.find(kEnding, nStart);
        if (nEnd == std::string::npos)
        {
            messages.push_back(strTrace.substr(nStart));
            break;
        }
        messages.push_back(strTrace.substr(nStart, nEnd - nStart));
        nStart = nEnd + 2;
    }
    return messages;
}

bool IsCapabilityLine(const std::string& strMessage)
{
    for (const char* pszLine : kOptionalCapabilities)
    {
        if (strMessage == pszLine)
            return true;
    }
    for (const char* pszStart : kValuedCapabilities)
    {
        if (StartsWith(strMessage, pszStart))
            return true;
    }
    return false;
}

std::vector<std::string> WithoutDeviceValues(const std::vector<std::string>& messages)
{
    std::vector<std::string> normal;
    for (const std::string& strMessage : messages)
    {
        bool bOptional = false;
        for (const char* pszLine : kOptionalCapabilities)
            bOptional = bOptional || strMessage == pszLine;
        if (bOptional)
            continue;
        std::string strNormal = strMessage;
        for (const char* pszStart : kValuedCapabilities)
        {
            if (StartsWith(strMessage, pszStart))
                strNormal = std::string(pszStart) + "*";
        }
        normal.push_back(strNormal);
    }
    return normal;
}

std::string Printable(const std::string& strMessage)
{
    std::string strText;
    for (char ch : strMessage)
    {
        if (ch == '\r')
            strText += "\\r";
        else if (ch == '\n')
            strText += "\\n";
        else
            strText += ch;
    }
    return strText;
}

} // namespace Lane
