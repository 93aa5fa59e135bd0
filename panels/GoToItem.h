#pragma once

#include "document/Item.h"
#include "document/ItemGround.h"
#include "panels/KeyChord.h"

namespace input { class KeyEvent; }
namespace Ogre {
class Camera;
class SceneManager;
}
class Document;
class EditorMode;
class Selection;

// Brings the camera to what the user wants to see: Home and Gorunum > "Secime
// Git" look at the selection (one item, or the middle of several) from a few
// steps before it, keeping the heading; with nothing selected the camera looks
// down on the whole scenario (on the whole terrain while it is empty). The
// overview windows go to single items and places through it.
class GoToItem {
public:
    struct Parts {
        const Document& document;
        Selection& selection;
        const EditorMode& mode;
        Ogre::Camera& camera;
        const Ogre::SceneManager& scene;
    };

    explicit GoToItem(Parts parts) : parts(parts) {}
    // Connects "ortalaPopupItem".
    void wire();
    static constexpr KeyChord goKey{input::KC_HOME};

    // Home; true when used up.
    bool handleKey(const input::KeyEvent& key);

    void goToSelection();
    // Selects the item alone and, with lookAtIt, looks at it.
    void select(ItemId id, bool lookAtIt);
    // The camera over the ground point, at its height above the terrain, looking as before.
    void moveOver(GroundPoint point);

private:
    void lookAtItem(const Item& item);

    Parts parts;
};
