#include "scene/CameraPose.h"

#include "scene/terrain/Heightfield.h"

#include <OgreCamera.h>

#include <algorithm>
#include <cmath>

namespace camerapose {

namespace {

float groundAt(const Heightfield* ground, float x, float z)
{
    return ground ? ground->heightAt(x, z).value_or(0.0f) : 0.0f;
}

// The heading as the angle about the vertical from looking along -z.
Ogre::Radian headingOf(const Ogre::Camera& camera)
{
    const Ogre::Vector3 direction = camera.getDirection();
    if (std::fabs(direction.x) < 1e-6f && std::fabs(direction.z) < 1e-6f) {
        // Looking straight up or down: the heading is where the top of the picture points.
        const Ogre::Vector3 up = camera.getUp() * (direction.y < 0 ? 1.0f : -1.0f);
        return Ogre::Math::ATan2(-up.x, -up.z);
    }
    return Ogre::Math::ATan2(-direction.x, -direction.z);
}

void aim(Ogre::Camera& camera, Ogre::Radian heading, float pitchDegrees)
{
    const float pitch = std::clamp(pitchDegrees, lowestPitch, highestPitch);
    camera.setOrientation(Ogre::Quaternion(heading, Ogre::Vector3::UNIT_Y) *
                          Ogre::Quaternion(Ogre::Degree(pitch), Ogre::Vector3::UNIT_X));
}

// The level direction of the heading.
Ogre::Vector3 forwardOf(Ogre::Radian heading)
{
    return {-Ogre::Math::Sin(heading), 0, -Ogre::Math::Cos(heading)};
}

}  // namespace

float pitchOf(const Ogre::Camera& camera)
{
    const float rise = std::clamp(camera.getDirection().y, -1.0f, 1.0f);
    return Ogre::Radian(std::asin(rise)).valueDegrees();
}

// A turn about the camera's own level axis, as far as the limits allow. It is
// turned every frame, by nothing when nothing tilts it, as it always was: the
// batched items' picture matches the entities' picture best that way.
void tilt(Ogre::Camera& camera, float degrees)
{
    const float now = pitchOf(camera);
    const float allowed = degrees == 0 ? 0 : std::clamp(now + degrees, lowestPitch, highestPitch) - now;
    camera.pitch(Ogre::Degree(allowed));
}

void keepAboveGround(Ogre::Camera& camera, const Heightfield* ground)
{
    if (!ground)
        return;
    const Ogre::Vector3 position = camera.getPosition();
    if (const std::optional<float> height = ground->heightAt(position.x, position.z)) {
        const float lowest = *height + clearance;
        if (lowest > position.y)
            camera.setPosition(position.x, lowest, position.z);
    }
}

void lookAt(Ogre::Camera& camera, GroundPoint point, const Heightfield* ground, std::optional<float> height)
{
    const Ogre::Radian heading = headingOf(camera);
    const Ogre::Vector3 target(point.x, height.value_or(groundAt(ground, point.x, point.z)), point.z);
    Ogre::Vector3 position = target - forwardOf(heading) * lookingDistance;
    position.y = groundAt(ground, position.x, position.z) + clearance;
    camera.setPosition(position);
    aim(camera, heading, Ogre::Radian(std::atan2(target.y - position.y, lookingDistance)).valueDegrees());
}

void overlook(Ogre::Camera& camera, const GroundBox& box, const Heightfield* ground)
{
    const Ogre::Radian heading = headingOf(camera);
    aim(camera, heading, lowestPitch);
    const GroundPoint centre = box.centre();
    // The box's circle fits within the narrower angle of the view, with a margin.
    const float radius = std::max(0.5f * std::hypot(box.maxX - box.minX, box.maxZ - box.minZ), lookingDistance);
    const Ogre::Radian halfHeight = camera.getFOVy() * 0.5f;
    const float aspect = camera.getAspectRatio();
    const Ogre::Radian halfNarrowest =
        aspect >= 1 ? halfHeight : Ogre::Math::ATan(Ogre::Math::Tan(halfHeight) * aspect);
    const float distance = 1.1f * radius / Ogre::Math::Sin(halfNarrowest);
    const Ogre::Vector3 target(centre.x, groundAt(ground, centre.x, centre.z), centre.z);
    camera.setPosition(target - camera.getDirection() * distance);
    keepAboveGround(camera, ground);
}

void moveOver(Ogre::Camera& camera, GroundPoint point, const Heightfield* ground)
{
    const Ogre::Vector3 from = camera.getPosition();
    const float above = from.y - groundAt(ground, from.x, from.z);
    camera.setPosition(point.x, groundAt(ground, point.x, point.z) + above, point.z);
    keepAboveGround(camera, ground);
}

}  // namespace camerapose
