#pragma once

#include <string>

// What start-up learnt from the command line.
struct StartRequest {
    std::string scenarioFile;  // absolute; empty when none was given
};

// Answers --help and --version, rejects a wrong command line, then moves into
// the runtime tree and chooses where the editor writes (the user's directories
// when the tree is an installed copy or not writable). Returns the exit code
// when the program ends here, or -1 when the editor is to start.
int prepareDesktopStart(int argc, char** argv, const std::string& version,
                        const std::string& installedWorkDirectory, StartRequest& request);
