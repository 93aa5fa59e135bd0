#pragma once

#include "platform/host/DirectoryHost.h"

#include <map>
#include <memory>

// A file system with drive letters and backslashes, held in memory: directories
// are listed exactly as added, in that order.
class FakeDirectoryHost : public host::DirectoryHost {
public:
    unsigned long mask = 0x4;  // C:
    std::string cwd = "C:\\game\\bin";
    std::string home = "C:\\home";
    std::vector<std::string> placeList;
    std::map<std::string, std::vector<host::DirectoryEntry>> directories;

    void addFile(const std::string& directory, const std::string& name) {
        directories[directory].push_back({name, false});
    }
    void addDirectory(const std::string& directory, const std::string& name) {
        directories[directory].push_back({name, true});
    }

    unsigned long driveMask() const override { return mask; }
    std::string driveName(int bit) const override { return std::string(1, char('A' + bit)) + ":"; }
    std::vector<std::string> places() const override { return placeList; }
    std::string driveOf(const std::string& path) const override { return path.size() < 2 ? "" : path.substr(0, 2); }
    bool isAbsolute(const std::string& path) const override { return path.size() >= 2 && path[1] == ':'; }
    char separator() const override { return '\\'; }
    std::string workingDirectory() const override { return cwd; }
    std::string homeDirectory() const override { return home; }
    std::optional<std::vector<host::DirectoryEntry>> entries(const std::string& directory) const override {
        const auto found = directories.find(directory);
        if (found == directories.end())
            return std::nullopt;
        return found->second;
    }
};

// Drives A: and C:, working directory C:\game\bin:
//   C:\            game\  boot.ini
//   C:\game\       bin\  data\  readme.txt
//   C:\game\bin\   saves\  editor.exe  scene.zev  Old.ZEV
//   C:\game\bin\saves\  a.zev
//   A:\            disk.zev
inline std::unique_ptr<FakeDirectoryHost> makeGameHost() {
    auto host = std::make_unique<FakeDirectoryHost>();
    host->mask = 0x5;
    for (const char* dir : {"C:", "C:\\game", "C:\\game\\bin", "C:\\game\\bin\\saves", "C:\\game\\data"}) {
        host->addDirectory(dir, ".");
        host->addDirectory(dir, "..");
    }
    host->addDirectory("C:", "game");
    host->addFile("C:", "boot.ini");
    host->addDirectory("C:\\game", "bin");
    host->addDirectory("C:\\game", "data");
    host->addFile("C:\\game", "readme.txt");
    host->addFile("C:\\game\\bin", "scene.zev");
    host->addDirectory("C:\\game\\bin", "saves");
    host->addFile("C:\\game\\bin", "editor.exe");
    host->addFile("C:\\game\\bin", "Old.ZEV");
    host->addFile("C:\\game\\bin\\saves", "a.zev");
    host->addFile("A:", "disk.zev");
    return host;
}
