#include "tests/support/EditorFixture.h"

#include "scene/terrain/TerrainSceneManager.h"
#include "tests/support/HeadlessGui.h"

#include <CEGUI/CEGUI.h>
#include <OgreCamera.h>
#include <OgreFrameListener.h>
#include <OgreSceneNode.h>


using headlessgui::click;

namespace {

// A click at a point of a window given as fractions of its width and height.
void clickAt(CEGUI::Window* target, float x, float y)
{
    const CEGUI::Rectf& rect = target->getUnclippedOuterRect().get();
    headlessgui::advance(0.4f);
    headlessgui::context().injectMousePosition(rect.d_min.d_x + x * rect.getWidth(),
                                               rect.d_min.d_y + y * rect.getHeight());
    headlessgui::context().injectMouseButtonDown(CEGUI::LeftButton);
    headlessgui::context().injectMouseButtonUp(CEGUI::LeftButton);
    headlessgui::advance(0.4f);
}

// The user's way through the editor: New, an object from a tool tab, a blue
// area with a message of four questions, all with clicks on the staged terrain.
class EditingJourney : public EditorFixture {
protected:
    // The fixture's camera stands where the application puts it.
    TerrainSceneManager& makeScene() override { return stagedTerrain(); }

    void runFrames(int count)
    {
        Ogre::FrameEvent evt{0.016f, 0.016f};
        for (int i = 0; i < count; ++i) {
            listener->frameStarted(evt);
            // What rendering a frame does: the scene's bounds follow what moved.
            scene->getRootSceneNode()->_update(true, false);
        }
    }

    // Where a world point appears in the camera view, as fractions of the view.
    Ogre::Vector2 pictureSpot(const Ogre::Vector3& world) const
    {
        const Ogre::Vector3 device =
            camera->getProjectionMatrix() * (camera->getViewMatrix() * world);
        return {(device.x + 1) / 2, (1 - device.y) / 2};
    }

    void showTabOf(const char* windowName)
    {
        const char* const tabs[] = {"insanTab", "yollarveisaretlerTab", "araclarTab", "cevreTab", "ozelTab"};
        for (int tab = 1; tab <= 5; ++tab)
            if (window(windowName)->isAncestor(window(tabs[tab - 1])))
                while (editor->menuBar().currentToolTab() < tab) {
                    click(window("tabButtonRight"));
                    runFrames(21);
                }
    }
};

TEST_F(EditingJourney, NewPlaceAnObjectAndWriteAMessageOnABlueArea)
{
    click(window("dosya"));
    click(window("yeniPopupItem"));
    runFrames(21);

    click(window("adam"));
    clickAt(window("windowFrame"), 0.5f, 0.8f);
    ASSERT_EQ(editor->document().items().size(), 1u);
    EXPECT_EQ(editor->document().items()[0].kind, ItemKind::Object);
    EXPECT_EQ(editor->document().items()[0].mesh, "adam.mesh");
    runFrames(21);
    EXPECT_FALSE(window("mesajYaz")->isVisible());

    showTabOf("bluearea");
    click(window("bluearea"));
    clickAt(window("windowFrame"), 0.3f, 0.75f);
    clickAt(window("windowFrame"), 0.45f, 0.9f);
    ASSERT_EQ(editor->document().items().size(), 2u);
    const ItemId area = editor->document().items()[1].id;
    EXPECT_EQ(item(area).kind, ItemKind::Area);
    runFrames(1);

    const Ogre::Vector2 onArea = pictureSpot(editor->mirror().placement(area)->position);
    clickAt(window("windowFrame"), onArea.x, onArea.y);
    runFrames(21);
    ASSERT_EQ(editor->selection().selected(), area);
    ASSERT_TRUE(window("mesajYaz")->isEffectiveVisible());

    click(window("mesajYaz"));
    click(window("mesajIcerik"));
    headlessgui::typeText("Karşıdan karşıya nasıl geçilir?");
    const char* const answers[] = {"Koşarak", "Yaya geçidinden", "Işıkta beklemeden", "Arabaların arasından"};
    for (int k = 1; k <= 4; ++k) {
        click(window("soru" + std::to_string(k) + "Text"));
        headlessgui::typeText(answers[k - 1]);
    }
    click(window("soru2"));
    click(window("mesajEkle"));

    const std::optional<ScenarioMessage>& message = item(area).message;
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text, "Karşıdan karşıya nasıl geçilir?");
    EXPECT_TRUE(message->hasQuestions);
    EXPECT_EQ(message->answerIndex, 2);
    EXPECT_EQ(message->questions[1], "Yaya geçidinden");
    EXPECT_FALSE(window("mesajWindow")->isVisible());
    EXPECT_FALSE(listener->keysBuffered());
}

}  // namespace
