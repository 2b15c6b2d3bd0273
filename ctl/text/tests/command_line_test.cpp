#include "ctl/text/command_line.h"

#include <gtest/gtest.h>

namespace {
CommandLine Parse(std::vector<std::wstring> args) { return ParseCommandLine(args); }
}  // namespace

TEST(CommandLine, OptionsAreCheckedAgainstTheCommandsTable) {
  const CommandLine map = Parse({L"map", L"Music", L"Y:", L"--device", L"N", L"--user", L"u",
                                 L"--password", L"--p"});
  ASSERT_TRUE(map.error.empty()) << std::string(map.error.begin(), map.error.end());
  EXPECT_EQ(map.positional, (std::vector<std::wstring>{L"Music", L"Y:"}));
  EXPECT_EQ(map.Value(L"--password"), L"--p");  // a value may look like an option
  EXPECT_FALSE(map.json);

  const CommandLine volumes =
      Parse({L"volumes", L"--json", L"--device", L"N", L"--user", L"u", L"--password", L"p"});
  EXPECT_TRUE(volumes.error.empty());
  EXPECT_TRUE(volumes.json);
  EXPECT_EQ(volumes.CommandArguments(),
            (std::vector<std::wstring>{L"--device", L"N", L"--user", L"u", L"--password", L"p"}));

  EXPECT_FALSE(Parse({}).error.empty());
  EXPECT_FALSE(Parse({L"frobnicate"}).error.empty());
  EXPECT_FALSE(Parse({L"search", L"--json", L"--json"}).error.empty());
  EXPECT_FALSE(Parse({L"search", L"--device"}).error.empty());  // not an option of search
  EXPECT_FALSE(Parse({L"login", L"--device", L"N", L"--user", L"u"}).error.empty());
  EXPECT_FALSE(Parse({L"login", L"--device", L"N", L"--user", L"u", L"--password"}).error.empty());
  EXPECT_FALSE(Parse({L"passwd", L"--device", L"N", L"--user", L"u", L"--password", L"p"}).error.empty());
  EXPECT_FALSE(Parse({L"passwd", L"new", L"--json", L"--device", L"N", L"--user", L"u",
                      L"--password", L"p"}).error.empty());  // commands without records take no --json
  EXPECT_EQ(Parse({L"passwd", L"--new", L"--device", L"N", L"--user", L"u", L"--password", L"p"})
                .positional.at(0),
            L"--new");
}

TEST(CommandLine, HelpDescribesEveryCommandAndOption) {
  EXPECT_TRUE(Parse({L"--help"}).help);
  const CommandLine commandHelp = Parse({L"set-network", L"--bogus", L"--help"});
  EXPECT_TRUE(commandHelp.help);
  ASSERT_NE(commandHelp.command, nullptr);

  const std::wstring general = GeneralHelp();
  for (const CommandSpec& command : CommandSpecs()) {
    EXPECT_NE(general.find(Synopsis(command)), std::wstring::npos) << command.name.data();
    const std::wstring help = CommandHelp(command);
    for (const OptionSpec& option : command.options) {
      EXPECT_FALSE(option.help.empty());
      EXPECT_NE(help.find(option.name), std::wstring::npos);
    }
  }
  EXPECT_EQ(Synopsis(*FindCommandSpec(L"search")), L"drovikctl search [--explain] [--json]");
}
