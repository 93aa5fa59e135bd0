#pragma once

#include <string>

// The runtime tree the editor reads its data from: its working directory holds
// "resources.cfg", "plugins.cfg" and "ogre.cfg", and the media lie beside it.
struct RuntimeTree {
    std::string workDirectory;  // empty when none was found
    bool installed = false;     // an installed copy: the program lies outside the tree
};

// A build tree keeps the program in the working directory itself; an installed
// copy keeps it in the program folder, with the working directory at
// installedWorkDirectory (relative to the program's folder, or absolute).
RuntimeTree findRuntimeTree(const std::string& programDirectory, const std::string& installedWorkDirectory);

// The folder of the running program, from /proc/self/exe; empty if unknown.
std::string programDirectory();

// Whether the process may create files in the directory.
bool isWritableDirectory(const std::string& directory);
