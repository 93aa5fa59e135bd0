#include "panels/MapWindow.h"

#include "document/Document.h"
#include "gui/WindowLookup.h"
#include "panels/GoToItem.h"
#include "panels/MainWindowNames.h"
#include "panels/FloatingWindow.h"
#include "panels/OverviewNames.h"
#include "platform/input/InputEvents.h"

#include <CEGUI/CEGUI.h>
#include <OgreCamera.h>

namespace {

using namespace overviewnames;

const int pictureSide = 256;
// The camera's mark: a square, and dots ahead of it along the view.
const float cameraMarkSize = 7;
const float viewMarkSize = 3;
const float viewMarkSteps[] = {7, 11, 15};
const char* const cameraMarkColour = "tl:FFFFFFFF tr:FFFFFFFF bl:FFFFFFFF br:FFFFFFFF";

CEGUI::Window* makeMark(CEGUI::Window& parent, const std::string& name, float size)
{
    CEGUI::Window* mark = CEGUI::WindowManager::getSingleton().createWindow("WindowsLook/Static", name);
    parent.addChild(mark);
    mark->setSize(CEGUI::USize(CEGUI::UDim(0, size), CEGUI::UDim(0, size)));
    mark->setProperty("BackgroundColours", cameraMarkColour);
    mark->setProperty("FrameEnabled", "true");
    mark->setMousePassThroughEnabled(true);
    return mark;
}

void placeMark(CEGUI::Window& mark, float u, float v, float size)
{
    mark.setPosition(CEGUI::UVector2(CEGUI::UDim(u, -size / 2), CEGUI::UDim(v, -size / 2)));
}

}  // namespace

MapWindow::MapWindow(Document& document, Selection& selection, GoToItem& goTo, const Ogre::Camera& camera,
                     std::function<std::optional<GroundBox>()> terrain)
    : document(document), selection(selection), goTo(goTo), camera(camera), terrain(std::move(terrain))
{
    document.addObserver(this);
    selection.addObserver(this);
}

MapWindow::~MapWindow() { document.removeObserver(this); }

void MapWindow::wire()
{
    map = std::make_unique<MapPicture>(pictureSide, terrain().value_or(centredTerrain(1500, 1500)));
    map->replaceAll(document.items());
    CEGUI::Window& picture = *getWindow(mapPicture);
    cameraMark = makeMark(picture, "kamera", cameraMarkSize);
    for (std::size_t i = 0; i < std::size(viewMarkSteps); ++i)
        viewMarks.push_back(makeMark(picture, "bakis" + std::to_string(i), viewMarkSize));
    wireFloatingWindow(mapWindow, mainnames::mapItem, [this] { toggle(); }, [this] { toggle(); });
    subscribeWindow(mapPicture, CEGUI::Window::EventMouseClick, [this](const CEGUI::EventArgs& args) {
        const auto& click = static_cast<const CEGUI::MouseEventArgs&>(args);
        if (click.button != CEGUI::LeftButton)
            return true;
        const CEGUI::Rectf area = getWindow(mapPicture)->getUnclippedOuterRect().get();
        clickedAt((click.position.d_x - area.left()) / area.getWidth(),
                  (click.position.d_y - area.top()) / area.getHeight());
        return true;
    });
}

void MapWindow::itemAdded(const Item& item)
{
    stale = true;
    if (map)
        map->add(item);
}

void MapWindow::itemChanged(const Item& before, const Item& after)
{
    stale = true;
    if (map)
        map->change(before, after);
}

void MapWindow::itemRemoved(const Item& item)
{
    stale = true;
    if (map)
        map->remove(item);
}

void MapWindow::allReplaced()
{
    stale = true;
    if (map)
        map->replaceAll(document.items());
}

bool MapWindow::isOpen() const { return getWindow(mapWindow)->isVisible(); }

void MapWindow::toggle()
{
    if (isOpen()) {
        getWindow(mapWindow)->setVisible(false);
        return;
    }
    bringUp(mapWindow);
    frame();
}

bool MapWindow::handleKey(const input::KeyEvent& key)
{
    if (key.getKey() != toggleKey.key || key.isCtrlDown())
        return false;
    toggle();
    return true;
}

void MapWindow::frame()
{
    if (!isOpen())
        return;
    if (stale)
        draw();
    placeCameraMark();
}

void MapWindow::draw()
{
    stale = false;
    map->draw(selection.items());
    if (presenter_)
        presenter_(*map);
}

void MapWindow::placeCameraMark()
{
    const Ogre::Vector3 at = camera.getPosition();
    const float u = map->columnOf(at.x) / pictureSide, v = map->rowOf(at.z) / pictureSide;
    placeMark(*cameraMark, u, v, cameraMarkSize);
    Ogre::Vector3 ahead = camera.getDirection();
    ahead.y = 0;
    const bool level = ahead.normalise() > 1e-4f;
    const float pixels = getWindow(mapPicture)->getPixelSize().d_width;
    for (std::size_t i = 0; i < viewMarks.size(); ++i) {
        viewMarks[i]->setVisible(level);
        const float step = viewMarkSteps[i] / pixels;
        placeMark(*viewMarks[i], u + ahead.x * step, v + ahead.z * step, viewMarkSize);
    }
}

void MapWindow::clickedAt(float u, float v)
{
    if (u < 0 || v < 0 || u > 1 || v > 1)
        return;
    goTo.moveOver(map->groundAt(u, v));
}
