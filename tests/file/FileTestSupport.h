// FileTestSupport.h: temporary folders, file contents and raise checks for the file tests.
#pragma once

#include "file/MRVFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include <unistd.h>

namespace FileTest
{

// A fresh folder per test, removed afterwards.
class TempFolder
{
public:
    TempFolder()
    {
        const auto* pInfo = ::testing::UnitTest::GetInstance()->current_test_info();
        m_Path =
            std::filesystem::temp_directory_path() / ("velvina_file_" + std::to_string(::getpid()) + "_" +
                                                      pInfo->test_suite_name() + "_" + pInfo->name());
        std::filesystem::remove_all(m_Path);
        std::filesystem::create_directories(m_Path);
    }
    ~TempFolder() { std::filesystem::remove_all(m_Path); }

    std::string Path(const std::string& strName) const { return (m_Path / strName).string(); }

private:
    std::filesystem::path m_Path;
};

inline void WriteBytes(const std::string& strPath, const std::string& strBytes)
{
    std::ofstream stream(strPath, std::ios::binary | std::ios::trunc);
    stream << strBytes;
}

inline std::string ReadBytes(const std::string& strPath)
{
    std::ifstream stream(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

// Runs the operation and checks that it raised CMRVException with this code and text.
inline ::testing::AssertionResult Raises(const std::function<void()>& operation, DWORD nCode,
                                         const std::string& strText)
{
    try
    {
        operation();
    }
    catch (const CMRVException& error)
    {
        if (error.GetCode() == nCode && error.GetText() == strText)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "raised code " << error.GetCode() << " \"" << error.GetText()
                                             << "\", expected code " << nCode << " \"" << strText << "\"";
    }
    return ::testing::AssertionFailure() << "nothing raised, expected code " << nCode;
}

// True when this object could open the file with this mode; false when the open raised.
inline bool TryOpen(CMRVFile& file, const std::string& strPath, DWORD dwMode)
{
    try
    {
        return file.Open(strPath, dwMode) == TRUE;
    }
    catch (const CMRVException&)
    {
        return false;
    }
}

// True when a second object can open the file with this mode now; the open is undone at once.
inline bool CanOpen(const std::string& strPath, DWORD dwMode)
{
    CMRVFile file;
    return TryOpen(file, strPath, dwMode);
}

const char* const kOpenFailedText =
    "CMRVFile, Invalid file handled returned during create/open file operation.";

} // namespace FileTest
