#include "app/CameraControls.h"

#include "platform/input/InputEvents.h"
#include "platform/input/InputReader.h"

#include <OgreCamera.h>

namespace {

// Mouse motion per pixel in degrees, and in units when panning.
const double lookPerPixel = 0.13;

}  // namespace

bool CameraControls::isCameraKey(const input::KeyEvent& key)
{
    using namespace input;
    switch (key.getKey()) {
    case KC_UP: case KC_DOWN: case KC_LEFT: case KC_RIGHT: case KC_PGUP: case KC_PGDOWN:
        return true;
    case KC_W: case KC_A: case KC_S: case KC_D:
        return !key.isCtrlDown();
    default:
        return false;
    }
}

void CameraControls::beginFrame(float seconds)
{
    if (seconds == 0) {
        moveScale = 1;
        rotateScale = 0.1f;
    } else {
        moveScale = moveSpeed * seconds;
        rotateScale = rotateSpeed * seconds;
    }
    yawAngle = 0;
    pitchAngle = 0;
    translation = Ogre::Vector3::ZERO;
}

void CameraControls::steer(const input::InputReader& keys)
{
    using namespace input;
    // With Ctrl held a letter is a shortcut, not a camera key.
    const bool chord = keys.modifiers() & CTRL_MASK;
    const auto letter = [&](KeyCode key) { return !chord && keys.isKeyDown(key); };
    if (letter(KC_A))
        translation.x = -moveScale;
    if (letter(KC_D))
        translation.x = moveScale;
    if (keys.isKeyDown(KC_UP) || letter(KC_W))
        translation.z = -moveScale;
    if (keys.isKeyDown(KC_DOWN) || letter(KC_S))
        translation.z = moveScale;
    if (keys.isKeyDown(KC_PGUP))
        translation.y = moveScale;
    if (keys.isKeyDown(KC_PGDOWN))
        translation.y = -moveScale;
    if (keys.isKeyDown(KC_RIGHT))
        camera.yaw(Ogre::Degree(-rotateScale));
    if (keys.isKeyDown(KC_LEFT))
        camera.yaw(Ogre::Degree(rotateScale));
}

void CameraControls::look(double pixelsX, double pixelsY, bool panning)
{
    if (panning) {
        translation.x += static_cast<float>(pixelsX * lookPerPixel);
        translation.y -= static_cast<float>(pixelsY * lookPerPixel);
    } else {
        yawAngle = Ogre::Degree(static_cast<float>(-pixelsX * lookPerPixel));
        pitchAngle = Ogre::Degree(static_cast<float>(-pixelsY * lookPerPixel));
    }
}

void CameraControls::endFrame()
{
    camera.yaw(yawAngle);
    camera.pitch(pitchAngle);
    camera.moveRelative(translation);
}

void CameraControls::turnByDrag(float relativeX, float relativeY)
{
    camera.yaw(Ogre::Radian(-(rotateSpeed * relativeX) * 2 * Ogre::Math::fDeg2Rad));
    camera.pitch(Ogre::Radian(-(rotateSpeed * relativeY) * 2 * Ogre::Math::fDeg2Rad));
}
