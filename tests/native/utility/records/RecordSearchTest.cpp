// The Find search: seek order, soft seek around the seeks, the number order afterwards, and
// the upper-casing of names.
#include "RecordSearch.h"
#include "RecordingEngine.h"

#include <gtest/gtest.h>

using quillmap::SearchRecord;
using quillmap::UpperCaseName;
using Calls = std::vector<std::string>;

namespace {

TEST(RecordSearchTest, EmptyBoxesOnlySwitchSoftSeekAndRestoreNumberOrder)
{
    RecordEveryCall();
    SearchRecord({});
    EXPECT_EQ(engine.calls,
              (Calls{"SetSoftSeek(1)", "SetSoftSeek(0)", "TagOrder(NUM)", "OrderSet(7)"}));
}

TEST(RecordSearchTest, EveryFilledBoxSeeksInItsOwnOrderNumThenIdThenName)
{
    RecordEveryCall();
    SearchRecord({"KJ", "JFK", "kennedy \xE9t\xE9"});
    EXPECT_EQ(
        engine.calls,
        (Calls{"SetSoftSeek(1)", "TagOrder(NUM)", "OrderSet(7)", "RecordSeek(KJ)", "TagOrder(ID)",
               "OrderSet(7)", "RecordSeek(JFK)", "TagOrder(NAME)", "OrderSet(7)",
               "RecordSeek(KENNEDY \xE9T\xE9)", "SetSoftSeek(0)", "TagOrder(NUM)", "OrderSet(7)"}));
}

TEST(RecordSearchTest, OnlyLettersAToZAreUpperCasedWithoutDoubleByteCharacters)
{
    EXPECT_EQ(UpperCaseName("abc xyz 123 [`{] \xE0\xFF"), "ABC XYZ 123 [`{] \xE0\xFF");
    EXPECT_EQ(UpperCaseName(""), "");
}

bool LeadByte(unsigned char byte)
{
    return byte == 0x81;
}

void MarkPair(char* pair)
{
    pair[1] = '!';
}

TEST(RecordSearchTest, DoubleByteCharactersAreUpperCasedWhole)
{
    const quillmap::DoubleByteCharacters doubleBytes{LeadByte, MarkPair};
    // The trail byte 'a' belongs to the pair, so the letter rule does not touch it.
    EXPECT_EQ(UpperCaseName("a\x81"
                            "ab",
                            &doubleBytes),
              "A\x81!B");
    // A lead byte at the very end has no pair and stays.
    EXPECT_EQ(UpperCaseName("b\x81", &doubleBytes), "B\x81");
}

}  // namespace
