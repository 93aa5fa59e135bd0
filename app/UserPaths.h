#pragma once

#include <iosfwd>
#include <string>

// Where the editor writes its own files. The defaults are the working
// directory (a build tree, writable); an installed copy writes into the user's
// directories instead.
struct WritePlaces {
    std::string engineConfig = "ogre.cfg";  // read at start, written by the configuration dialog
    std::string settings = "sahne.cfg";     // the editor's own settings, beside the engine's
    // Autosaved copies of unsaved work: in the runtime tree's state folder beside
    // the program's folder, out of the way of the file dialog that starts here.
    std::string recoveryDirectory = "../state/recovery";
    std::string engineLog = "Ogre.log";
    bool engineLogToFile = true;
    std::string guiLog = "CEGUI.log";
    std::string screenshotDirectory;   // empty: the working directory
    std::string dialogStartDirectory;  // empty: the working directory
};

const WritePlaces& writePlaces();
void setWritePlaces(const WritePlaces& places);

// The environment variables the choice depends on, as read (empty when unset).
struct UserEnvironment {
    std::string home;
    std::string configHome;  // XDG_CONFIG_HOME
    std::string stateHome;   // XDG_STATE_HOME
};

UserEnvironment readUserEnvironment();

// $XDG_CONFIG_HOME/sahne, or ~/.config/sahne when the variable is unset or not absolute.
std::string configDirectory(const UserEnvironment& environment);
// $XDG_STATE_HOME/sahne, or ~/.local/state/sahne.
std::string stateDirectory(const UserEnvironment& environment);
// The pictures folder named in the text of "user-dirs.dirs" (XDG_PICTURES_DIR),
// with $HOME expanded; empty when the text names none or names the home itself.
std::string picturesFromUserDirs(const std::string& userDirsText, const std::string& home);
// The pictures folder if it exists, otherwise the home directory.
std::string screenshotDirectory(const UserEnvironment& environment);

// Makes the user's directories and chooses the places in them. A configuration
// missing there is copied from shippedConfig. A directory that cannot be made or
// written costs one line on warnings: the shipped configuration is read instead,
// or the logs are not kept.
WritePlaces prepareUserPlaces(const UserEnvironment& environment, const std::string& shippedConfig,
                              std::ostream& warnings);
