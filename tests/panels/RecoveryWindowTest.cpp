// What a crash left, offered at start in "kurtarWindow", and the autosave that
// leaves it: the editor on the real layout over a temporary recovery folder.
#include "tests/support/EditorFixture.h"

#include "document/FileAccess.h"
#include "document/RecoveryFolder.h"
#include "document/RecoveryLocks.h"
#include "document/ScenarioFormat.h"
#include "document/ScenarioItems.h"
#include "tests/support/HeadlessGui.h"

#include <CEGUI/CEGUI.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;
using headlessgui::click;

namespace {

class RecoveryWindowTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        char pattern[] = "/tmp/sahne-recovery-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        directory = folder + "/recovery";
    }
    void TearDown() override
    {
        EditorFixture::TearDown();
        fs::remove_all(folder);
    }

    // A copy left by an editor that crashed: written, then its lock gone with it.
    void leftBehind(int process, const std::vector<Item>& items, const std::string& original, std::time_t time)
    {
        FileLocks locks(directory);
        RecoveryFolder crashed({directory, process, [time] { return time; }, [](int) { return false; }, locks});
        ASSERT_EQ(crashed.write(items, original), "");
    }
    void start(const std::string& where, double interval = 60)
    {
        EditorRecovery::Setup setup = EditorRecovery::setupFor(where, interval);
        setup.clock = [this] { return seconds; };
        editor->recovery().start(setup);
    }
    void offer()
    {
        editor->recovery().offer([this] { ++afterOffer; });
    }
    CEGUI::Listbox* rows() const { return static_cast<CEGUI::Listbox*>(window("kurtarListe")); }
    std::string chosenRow() const
    {
        const CEGUI::ListboxItem* chosen = rows()->getFirstSelectedItem();
        return chosen ? chosen->getText().c_str() : "";
    }
    bool offering() const { return window("kurtarWindow")->isVisible(); }
    static CEGUI::Window* modal() { return headlessgui::context().getModalWindow(); }
    std::vector<std::string> copies() const
    {
        std::vector<std::string> names;
        if (fs::exists(directory))
            for (const auto& entry : fs::directory_iterator(directory))
                if (entry.path().extension() == ".zev")
                    names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static std::string text(const std::string& path)
    {
        std::string contents;
        EXPECT_EQ(readWholeFile(path, contents), "") << path;
        return contents;
    }

    std::string folder, directory;
    double seconds = 0;
    int afterOffer = 0;
};

std::vector<Item> cubes(int count)
{
    std::vector<Item> items;
    for (int i = 0; i < count; ++i)
        items.push_back(makeObject(i, "kup.mesh", float(3 * i), 5));
    return items;
}

}  // namespace

TEST_F(RecoveryWindowTest, OffersCopiesModallyWithTheFirstRowChosenAndSonraKeepsThem)
{
    leftBehind(101, cubes(1), "/senaryo/eski.zev", 1706781600);
    leftBehind(102, cubes(2), "", 1706785200);
    start(directory);
    offer();

    ASSERT_TRUE(offering());
    EXPECT_EQ(std::string(window("kurtarWindow")->getText().c_str()), "Kurtarma");
    EXPECT_EQ(std::string(window("kurtarMetin")->getText().c_str()),
              "Onceki oturum beklenmedik sekilde kapandi. Kaydedilmemis calisma kurtarilsin mi?");
    ASSERT_EQ(rows()->getItemCount(), 2u);
    EXPECT_EQ(chosenRow().rfind("Adsiz - ", 0), 0u) << chosenRow();
    EXPECT_NE(chosenRow().find(" - 2 oge"), std::string::npos) << chosenRow();
    EXPECT_EQ(afterOffer, 0) << "what comes after the offer waits for it";

    // Modal: the menu takes no click, the shortcuts no key.
    EXPECT_EQ(modal(), window("kurtarWindow"));
    click(window("dosya"));
    EXPECT_FALSE(window("dosyaPopup")->isVisible());
    pressKey(input::KC_N, input::CTRL_MASK);
    EXPECT_FALSE(editor->mode().started()) << "Ctrl+N did not start a new scenario";
    EXPECT_EQ(editor->mode().current(), Activity::Recovery);

    pressKey(input::KC_ESCAPE);
    EXPECT_FALSE(offering());
    EXPECT_EQ(modal(), nullptr);
    EXPECT_EQ(afterOffer, 1);
    EXPECT_FALSE(listener->quitRequested());
    EXPECT_TRUE(editor->document().items().empty());
    FileLocks locks(directory);
    RecoveryFolder nextStart({directory, 103, [] { return 0; }, [](int) { return false; }, locks});
    EXPECT_EQ(nextStart.claimOrphans().size(), 2u) << "Sonra keeps the copies for the next start";
}

TEST_F(RecoveryWindowTest, AcOpensTheCopyAsUnsavedWorkThatASaveEnds)
{
    const std::string original = folder + "/yol.zev";
    leftBehind(101, cubes(3), original, 1706781600);
    const std::string copy = directory + "/yol.101.zev";
    const std::string copied = text(copy);
    start(directory);
    offer();
    click(window("kurtarAc"));

    EXPECT_FALSE(offering());
    EXPECT_EQ(afterOffer, 1);
    EXPECT_EQ(writeScenario(scenarioOf(editor->document().items())), copied);
    EXPECT_EQ(editor->document().path(), original);
    EXPECT_TRUE(editor->document().modified());
    EXPECT_EQ(std::string(window("TestWindowFrame")->getText().c_str()), "Sahne - yol.zev *");
    EXPECT_TRUE(editor->mode().started());
    EXPECT_EQ(editor->mode().current(), Activity::Editing);
    EXPECT_EQ(copies(), std::vector<std::string>{"yol.101.zev"}) << "the copy stays until a save";

    pressKey(input::KC_S, input::CTRL_MASK);
    EXPECT_EQ(text(original), copied);
    EXPECT_EQ(std::string(window("TestWindowFrame")->getText().c_str()), "Sahne - yol.zev");
    EXPECT_TRUE(copies().empty());
}

TEST_F(RecoveryWindowTest, SilAsksFirstAndACopyThatDoesNotReadCanOnlyBeDeleted)
{
    leftBehind(101, cubes(1), "/senaryo/iyi.zev", 1706781600);
    std::ofstream(directory + "/bozuk.102.zev") << "human kup.mesh 1 2";  // newer, cut short
    start(directory);
    offer();
    ASSERT_EQ(rows()->getItemCount(), 2u);
    EXPECT_NE(chosenRow().find("bozuk - "), std::string::npos) << chosenRow();
    EXPECT_NE(chosenRow().find(" - okunamadi"), std::string::npos) << chosenRow();
    EXPECT_TRUE(window("kurtarAc")->isDisabled());

    click(window("kurtarSil"));
    ASSERT_TRUE(window("kurtarSilSorWindow")->isVisible());
    EXPECT_EQ(std::string(window("kurtarSilSorMetin")->getText().c_str()), "Bu kurtarma dosyasi silinsin mi?");
    EXPECT_EQ(modal(), window("kurtarSilSorWindow"));
    click(window("kurtarSilVazgec"));
    EXPECT_EQ(modal(), window("kurtarWindow"));
    EXPECT_EQ(copies().size(), 2u);

    click(window("kurtarSil"));
    click(window("kurtarSilEvet"));
    EXPECT_EQ(copies(), std::vector<std::string>{"iyi.101.zev"});
    ASSERT_EQ(rows()->getItemCount(), 1u);
    EXPECT_NE(chosenRow().find("iyi.zev - "), std::string::npos) << chosenRow();
    EXPECT_FALSE(window("kurtarAc")->isDisabled());

    click(window("kurtarSil"));
    click(window("kurtarSilEvet"));
    EXPECT_FALSE(offering());
    EXPECT_EQ(afterOffer, 1);
    EXPECT_TRUE(fs::is_empty(directory)) << "the side files and locks go with their copies";
}

TEST_F(RecoveryWindowTest, UnsavedWorkIsCopiedEachIntervalAndWhenATestRunStarts)
{
    start(directory, 30);
    offer();
    EXPECT_EQ(afterOffer, 1) << "nothing to offer: the start goes on at once";
    const std::string copy = directory + "/Adsiz." + std::to_string(getpid()) + ".zev";
    addObject();
    seconds = 30;
    frames(1);
    EXPECT_EQ(text(copy), writeScenario(scenarioOf(editor->document().items())));

    addObject();
    startEditing();
    ASSERT_TRUE(editor->testRun().start());
    frames(1);
    EXPECT_EQ(text(copy), writeScenario(scenarioOf(editor->document().items())));
    editor->testRun().finish();

    editor->recovery().endSession();
    EXPECT_TRUE(copies().empty()) << "a clean end";
}
