#include "tests/editor/ListenerFixture.h"

#include "tests/support/HeadlessGui.h"

#include <CEGUI/CEGUI.h>
#include <OgreCamera.h>

namespace {

const float displayWidth = 800;
const float displayHeight = 600;
const float viewWidth = 0.8f;

CEGUI::Window* addWindow(CEGUI::Window* parent, const std::string& type, const std::string& name)
{
    CEGUI::Window* window = CEGUI::WindowManager::getSingleton().createWindow(type, name);
    window->setSize(CEGUI::USize(CEGUI::UDim(0, 0), CEGUI::UDim(0, 0)));
    parent->addChild(window);
    return window;
}

}  // namespace

Ogre::Vector3 gridPoint(float x, float z)
{
    return {x < 0 ? x - 0.4f : x + 0.4f, 0, z < 0 ? z - 0.4f : z + 0.4f};
}

ListenerFixture::ListenerFixture()
{
    headlessgui::context();
    CEGUI::Window* root = CEGUI::WindowManager::getSingleton().createWindow("DefaultWindow", "editorRoot");
    root->setMousePassThroughEnabled(true);
    headlessgui::setRoot(root);
    view = addWindow(root, "DefaultWindow", "windowFrame");
    view->setSize(CEGUI::USize(CEGUI::UDim(viewWidth, 0), CEGUI::UDim(1, 0)));
    for (const char* name : {"xPosition", "yPosition", "mesajYaz", "tabButtonLeft", "tabButtonRight", "insanTab",
                             "yollarveisaretlerTab", "araclarTab", "cevreTab", "ozelTab", "ozelliklerTab",
                             "dosyaPopup", "duzenlePopup", "gorunumPopup", "yardimPopup", "hakkindaicerik",
                             "arackutusu"})
        addWindow(root, "DefaultWindow", name);
    listener = std::make_unique<EditorFrameListener>(scene.sceneManager, nullptr, scene.camera, nullptr, nullptr,
                                                     scene.session);
}

ListenerFixture::~ListenerFixture()
{
    listener.reset();
    headlessgui::resetRoot();
}

CEGUI::Vector2f ListenerFixture::screenPointOf(const Ogre::Vector3& world) const
{
    const Ogre::Vector2 relative = scene.project(world);
    return {relative.x * viewWidth * displayWidth, relative.y * displayHeight};
}

void ListenerFixture::clickAt(const Ogre::Vector3& world)
{
    scene.updateBounds();
    const Ogre::Vector2 at = scene.project(world);
    input::MouseEvent press(nullptr, 0, input::BUTTON0_MASK, 0, 0, at.x, at.y, 0, 1);
    listener->handleLeftPress(&press);
}

void ListenerFixture::rightClick()
{
    input::MouseEvent press(nullptr, 0, input::BUTTON1_MASK, 0, 0, 0.5f, 0.5f, 0, 1);
    listener->handleRightPress(&press);
}

Ogre::Vector3 ListenerFixture::groundBehind(const Ogre::Vector3& world) const
{
    const Ogre::Vector2 at = scene.project(world);
    const Ogre::Ray ray = scene.camera->getCameraToViewportRay(at.x, at.y);
    return ray.getPoint(ray.intersects(Ogre::Plane(Ogre::Vector3::UNIT_Y, 0)).second);
}

std::string ListenerFixture::windowText(const std::string& name) const
{
    return headlessgui::context().getRootWindow()->getChild(name)->getText().c_str();
}

void ListenerFixture::markArea(float x1, float z1, float x2, float z2)
{
    listener->beginAreaPlacement();
    clickAt(gridPoint(x1, z1));
    clickAt(gridPoint(x2, z2));
}
