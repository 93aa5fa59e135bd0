#pragma once

#include <OgreVector.h>

#include <string>

struct Item;
namespace Ogre {
class Entity;
class SceneManager;
class SceneNode;
}

// The cursor object: what the next click would place, shown under the pointer
// on the node "mouseObjectNode" as the entity "mouseObjectEntity". It is never
// part of the document and picks do not see it.
class CursorPreview {
public:
    explicit CursorPreview(Ogre::SceneManager& sceneManager);
    ~CursorPreview();
    CursorPreview(const CursorPreview&) = delete;
    CursorPreview& operator=(const CursorPreview&) = delete;

    // Shows the mesh at full size (an object about to be placed).
    void showObject(const std::string& meshFile);
    // Shows the mesh collapsed at the anchor (the first point of an area or a road).
    void showAnchor(const std::string& meshFile, const Ogre::Vector2& anchor);
    // Puts the cursor object where the item would stand, in its shape.
    void place(const Item& item);
    // Takes the cursor object away.
    void remove();

    bool isShown() const { return entity != nullptr; }
    Ogre::SceneNode& node() const { return *cursorNode; }

private:
    void attach(const std::string& meshFile);

    Ogre::SceneManager& sceneManager;
    Ogre::SceneNode* cursorNode;
    Ogre::Entity* entity = nullptr;
};
