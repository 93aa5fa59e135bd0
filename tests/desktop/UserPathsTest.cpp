#include "app/RuntimeTree.h"
#include "app/UserPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

UserEnvironment homeOnly(const std::string& home)
{
    UserEnvironment environment;
    environment.home = home;
    return environment;
}

TEST(UserDirectories, VariablesWinAndFallBackUnderHome)
{
    UserEnvironment environment = homeOnly("/home/ali");
    EXPECT_EQ(configDirectory(environment), "/home/ali/.config/sahne");
    EXPECT_EQ(stateDirectory(environment), "/home/ali/.local/state/sahne");

    environment.configHome = "/ayar";
    environment.stateHome = "/durum/";
    EXPECT_EQ(configDirectory(environment), "/ayar/sahne");
    EXPECT_EQ(stateDirectory(environment), "/durum/sahne");

    // Relative values are invalid by the base directory rules and are ignored.
    environment.configHome = "ayar";
    environment.stateHome = "./durum";
    EXPECT_EQ(configDirectory(environment), "/home/ali/.config/sahne");
    EXPECT_EQ(stateDirectory(environment), "/home/ali/.local/state/sahne");
}

TEST(UserDirectories, PicturesFolderFromUserDirs)
{
    const std::string text = "# This file is written by xdg-user-dirs-update\n"
                             "XDG_DESKTOP_DIR=\"$HOME/Masaustu\"\n"
                             "XDG_PICTURES_DIR=\"$HOME/Resimler\"\n";
    EXPECT_EQ(picturesFromUserDirs(text, "/home/ali"), "/home/ali/Resimler");
    EXPECT_EQ(picturesFromUserDirs("XDG_PICTURES_DIR=\"/srv/resim/\"\n", "/home/ali"), "/srv/resim");
    // The last assignment counts.
    EXPECT_EQ(picturesFromUserDirs(text + "XDG_PICTURES_DIR=\"$HOME/Foto\"\n", "/home/ali"), "/home/ali/Foto");
    // Pointing at the home directory disables the folder; relative and broken lines are skipped.
    EXPECT_EQ(picturesFromUserDirs("XDG_PICTURES_DIR=\"$HOME/\"\n", "/home/ali"), "");
    EXPECT_EQ(picturesFromUserDirs("XDG_PICTURES_DIR=\"Resimler\"\n", "/home/ali"), "");
    EXPECT_EQ(picturesFromUserDirs("XDG_PICTURES_DIR=$HOME/Resimler\n", "/home/ali"), "");
    EXPECT_EQ(picturesFromUserDirs("#XDG_PICTURES_DIR=\"$HOME/Resimler\"\n", "/home/ali"), "");
    EXPECT_EQ(picturesFromUserDirs("", "/home/ali"), "");
}

// A temporary home directory, removed again.
class UserPlaces : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/sahne-userpaths-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        home = pattern;
        shipped = home + "/shipped-ogre.cfg";
        std::ofstream(shipped) << "Render System=OpenGL Rendering Subsystem\n";
    }
    void TearDown() override
    {
        fs::permissions(home, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(home);
    }
    static std::string contentsOf(const std::string& path)
    {
        std::ifstream file(path);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

    std::string home;
    std::string shipped;
};

TEST_F(UserPlaces, MakesTheDirectoriesAndSeedsTheConfiguration)
{
    std::ostringstream warnings;
    const WritePlaces places = prepareUserPlaces(homeOnly(home), shipped, warnings);

    EXPECT_EQ(warnings.str(), "");
    EXPECT_EQ(places.engineConfig, home + "/.config/sahne/ogre.cfg");
    EXPECT_EQ(contentsOf(places.engineConfig), contentsOf(shipped));
    EXPECT_EQ(places.engineLog, home + "/.local/state/sahne/Ogre.log");
    EXPECT_TRUE(places.engineLogToFile);
    EXPECT_EQ(places.guiLog, home + "/.local/state/sahne/CEGUI.log");
    EXPECT_TRUE(fs::is_directory(home + "/.local/state/sahne"));
    EXPECT_EQ(places.settings, home + "/.config/sahne/sahne.cfg");
    EXPECT_EQ(places.recoveryDirectory, home + "/.local/state/sahne/recovery");
    // No pictures folder here: screenshots go to the home directory, as does the dialog.
    EXPECT_EQ(places.screenshotDirectory, home);
    EXPECT_EQ(places.dialogStartDirectory, home);
}

TEST_F(UserPlaces, KeepsTheUsersOwnConfiguration)
{
    fs::create_directories(home + "/ayar/sahne");
    std::ofstream(home + "/ayar/sahne/ogre.cfg") << "kendi ayarim\n";
    UserEnvironment environment = homeOnly(home);
    environment.configHome = home + "/ayar";
    environment.stateHome = home + "/durum";
    std::ostringstream warnings;
    const WritePlaces places = prepareUserPlaces(environment, shipped, warnings);

    EXPECT_EQ(places.engineConfig, home + "/ayar/sahne/ogre.cfg");
    EXPECT_EQ(contentsOf(places.engineConfig), "kendi ayarim\n");
    EXPECT_EQ(places.engineLog, home + "/durum/sahne/Ogre.log");
    EXPECT_EQ(places.settings, home + "/ayar/sahne/sahne.cfg");
    EXPECT_EQ(places.recoveryDirectory, home + "/durum/sahne/recovery");
    EXPECT_EQ(warnings.str(), "");
}

TEST_F(UserPlaces, ScreenshotsGoToAnExistingPicturesFolder)
{
    fs::create_directories(home + "/.config");
    std::ofstream(home + "/.config/user-dirs.dirs") << "XDG_PICTURES_DIR=\"$HOME/Resimler\"\n";
    EXPECT_EQ(screenshotDirectory(homeOnly(home)), home) << "the folder does not exist yet";
    fs::create_directories(home + "/Resimler");
    EXPECT_EQ(screenshotDirectory(homeOnly(home)), home + "/Resimler");
}

TEST_F(UserPlaces, UnwritableDirectoriesCostOneLineEachAndNeverTheStart)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only directories";
    UserEnvironment environment = homeOnly(home);
    environment.configHome = home + "/kilitli/ayar";
    environment.stateHome = home + "/kilitli/durum";
    fs::create_directories(home + "/kilitli");
    fs::permissions(home + "/kilitli", fs::perms::owner_read | fs::perms::owner_exec);
    std::ostringstream warnings;
    const WritePlaces places = prepareUserPlaces(environment, shipped, warnings);
    fs::permissions(home + "/kilitli", fs::perms::owner_all);

    const std::string text = warnings.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2) << text;
    EXPECT_NE(text.find(home + "/kilitli/ayar/sahne"), std::string::npos) << text;
    EXPECT_NE(text.find(home + "/kilitli/durum/sahne"), std::string::npos) << text;
    EXPECT_EQ(places.engineConfig, shipped);
    EXPECT_FALSE(places.engineLogToFile);
    EXPECT_EQ(places.guiLog, "/dev/null");
}

TEST_F(UserPlaces, ReadOnlyStateDirectoryIsNotUsedForLogs)
{
    fs::create_directories(home + "/.local/state/sahne");
    fs::permissions(home + "/.local/state/sahne", fs::perms::owner_read | fs::perms::owner_exec);
    if (access((home + "/.local/state/sahne").c_str(), W_OK) == 0)
        GTEST_SKIP() << "this user writes into read-only directories";
    std::ostringstream warnings;
    const WritePlaces places = prepareUserPlaces(homeOnly(home), shipped, warnings);
    fs::permissions(home + "/.local/state/sahne", fs::perms::owner_all);
    EXPECT_FALSE(places.engineLogToFile);
    EXPECT_NE(warnings.str().find(".local/state/sahne"), std::string::npos) << warnings.str();
}

TEST_F(UserPlaces, FindsABuildTreeBesideTheProgramAndAnInstalledOneBelowIt)
{
    fs::create_directories(home + "/build/bin");
    std::ofstream(home + "/build/bin/resources.cfg") << "[General]\n";
    RuntimeTree build = findRuntimeTree(home + "/build/bin", "../share/sahne/game/editor/bin");
    EXPECT_EQ(build.workDirectory, home + "/build/bin");
    EXPECT_FALSE(build.installed);

    fs::create_directories(home + "/usr/bin");
    fs::create_directories(home + "/usr/share/sahne/game/editor/bin");
    std::ofstream(home + "/usr/share/sahne/game/editor/bin/resources.cfg") << "[General]\n";
    RuntimeTree installed = findRuntimeTree(home + "/usr/bin", "../share/sahne/game/editor/bin");
    EXPECT_EQ(installed.workDirectory, fs::canonical(home + "/usr/share/sahne/game/editor/bin").string());
    EXPECT_TRUE(installed.installed);

    // Neither: the editor stays where it was started.
    EXPECT_EQ(findRuntimeTree(home + "/usr", "../share/sahne/game/editor/bin").workDirectory, "");
}

}  // namespace
