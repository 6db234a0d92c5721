// Tests of CMRVException: both Set overloads, null texts, and copies that stay independent.
#include "file/MRVException.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

TEST(MRVExceptionTest, SettersAndNullTexts)
{
    CMRVException error;
    EXPECT_EQ(error.GetCode(), 0u);
    error.Set(9, "nine");
    error.SetExtraText(std::string("extra"));
    EXPECT_EQ(error.GetCode(), 9u);
    EXPECT_EQ(error.GetText(), "nine");
    error.Set(16, std::string("sixteen"));
    EXPECT_EQ(error.GetCode(), 16u);
    EXPECT_EQ(error.GetText(), "sixteen");
    EXPECT_EQ(error.GetExtraText(), "extra");

    // A null C string is taken as an empty text rather than read.
    error.SetText(static_cast<const char*>(nullptr));
    error.SetExtraText(static_cast<const char*>(nullptr));
    EXPECT_EQ(error.GetText(), "");
    EXPECT_EQ(error.GetExtraText(), "");
}

TEST(MRVExceptionTest, CopiesCarryAllThreeFieldsAndStayIndependent)
{
    CMRVException original;
    original.Set(5, "read");
    original.SetExtraText("detail");
    CMRVException copy(original);
    CMRVException assigned;
    assigned = original;
    original.Set(6, "changed");
    original.SetExtraText("changed too");
    for (const CMRVException* pError : {&copy, &assigned})
    {
        EXPECT_EQ(pError->GetCode(), 5u);
        EXPECT_EQ(pError->GetText(), "read");
        EXPECT_EQ(pError->GetExtraText(), "detail");
    }
}

} // namespace
