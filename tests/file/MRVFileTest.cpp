// Tests of CMRVFile: mode decoding, every operation's result and every raise (code and text),
// and the handle's release on every path.
#include "FileTestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#endif

namespace
{

using FileTest::CanOpen;
using FileTest::kOpenFailedText;
using FileTest::Raises;
using FileTest::ReadBytes;
using FileTest::WriteBytes;

const char* const kTenBytes = "0123456789";

class MRVFileTest : public ::testing::Test
{
protected:
    MRVFileTest() { WriteBytes(m_strPath, kTenBytes); }

    FileTest::TempFolder m_Folder;
    const std::string m_strPath = m_Folder.Path("data.bin");
    const std::string m_strMissing = m_Folder.Path("missing.bin");
};

// Modes the open rejects before it touches the system: the access field is examined first.
TEST_F(MRVFileTest, RejectsInvalidModesAccessBeforeShare)
{
    struct Case
    {
        DWORD dwMode;
        DWORD nCode;
        const char* pszText;
    };
    const char* pszAccess = "CMRVFile, Invalid read/write mode specified.";
    const char* pszShare = "CMRVFile, Invalid share mode specified.";
    const Case cases[] = {
        // An invalid access field wins over an invalid share field.
        {0x03, 3, pszAccess},
        {0x53, 3, pszAccess},
        {0x8003, 3, pszAccess},
        {0x50, 2, pszShare},
        {0x70, 2, pszShare},
        {0x1052, 2, pszShare},
        // The file is missing, and OpenNoTruncate alone does not create it.
        {0x0, 4, kOpenFailedText},
        {0x2002, 4, kOpenFailedText},
    };
    for (const Case& c : cases)
    {
        CMRVFile file;
        EXPECT_TRUE(Raises([&] { file.Open(m_strMissing, c.dwMode); }, c.nCode, c.pszText))
            << std::hex << c.dwMode;
        EXPECT_EQ(file.GetFileName(), "");
    }
    EXPECT_FALSE(std::filesystem::exists(m_strMissing));
    // Folders and empty names never open, even to create.
    CMRVFile file;
    EXPECT_TRUE(Raises([&] { file.Open(m_Folder.Path(""), 0); }, 4, kOpenFailedText));
    EXPECT_TRUE(
        Raises([&] { file.Open("", CMRVFile::OpenCreate | CMRVFile::AccessWrite); }, 4, kOpenFailedText));
}

// What each valid mode gives: which accesses work, and what becomes of existing contents.
TEST_F(MRVFileTest, DecodesAccessAndCreationFromTheModeWord)
{
    struct Case
    {
        DWORD dwMode;
        bool bExists;
        bool bCanRead;
        bool bCanWrite;
        DWORD dwLengthAfterOpen;
    };
    const Case cases[] = {
        // Access, with share, inheritance, binary and unnamed bits that change nothing here.
        {0x0000, true, true, false, 10},
        {0x0001, true, false, true, 10},
        {0x0002, true, true, true, 10},
        {0x8000, true, true, false, 10},
        {0x00C2, true, true, true, 10},
        {0xFFFF4F0C, true, true, false, 10},
        // Creation: OpenCreate empties or creates; with OpenNoTruncate it keeps the contents.
        {0x2000, true, true, false, 10},
        {0x1001, true, false, true, 0},
        {0x1000, true, true, false, 0},
        {0x3002, true, true, true, 10},
        {0x1001, false, false, true, 0},
        {0x3002, false, true, true, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(::testing::Message() << std::hex << c.dwMode << (c.bExists ? " existing" : " missing"));
        const std::string& strPath = c.bExists ? m_strPath : m_strMissing;
        if (c.bExists)
            WriteBytes(strPath, kTenBytes);
        else
            std::filesystem::remove(strPath);

        CMRVFile file;
        EXPECT_EQ(file.Open(strPath, c.dwMode), TRUE);
        EXPECT_EQ(file.GetFileName(), strPath);
        EXPECT_EQ(file.GetLength(), c.dwLengthAfterOpen);

        char szByte = 'x';
        if (c.bCanWrite)
            EXPECT_NO_THROW(file.Write(&szByte, 1));
        else
            EXPECT_TRUE(Raises([&] { file.Write(&szByte, 1); }, 6,
                               "CMRVFile, Attempt to Write() to a file has failed."));
        file.Seek(0, 0);
        if (c.bCanRead)
            EXPECT_EQ(file.Read(&szByte, 1), (c.bCanWrite || c.dwLengthAfterOpen != 0) ? 1u : 0u);
        else
            EXPECT_TRUE(
                Raises([&] { file.Read(&szByte, 1); }, 5, "CMRVFile, Attempt to Read() a file has failed."));
        file.Close();
    }
}

TEST_F(MRVFileTest, EveryOperationOnAClosedObjectRaises)
{
    struct Case
    {
        const char* pszOperation;
        std::function<void(CMRVFile&)> operation;
        DWORD nCode;
        const char* pszText;
    };
    char szBuffer[4] = {};
    const std::string strPrefix = "CMRVFile, Attempt to use an invalid file handled during a ";
    const Case cases[] = {
        {"Read", [&](CMRVFile& f) { f.Read(szBuffer, 4); }, 4, "Read() operation."},
        {"Read 0", [&](CMRVFile& f) { f.Read(szBuffer, 0); }, 4, "Read() operation."},
        {"Write", [&](CMRVFile& f) { f.Write(szBuffer, 4); }, 4, "Write() operation."},
        {"Seek", [](CMRVFile& f) { f.Seek(0, 0); }, 4, "Seek() operation."},
        {"Seek bad origin", [](CMRVFile& f) { f.Seek(0, 7); }, 4, "Seek() operation."},
        {"GetPosition", [](CMRVFile& f) { f.GetPosition(); }, 4, "GetPosition() operation."},
        {"Flush", [](CMRVFile& f) { f.Flush(); }, 4, "Flush() operation."},
        {"LockRange", [](CMRVFile& f) { f.LockRange(0, 1); }, 4, "LockRange() operation."},
        {"UnlockRange", [](CMRVFile& f) { f.UnlockRange(0, 1); }, 4, "UnlockRange() operation."},
        {"SetLength", [](CMRVFile& f) { f.SetLength(0); }, 4, "SetLength() operation."},
        {"GetLength", [](CMRVFile& f) { f.GetLength(); }, 4, "Seek() operation."},
    };
    for (const Case& c : cases)
    {
        CMRVFile file;
        EXPECT_TRUE(Raises([&] { c.operation(file); }, c.nCode, strPrefix + c.pszText)) << c.pszOperation;
    }
    // Close raises once the file is closed; ForceClose never does, and both release the handle.
    CMRVFile file;
    file.Open(m_strPath, 0);
    file.Close();
    EXPECT_EQ(file.GetFileName(), "");
    EXPECT_TRUE(
        Raises([&] { file.Close(); }, 8, "CMRVFile, Unable to close file.  Perhaps its already closed?"));
    file.Open(m_strPath, 0);
    EXPECT_NO_THROW(file.ForceClose());
    EXPECT_EQ(file.GetFileName(), "");
    EXPECT_NO_THROW(file.ForceClose());
    EXPECT_TRUE(CanOpen(m_strPath, 0));
}

TEST_F(MRVFileTest, ReadsZeroBytesAndAcrossTheEndAndMeasuresInPlace)
{
    CMRVFile file;
    file.Open(m_strPath, 0);
    EXPECT_EQ(file.Read(nullptr, 0), 0u); // no system call: the buffer is never touched
    EXPECT_EQ(file.GetPosition(), 0u);

    char szBuffer[16] = {};
    EXPECT_EQ(file.Seek(6, 0), 6u);
    EXPECT_EQ(file.Read(szBuffer, 8), 4u);
    EXPECT_EQ(std::string(szBuffer, 4), "6789");
    EXPECT_EQ(file.GetPosition(), 10u);
    EXPECT_EQ(file.Read(szBuffer, 8), 0u);
    file.Seek(3, 0);
    EXPECT_EQ(file.GetLength(), 10u); // and the position stays
    EXPECT_EQ(file.GetPosition(), 3u);
    file.Close();
}

TEST_F(MRVFileTest, SeeksFromEachOriginAndRejectsBadOnes)
{
    struct Case
    {
        LONG lOffset;
        DWORD dwOrigin;
        DWORD dwExpected; // the new position, or 0 when it raises
        DWORD nCode;
        const char* pszText;
    };
    const char* pszOrigin = "CMRVFile, Attempt to Seek() has failed. Check Seek() parameters.";
    const char* pszPointer = "CMRVFile, Attempt to Set the file pointer has failed. Check Seek() parameters.";
    const Case cases[] = {
        // From position 4; past the end is allowed.
        {5, 0, 5, 0, nullptr},
        {-2, 1, 2, 0, nullptr},
        {0, 2, 10, 0, nullptr},
        {-1, 2, 9, 0, nullptr},
        {20, 0, 20, 0, nullptr},
        // Before the start, and origins that do not exist.
        {-1, 0, 0, 7, pszPointer},
        {-5, 1, 0, 7, pszPointer},
        {-11, 2, 0, 7, pszPointer},
        {0, 3, 0, 7, pszOrigin},
        {0, 0xFFFFFFFF, 0, 7, pszOrigin},
    };
    CMRVFile file;
    file.Open(m_strPath, 0);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(::testing::Message() << c.lOffset << " from " << c.dwOrigin);
        file.Seek(4, 0);
        if (c.nCode == 0)
        {
            EXPECT_EQ(file.Seek(c.lOffset, c.dwOrigin), c.dwExpected);
        }
        else
        {
            EXPECT_TRUE(Raises([&] { file.Seek(c.lOffset, c.dwOrigin); }, c.nCode, c.pszText));
            EXPECT_EQ(file.GetPosition(), 4u); // a failed seek does not move the pointer
        }
    }
    file.Close();
}

TEST_F(MRVFileTest, WritesAndReadsBack)
{
    CMRVFile file;
    file.Open(m_strPath, CMRVFile::AccessReadWrite);
    file.Seek(2, 0);
    file.Write("AB", 2);
    file.Write(nullptr, 0); // nothing to do
    EXPECT_EQ(file.GetPosition(), 4u);
    file.Seek(0, 2);
    file.Write("Z", 1);
    EXPECT_NO_THROW(file.Flush());
    EXPECT_EQ(file.GetLength(), 11u);
    file.Close();
    EXPECT_EQ(ReadBytes(m_strPath), "01AB456789Z");
}

#ifndef _WIN32
// Needs a file size limit (setrlimit), which Windows does not have.
TEST_F(MRVFileTest, PartlyWrittenDataRaisesTheDiskFullText)
{
    // A file size limit lets the system take only part of the data, as a full disk does.
    struct rlimit previous = {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    void (*previousHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = previous;
    limited.rlim_cur = 12;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);

    CMRVFile file;
    file.Open(m_strPath, CMRVFile::AccessWrite);
    file.Seek(0, 2);
    const bool bRaised = Raises([&] { file.Write("abcdef", 6); }, 6,
                                "CMRVFile, Attempt to Write() to a file has failed. Check if disk is full.");
    file.Close();
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_TRUE(bRaised);
    EXPECT_EQ(ReadBytes(m_strPath), "0123456789ab");
}
#endif

TEST_F(MRVFileTest, FlushAndSetLengthNeedWriteAccess)
{
    CMRVFile file;
    file.Open(m_strPath, 0);
    EXPECT_TRUE(Raises([&] { file.Flush(); }, 4, "CMRVFile, Unable to flush file buffers."));
    EXPECT_TRUE(Raises([&] { file.SetLength(4); }, 17, "CMRVFile, Attempt to SetLength() has failed."));
    EXPECT_EQ(file.GetLength(), 10u);
    file.Close();
}

TEST_F(MRVFileTest, SetLengthShortensExtendsAndLeavesThePointerThere)
{
    CMRVFile file;
    file.Open(m_strPath, CMRVFile::AccessReadWrite);
    file.SetLength(4);
    EXPECT_EQ(file.GetPosition(), 4u);
    EXPECT_EQ(file.GetLength(), 4u);
    file.SetLength(6);
    EXPECT_EQ(file.GetPosition(), 6u);
    // A length beyond the signed seek range fails in the seek.
    EXPECT_TRUE(Raises([&] { file.SetLength(0x80000000u); }, 7,
                       "CMRVFile, Attempt to Set the file pointer has failed. Check Seek() parameters."));
    file.Close();
    EXPECT_EQ(ReadBytes(m_strPath), std::string("0123\0\0", 6));
}

TEST_F(MRVFileTest, FailedOpenKeepsTheOpenFileAndSuccessfulOneReleasesIt)
{
    CMRVFile file;
    file.Open(m_strPath, 0);
    file.Seek(7, 0);
    EXPECT_TRUE(Raises([&] { file.Open(m_strMissing, 0); }, 4, kOpenFailedText));
    EXPECT_TRUE(
        Raises([&] { file.Open(m_strMissing, 0x53); }, 3, "CMRVFile, Invalid read/write mode specified."));
    EXPECT_TRUE(Raises([&] { file.Open(m_strPath, 0); }, 4, kOpenFailedText)); // held exclusively by itself
    EXPECT_EQ(file.GetFileName(), m_strPath);
    char szByte = 0;
    EXPECT_EQ(file.Read(&szByte, 1), 1u);
    EXPECT_EQ(szByte, '7');

    // A successful open over it releases the old file.
    const std::string strOther = m_Folder.Path("other.bin");
    WriteBytes(strOther, "x");
    file.Open(strOther, 0);
    EXPECT_EQ(file.GetFileName(), strOther);
    EXPECT_TRUE(CanOpen(m_strPath, 0));
    EXPECT_FALSE(CanOpen(strOther, 0));
    file.Close();
}

TEST_F(MRVFileTest, DestructorClosesAHandleLeftOpenByARaise)
{
    struct Owner
    {
        CMRVFile file;
        void Load(const std::string& strPath)
        {
            file.Open(strPath, 0);
            file.Seek(0, 9); // raises before the owner gets to Close
            file.Close();
        }
    };
    EXPECT_THROW(Owner().Load(m_strPath), CMRVException);
    EXPECT_TRUE(CanOpen(m_strPath, 0));
}

TEST_F(MRVFileTest, OpensTheGamesBackslashNames)
{
    std::filesystem::create_directories(m_Folder.Path("content/music"));
    WriteBytes(m_Folder.Path("content/music/lounge.mrs"), "RIFF");
    const std::string strGameName = m_Folder.Path("") + "content\\music\\lounge.mrs";
    CMRVFile file;
    file.Open(strGameName, 0);
    EXPECT_EQ(file.GetFileName(), strGameName);
    EXPECT_EQ(file.GetLength(), 4u);
    file.Close();
}

#ifndef _WIN32
// The close-on-exec flag of the descriptor that holds this file, read from /proc.
bool IsCloseOnExec(const std::string& strPath)
{
    const std::filesystem::path target = std::filesystem::canonical(strPath);
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
    {
        std::error_code error;
        if (std::filesystem::read_symlink(entry.path(), error) != target)
            continue;
        const std::string strInfo = ReadBytes("/proc/self/fdinfo/" + entry.path().filename().string());
        const size_t nFlags = strInfo.find("flags:");
        return (std::stoul(strInfo.substr(nFlags + 6), nullptr, 8) & O_CLOEXEC) != 0;
    }
    ADD_FAILURE() << "no descriptor for " << strPath;
    return false;
}

TEST_F(MRVFileTest, NoInheritMarksTheHandleCloseOnExec)
{
    if (!std::filesystem::exists("/proc/self/fdinfo"))
        GTEST_SKIP() << "no /proc";
    for (DWORD dwMode : {0x0u, 0x80u})
    {
        CMRVFile file;
        file.Open(m_strPath, dwMode);
        EXPECT_EQ(IsCloseOnExec(m_strPath), dwMode == CMRVFile::NoInherit) << dwMode;
        file.Close();
    }
}
#endif

// Length and SetLength work through the virtual Seek, so a derived file sees those seeks.
TEST_F(MRVFileTest, LengthOperationsSeekThroughTheVirtualInterface)
{
    class CCountingFile : public CMRVFile
    {
    public:
        DWORD Seek(LONG lOffset, DWORD dwOrigin) override
        {
            m_vecOrigins.push_back(dwOrigin);
            return CMRVFile::Seek(lOffset, dwOrigin);
        }
        std::vector<DWORD> m_vecOrigins;
    };
    CCountingFile file;
    file.Open(m_strPath, CMRVFile::AccessReadWrite);
    EXPECT_EQ(file.GetLength(), 10u);
    file.SetLength(8);
    EXPECT_EQ(file.m_vecOrigins, (std::vector<DWORD>{1, 2, 0, 0}));
    file.Close();
}

} // namespace
