#pragma once

#include <OgreMath.h>
#include <OgreVector.h>

namespace Ogre { class Camera; }
namespace input {
class InputReader;
class KeyEvent;
}

// The camera's own controls. Over a frame the held keys and the mouse motion
// are gathered, then the camera moves and turns by them at once: W and S or Up
// and Down move it forward and back, A and D sideways, Page Up and Page Down up
// and down, Left and Right turn it; mouse motion looks around, or pans with the
// right button held. A right drag over the editor's view turns it at once.
class CameraControls {
public:
    explicit CameraControls(Ogre::Camera& camera) : camera(camera) {}

    // Whether the key moves or turns the camera. A letter with Ctrl is a shortcut.
    static bool isCameraKey(const input::KeyEvent& key);

    // A frame of seconds begins: nothing gathered yet. A frame without time
    // still steps one unit and a tenth of a degree.
    void beginFrame(float seconds);
    // The keys held now. Where two keys of one axis are held, the later row wins.
    void steer(const input::InputReader& keys);
    // Mouse motion in pixels: panning moves the camera sideways and up, else it looks around.
    void look(double pixelsX, double pixelsY, bool panning);
    // Moves and turns the camera by what the frame gathered.
    void endFrame();

    // A right drag by a fraction of the window: the camera turns at once.
    void turnByDrag(float relativeX, float relativeY);

private:
    Ogre::Camera& camera;
    float moveSpeed = 100;
    float rotateSpeed = 36;
    float moveScale = 0;
    float rotateScale = 0;
    Ogre::Vector3 translation = Ogre::Vector3::ZERO;
    Ogre::Radian yawAngle{0};
    Ogre::Radian pitchAngle{0};
};
