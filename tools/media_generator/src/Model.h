#pragma once

#include <OgreMatrix4.h>
#include <OgreVector.h>

#include <array>
#include <map>
#include <string>
#include <vector>

namespace media {

struct Vertex {
    Ogre::Vector3 position;
    Ogre::Vector3 normal;
    Ogre::Vector2 uv;
};

// Triangles that share one material; becomes one submesh. Triangles share
// their equal corners (same position, normal and texture coordinates), so
// each distinct vertex is transformed once when the part is drawn.
struct Part {
    std::string material;
    std::vector<Vertex> vertices;
    std::vector<uint32_t> indices;
    std::map<std::array<float, 8>, uint32_t> indexOf;  // of each vertex in vertices
};

// A low-poly model: a list of parts, built from primitives placed with transforms.
class Model {
public:
    // Models made while a Coarse lives have round primitives with fewer segments.
    class Coarse {
    public:
        explicit Coarse(float share);
        ~Coarse();
        Coarse(const Coarse&) = delete;
        Coarse& operator=(const Coarse&) = delete;
    };

    const std::vector<Part>& parts() const { return parts_; }
    Ogre::AxisAlignedBox bounds() const;
    size_t triangleCount() const;

    // Every primitive below is added to the part of `material` (created on first use), moved by
    // `place` (rotation, scale and translation; normals follow).

    // Axis-aligned box from `min` to `max` in local space; each face gets the whole 0..1 texture.
    void box(const std::string& material, const Ogre::Vector3& min, const Ogre::Vector3& max,
             const Ogre::Affine3& place = Ogre::Affine3::IDENTITY);
    // Frustum along local y from y0 (radius r0) to y1 (radius r1), closed; r1 = 0 makes a cone.
    void frustum(const std::string& material, float r0, float r1, float y0, float y1, int segments,
                 const Ogre::Affine3& place = Ogre::Affine3::IDENTITY);
    // Sphere of radius r at the local origin, smooth-shaded.
    void sphere(const std::string& material, float r, int rings, int segments,
                const Ogre::Affine3& place = Ogre::Affine3::IDENTITY);
    // Convex polygon (in local x/y, counter-clockwise seen from +z) extruded from z0 to z1.
    void prism(const std::string& material, const std::vector<Ogre::Vector2>& outline, float z0, float z1,
               const Ogre::Affine3& place = Ogre::Affine3::IDENTITY);
    // Every part of `other`, moved by `place`.
    void add(const Model& other, const Ogre::Affine3& place);
    // Box of square cross-section `thickness` running from a to b (frame tubes, rails).
    void beam(const std::string& material, const Ogre::Vector3& a, const Ogre::Vector3& b, float thickness);

private:
    Part& part(const std::string& material);
    void quad(Part& part, const Ogre::Vector3 (&corners)[4], const Ogre::Affine3& place);
    void triangle(Part& part, const Vertex (&v)[3], const Ogre::Affine3& place);

    std::vector<Part> parts_;
};

// Transform helpers for placing primitives.
Ogre::Affine3 translation(float x, float y, float z);
Ogre::Affine3 rotationX(float degrees);
Ogre::Affine3 rotationY(float degrees);
Ogre::Affine3 rotationZ(float degrees);

// Regular polygon outline with `sides` corners on a circle of radius r, first corner at `startDegrees`.
std::vector<Ogre::Vector2> regularPolygon(int sides, float r, float startDegrees);

}  // namespace media
