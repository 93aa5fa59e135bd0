#include "tests/support/EditorFixture.h"

#include "scene/PlacementGeometry.h"
#include "tests/support/HeadlessGui.h"

#include <CEGUI/CEGUI.h>
#include <OgreFrameListener.h>

namespace {

// Clicks into the camera view on the staged terrain, without a display.
class CameraView : public EditingOnTerrain {
protected:
    // The screen pixel at fractions of the view's size.
    static CEGUI::Vector2f at(float x, float y)
    {
        const CEGUI::Rectf& rect = window("windowFrame")->getUnclippedOuterRect().get();
        return {rect.d_min.d_x + x * rect.getWidth(), rect.d_min.d_y + y * rect.getHeight()};
    }
    static void rightClickAt(const CEGUI::Vector2f& point)
    {
        CEGUI::GUIContext& context = headlessgui::context();
        headlessgui::advance(0.5f);
        context.injectMousePosition(point.d_x, point.d_y);
        context.injectMouseButtonDown(CEGUI::RightButton);
        context.injectMouseButtonUp(CEGUI::RightButton);
    }
};

TEST_F(CameraView, AClickPlacesWhereTheToolsSeeItsPositionInViewCoordinates)
{
    editor->tools().beginObjectPlacement("adam");
    const CEGUI::Vector2f pixel = at(0.3f, 0.8f);
    headlessgui::clickAt(pixel.d_x, pixel.d_y);

    ASSERT_EQ(editor->document().items().size(), 1u) << noticeText();
    const std::optional<Ogre::Vector3> ground = editor->picker().groundAt({0.3f, 0.8f});
    ASSERT_TRUE(ground);
    EXPECT_EQ(editor->document().items()[0].x, truncateToWhole(ground->x));
    EXPECT_EQ(editor->document().items()[0].z, truncateToWhole(ground->z));
}

TEST_F(CameraView, ARightClickCancelsAndPlacesNothing)
{
    editor->tools().beginAreaPlacement();
    headlessgui::clickAt(at(0.4f, 0.8f).d_x, at(0.4f, 0.8f).d_y);
    ASSERT_TRUE(editor->tools().hasAnchor());
    rightClickAt(at(0.6f, 0.9f));
    EXPECT_EQ(editor->tools().placing(), Placing::Nothing);
    EXPECT_TRUE(editor->document().items().empty());

    editor->selection().select(addObject());
    rightClickAt(at(0.5f, 0.5f));
    EXPECT_TRUE(editor->selection().empty());
}

TEST_F(CameraView, AClickClosesAnOpenPopup)
{
    headlessgui::click(window("duzenle"));
    ASSERT_TRUE(window("duzenlePopup")->isVisible());
    headlessgui::clickAt(at(0.2f, 0.9f).d_x, at(0.2f, 0.9f).d_y);
    EXPECT_FALSE(window("duzenlePopup")->isVisible());
}

TEST_F(CameraView, TheWheelOverThePictureMovesTheCameraAlongItsView)
{
    const Ogre::Vector3 before = camera->getPosition();
    input.moveTo(0.4f, 0.5f);
    input.wheel(1);
    listener->processEvents();
    EXPECT_TRUE(camera->getPosition().positionEquals(before + camera->getDirection() * 5, 1e-3f));
}

TEST_F(CameraView, AMiddleOrRightDragOverThePictureTurnsTheCamera)
{
    for (int button : {input::BUTTON2_MASK, input::BUTTON1_MASK}) {
        const Ogre::Quaternion before = camera->getOrientation();
        input.moveTo(0.4f, 0.5f);
        input.button(button, true);
        input.moveTo(0.45f, 0.5f);
        input.button(button, false);
        listener->processEvents();
        EXPECT_FALSE(before.equals(camera->getOrientation(), Ogre::Radian(1e-3f))) << button;
    }
}

using StartHint = EditorFixture;

TEST_F(StartHint, ShowsUntilThereIsAScenario)
{
    ASSERT_TRUE(window("baslamaIpucu")->isEffectiveVisible());
    EXPECT_EQ(window("baslamaIpucu")->getText(), "Baslamak icin Dosya > Yeni");
    EXPECT_TRUE(window("insanTab")->isDisabled()) << "the panels wait with it";
    headlessgui::click(window("dosya"));
    headlessgui::click(window("yeniPopupItem"));
    EXPECT_FALSE(window("baslamaIpucu")->isVisible());
    EXPECT_FALSE(window("insanTab")->isDisabled());
}

}  // namespace
