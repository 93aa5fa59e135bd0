#pragma once

#include <string>
#include <vector>

// What the editor was asked to do by its command line.
struct CommandLine {
    enum class Action { Run, Help, Version, Usage };
    Action action = Action::Run;
    std::string scenarioFile;  // the scenario to open at start, as given; empty for none
    std::string error;         // for Usage: what was wrong, in one line
};

// Reads the arguments after the program name: at most one scenario file, and
// the options --help (-h) and --version. "--" ends the options. An unknown
// option or a second file asks for the usage message.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// A path given on the command line, made absolute against the directory the
// command was started in.
std::string absoluteFrom(const std::string& startDirectory, const std::string& path);

// The one-line usage message ("Kullanim: ..."), and the text of --help.
std::string usageLine();
std::string helpText(const std::string& version);
