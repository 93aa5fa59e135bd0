#include "tests/support/EditorFixture.h"

#include "document/Commands.h"
#include "scene/CameraPose.h"
#include "tests/support/HeadlessGui.h"

#include <CEGUI/CEGUI.h>
#include <OgreCamera.h>

namespace {

// The windows that show the whole scenario, on the staged terrain (1500 x 1500
// around the origin), driven through their widgets.
class Overview : public EditorFixture {
protected:
    TerrainSceneManager& makeScene() override { return stagedTerrain(); }
    void SetUp() override
    {
        EditorFixture::SetUp();
        startEditing();
    }

    ItemId addArea(float x1, float z1, float x2, float z2, const std::string& message)
    {
        Item area = makeArea(editor->document().peekId(), "kup.mesh", x1, z1, x2, z2);
        if (!message.empty())
            area.message = ScenarioMessage{message};
        return add(area);
    }
    static std::string text(const std::string& name) { return window(name)->getText().c_str(); }
    // The texts of a table's row window at a place in sight.
    static std::vector<std::string> rowTexts(RowTable& table, std::size_t place)
    {
        std::vector<std::string> texts;
        CEGUI::Window* row = table.rowWindow(place);
        for (std::size_t c = 0; c < row->getChildCount(); ++c)
            texts.push_back(row->getChildAtIdx(c)->getText().c_str());
        return texts;
    }
    void openCheck()
    {
        headlessgui::click(window("duzenle"));
        headlessgui::click(window("kontrolPopupItem"));
    }
};

TEST_F(Overview, TheCheckListsEachProblemAndARowClickGoesToItsItem)
{
    addArea(0, 0, 10, 10, "Dikkat");
    const ItemId silent = addArea(500, -600, 520, -590, "");
    add(makeObject(editor->document().peekId(), "adam.mesh", 900, 0));
    openCheck();

    ASSERT_TRUE(window("kontrolWindow")->isVisible());
    EXPECT_EQ("Kontrol", text("kontrolWindow"));
    RowTable& rows = editor->check().table();
    ASSERT_EQ(2u, rows.rowCount());
    EXPECT_EQ((std::vector<std::string>{"Alan kup (510, -595)", "Mesaji yok"}), rowTexts(rows, 0));
    EXPECT_EQ((std::vector<std::string>{"Nesne adam (900, 0)", "Arazinin disinda"}), rowTexts(rows, 1));
    EXPECT_FALSE(rows.rowWindow(2)->isVisible());
    EXPECT_EQ("2 sorun", text("kontrolSonuc"));

    headlessgui::click(rows.rowWindow(0));
    EXPECT_EQ(std::optional<ItemId>(silent), editor->selection().selected());
    const Ogre::Vector3 at = camera->getPosition();
    EXPECT_NEAR(camerapose::lookingDistance, Ogre::Vector2(at.x - 510, at.z + 595).length(), 1e-2);
}

TEST_F(Overview, TheCheckFollowsEditsInTheNextFrameWhileOpen)
{
    const ItemId silent = addArea(500, -600, 520, -590, "");
    openCheck();
    ASSERT_EQ(1u, editor->check().problems().size());

    Item told = item(silent);
    told.message = ScenarioMessage{"Yavas"};
    ASSERT_EQ("", editor->document().execute(std::make_unique<ChangeItem>(item(silent), told)));
    frames(1);
    EXPECT_TRUE(editor->check().problems().empty());
    EXPECT_EQ("Sorun yok", text("kontrolSonuc"));
    EXPECT_FALSE(editor->check().table().rowWindow(0)->isVisible());

    headlessgui::click(window("kontrolWindow/__auto_closebutton__"));
    editor->document().undo();
    frames(1);
    EXPECT_TRUE(editor->check().problems().empty()) << "a closed window does not check";
    openCheck();
    EXPECT_EQ(1u, editor->check().problems().size());
}

TEST_F(Overview, TheWindowsAreLockedWhileAWindowHasTheEditor)
{
    openCheck();
    editor->mode().begin(Activity::MessageEditor);
    EXPECT_TRUE(window("kontrolWindow")->isDisabled());
    editor->mode().end(Activity::MessageEditor);
    EXPECT_FALSE(window("kontrolWindow")->isDisabled());
}

}  // namespace
