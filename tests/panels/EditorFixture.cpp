#include "tests/panels/EditorFixture.h"

#include "gui/Notice.h"
#include "gui/WindowLookup.h"
#include "scene/terrain/TerrainSceneManager.h"
#include "filedialog/CommonFileDialog.h"
#include "panels/ObjectCatalog.h"
#include "panels/Panels.h"
#include "tests/support/HeadlessGui.h"
#include "tests/support/HeadlessOgre.h"
#include "tests/support/TestPaths.h"

#include <CEGUI/CEGUI.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <cstdlib>
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
    TerrainSceneManager& scene = makeScene();
    headlessgui::loadRootLayout("guiLayout800X600.layout");
    wireNoticeWindow();
    defineCameraViewImages();

    app = std::make_unique<EditorApplication>();
    session = &app->session;
    app->sceneManager = &scene;
    app->camera = scene.createCamera("PlayerCam");
    session->editing.mouseObjectNode = scene.getRootSceneNode()->createChildSceneNode("mouseObjectNode");
    listener = new EditorFrameListener(&scene, nullptr, app->camera, nullptr, nullptr, *session);
    app->frameListener = listener;

    using CEGUI::Event;
    using CEGUI::PushButton;
    window("acPopupItem")->subscribeEvent(PushButton::EventClicked,
                                          Event::Subscriber(&EditorApplication::onOpenClicked, app.get()));
    window("kaydetPopupItem")->subscribeEvent(PushButton::EventClicked,
                                              Event::Subscriber(&EditorApplication::onSaveClicked, app.get()));
    window("yeniPopupItem")->subscribeEvent(PushButton::EventClicked,
                                            Event::Subscriber(&EditorApplication::onNewClicked, app.get()));
    window("cikisPopupItem")->subscribeEvent(PushButton::EventClicked,
                                             Event::Subscriber(&EditorApplication::onExitClicked, app.get()));
    CEGUI::Window* dialog = CommonFileDialog::getSingleton()->getRootWindow();
    window("DemoLayout")->addChild(dialog);
    dialog->subscribeEvent(CEGUI::Window::EventHidden,
                           Event::Subscriber(&EditorApplication::onFileDialogHidden, app.get()));
    disableEditingPanels();
    closeMenuPopups();
    window("mesajWindow")->setVisible(false);
    app->layoutToolboxTabs();
    forgetCatalogPictures();
    app->loadObjectCatalog();
    app->wireMenuBar();
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

void EditorFixture::TearDown()
{
    app.reset();
    // The dialog's windows go with the interface they were added to.
    CommonFileDialog::destroySingleton();
    headlessgui::resetRoot();
}

void EditorFixture::frames(int count)
{
    for (int i = 0; i < count; ++i)
        animatePanels(*session);
}

float EditorFixture::relativeX(const std::string& windowName)
{
    const CEGUI::Window* w = window(windowName);
    return w->getXPosition().d_scale + w->getXPosition().d_offset / w->getParentPixelSize().d_width;
}

Ogre::SceneNode* EditorFixture::addNode()
{
    const int n = session->editing.nameCounter++;
    return app->sceneManager->getRootSceneNode()->createChildSceneNode("Human" + std::to_string(n) + "Node");
}

Ogre::SceneNode* EditorFixture::addObject()
{
    auto* record = new ObjectRecord;
    record->node = addNode();
    record->nodeName = record->node->getName();
    record->meshName = "kup.mesh";
    record->typeName = "human";
    session->registry.addObject(record);
    return record->node;
}

AreaRecord& EditorFixture::addArea()
{
    auto* record = new AreaRecord;
    record->node = addNode();
    record->nodeName = record->node->getName();
    record->meshName = "kup.mesh";
    record->typeName = "bluearea";
    session->registry.addArea(record);
    return *record;
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
