#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Ogre {
class RenderTarget;
class SceneManager;
class SceneNode;
}
class Document;
class SceneMirror;

// The picture of a view as the simplest drawing would give it: every item
// its own entity, placed where the mirror places it. The benchmark compares
// the editor's picture with it.
class ReferenceItems {
public:
    ReferenceItems(Ogre::SceneManager& sceneManager, const Document& document, const SceneMirror& mirror);
    ~ReferenceItems();
    ReferenceItems(const ReferenceItems&) = delete;
    ReferenceItems& operator=(const ReferenceItems&) = delete;

    // Draws the reference instead of the editor's items, or the other way round.
    void show(bool shown);

private:
    Ogre::SceneManager& sceneManager;
    const SceneMirror& mirror;
    Ogre::SceneNode* node;
};

// A picture as 8-bit RGB rows.
struct Picture {
    std::size_t width = 0, height = 0;
    std::vector<std::uint8_t> rgb;
};

Picture pictureOf(Ogre::RenderTarget& target);
void savePicture(const Picture& picture, const std::string& path);
// The pixels whose colours lie further apart than fuzz (a share of the full
// range) in red, green or blue, as `compare -metric AE -fuzz` counts them.
std::size_t differingPixels(const Picture& a, const Picture& b, double fuzz);
