#include "app/DesktopStart.h"

#include "app/CommandLine.h"
#include "app/RuntimeTree.h"
#include "app/UserPaths.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <unistd.h>

namespace {

std::string currentDirectory()
{
    std::unique_ptr<char, decltype(&free)> cwd(getcwd(nullptr, 0), &free);
    return cwd ? std::string(cwd.get()) : std::string();
}

}  // namespace

int prepareDesktopStart(int argc, char** argv, const std::string& version,
                        const std::string& installedWorkDirectory, StartRequest& request)
{
    const CommandLine line = parseCommandLine(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    switch (line.action) {
    case CommandLine::Action::Help:
        std::cout << helpText(version);
        return 0;
    case CommandLine::Action::Version:
        std::cout << "sahne " << version << '\n';
        return 0;
    case CommandLine::Action::Usage:
        std::cerr << "sahne: " << line.error << ". " << usageLine() << '\n';
        return 2;
    case CommandLine::Action::Run:
        break;
    }

    request.scenarioFile = absoluteFrom(currentDirectory(), line.scenarioFile);

    const RuntimeTree tree = findRuntimeTree(programDirectory(), installedWorkDirectory);
    if (!tree.workDirectory.empty() && chdir(tree.workDirectory.c_str()) != 0)
        std::cerr << "sahne: " << tree.workDirectory << " klasorune gecilemedi: " << std::strerror(errno) << '\n';

    // The build tree keeps everything in its working directory; an installed
    // copy only reads there.
    if (tree.installed || !isWritableDirectory(".")) {
        const std::string shippedConfig = currentDirectory() + "/ogre.cfg";
        const WritePlaces places = prepareUserPlaces(readUserEnvironment(), shippedConfig, std::cerr);
        setWritePlaces(places);
    }
    return -1;
}
