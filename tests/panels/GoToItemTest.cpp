#include "tests/support/EditorFixture.h"

#include "scene/CameraPose.h"
#include "scene/SceneMirror.h"
#include "scene/terrain/Heightfield.h"
#include "tests/support/HeadlessGui.h"

#include <CEGUI/CEGUI.h>
#include <OgreCamera.h>

namespace {

// Home and "Secime Git" on the staged terrain.
class GoToItem : public EditorFixture {
protected:
    TerrainSceneManager& makeScene() override { return stagedTerrain(); }
    void SetUp() override
    {
        EditorFixture::SetUp();
        startEditing();
        camera->setPosition(-400, 200, 300);
        camera->setOrientation(Ogre::Quaternion(Ogre::Degree(40), Ogre::Vector3::UNIT_Y));
        headingBefore = heading();
    }

    float heading() const
    {
        const Ogre::Vector3 d = camera->getDirection();
        return Ogre::Radian(std::atan2(-d.x, -d.z)).valueDegrees();
    }
    float groundAt(float x, float z) const { return groundOf(*scene)->heightAt(x, z).value_or(-1000); }
    // The camera stands lookingDistance before the point, seen along its heading, and looks at it.
    void expectLookingAt(float x, float z) const
    {
        const Ogre::Vector3 at = camera->getPosition();
        EXPECT_NEAR(camerapose::lookingDistance, Ogre::Vector2(at.x - x, at.z - z).length(), 1e-2);
        EXPECT_NEAR(groundAt(at.x, at.z) + camerapose::clearance, at.y, 1e-2) << "the usual height";
        EXPECT_NEAR(headingBefore, heading(), 1e-2);
        const Ogre::Vector3 toPoint = (Ogre::Vector3(x, groundAt(x, z), z) - at).normalisedCopy();
        EXPECT_GT(toPoint.dotProduct(camera->getDirection()), 0.9999f);
    }

    float headingBefore = 0;
};

TEST_F(GoToItem, HomeLooksAtTheSelectedItemOrTheMiddleOfSeveral)
{
    const ItemId man = add(makeObject(editor->document().peekId(), "kup.mesh", 300, -200));
    const ItemId area = add(makeArea(editor->document().peekId(), "kup.mesh", 100, 100, 140, 120));
    editor->selection().select(man);
    pressKey(input::KC_HOME);
    expectLookingAt(300, -200);

    editor->selection().selectOnly({man, area});
    pressKey(input::KC_HOME);
    expectLookingAt(200, -40);  // the middle of the ground they cover together
}

TEST_F(GoToItem, WithNothingSelectedTheWholeScenarioIsSeenFromAbove)
{
    const std::vector<Ogre::Vector3> corners{{-600, 0, -500}, {650, 0, 400}, {0, 0, 0}};
    for (const Ogre::Vector3& corner : corners)
        add(makeObject(editor->document().peekId(), "kup.mesh", corner.x, corner.z));
    headlessgui::click(window("gorunum"));
    headlessgui::click(window("ortalaPopupItem"));
    EXPECT_FALSE(window("gorunumPopup")->isVisible());
    EXPECT_NEAR(camerapose::lowestPitch, camerapose::pitchOf(*camera), 1e-3);
    EXPECT_NEAR(headingBefore, heading(), 1e-2);
    for (const Ogre::Vector3& corner : corners)
        EXPECT_TRUE(camera->isVisible(Ogre::Vector3(corner.x, groundAt(corner.x, corner.z), corner.z)))
            << corner;
}

TEST_F(GoToItem, NotWhileAWindowHasTheEditor)
{
    editor->selection().select(add(makeObject(editor->document().peekId(), "kup.mesh", 300, -200)));
    editor->mode().begin(Activity::MessageEditor);
    const Ogre::Vector3 before = camera->getPosition();
    pressKey(input::KC_HOME);
    EXPECT_EQ(before, camera->getPosition());
}

}  // namespace
