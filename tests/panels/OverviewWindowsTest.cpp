#include "tests/support/EditorFixture.h"

#include "document/Commands.h"
#include "scene/CameraPose.h"
#include "scene/SceneMirror.h"
#include "scene/terrain/Heightfield.h"
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

TEST_F(Overview, TheListShowsTheItemsWithWidgetsOnlyForTheRowsInSight)
{
    for (int i = 0; i < 100; ++i)
        add(makeObject(editor->document().peekId(), i % 2 ? "adam.mesh" : "kadin.mesh", i, -i));
    addArea(10, 10, 20, 30, "Burada \xc4\x9fi\xc5\x9f" "e kuyru\xc4\x9fu var");  // "gise" with Turkish letters
    pressKey(input::KC_L);
    ASSERT_TRUE(window("listeWindow")->isVisible());
    EXPECT_EQ("Ogeler", text("listeWindow"));
    RowTable& rows = editor->list().table();
    EXPECT_EQ(101u, rows.rowCount());
    EXPECT_LT(rows.rowsInSight(), 20u);
    EXPECT_EQ((std::vector<std::string>{"Nesne", "kadin", "0", "0", ""}), rowTexts(rows, 0));

    headlessgui::click(window("listeAra"));
    headlessgui::typeText("GISE");
    pressKey(input::KC_L);  // typed into the field, it does not close the window
    EXPECT_TRUE(window("listeWindow")->isVisible());
    frames(1);
    ASSERT_EQ(1u, rows.rowCount()) << "Turkish letters fold, case does not count: " << text("listeAra");
    EXPECT_EQ("Alan", rowTexts(rows, 0)[0]);
    EXPECT_FALSE(rows.rowWindow(1)->isVisible());
}

TEST_F(Overview, ListClicksSortSelectAndGoTo)
{
    const ItemId west = add(makeObject(editor->document().peekId(), "adam.mesh", -300, 40));
    const ItemId east = add(makeObject(editor->document().peekId(), "adam.mesh", 300, 40));
    headlessgui::click(window("gorunum"));
    headlessgui::click(window("listePopupItem"));
    RowTable& rows = editor->list().table();
    headlessgui::click(window("listeTablo/rows/header2"));  // x
    headlessgui::click(window("listeTablo/rows/header2"));
    frames(1);
    EXPECT_EQ("300", rowTexts(rows, 0)[2]) << "the second click sorts descending";

    const Ogre::Vector3 before = camera->getPosition();
    headlessgui::click(rows.rowWindow(1));
    EXPECT_EQ(std::optional<ItemId>(west), editor->selection().selected());
    EXPECT_EQ(before, camera->getPosition()) << "a single click only selects";
    frames(1);
    EXPECT_EQ("tl:FFB4CDF0 tr:FFB4CDF0 bl:FFB4CDF0 br:FFB4CDF0",
              rows.rowWindow(1)->getChildAtIdx(0)->getProperty("BackgroundColours")) << "the selected row is marked";

    headlessgui::doubleClick(rows.rowWindow(0));
    EXPECT_EQ(std::optional<ItemId>(east), editor->selection().selected());
    const Ogre::Vector3 at = camera->getPosition();
    EXPECT_NEAR(camerapose::lookingDistance, Ogre::Vector2(at.x - 300, at.z - 40).length(), 1e-2);

    ASSERT_EQ("", editor->document().execute(std::make_unique<RemoveItem>(east)));
    frames(1);
    EXPECT_EQ(1u, rows.rowCount()) << "the list follows edits";
    pressKey(input::KC_L);
    EXPECT_FALSE(window("listeWindow")->isVisible());
}

// The map on the staged terrain, its pictures caught as the application would put them on screen.
class Map : public Overview {
protected:
    void SetUp() override
    {
        Overview::SetUp();
        editor->map().present([this](const MapPicture& picture) {
            ++presented;
            shown = picture.pixels();
        });
    }
    std::uint32_t shownAt(float x, float z) const
    {
        const MapPicture& picture = editor->map().picture();
        const auto column = static_cast<std::size_t>(picture.columnOf(x));
        const auto row = static_cast<std::size_t>(picture.rowOf(z));
        return shown.at(row * static_cast<std::size_t>(picture.side()) + column);
    }
    float groundAt(float x, float z) const { return groundOf(*scene)->heightAt(x, z).value_or(-1000); }

    int presented = 0;
    std::vector<std::uint32_t> shown;
};

TEST_F(Map, ShowsEveryItemAsAMarkAndFollowsEditsAndTheSelection)
{
    const ItemId man = add(makeObject(editor->document().peekId(), "adam.mesh", -300, 200));
    addArea(100, 100, 300, 200, "Dur");
    add(makeRoad(editor->document().peekId(), "yol.mesh", -500, -400, -100, -400));
    pressKey(input::KC_M);
    ASSERT_TRUE(window("haritaWindow")->isVisible());
    EXPECT_EQ("Harita", text("haritaWindow"));
    ASSERT_EQ(1, presented);
    EXPECT_EQ(MapPicture::objectColour, shownAt(-300, 200));
    EXPECT_EQ(MapPicture::areaColour, shownAt(100, 150));
    EXPECT_EQ(MapPicture::areaColour, shownAt(200, 100));
    EXPECT_NE(MapPicture::areaColour, shownAt(200, 150)) << "an area is its outline";
    EXPECT_EQ(MapPicture::roadColour, shownAt(-300, -400));

    frames(3);
    EXPECT_EQ(1, presented) << "frames without a change draw nothing";
    editor->selection().select(man);
    frames(1);
    EXPECT_EQ(MapPicture::selectedColour, shownAt(-300, 200));
    editor->document().undo();  // the road
    editor->document().undo();  // the area
    frames(1);
    EXPECT_EQ(3, presented);
    EXPECT_NE(MapPicture::areaColour, shownAt(100, 150));
    EXPECT_NE(MapPicture::roadColour, shownAt(-300, -400));

    headlessgui::click(window("gorunum"));
    headlessgui::click(window("haritaPopupItem"));
    EXPECT_FALSE(window("haritaWindow")->isVisible());
}

TEST_F(Map, AClickMovesTheCameraThereKeepingItsHeightAboveGroundAndHeading)
{
    camera->setPosition(0, groundAt(0, 0) + 12, 0);
    const Ogre::Quaternion looking = camera->getOrientation();
    pressKey(input::KC_M);
    const CEGUI::Rectf area = window("haritaResmi")->getUnclippedOuterRect().get();
    // A quarter across and three quarters down: x -375, z 375 on a terrain of 1500 around the origin.
    headlessgui::clickAt(area.left() + 0.25f * area.getWidth(), area.top() + 0.75f * area.getHeight());
    const Ogre::Vector3 at = camera->getPosition();
    EXPECT_NEAR(-375, at.x, 0.5);
    EXPECT_NEAR(375, at.z, 0.5);
    EXPECT_NEAR(groundAt(at.x, at.z) + 12, at.y, 1e-2);
    EXPECT_TRUE(looking.equals(camera->getOrientation(), Ogre::Radian(1e-6f)));

    frames(1);
    const CEGUI::Rectf mark = window("haritaResmi/kamera")->getUnclippedOuterRect().get();
    EXPECT_NEAR(area.left() + 0.25f * area.getWidth(), mark.getPosition().d_x + mark.getWidth() / 2, 1);
    EXPECT_NEAR(area.top() + 0.75f * area.getHeight(), mark.getPosition().d_y + mark.getHeight() / 2, 1);
}

TEST_F(Map, CanBeDraggedButNotOffTheScreen)
{
    pressKey(input::KC_M);
    CEGUI::Window* map = window("haritaWindow");
    map->setPosition(CEGUI::UVector2(CEGUI::UDim(0, -150), CEGUI::UDim(0, 5000)));
    // Positions count from the main frame's inside, below its title bar: the bottom edge is that of the inside.
    const CEGUI::Sizef parent = map->getParent()->getChildContentArea().get().getSize();
    EXPECT_EQ(0, map->getPosition().d_x.d_offset);
    EXPECT_EQ(parent.d_height - map->getPixelSize().d_height, map->getPosition().d_y.d_offset);
    map->setPosition(CEGUI::UVector2(CEGUI::UDim(0, 30), CEGUI::UDim(0, 40)));
    EXPECT_EQ(30, map->getPosition().d_x.d_offset) << "inside, it stays where it is put";
}

}  // namespace
