#pragma once

#include "document/DocumentObserver.h"
#include "editing/Selection.h"
#include "panels/KeyChord.h"
#include "scene/MapPicture.h"

#include <functional>
#include <memory>
#include <optional>

namespace input { class KeyEvent; }
namespace Ogre { class Camera; }
namespace CEGUI { class Window; }
class Document;
class GoToItem;

// Gorunum > "Harita" and the key M show or hide "haritaWindow": the whole
// terrain from above with every item as a mark and the camera as a mark with
// its view direction. A left click on the picture moves the camera there. The
// picture is drawn again in the frame after an edit, an undo, an Open or a
// change of the selection; a frame without one only moves the camera's mark.
class MapWindow : public DocumentObserver, public SelectionObserver {
public:
    // Shows the picture's pixels in "haritaResmi" (the application puts them
    // into a texture the widgets draw).
    using Presenter = std::function<void(const MapPicture&)>;

    // terrain: the ground the picture covers; none while there is no terrain.
    MapWindow(Document& document, Selection& selection, GoToItem& goTo, const Ogre::Camera& camera,
              std::function<std::optional<GroundBox>()> terrain);
    ~MapWindow() override;
    MapWindow(const MapWindow&) = delete;
    MapWindow& operator=(const MapWindow&) = delete;

    // Makes the picture and the camera's mark, hides the window and connects
    // the menu item, the close button and clicks on the picture.
    void wire();
    void present(Presenter presenter) { presenter_ = std::move(presenter); }
    MapPicture& picture() { return *map; }
    void toggle();
    bool isOpen() const;
    static constexpr KeyChord toggleKey{input::KC_M};

    // M; true when used up.
    bool handleKey(const input::KeyEvent& key);
    // Draws the picture again when something changed; places the camera's mark.
    void frame();

    void itemAdded(const Item& item) override;
    void itemChanged(const Item& before, const Item& after) override;
    void itemRemoved(const Item& item) override;
    void allReplaced() override;
    void selectionChanged(const std::vector<ItemId>&, SelectionChange) override { stale = true; }

private:
    void draw();
    void placeCameraMark();
    void clickedAt(float u, float v);

    Document& document;
    Selection& selection;
    GoToItem& goTo;
    const Ogre::Camera& camera;
    std::function<std::optional<GroundBox>()> terrain;
    std::unique_ptr<MapPicture> map;
    Presenter presenter_;
    CEGUI::Window* cameraMark = nullptr;
    std::vector<CEGUI::Window*> viewMarks;
    bool stale = true;
};
