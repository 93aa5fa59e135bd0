// The recovery folder, the autosave that fills it and the settings file that sets
// its interval: real files in a temporary folder, a fake clock and fake processes.
#include "DocumentTestSupport.h"

#include "document/Autosave.h"
#include "document/RecoveryFolder.h"
#include "document/RecoveryLocks.h"
#include "document/ScenarioFile.h"
#include "document/SettingsFile.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>

namespace fs = std::filesystem;
using namespace testdoc;

namespace {

std::vector<std::string> namesIn(const std::string& folder)
{
    std::vector<std::string> names;
    if (fs::exists(folder))
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<Item> threeItems()
{
    Item area = areaWith(2, 10, 20, plainMessage("Dikkat"));
    return {makeObject(0, "adam.mesh", 1, 2), makeObject(1, "kadin.mesh", -3, 4), area};
}

class Recovery : public ::testing::Test {
protected:
    // One editor as its own process would have it: its id, its locks, its folder.
    // Destroying it without removeOwn is a crash: its locks go, its files stay.
    struct Editor {
        Editor(Recovery& test, int process)
            : locks(test.directory), folder({test.directory, process, [&test] { return test.now; },
                                             [&test](int p) { return test.running.count(p) > 0; }, locks})
        {
            test.running.insert(process);
        }
        FileLocks locks;
        RecoveryFolder folder;
    };

    std::unique_ptr<Editor> editor(int process) { return std::make_unique<Editor>(*this, process); }
    void crash(std::unique_ptr<Editor>& gone, int process)
    {
        gone.reset();
        running.erase(process);
    }
    std::string copy(const std::string& name) const { return directory + "/" + name; }
    static std::vector<std::string> pathsOf(const std::vector<RecoveryFile>& files)
    {
        std::vector<std::string> paths;
        for (const RecoveryFile& file : files)
            paths.push_back(fs::path(file.path).filename().string());
        return paths;
    }

    TempFolder temp;
    std::string directory = temp.path("state/recovery");
    std::time_t now = 1706781600;  // 01.02.2024 10:00 UTC
    std::set<int> running;
};

}  // namespace

TEST_F(Recovery, CopyIsWhatSaveWritesWithTheOriginalTimeAndProcessBesideIt)
{
    auto first = editor(4100);
    ASSERT_EQ(first->folder.write(threeItems(), "/home/ayse/yol.zev"), "");
    EXPECT_EQ(fileText(copy("yol.4100.zev")), writeScenario(scenarioOf(threeItems())));
    EXPECT_EQ(fileText(copy("yol.4100.bilgi")), "original=/home/ayse/yol.zev\ntime=1706781600\npid=4100\n");

    // An unnamed document; an awkward name keeps every byte of its path.
    auto second = editor(4200);
    ASSERT_EQ(second->folder.write({}, ""), "");
    const std::string awkward = " /tmp/iki\nsatir\\ad.zev ";
    auto third = editor(4300);
    ASSERT_EQ(third->folder.write(threeItems(), awkward), "");
    EXPECT_TRUE(fs::exists(copy("Adsiz.4200.zev")));
    EXPECT_TRUE(fs::exists(copy("iki\nsatir\\ad.zev .4300.bilgi")));
    crash(second, 4200);
    crash(third, 4300);
    const std::vector<RecoveryFile> offered = editor(5000)->folder.claimOrphans();
    ASSERT_EQ(offered.size(), 2u);
    const auto unnamed = std::find_if(offered.begin(), offered.end(), [](auto& f) { return f.owner == "4200"; });
    const auto named = std::find_if(offered.begin(), offered.end(), [](auto& f) { return f.owner == "4300"; });
    EXPECT_EQ(unnamed->originalPath, "");
    EXPECT_EQ(unnamed->name, "Adsiz");
    EXPECT_EQ(unnamed->itemCount, 0u);
    EXPECT_EQ(named->originalPath, awkward);
    EXPECT_EQ(named->itemCount, 3u);
}

TEST_F(Recovery, OffersOnlyCopiesOfEditorsThatEndedNewestFirst)
{
    setenv("TZ", "UTC", 1);
    tzset();
    auto gone = editor(100), reused = editor(200), alive = editor(300);
    ASSERT_EQ(gone->folder.write(threeItems(), "/s/eski.zev"), "");
    now += 3600;
    ASSERT_EQ(reused->folder.write({threeItems()[0]}, ""), "");
    ASSERT_EQ(alive->folder.write(threeItems(), "/s/acik.zev"), "");
    crash(gone, 100);
    // Another program got the id of the second editor: its free lock still tells.
    crash(reused, 200);
    running.insert(200);

    auto next = editor(400);
    const std::vector<RecoveryFile> offered = next->folder.claimOrphans();
    EXPECT_EQ(pathsOf(offered), (std::vector<std::string>{"Adsiz.200.zev", "eski.100.zev"}));
    ASSERT_EQ(offered.size(), 2u);
    EXPECT_EQ(describeRecovery(offered[0]), "Adsiz - 01.02.2024 11:00 - 1 oge");
    EXPECT_EQ(describeRecovery(offered[1]), "eski.zev - 01.02.2024 10:00 - 3 oge");

    // While one editor offers them, an editor starting meanwhile does not.
    EXPECT_TRUE(editor(500)->folder.claimOrphans().empty());
    next->folder.release(offered[0]);
    EXPECT_EQ(pathsOf(editor(600)->folder.claimOrphans()), std::vector<std::string>{"Adsiz.200.zev"});
}

TEST_F(Recovery, TwoRunningEditorsNeverTakeOrDeleteEachOthersCopies)
{
    auto one = editor(10), two = editor(20);
    ASSERT_EQ(one->folder.write(threeItems(), "/s/bir.zev"), "");
    ASSERT_EQ(two->folder.write({}, "/s/iki.zev"), "");
    EXPECT_TRUE(two->folder.claimOrphans().empty());
    EXPECT_TRUE(one->folder.claimOrphans().empty());
    two->folder.removeOwn();
    EXPECT_EQ(namesIn(directory), (std::vector<std::string>{"10.kilit", "bir.10.bilgi", "bir.10.zev"}));

    // Without working locks only the process id tells, and it still runs.
    struct NoLocks : RecoveryLocks {
        Result take(const std::string&) override { return Result::Unavailable; }
        void release(const std::string&, bool) override {}
    } none;
    RecoveryFolder blind({directory, 30, [this] { return now; }, [this](int p) { return running.count(p) > 0; }, none});
    EXPECT_TRUE(blind.claimOrphans().empty());
    running.erase(10);
    EXPECT_EQ(pathsOf(blind.claimOrphans()), std::vector<std::string>{"bir.10.zev"});
}

TEST_F(Recovery, CopiesThatDoNotReadAreOfferedForDeletionOnly)
{
    fs::create_directories(directory);
    putFile(copy("kesik.71.zev"), "human adam.mesh 1 2 3\nbluearea kup.mesh 0 0 0 1 2");
    putFile(copy("yabanci.72.zev"), std::string("\x89PNG\r\n\x1a\n\0\0", 10));
    fs::create_directory(copy("klasor.73.zev"));
    putFile(copy("dosya-degil.txt"), "not a copy");
    auto next = editor(80);
    const std::vector<RecoveryFile> offered = next->folder.claimOrphans();
    ASSERT_EQ(offered.size(), 3u);
    for (const RecoveryFile& file : offered) {
        EXPECT_FALSE(file.itemCount) << file.path;
        EXPECT_NE(describeRecovery(file).find(" - okunamadi"), std::string::npos) << describeRecovery(file);
        next->folder.remove(file);
    }
    EXPECT_EQ(namesIn(directory), std::vector<std::string>{"dosya-degil.txt"});
}

TEST_F(Recovery, AnEarlierRunWithTheSameProcessIdKeepsItsCopy)
{
    auto earlier = editor(7);
    ASSERT_EQ(earlier->folder.write(threeItems(), ""), "");
    crash(earlier, 7);
    const std::string left = fileText(copy("Adsiz.7.zev"));

    auto again = editor(7);
    const std::vector<RecoveryFile> offered = again->folder.claimOrphans();
    EXPECT_EQ(pathsOf(offered), std::vector<std::string>{"Adsiz.7.zev"});
    ASSERT_EQ(again->folder.write({}, ""), "");
    EXPECT_EQ(fileText(copy("Adsiz.7.zev")), left);
    EXPECT_EQ(fileText(copy("Adsiz.7-2.zev")), "");
    again->folder.removeOwn();
    EXPECT_EQ(fileText(copy("Adsiz.7.zev")), left);
}

TEST_F(Recovery, AnAdoptedCopyGoesWithTheNextCopyOrTheEndOfTheUnsavedWork)
{
    auto crashed = editor(1);
    ASSERT_EQ(crashed->folder.write(threeItems(), "/s/yol.zev"), "");
    // A write cut short by the crash leaves a temporary beside the copy.
    putFile(copy(".yol.1.zev.Ab12Cd"), "human");
    crash(crashed, 1);

    auto next = editor(2);
    std::vector<RecoveryFile> offered = next->folder.claimOrphans();
    ASSERT_EQ(offered.size(), 1u);
    next->folder.adopt(offered[0]);
    EXPECT_TRUE(editor(3)->folder.claimOrphans().empty()) << "an adopted copy is not offered elsewhere";
    ASSERT_EQ(next->folder.write(threeItems(), "/s/yol.zev"), "");
    EXPECT_EQ(namesIn(directory), (std::vector<std::string>{"2.kilit", "yol.2.bilgi", "yol.2.zev"}));

    // Crashed again before anything changed: the adopted copy is all there is.
    crash(next, 2);
    auto third = editor(4);
    offered = third->folder.claimOrphans();
    ASSERT_EQ(offered.size(), 1u);
    third->folder.adopt(offered[0]);
    third->folder.removeOwn();
    EXPECT_TRUE(namesIn(directory).empty());
}

namespace {

// The autosave over a document, with a clock the test moves.
class AutosaveTest : public Recovery {
protected:
    void SetUp() override
    {
        self = editor(900);
        autosave = std::make_unique<Autosave>(
            document, self->folder, 60, [this] { return seconds; },
            [this](const std::string& notice) { notices.push_back(notice); });
    }
    void TearDown() override { autosave.reset(); }
    void at(double time)
    {
        seconds = time;
        autosave->poll();
    }
    bool written() const { return fs::exists(copy("Adsiz.900.zev")); }

    Document document;
    double seconds = 1000;
    std::vector<std::string> notices;
    std::unique_ptr<Editor> self;
    std::unique_ptr<Autosave> autosave;
};

}  // namespace

TEST_F(AutosaveTest, WritesAnIntervalAfterALookAndOnlyWhatChanged)
{
    ASSERT_EQ(add(document, makeObject(0, "adam.mesh", 1, 1)), "");
    at(1059);
    EXPECT_FALSE(written());
    at(1060);
    ASSERT_TRUE(written());
    EXPECT_EQ(fileText(copy("Adsiz.900.zev")), textOf(document));

    // Nothing changed since: nothing is written (the removed copy stays away).
    fs::remove(copy("Adsiz.900.zev"));
    at(1200);
    EXPECT_FALSE(written());
    ASSERT_EQ(add(document, makeObject(1, "kadin.mesh", 2, 2)), "");
    at(1260);
    EXPECT_EQ(fileText(copy("Adsiz.900.zev")), textOf(document));

    // A test run starting writes at once, but only something new.
    ASSERT_EQ(document.undo(), "");
    autosave->writeNow();
    EXPECT_EQ(fileText(copy("Adsiz.900.zev")), textOf(document));
    fs::remove(copy("Adsiz.900.zev"));
    autosave->writeNow();
    EXPECT_FALSE(written());
    EXPECT_TRUE(notices.empty());
}

TEST_F(AutosaveTest, CopiesGoOnceNothingIsUnsaved)
{
    const auto unsavedAndWritten = [this] {
        ASSERT_EQ(add(document, makeObject(document.peekId(), "adam.mesh", 1, 1)), "");
        autosave->writeNow();
        ASSERT_TRUE(written());
    };
    unsavedAndWritten();
    ASSERT_EQ(saveScenario(document, temp.path("kayit.zev")), "");
    EXPECT_TRUE(namesIn(directory).empty()) << "a save";

    ASSERT_EQ(add(document, makeObject(document.peekId(), "adam.mesh", 1, 1)), "");
    autosave->writeNow();
    EXPECT_TRUE(fs::exists(copy("kayit.900.zev")));
    ASSERT_EQ(document.undo(), "");
    EXPECT_TRUE(namesIn(directory).empty()) << "undone back to the saved state";

    document.replaceAll({}, "");
    unsavedAndWritten();
    document.replaceAll({}, "");
    EXPECT_TRUE(namesIn(directory).empty()) << "New or Open";
}

TEST_F(AutosaveTest, AFailingFolderIsToldOnceAndEditingGoesOn)
{
    putFile(temp.path("state"), "a file where the folder should be");
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(add(document, makeObject(i, "adam.mesh", float(i), 0)), "");
        at(1060 + 60 * i);
    }
    EXPECT_EQ(notices, std::vector<std::string>{"Otomatik kayit yapilamadi: yoldaki bir ad klasor degil"});
    EXPECT_EQ(document.items().size(), 3u);
    EXPECT_TRUE(document.modified());
    // Once the folder can be made, the waiting change is written.
    fs::remove(temp.path("state"));
    at(1300);
    EXPECT_EQ(fileText(copy("Adsiz.900.zev")), textOf(document));
}

// What the editor relies on when the system asks it to end: it may end without
// asking only when the answer is true.
TEST_F(AutosaveTest, WriteNowTellsWhetherEveryUnsavedChangeIsInTheCopy)
{
    EXPECT_TRUE(autosave->writeNow()) << "nothing unsaved";
    EXPECT_FALSE(written());
    ASSERT_EQ(add(document, makeObject(0, "adam.mesh", 1, 1)), "");
    EXPECT_TRUE(autosave->writeNow());
    EXPECT_EQ(fileText(copy("Adsiz.900.zev")), textOf(document));
    EXPECT_TRUE(autosave->writeNow()) << "nothing new since the copy";

    fs::remove_all(temp.path("state"));
    putFile(temp.path("state"), "a file where the folder should be");
    ASSERT_EQ(add(document, makeObject(1, "adam.mesh", 2, 2)), "");
    EXPECT_FALSE(autosave->writeNow()) << "the write failed";
    EXPECT_FALSE(autosave->writeNow()) << "and the change is still not in a copy";

    Autosave off(document, self->folder, 0, [] { return 0.0; }, nullptr);
    EXPECT_FALSE(off.writeNow()) << "copies turned off";
}

TEST(AutosaveSetting, IntervalFromTheSettingsFileWithBadValuesIgnored)
{
    TempFolder temp;
    const auto interval = [&temp](const std::string& text, std::ostream& warnings) {
        putFile(temp.path("sahne.cfg"), text);
        SettingsFile settings;
        EXPECT_EQ(settings.load(temp.path("sahne.cfg")), "");
        return autosaveSeconds(settings, warnings);
    };
    std::ostringstream quiet;
    EXPECT_EQ(interval("language=tr\n", quiet), 60);
    EXPECT_EQ(interval("autosave_seconds=0\n", quiet), 0);
    EXPECT_EQ(interval("  autosave_seconds = 15 \r\n", quiet), 15);
    EXPECT_EQ(interval("autosave_seconds=5\nautosave_seconds=30", quiet), 30);
    EXPECT_EQ(quiet.str(), "");
    for (const char* bad : {"autosave_seconds=-5", "autosave_seconds=1.5", "autosave_seconds=", "autosave_seconds=on",
                            "autosave_seconds=99999999999"}) {
        std::ostringstream warning;
        EXPECT_EQ(interval(bad, warning), 60) << bad;
        const std::string text = warning.str();
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << bad;
        EXPECT_NE(text.find(bad), std::string::npos) << text;
    }
}

TEST(SettingsFileTest, WritingBackKeepsWhatItDoesNotKnowAndReplacesTheFileWhole)
{
    TempFolder temp;
    const std::string path = temp.path("sahne.cfg");
    SettingsFile missing;
    EXPECT_EQ(missing.load(path), "");
    EXPECT_FALSE(missing.get("autosave_seconds"));

    putFile(path, "# sahne\nlanguage = tr\n\nwindow_width=1024\nautosave_seconds=60\ngelecek_ayar=x=y");
    SettingsFile settings;
    ASSERT_EQ(settings.load(path), "");
    EXPECT_EQ(settings.get("language"), "tr");
    EXPECT_EQ(settings.get("gelecek_ayar"), "x=y");
    EXPECT_FALSE(settings.get("# sahne"));
    settings.set("autosave_seconds", "30");
    settings.set("window_height", "768");
    ASSERT_EQ(settings.save(path), "");
    EXPECT_EQ(fileText(path), "# sahne\nlanguage = tr\n\nwindow_width=1024\nautosave_seconds=30\ngelecek_ayar=x=y\n"
                              "window_height=768\n");
    EXPECT_EQ(namesIn(temp.path("")), std::vector<std::string>{"sahne.cfg"});

    EXPECT_THROW(settings.set("language", "tr\nautosave_seconds=0"), std::invalid_argument);
    EXPECT_THROW(settings.set("a=b", "1"), std::invalid_argument);
    EXPECT_EQ(settings.get("autosave_seconds"), "30");

    fs::create_directory(temp.path("klasor.cfg"));
    EXPECT_EQ(SettingsFile().load(temp.path("klasor.cfg")), "bu bir klasor, dosya degil");
}
