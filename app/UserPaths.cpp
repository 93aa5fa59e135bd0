#include "app/UserPaths.h"

#include "document/FileAccess.h"

#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <ostream>
#include <sstream>
#include <pwd.h>
#include <unistd.h>

namespace {

WritePlaces& currentPlaces()
{
    static WritePlaces places;
    return places;
}

std::string variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string joined(const std::string& directory, const std::string& name)
{
    if (!directory.empty() && directory.back() == '/')
        return directory + name;
    return directory + "/" + name;
}

// The variable when it holds an absolute path, otherwise the fall-back under home.
std::string baseDirectory(const std::string& value, const std::string& home, const char* fallback)
{
    if (!value.empty() && value[0] == '/')
        return value;
    return joined(home, fallback);
}

bool copyFile(const std::string& from, const std::string& to)
{
    std::ifstream in(from, std::ios::binary);
    if (!in)
        return false;
    const std::string temporary = to + ".yeni";
    {
        std::ofstream out(temporary, std::ios::binary);
        out << in.rdbuf();
        if (!out.flush()) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    return std::rename(temporary.c_str(), to.c_str()) == 0;
}

}  // namespace

const WritePlaces& writePlaces()
{
    return currentPlaces();
}

void setWritePlaces(const WritePlaces& places)
{
    currentPlaces() = places;
}

UserEnvironment readUserEnvironment()
{
    UserEnvironment environment;
    environment.home = variable("HOME");
    if (environment.home.empty())
        if (const passwd* entry = getpwuid(getuid()))
            environment.home = entry->pw_dir ? entry->pw_dir : "";
    environment.configHome = variable("XDG_CONFIG_HOME");
    environment.stateHome = variable("XDG_STATE_HOME");
    return environment;
}

std::string configDirectory(const UserEnvironment& environment)
{
    return joined(baseDirectory(environment.configHome, environment.home, ".config"), "sahne");
}

std::string stateDirectory(const UserEnvironment& environment)
{
    return joined(baseDirectory(environment.stateHome, environment.home, ".local/state"), "sahne");
}

std::string picturesFromUserDirs(const std::string& userDirsText, const std::string& home)
{
    std::istringstream lines(userDirsText);
    std::string line;
    std::string found;
    const std::string key = "XDG_PICTURES_DIR=";
    while (std::getline(lines, line)) {
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, key.size(), key) != 0)
            continue;
        std::string value = line.substr(start + key.size());
        while (!value.empty() && (value.back() == ' ' || value.back() == '\t' || value.back() == '\r'))
            value.pop_back();
        if (value.size() < 2 || value.front() != '"' || value.back() != '"')
            continue;
        value = value.substr(1, value.size() - 2);
        if (value.compare(0, 5, "$HOME") == 0)
            value = home + value.substr(5);
        else if (value.empty() || value[0] != '/')
            continue;
        found = value;  // the last assignment counts, as when the shell reads the file
    }
    while (found.size() > 1 && found.back() == '/')
        found.pop_back();
    std::string bareHome = home;
    while (bareHome.size() > 1 && bareHome.back() == '/')
        bareHome.pop_back();
    return found == bareHome ? std::string() : found;
}

std::string screenshotDirectory(const UserEnvironment& environment)
{
    const std::string userDirs =
        joined(baseDirectory(environment.configHome, environment.home, ".config"), "user-dirs.dirs");
    std::ifstream file(userDirs);
    std::ostringstream text;
    text << file.rdbuf();
    const std::string pictures = picturesFromUserDirs(text.str(), environment.home);
    return !pictures.empty() && isDirectory(pictures) ? pictures : environment.home;
}

WritePlaces prepareUserPlaces(const UserEnvironment& environment, const std::string& shippedConfig,
                              std::ostream& warnings)
{
    WritePlaces places;

    const std::string configDir = configDirectory(environment);
    const std::string userConfig = joined(configDir, "ogre.cfg");
    places.engineConfig = shippedConfig;
    places.settings = joined(configDir, "sahne.cfg");
    if (const std::string why = makeDirectories(configDir); !why.empty())
        warnings << "sahne: ayar klasoru kullanilamiyor (" << configDir << ": " << why
                 << "); yerlesik ayarlar okunuyor.\n";
    else if (isFile(userConfig) || copyFile(shippedConfig, userConfig))
        places.engineConfig = userConfig;
    else
        warnings << "sahne: " << userConfig << " yazilamadi; yerlesik ayarlar okunuyor.\n";

    const std::string stateDir = stateDirectory(environment);
    places.recoveryDirectory = joined(stateDir, "recovery");
    if (const std::string why = makeDirectories(stateDir); !why.empty()) {
        warnings << "sahne: gunluk klasoru kullanilamiyor (" << stateDir << ": " << why
                 << "); gunlukler tutulmuyor.\n";
        places.engineLogToFile = false;
        places.guiLog = "/dev/null";
    } else {
        places.engineLog = joined(stateDir, "Ogre.log");
        places.guiLog = joined(stateDir, "CEGUI.log");
    }

    places.screenshotDirectory = screenshotDirectory(environment);
    places.dialogStartDirectory = environment.home;
    return places;
}
