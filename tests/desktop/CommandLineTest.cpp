#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using Action = CommandLine::Action;

TEST(CommandLine, NoArgumentsStartsAnEmptyEditor)
{
    const CommandLine line = parseCommandLine({});
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_EQ(line.scenarioFile, "");
}

TEST(CommandLine, OneFileIsTheScenarioToOpen)
{
    const CommandLine line = parseCommandLine({"yol.zev"});
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_EQ(line.scenarioFile, "yol.zev");
    // After "--" a name that looks like an option is a file too, and so is "-".
    EXPECT_EQ(parseCommandLine({"--", "--help"}).scenarioFile, "--help");
    EXPECT_EQ(parseCommandLine({"--", "--help"}).action, Action::Run);
    EXPECT_EQ(parseCommandLine({"-"}).scenarioFile, "-");
}

TEST(CommandLine, HelpAndVersionAnswerWithoutStarting)
{
    EXPECT_EQ(parseCommandLine({"--help"}).action, Action::Help);
    EXPECT_EQ(parseCommandLine({"-h"}).action, Action::Help);
    EXPECT_EQ(parseCommandLine({"--version"}).action, Action::Version);
    EXPECT_EQ(parseCommandLine({"--version", "--help"}).action, Action::Help);
    EXPECT_EQ(parseCommandLine({"a.zev", "--version"}).action, Action::Version);
}

TEST(CommandLine, WrongLinesAskForTheUsageWithAReason)
{
    const CommandLine two = parseCommandLine({"a.zev", "b.zev"});
    EXPECT_EQ(two.action, Action::Usage);
    EXPECT_EQ(two.scenarioFile, "");
    EXPECT_NE(two.error.find("bir senaryo"), std::string::npos) << two.error;

    const CommandLine unknown = parseCommandLine({"--tam-ekran", "a.zev"});
    EXPECT_EQ(unknown.action, Action::Usage);
    EXPECT_NE(unknown.error.find("--tam-ekran"), std::string::npos) << unknown.error;

    // A wrong line is wrong even when it also asks for help.
    EXPECT_EQ(parseCommandLine({"--help", "-x"}).action, Action::Usage);
    EXPECT_EQ(parseCommandLine({"--help", "a.zev", "b.zev"}).action, Action::Usage);
    EXPECT_EQ(parseCommandLine({""}).action, Action::Usage);
}

TEST(CommandLine, UsageIsOneLineAndHelpNamesEveryOption)
{
    EXPECT_EQ(usageLine().find('\n'), std::string::npos);
    EXPECT_EQ(usageLine().rfind("Kullanim: sahne", 0), 0u) << usageLine();
    const std::string help = helpText("9.8.7");
    for (const char* part : {"9.8.7", "--help", "--version", "SENARYO.zev"})
        EXPECT_NE(help.find(part), std::string::npos) << part;
}

TEST(CommandLine, RelativePathsAreTakenFromTheStartDirectory)
{
    EXPECT_EQ(absoluteFrom("/home/ali", "a.zev"), "/home/ali/a.zev");
    EXPECT_EQ(absoluteFrom("/home/ali/", "alt/a.zev"), "/home/ali/alt/a.zev");
    EXPECT_EQ(absoluteFrom("/", "a.zev"), "/a.zev");
    EXPECT_EQ(absoluteFrom("/home/ali", "../veli/a.zev"), "/home/ali/../veli/a.zev");
    EXPECT_EQ(absoluteFrom("/home/ali", "/tmp/a.zev"), "/tmp/a.zev");
    EXPECT_EQ(absoluteFrom("/home/ali", ""), "");
}

}  // namespace
