#include "tests/support/EditorFixture.h"

#include "document/Commands.h"
#include "gui/Notice.h"
#include "gui/WindowLookup.h"
#include "panels/ObjectCatalog.h"
#include "scene/terrain/TerrainSceneManager.h"
#include "tests/support/HeadlessGui.h"
#include "tests/support/HeadlessOgre.h"
#include "tests/support/TestPaths.h"

#include <CEGUI/CEGUI.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <unistd.h>

namespace {

// Images that the editor's start-up makes from the engine's textures.
void defineCameraViewImages()
{
    auto& images = CEGUI::ImageManager::getSingleton();
    for (const char* name : {"blankImageSet/blankImage", "cameraImageSet/cameraImage"})
        if (!images.isDefined(name))
            images.create("BasicImage", name);
}

// The catalog pictures live as long as the widget system; every start-up of a
// test makes them anew.
void forgetCatalogPictures()
{
    auto& images = CEGUI::ImageManager::getSingleton();
    CEGUI::Renderer* renderer = CEGUI::System::getSingleton().getRenderer();
    for (const CatalogEntry& entry : readObjectCatalog("objects.txt").entries) {
        const CEGUI::String set = entry.name + "ImageSet";
        if (images.isDefined(set + "/" + entry.name + "Image"))
            images.destroy(set + "/" + entry.name + "Image");
        if (renderer->isTextureDefined(set))
            renderer->destroyTexture(set);
    }
}

}  // namespace

CEGUI::Window* window(const std::string& name)
{
    return getWindow(name);
}

void EditorFixture::SetUp()
{
    setenv("ALSOFT_DRIVERS", "null", 1);
    ASSERT_EQ(chdir(workDirectory().c_str()), 0) << workDirectory();
    scene = &makeScene();
    camera = scene->createCamera("PlayerCam");
    // Where the application puts it: items at the origin are in view.
    camera->setPosition(0, 0, 80);
    camera->lookAt(0, 0, -300);
    camera->setNearClipDistance(5);
    headlessgui::loadRootLayout("guiLayout800X600.layout");
    wireNoticeWindow();
    defineCameraViewImages();

    forgetCatalogPictures();
    editor = std::make_unique<Editor>(*scene, *camera, fileDialogStart());
    editor->wire();
    listener = std::make_unique<EditorFrameListener>(scene, nullptr, camera, camera, nullptr);
    editor->connect(*listener);
    hideNotice();
}

std::string EditorFixture::workDirectory() const
{
    return testpaths::workDir;
}

TerrainSceneManager& EditorFixture::makeScene()
{
    return headlessogre::freshScene();
}

TerrainSceneManager& EditorFixture::stagedTerrain()
{
    TerrainSceneManager* scene = headlessogre::sceneWithStagedTerrain();
    if (!scene)
        throw std::runtime_error("the editor's terrain.cfg has not been staged");
    return *scene;
}

void EditorFixture::TearDown()
{
    // As in the application: the editor's pieces go before the listener.
    editor.reset();
    listener.reset();
    // The file dialog's windows go with the interface the editor added them to.
    headlessgui::resetRoot();
}

bool EditorFixture::drawn(ItemId id) const
{
    std::vector<ItemId> items;
    editor->mirror().drawnFor(*camera, items);
    return std::find(items.begin(), items.end(), id) != items.end();
}

void EditorFixture::pressKey(input::KeyCode key, int modifiers)
{
    if (modifiers & input::CTRL_MASK)
        input.keyDown(input::KC_LCONTROL);
    if (modifiers & input::SHIFT_MASK)
        input.keyDown(input::KC_LSHIFT);
    input.keyDown(key);
    input.keyUp(key);
    input.keyUp(input::KC_LSHIFT);
    input.keyUp(input::KC_LCONTROL);
    listener->processEvents();
}

void EditorFixture::frames(int count)
{
    for (int i = 0; i < count; ++i)
        editor->frame(1.0f / 60);
}

void EditorFixture::startEditing()
{
    editor->mode().startScenario();
}

void EditorFixture::firstListenerFrame()
{
    Ogre::FrameEvent evt{0.016f, 0.016f};
    listener->frameStarted(evt);
}

float EditorFixture::relativeX(const std::string& windowName)
{
    const CEGUI::Window* w = window(windowName);
    // Positions count from the inside of the parent (a frame's inside, within its border).
    const float inside = w->getParent()->getChildContentArea(w->isNonClient()).get().getWidth();
    return w->getXPosition().d_scale + w->getXPosition().d_offset / inside;
}

ItemId EditorFixture::add(const Item& item)
{
    const std::string problem = editor->document().execute(std::make_unique<AddItem>(item));
    if (!problem.empty())
        throw std::runtime_error("the test item was not added: " + problem);
    return item.id;
}

const Item& EditorFixture::item(ItemId id) const
{
    const Item* found = editor->document().find(id);
    if (!found)
        throw std::runtime_error("no item " + std::to_string(id) + " in the document");
    return *found;
}

std::string EditorFixture::noticeText()
{
    CEGUI::Window* notice = findWindow("uyariWindow");
    if (!notice || !notice->isVisible())
        return "";
    return getWindow("uyariText")->getText().c_str();
}

void EditorFixture::hideNotice()
{
    if (CEGUI::Window* notice = findWindow("uyariWindow"))
        notice->setVisible(false);
}
