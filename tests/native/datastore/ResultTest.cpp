// A failure carries its message through Status and Expected alike, and a value comes out
// of Expected as it went in.
#include "Result.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace nav;

namespace {

Expected<std::unique_ptr<int>> Parsed(const std::string& text)
{
    if (text.empty()) return Fail("nothing to read");
    return std::make_unique<int>(std::stoi(text));
}

// Hands a failure of the step below on as it is.
Status Checked(const std::string& text)
{
    Expected<std::unique_ptr<int>> value = Parsed(text);
    if (!value) return value.Failed();
    if (**value < 0) return Fail(text + " is negative");
    return {};
}

TEST(Result, FailuresKeepTheirMessageThroughEveryLayer)
{
    EXPECT_TRUE(Checked("12").Ok());
    EXPECT_EQ(Checked("12").Message(), "");
    EXPECT_EQ(Checked("").Message(), "nothing to read");
    EXPECT_FALSE(Checked("-3"));
    EXPECT_EQ(Checked("-3").Message(), "-3 is negative");

    Expected<std::unique_ptr<int>> value = Parsed("7");
    ASSERT_TRUE(value);
    EXPECT_EQ(**value, 7);
    EXPECT_EQ(value.AsStatus().Message(), "");
    EXPECT_EQ(Parsed("").AsStatus().Message(), "nothing to read");
    EXPECT_THROW(*Parsed(""), std::bad_variant_access);
}

}  // namespace
