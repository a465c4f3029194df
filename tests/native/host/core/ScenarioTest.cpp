#include <gtest/gtest.h>

#include <sstream>

#include "Scenario.h"

using namespace host;

namespace {

std::vector<ScenarioCommand> Parse(const std::string& text)
{
    std::istringstream in(text);
    ScenarioError error{};
    auto commands = ParseScenario(in, error);
    EXPECT_TRUE(commands.has_value()) << "line " << error.line << ": " << error.message;
    return commands.value_or(std::vector<ScenarioCommand>{});
}

ScenarioError ParseError(const std::string& text)
{
    std::istringstream in(text);
    ScenarioError error{};
    EXPECT_FALSE(ParseScenario(in, error).has_value());
    return error;
}

TEST(ScenarioTest, CommandsWithNumbersWordsAndComments)
{
    auto commands = Parse("# a comment\n"
                          "\n"
                          "aircraft 47.5 -122.25 3000 90   # trailing comment\r\n"
                          "  variation 340\n"
                          "wind 10 270\n"
                          "load\n"
                          "click <\n"
                          "run 5\n"
                          "print screen\n"
                          "unload\n");
    ASSERT_EQ(commands.size(), 8u);
    EXPECT_EQ(commands[0].kind, CommandKind::Aircraft);
    EXPECT_EQ(commands[0].line, 3);
    EXPECT_EQ(commands[0].numbers, (std::vector<double>{47.5, -122.25, 3000, 90}));
    EXPECT_EQ(commands[1].numbers, (std::vector<double>{340}));
    EXPECT_EQ(commands[3].kind, CommandKind::Load);
    EXPECT_EQ(commands[4].text, "<");
    EXPECT_EQ(commands[5].numbers[0], 5);
    EXPECT_EQ(commands[6].text, "screen");
    EXPECT_EQ(commands[7].kind, CommandKind::Unload);
}

TEST(ScenarioTest, TextIsEverythingAfterOneBlankWithBlanksKept)
{
    auto commands = Parse("expect screen 2 DIS: 36.7NM      BRG:035\xC2\xB0 \n"
                          "expect screen 4 \n"
                          "expect screen 3\n"
                          "expect screen 1  # not a comment\n");
    ASSERT_EQ(commands.size(), 4u);
    EXPECT_EQ(commands[0].numbers[0], 2);
    EXPECT_EQ(commands[0].text, "DIS: 36.7NM      BRG:035\xC2\xB0 ");
    EXPECT_EQ(commands[1].text, "");
    EXPECT_EQ(commands[2].text, "");
    EXPECT_EQ(commands[3].text, " # not a comment");
}

TEST(ScenarioTest, PathsKeepInnerBlanksAndLoseOuterOnes)
{
    auto commands = Parse("data   C:\\FS98\\GPS DATA\\  \nshot %TEMP%\\gauge.bmp\n");
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].kind, CommandKind::Data);
    EXPECT_EQ(commands[0].text, "C:\\FS98\\GPS DATA\\");
    EXPECT_EQ(commands[1].text, "%TEMP%\\gauge.bmp");
}

TEST(ScenarioTest, DialogBlocksCollectTheirSteps)
{
    auto commands = Parse("dialog \"Direct To\"\n"
                          "  text 1001  KSEA\n"
                          "  select 0x3F2 3\n"
                          "  # a comment inside\n"
                          "  press 1\n"
                          "end\n"
                          "dialog Open\n"
                          "  file C:\\routes\\my route.rte\n"
                          "end\n"
                          "click DTO\n");
    ASSERT_EQ(commands.size(), 3u);
    ASSERT_TRUE(commands[0].dialog.has_value());
    const DialogBlock& block = *commands[0].dialog;
    EXPECT_EQ(block.caption, "Direct To");
    EXPECT_EQ(block.line, 1);
    ASSERT_EQ(block.steps.size(), 3u);
    EXPECT_EQ(block.steps[0].kind, DialogStepKind::Text);
    EXPECT_EQ(block.steps[0].control, 1001);
    EXPECT_EQ(block.steps[0].text, " KSEA");
    EXPECT_EQ(block.steps[1].kind, DialogStepKind::Select);
    EXPECT_EQ(block.steps[1].control, 0x3F2);
    EXPECT_EQ(block.steps[1].index, 3);
    EXPECT_EQ(block.steps[2].kind, DialogStepKind::Press);
    EXPECT_EQ(block.steps[2].line, 5);
    EXPECT_EQ(commands[1].dialog->steps[0].text, "C:\\routes\\my route.rte");
    EXPECT_EQ(commands[2].kind, CommandKind::Click);
}

TEST(ScenarioTest, DialogBlocksCheckRunAndPicture)
{
    auto commands = Parse("dialog Route\n"
                          "  expect 1006 KBFI  \n"
                          "  expect 1007\n"
                          "  count 1011 30\n"
                          "  run 2\n"
                          "  shot %SCENARIO_DIR%\\route dialog.bmp \n"
                          "  close\n"
                          "end\n");
    ASSERT_EQ(commands.size(), 1u);
    const std::vector<DialogStep>& steps = commands[0].dialog->steps;
    ASSERT_EQ(steps.size(), 6u);
    EXPECT_EQ(steps[0].kind, DialogStepKind::Expect);
    EXPECT_EQ(steps[0].control, 1006);
    EXPECT_EQ(steps[0].text, "KBFI  ");
    EXPECT_EQ(steps[1].text, "");
    EXPECT_EQ(steps[2].kind, DialogStepKind::Count);
    EXPECT_EQ(steps[2].control, 1011);
    EXPECT_EQ(steps[2].index, 30);
    EXPECT_EQ(steps[3].kind, DialogStepKind::Run);
    EXPECT_EQ(steps[3].index, 2);
    EXPECT_EQ(steps[4].kind, DialogStepKind::Shot);
    EXPECT_EQ(steps[4].text, "%SCENARIO_DIR%\\route dialog.bmp");
    EXPECT_EQ(steps[5].kind, DialogStepKind::Close);

    EXPECT_EQ(ParseError("dialog Route\n  count 1011\nend\n").line, 2);
    EXPECT_EQ(ParseError("dialog Route\n  run -2\nend\n").line, 2);
    EXPECT_EQ(ParseError("dialog Route\n  run\nend\n").line, 2);
    EXPECT_EQ(ParseError("dialog Route\n  close now\nend\n").line, 2);
    EXPECT_EQ(ParseError("dialog Route\n  shot\nend\n").line, 2);
    EXPECT_EQ(ParseError("dialog Route\n  expect\nend\n").line, 2);
}

TEST(ScenarioTest, FaultsNameTheirLine)
{
    EXPECT_EQ(ParseError("load\nfly 3\n").line, 2);
    EXPECT_EQ(ParseError("click FOO\n").line, 1);
    EXPECT_EQ(ParseError("run 1.5\n").line, 1);
    EXPECT_EQ(ParseError("run -1\n").line, 1);
    EXPECT_EQ(ParseError("aircraft 47\n").line, 1);
    EXPECT_EQ(ParseError("aircraft 1 2 3 4 5 6\n").line, 1);
    EXPECT_EQ(ParseError("print everything\n").line, 1);
    EXPECT_EQ(ParseError("expect screen 5 X\n").line, 1);
    EXPECT_EQ(ParseError("load extra\n").line, 1);
    EXPECT_EQ(ParseError("dialog Route\n  click NAV\nend\n").line, 2);
    ScenarioError open = ParseError("dialog Route\n  press 1\n");
    EXPECT_EQ(open.line, 2);
    EXPECT_NE(open.message.find("no end"), std::string::npos);
    EXPECT_EQ(ParseError("dialog \"Direct To\n").line, 1);
}

}  // namespace
