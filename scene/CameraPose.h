#pragma once

#include "document/ItemGround.h"

#include <optional>

namespace Ogre { class Camera; }
class Heightfield;

// How the editing camera stands over the terrain and where it looks. It keeps
// its heading (its turn about the vertical) through all of these; its pitch
// stays within the limits. Without a terrain the ground is at height 0.
namespace camerapose {

// The pitch in degrees, positive looking up: from 80 down to 30 up.
inline constexpr float lowestPitch = -80;
inline constexpr float highestPitch = 30;
// The camera's usual height above the terrain under it, and the least.
inline constexpr float clearance = 5;
// How far from an item the camera stands to look at it.
inline constexpr float lookingDistance = 30;

// The camera's pitch in degrees.
float pitchOf(const Ogre::Camera& camera);
// Tilts the camera by degrees (positive up), stopping at the limits.
void tilt(Ogre::Camera& camera, float degrees);
// Lifts the camera to the clearance above the terrain when it is lower.
void keepAboveGround(Ogre::Camera& camera, const Heightfield* ground);
// Stands lookingDistance before the point, seen along the heading, at the
// clearance above the terrain, and looks at the point at the height given, or
// at the terrain's height there.
void lookAt(Ogre::Camera& camera, GroundPoint point, const Heightfield* ground,
            std::optional<float> height = std::nullopt);
// Looks steeply down on the box from a height at which all of it is in view.
void overlook(Ogre::Camera& camera, const GroundBox& box, const Heightfield* ground);
// Moves over the point at the same height above the terrain, looking as before.
void moveOver(Ogre::Camera& camera, GroundPoint point, const Heightfield* ground);

}  // namespace camerapose
