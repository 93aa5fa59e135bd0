#pragma once

#include <OgreTexture.h>

namespace CEGUI {
class OgreRenderer;
class Window;
}
namespace Ogre { class Camera; }

// The camera view's picture: the editing camera draws into a texture of the
// picture widget's size in pixels, which the widget shows as it is. When the
// widget changes size (the window resized, the toolbox hidden, a test run),
// the texture and the camera's aspect ratio follow before the next picture,
// so the picture is neither stretched nor blurred.
class CameraPicture {
public:
    // Makes the texture and the image "cameraImageSet/cameraImage" over it.
    CameraPicture(CEGUI::OgreRenderer& renderer, Ogre::Camera& camera, CEGUI::Window& picture);
    ~CameraPicture();
    CameraPicture(const CameraPicture&) = delete;
    CameraPicture& operator=(const CameraPicture&) = delete;

    // Follows the widget's size when it changed.
    void fit();

private:
    void drawInto(int width, int height);

    CEGUI::OgreRenderer& renderer;
    Ogre::Camera& camera;
    CEGUI::Window& picture;
    Ogre::TexturePtr texture;
};
