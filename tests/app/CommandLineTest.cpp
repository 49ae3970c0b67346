#include <gtest/gtest.h>

#include "app/commands/Command.h"
#include "app/commands/CommandResult.h"

namespace tx80 {
namespace {

using Kind = Command::Kind;
using Problem = BadCommandLine::Problem;

std::string Narrow(std::u16string_view text) { return std::string(text.begin(), text.end()); }

TEST(CommandLineParse, GoodAndBadLines) {
  const struct {
    std::u16string_view line;
    ParsedCommandLine parsed;
  } cases[] = {
      {u"", ProgramStart{}},
      {u"/tray", ProgramStart{true}},
      {u"  -x\t/Tray  ", ProgramStart{true}},
      {u"stray words", ProgramStart{false}},
      {u"/profile 3", Command{Kind::Profile, 3, {}}},
      {u"/PROFILE 5", Command{Kind::Profile, 5, {}}},
      {u"/profile 01", Command{Kind::Profile, 1, {}}},
      {u"/dpi 4", Command{Kind::Dpi, 4, {}}},
      {u" /apply ", Command{Kind::Apply, 0, {}}},
      {u"/Status", Command{Kind::Status, 0, {}}},
      {u"/help", Command{Kind::Help, 0, {}}},
      {u"/?", Command{Kind::Help, 0, {}}},
      {u"/backup \"C:\\My Files\\tx80 backup.ini\"", Command{Kind::Backup, 0, u"C:\\My Files\\tx80 backup.ini"}},
      {u"/restore D:\\tx80.ini", Command{Kind::Restore, 0, u"D:\\tx80.ini"}},
      {u"/profile", BadCommandLine{Problem::MissingValue, {}}},
      {u"/profile 0", BadCommandLine{Problem::BadNumber, u"0"}},
      {u"/profile 6", BadCommandLine{Problem::BadNumber, u"6"}},
      {u"/profile -1", BadCommandLine{Problem::BadNumber, u"-1"}},
      {u"/profile +3", BadCommandLine{Problem::BadNumber, u"+3"}},
      {u"/profile 3x", BadCommandLine{Problem::BadNumber, u"3x"}},
      {u"/profile 4294967299", BadCommandLine{Problem::BadNumber, u"4294967299"}},
      {u"/dpi 5", BadCommandLine{Problem::BadNumber, u"5"}},
      {u"/profile 3 4", BadCommandLine{Problem::ExtraWord, u"4"}},
      {u"/apply now", BadCommandLine{Problem::ExtraWord, u"now"}},
      {u"/profile 3 /tray", BadCommandLine{Problem::ExtraWord, u"/tray"}},
      {u"/frob", BadCommandLine{Problem::UnknownWord, u"/frob"}},
      {u"/backup", BadCommandLine{Problem::MissingValue, {}}},
      {u"/backup \"\"", BadCommandLine{Problem::MissingValue, {}}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseCommandLine(c.line), c.parsed) << Narrow(c.line);
}

// The running copy parses what the started one sends with the same rules.
TEST(CommandRequest, EveryCommandTravelsWhole) {
  const Command commands[] = {{Kind::Profile, 5, {}}, {Kind::Dpi, 1, {}},  {Kind::Apply, 0, {}},
                              {Kind::Status, 0, {}},  {Kind::Help, 0, {}}, {Kind::Backup, 0, u"C:\\a b\\c.ini"},
                              {Kind::Restore, 0, u"\\\\server\\share\\设置.ini"}};
  for (const Command& command : commands) EXPECT_EQ(ParseRequest(RequestText(command)), command);
  for (std::u16string_view foreign : {u"", u"/tray", u"/profile\n9", u"/profile 3", u"hello"})
    EXPECT_FALSE(ParseRequest(foreign)) << Narrow(foreign);
}

TEST(CommandReply, CarriesTheExitCodeAndTheText) {
  const CommandResult result{exit_code::kMouseAbsent, u"line one\nline two\n"};
  EXPECT_EQ(ParseReply(ReplyText(result)), result);
  EXPECT_EQ(ParseReply(u"0\n"), (CommandResult{0, u""}));
  for (std::u16string_view broken : {u"", u"0", u"x\nabc", u"12\n"}) EXPECT_FALSE(ParseReply(broken)) << Narrow(broken);
}

}  // namespace
}  // namespace tx80
