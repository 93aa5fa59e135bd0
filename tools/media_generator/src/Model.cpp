#include "Model.h"

#include <OgreAxisAlignedBox.h>
#include <OgreMath.h>
#include <OgreMatrix3.h>
#include <OgreQuaternion.h>

#include <algorithm>
#include <cmath>

namespace media {

using Ogre::Vector2;
using Ogre::Vector3;

namespace {

// The share of their segments round primitives keep (see Model::Coarse).
float segmentShare = 1;

int fewer(int segments, int least) { return std::max(least, static_cast<int>(std::lround(segments * segmentShare))); }

Vector3 transformNormal(const Ogre::Affine3& place, const Vector3& n) {
    Ogre::Matrix3 linear = place.linear();
    return (linear.Inverse().Transpose() * n).normalisedCopy();
}

}  // namespace

Model::Coarse::Coarse(float share) { segmentShare = share; }

Model::Coarse::~Coarse() { segmentShare = 1; }

Part& Model::part(const std::string& material) {
    for (Part& p : parts_)
        if (p.material == material) return p;
    parts_.push_back(Part{material, {}, {}, {}});
    return parts_.back();
}

Ogre::AxisAlignedBox Model::bounds() const {
    Ogre::AxisAlignedBox box;
    for (const Part& p : parts_)
        for (const Vertex& v : p.vertices) box.merge(v.position);
    return box;
}

size_t Model::triangleCount() const {
    size_t n = 0;
    for (const Part& p : parts_) n += p.indices.size() / 3;
    return n;
}

void Model::triangle(Part& part, const Vertex (&v)[3], const Ogre::Affine3& place) {
    uint32_t corners[3];
    for (int i = 0; i < 3; ++i) {
        const Vertex placed{place * v[i].position, transformNormal(place, v[i].normal), v[i].uv};
        const std::array<float, 8> key{placed.position.x, placed.position.y, placed.position.z, placed.normal.x,
                                       placed.normal.y,   placed.normal.z,   placed.uv.x,       placed.uv.y};
        const auto [at, added] = part.indexOf.emplace(key, static_cast<uint32_t>(part.vertices.size()));
        if (added) part.vertices.push_back(placed);
        corners[i] = at->second;
    }
    // A mirroring transform flips the winding; keep triangles facing outwards.
    bool mirrored = place.linear().Determinant() < 0;
    part.indices.insert(part.indices.end(),
                        {corners[0], mirrored ? corners[2] : corners[1], mirrored ? corners[1] : corners[2]});
}

void Model::quad(Part& part, const Vector3 (&c)[4], const Ogre::Affine3& place) {
    Vector3 normal = (c[1] - c[0]).crossProduct(c[2] - c[0]).normalisedCopy();
    const Vector2 uv[4] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
    triangle(part, {{c[0], normal, uv[0]}, {c[1], normal, uv[1]}, {c[2], normal, uv[2]}}, place);
    triangle(part, {{c[0], normal, uv[0]}, {c[2], normal, uv[2]}, {c[3], normal, uv[3]}}, place);
}

void Model::box(const std::string& material, const Vector3& a, const Vector3& b, const Ogre::Affine3& place) {
    Part& p = part(material);
    // Corners listed counter-clockwise seen from outside, starting bottom left of the face.
    quad(p, {{a.x, a.y, b.z}, {b.x, a.y, b.z}, {b.x, b.y, b.z}, {a.x, b.y, b.z}}, place);  // +z
    quad(p, {{b.x, a.y, a.z}, {a.x, a.y, a.z}, {a.x, b.y, a.z}, {b.x, b.y, a.z}}, place);  // -z
    quad(p, {{b.x, a.y, b.z}, {b.x, a.y, a.z}, {b.x, b.y, a.z}, {b.x, b.y, b.z}}, place);  // +x
    quad(p, {{a.x, a.y, a.z}, {a.x, a.y, b.z}, {a.x, b.y, b.z}, {a.x, b.y, a.z}}, place);  // -x
    quad(p, {{a.x, b.y, b.z}, {b.x, b.y, b.z}, {b.x, b.y, a.z}, {a.x, b.y, a.z}}, place);  // +y
    quad(p, {{a.x, a.y, a.z}, {b.x, a.y, a.z}, {b.x, a.y, b.z}, {a.x, a.y, b.z}}, place);  // -y
}

void Model::frustum(const std::string& material, float r0, float r1, float y0, float y1, int segments,
                    const Ogre::Affine3& place) {
    Part& p = part(material);
    segments = fewer(segments, 4);
    const Vector3 bottomCentre(0, y0, 0), topCentre(0, y1, 0);
    for (int i = 0; i < segments; ++i) {
        float a0 = Ogre::Math::TWO_PI * i / segments, a1 = Ogre::Math::TWO_PI * (i + 1) / segments;
        Vector3 d0(std::sin(a0), 0, std::cos(a0)), d1(std::sin(a1), 0, std::cos(a1));
        Vector3 b0 = bottomCentre + d0 * r0, b1 = bottomCentre + d1 * r0;
        Vector3 t0 = topCentre + d0 * r1, t1 = topCentre + d1 * r1;
        // Side: flat normal of the slanted face.
        Vector3 mid = (d0 + d1).normalisedCopy();
        Vector3 side = (mid * (y1 - y0) + Vector3(0, r0 - r1, 0)).normalisedCopy();
        float u0 = float(i) / segments, u1 = float(i + 1) / segments;
        triangle(p, {{b0, side, {u0, 1}}, {b1, side, {u1, 1}}, {t1, side, {u1, 0}}}, place);
        if (r1 > 0) triangle(p, {{b0, side, {u0, 1}}, {t1, side, {u1, 0}}, {t0, side, {u0, 0}}}, place);
        triangle(p, {{bottomCentre, Vector3::NEGATIVE_UNIT_Y, {0.5f, 0.5f}}, {b1, Vector3::NEGATIVE_UNIT_Y, {0, 0}},
                     {b0, Vector3::NEGATIVE_UNIT_Y, {1, 0}}},
                 place);
        if (r1 > 0)
            triangle(p, {{topCentre, Vector3::UNIT_Y, {0.5f, 0.5f}}, {t0, Vector3::UNIT_Y, {0, 0}},
                         {t1, Vector3::UNIT_Y, {1, 0}}},
                     place);
    }
}

void Model::sphere(const std::string& material, float r, int rings, int segments, const Ogre::Affine3& place) {
    Part& p = part(material);
    rings = fewer(rings, 3);
    segments = fewer(segments, 4);
    auto point = [&](int ring, int segment) {
        float polar = Ogre::Math::PI * ring / rings, azimuth = Ogre::Math::TWO_PI * segment / segments;
        Vector3 n(std::sin(polar) * std::sin(azimuth), std::cos(polar), std::sin(polar) * std::cos(azimuth));
        return Vertex{n * r, n, {float(segment) / segments, float(ring) / rings}};
    };
    for (int ring = 0; ring < rings; ++ring) {
        for (int s = 0; s < segments; ++s) {
            Vertex a = point(ring, s), b = point(ring + 1, s), c = point(ring + 1, s + 1), d = point(ring, s + 1);
            if (ring > 0) triangle(p, {a, b, d}, place);
            if (ring < rings - 1) triangle(p, {d, b, c}, place);
        }
    }
}

void Model::prism(const std::string& material, const std::vector<Vector2>& outline, float z0, float z1,
                  const Ogre::Affine3& place) {
    Part& p = part(material);
    Ogre::Real minX = outline[0].x, maxX = minX, minY = outline[0].y, maxY = minY;
    for (const Vector2& v : outline) {
        minX = std::min(minX, v.x), maxX = std::max(maxX, v.x);
        minY = std::min(minY, v.y), maxY = std::max(maxY, v.y);
    }
    auto uv = [&](const Vector2& v) { return Vector2((v.x - minX) / (maxX - minX), (maxY - v.y) / (maxY - minY)); };
    const size_t n = outline.size();
    for (size_t i = 1; i + 1 < n; ++i) {
        const Vector2 &a = outline[0], &b = outline[i], &c = outline[i + 1];
        triangle(p, {{{a.x, a.y, z1}, Vector3::UNIT_Z, uv(a)}, {{b.x, b.y, z1}, Vector3::UNIT_Z, uv(b)},
                     {{c.x, c.y, z1}, Vector3::UNIT_Z, uv(c)}},
                 place);
        Vector2 ma(1 - uv(a).x, uv(a).y), mb(1 - uv(b).x, uv(b).y), mc(1 - uv(c).x, uv(c).y);
        triangle(p, {{{a.x, a.y, z0}, Vector3::NEGATIVE_UNIT_Z, ma}, {{c.x, c.y, z0}, Vector3::NEGATIVE_UNIT_Z, mc},
                     {{b.x, b.y, z0}, Vector3::NEGATIVE_UNIT_Z, mb}},
                 place);
    }
    for (size_t i = 0; i < n; ++i) {
        const Vector2 &a = outline[i], &b = outline[(i + 1) % n];
        quad(p, {{a.x, a.y, z1}, {a.x, a.y, z0}, {b.x, b.y, z0}, {b.x, b.y, z1}}, place);
    }
}

void Model::beam(const std::string& material, const Vector3& a, const Vector3& b, float thickness) {
    Vector3 along = b - a;
    float length = along.length();
    Ogre::Quaternion turn = Vector3::UNIT_Y.getRotationTo(along / length);
    Ogre::Affine3 place(a, turn);
    float h = thickness / 2;
    box(material, {-h, 0, -h}, {h, length, h}, place);
}

void Model::add(const Model& other, const Ogre::Affine3& place) {
    for (const Part& source : other.parts_) {
        Part& target = part(source.material);
        for (size_t i = 0; i + 2 < source.indices.size(); i += 3) {
            const Vertex v[3] = {source.vertices[source.indices[i]], source.vertices[source.indices[i + 1]],
                                   source.vertices[source.indices[i + 2]]};
            triangle(target, v, place);
        }
    }
}

Ogre::Affine3 translation(float x, float y, float z) { return Ogre::Affine3(Vector3(x, y, z), Ogre::Quaternion::IDENTITY); }

Ogre::Affine3 rotationX(float degrees) {
    return Ogre::Affine3(Vector3::ZERO, Ogre::Quaternion(Ogre::Degree(degrees), Vector3::UNIT_X));
}
Ogre::Affine3 rotationY(float degrees) {
    return Ogre::Affine3(Vector3::ZERO, Ogre::Quaternion(Ogre::Degree(degrees), Vector3::UNIT_Y));
}
Ogre::Affine3 rotationZ(float degrees) {
    return Ogre::Affine3(Vector3::ZERO, Ogre::Quaternion(Ogre::Degree(degrees), Vector3::UNIT_Z));
}

std::vector<Vector2> regularPolygon(int sides, float r, float startDegrees) {
    std::vector<Vector2> outline;
    for (int i = 0; i < sides; ++i) {
        float a = Ogre::Math::DegreesToRadians(startDegrees) + Ogre::Math::TWO_PI * i / sides;
        outline.emplace_back(r * std::cos(a), r * std::sin(a));
    }
    return outline;
}

}  // namespace media
