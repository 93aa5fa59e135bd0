#include "tests/support/EditorFixture.h"

#include "app/EditorKeys.h"
#include "gui/GuiText.h"
#include "tests/support/HeadlessGui.h"

#include <CEGUI/CEGUI.h>

#include <set>

using headlessgui::click;

namespace {

const char* const menuPopups[] = {"dosyaPopup", "duzenlePopup", "gorunumPopup", "yardimPopup"};

float extent(const CEGUI::Window& widget, const CEGUI::String& text)
{
    return widget.getFont()->getTextExtent(text);
}

std::string keyOf(const char* item) { return window(item)->getProperty("KeyText").c_str(); }

using MenuKeys = EditorFixture;

// An item's text stands at its left, its key at its right; both must fit the
// item without running into each other.
TEST_F(MenuKeys, ItemsShowTheirKeysBesideTheirTextsWithRoomForBoth)
{
    EXPECT_EQ(keyOf("kaydetPopupItem"), "Ctrl+S");
    EXPECT_EQ(keyOf("farkliKaydetPopupItem"), "Ctrl+Shift+S");
    EXPECT_EQ(keyOf("geriAlPopupItem"), "Ctrl+Z");
    EXPECT_EQ(keyOf("yinelePopupItem"), "Ctrl+Y");
    EXPECT_EQ(keyOf("silPopupItem"), "Del");
    EXPECT_EQ(keyOf("cikisPopupItem"), "Esc");
    EXPECT_EQ(keyOf("kisayollarPopupItem"), "F1");
    EXPECT_EQ(keyOf("kontrolPopupItem"), "") << "an item without a key shows none";

    std::set<std::string> withKeys;
    for (const MenuBar::ItemKey& key : menuItemKeys(editor->shortcuts()))
        withKeys.insert(key.item);
    std::size_t shown = 0;
    for (const char* popup : menuPopups) {
        for (std::size_t i = 0; i < window(popup)->getChildCount(); ++i) {
            const CEGUI::Window& item = *window(popup)->getChildAtIdx(i);
            const std::string name = item.getName().c_str();
            EXPECT_EQ(item.getType(), "SahneLook/MenuItem") << name;
            const CEGUI::String key = item.getProperty("KeyText");
            EXPECT_EQ(!key.empty(), withKeys.count(name) == 1) << name;
            shown += key.empty() ? 0 : 1;
            // The look keeps 8 pixels at either side; the two texts keep as many between them.
            EXPECT_LE(extent(item, item.getText()) + extent(item, key) + 24, item.getPixelSize().d_width)
                << name << ": \"" << item.getText() << "\" and \"" << key << "\" do not fit side by side";
        }
    }
    EXPECT_EQ(shown, withKeys.size()) << "every item with a key is in a popup";
}

// The keys the menus show do what their items do: a key with a Ctrl chord is
// the same binding (the label is made from it); the other keys are tried here.
TEST_F(MenuKeys, KeysShownBesideItemsDoWhatTheItemsDo)
{
    startEditing();
    pressKey(input::KC_M);
    EXPECT_TRUE(window("haritaWindow")->isVisible());
    pressKey(input::KC_L);
    EXPECT_TRUE(window("listeWindow")->isVisible());
    pressKey(input::KC_F1);
    EXPECT_TRUE(window("kisayollarWindow")->isVisible());

    const ItemId object = addObject();
    editor->selection().select(object);
    pressKey(input::KC_DELETE);
    EXPECT_EQ(editor->document().find(object), nullptr);

    for (const Shortcuts::Binding& binding : editor->shortcuts().bindings()) {
        if (binding.menuItem) {
            EXPECT_EQ(keyOf(binding.menuItem), chordName(binding.chord)) << binding.menuItem;
        }
    }
}

// The list of keys names every chord of the menus, fits each text into its
// column, and goes away with Escape (before Escape gives up the selection or
// asks to end the editor), with F1 and with its close button.
TEST_F(MenuKeys, KeyListShowsEveryKeyAndClosesLikeADesktopWindow)
{
    startEditing();
    click(window("yardim"));
    click(window("kisayollarPopupItem"));
    ASSERT_TRUE(window("kisayollarWindow")->isVisible());
    EXPECT_FALSE(window("yardimPopup")->isVisible()) << "choosing the item closes the menu";

    const RowTable& table = editor->keyList().table();
    const std::vector<KeyListWindow::Row> rows = editorKeyRows(editor->shortcuts());
    ASSERT_EQ(table.rowCount(), rows.size());
    std::set<std::string> keys;
    for (const KeyListWindow::Row& row : rows)
        keys.insert(row.keys);
    for (const Shortcuts::Binding& binding : editor->shortcuts().bindings())
        EXPECT_EQ(keys.count(chordName(binding.chord)), 1u) << chordName(binding.chord);
    for (const char* named : {"Home", "F", "T", "R", "P", "Print", "Del", "Esc", "M", "L", "F1", "F5",
                              "Page Up, Page Down", "Fare tekerlegi", "Ctrl+surukleme"})
        EXPECT_EQ(keys.count(named), 1u) << named;

    for (std::size_t place = 0; place < table.rowsInSight(); ++place) {
        const CEGUI::Window* row = table.rowWindow(place);
        for (std::size_t c = 0; c < row->getChildCount(); ++c) {
            const CEGUI::Window& cell = *row->getChildAtIdx(c);
            EXPECT_LE(extent(cell, cell.getText()), cell.getPixelSize().d_width) << cell.getText();
        }
    }

    const ItemId object = addObject();
    editor->selection().select(object);
    pressKey(input::KC_ESCAPE);
    EXPECT_FALSE(window("kisayollarWindow")->isVisible());
    EXPECT_EQ(editor->selection().selected(), object) << "the first Escape only closes the list";
    EXPECT_FALSE(listener->quitRequested());

    pressKey(input::KC_F1);
    ASSERT_TRUE(window("kisayollarWindow")->isVisible());
    pressKey(input::KC_F1);
    EXPECT_FALSE(window("kisayollarWindow")->isVisible());
    pressKey(input::KC_F1);
    click(static_cast<CEGUI::FrameWindow*>(window("kisayollarWindow"))->getCloseButton());
    EXPECT_FALSE(window("kisayollarWindow")->isVisible());
}

TEST_F(MenuKeys, AboutShowsTheProgramsVersion)
{
    startEditing();
    click(window("yardim"));
    click(window("hakkindaPopupItem"));
    ASSERT_TRUE(window("hakkindaicerik")->isVisible());
    EXPECT_EQ(window("hakkindaSurum")->getText(), SAHNE_PROJECT_VERSION);
    EXPECT_TRUE(window("hakkindaSurum")->isEffectiveVisible());
}

}  // namespace
