// Tests of CMRVException: defaults, the setters and copies of all three fields.
#include "file/MRVException.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

TEST(MRVExceptionTest, DefaultHasEmptyTextsAndCodeZero)
{
    CMRVException error;
    EXPECT_EQ(error.GetCode(), 0u);
    EXPECT_EQ(error.GetText(), "");
    EXPECT_EQ(error.GetExtraText(), "");
}

TEST(MRVExceptionTest, SettersFromCStringsAndStringObjects)
{
    CMRVException error;
    error.Set(9, "CMRVFile, Attempt to LockRange() has failed.");
    EXPECT_EQ(error.GetCode(), 9u);
    EXPECT_EQ(error.GetText(), "CMRVFile, Attempt to LockRange() has failed.");

    error.Set(16, std::string("second"));
    EXPECT_EQ(error.GetCode(), 16u);
    EXPECT_EQ(error.GetText(), "second");

    error.SetCode(17);
    error.SetText("third");
    error.SetExtraText("extra");
    EXPECT_EQ(error.GetCode(), 17u);
    EXPECT_EQ(error.GetText(), "third");
    EXPECT_EQ(error.GetExtraText(), "extra");

    error.SetText(std::string("fourth"));
    error.SetExtraText(std::string("more"));
    EXPECT_EQ(error.GetText(), "fourth");
    EXPECT_EQ(error.GetExtraText(), "more");

    // A null C string is taken as an empty text rather than read.
    error.SetText(static_cast<const char*>(nullptr));
    error.SetExtraText(static_cast<const char*>(nullptr));
    EXPECT_EQ(error.GetText(), "");
    EXPECT_EQ(error.GetExtraText(), "");
}

TEST(MRVExceptionTest, CopiesCarryAllThreeFieldsAndStayIndependent)
{
    CMRVException original;
    original.Set(5, "CMRVFile, Attempt to Read() a file has failed.");
    original.SetExtraText("detail");

    CMRVException copy(original);
    original.Set(6, "changed");
    original.SetExtraText("changed too");
    EXPECT_EQ(copy.GetCode(), 5u);
    EXPECT_EQ(copy.GetText(), "CMRVFile, Attempt to Read() a file has failed.");
    EXPECT_EQ(copy.GetExtraText(), "detail");

    CMRVException assigned;
    assigned = copy;
    EXPECT_EQ(assigned.GetCode(), 5u);
    EXPECT_EQ(assigned.GetExtraText(), "detail");

    try
    {
        throw copy;
    }
    catch (const CMRVException& caught)
    {
        EXPECT_EQ(caught.GetCode(), 5u);
        EXPECT_EQ(caught.GetExtraText(), "detail");
    }
}

} // namespace
