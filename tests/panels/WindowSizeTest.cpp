// The editor in a window larger than 800 x 600, then shrunk back: the widgets'
// display changes size as the application tells it when the window does.
#include "tests/support/EditorFixture.h"

#include "scene/PlacementGeometry.h"
#include "tests/support/HeadlessGui.h"

#include <CEGUI/CEGUI.h>

namespace {

class LargerWindow : public EditingOnTerrain {
protected:
    void SetUp() override
    {
        EditingOnTerrain::SetUp();
        resize(1600, 900);
    }
    void TearDown() override
    {
        resize(800, 600);
        EditorFixture::TearDown();
    }

    static void resize(float width, float height)
    {
        CEGUI::System::getSingleton().notifyDisplaySizeChanged(CEGUI::Sizef(width, height));
    }
    static CEGUI::Rectf rect(const char* name) { return window(name)->getUnclippedOuterRect().get(); }
    static CEGUI::Rectf inside(const char* name) { return window(name)->getUnclippedInnerRect().get(); }

    // A left click at a point of the window given as a share of its width and height,
    // as the window system reports it to the listener.
    void clickWindowAt(float x, float y)
    {
        headlessgui::advance(0.5f);
        input.moveTo(x, y);
        input.button(input::BUTTON0_MASK, true);
        input.button(input::BUTTON0_MASK, false);
        listener->processEvents();
    }
};

TEST_F(LargerWindow, AClickPlacesAtTheGroundPointDrawnUnderIt)
{
    editor->tools().beginObjectPlacement("adam");
    clickWindowAt(0.6f, 0.85f);

    ASSERT_EQ(editor->document().items().size(), 1u) << noticeText();
    const CEGUI::Rectf view = rect("frameImage");
    const ViewPoint drawn{(0.6f * 1600 - view.left()) / view.getWidth(), (0.85f * 900 - view.top()) / view.getHeight()};
    const std::optional<Ogre::Vector3> ground = editor->picker().groundAt(drawn);
    ASSERT_TRUE(ground);
    EXPECT_EQ(editor->document().items()[0].x, truncateToWhole(ground->x));
    EXPECT_EQ(editor->document().items()[0].z, truncateToWhole(ground->z));
}

TEST_F(LargerWindow, TheToolboxKeepsItsWidthAtTheRightEdgeAndItsTabsSlideThere)
{
    const CEGUI::Rectf frame = inside("TestWindowFrame");
    const CEGUI::Rectf home = rect("insanTab");
    EXPECT_NEAR(home.right(), frame.right(), 1);
    EXPECT_NEAR(home.getWidth(), 158, 1);
    EXPECT_NEAR(rect("windowFrame").left(), frame.left(), 1);
    EXPECT_NEAR(rect("windowFrame").right(), home.left(), 1) << "the view takes the rest of the width";
    EXPECT_NEAR(rect("tabButtonRight").right(), frame.right() - 4, 1);
    EXPECT_GE(rect("yollarveisaretlerTab").left(), frame.right() - 1) << "the other tabs wait beside the edge";

    headlessgui::click(window("tabButtonRight"));
    frames(10);
    EXPECT_NEAR(rect("yollarveisaretlerTab").left(), home.left() + home.getWidth() / 2, 1);
    EXPECT_NEAR(rect("insanTab").left(), home.left() + home.getWidth() / 2, 1);
    frames(11);
    EXPECT_NEAR(rect("yollarveisaretlerTab").left(), home.left(), 1);
    EXPECT_GE(rect("insanTab").left(), frame.right() - 1);

    // Shrunk in the middle of a slide, the tabs go on from where they are at the new edge.
    headlessgui::click(window("tabButtonLeft"));
    frames(10);
    resize(1000, 700);
    frames(11);
    const CEGUI::Rectf shrunk = inside("TestWindowFrame");
    EXPECT_NEAR(rect("insanTab").right(), shrunk.right(), 1);
    EXPECT_GE(rect("yollarveisaretlerTab").left(), shrunk.right() - 1);

    editor->selection().select(addObject());
    frames(21);
    EXPECT_NEAR(rect("ozelliklerTab").right(), shrunk.right(), 1) << "the properties tab slid in at the edge";
}

TEST_F(LargerWindow, AWindowLeftOutsideByAShrinkComesBackWhole)
{
    editor->map().toggle();
    ASSERT_TRUE(editor->map().isOpen());
    // Dragged to the lower right of the large window.
    window("haritaWindow")->setPosition(CEGUI::UVector2(CEGUI::UDim(0, 1300), CEGUI::UDim(0, 560)));
    ASSERT_GT(rect("haritaWindow").right(), 1500);

    resize(800, 600);
    const CEGUI::Rectf frame = inside("TestWindowFrame");
    const CEGUI::Rectf map = rect("haritaWindow");
    EXPECT_LE(map.right(), frame.right() + 0.5f);
    EXPECT_LE(map.bottom(), frame.bottom() + 0.5f);
    EXPECT_GE(map.left(), frame.left() - 0.5f);
    EXPECT_GE(map.top(), frame.top() - 0.5f);
}

}  // namespace
