#include "IconRenderer.h"

#include "Materials.h"

#include <OgreAxisAlignedBox.h>
#include <OgreQuaternion.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace media {

using Ogre::Vector2;
using Ogre::Vector3;

namespace {

constexpr int supersampling = 4;
const Colour outlineColour{0.15f, 0.15f, 0.18f, 1};

struct ScreenVertex {
    Vector3 p;  // x, y in pixels (y down), z grows towards the viewer
    Vector2 uv;
};

float edge(const Vector3& a, const Vector3& b, float x, float y) { return (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x); }

class Canvas {
public:
    Canvas(int w, int h) : image(w, h, {1, 1, 1, 0}), depth(static_cast<size_t>(w) * h, -std::numeric_limits<float>::max()) {}

    template <typename Shade>
    void triangle(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c, Shade shade) {
        float area = edge(a.p, b.p, c.p.x, c.p.y);
        if (area >= 0) return;  // facing away (screen y points down, so front faces have negative area)
        int x0 = std::max(0, static_cast<int>(std::floor(std::min({a.p.x, b.p.x, c.p.x}))));
        int x1 = std::min(image.width() - 1, static_cast<int>(std::ceil(std::max({a.p.x, b.p.x, c.p.x}))));
        int y0 = std::max(0, static_cast<int>(std::floor(std::min({a.p.y, b.p.y, c.p.y}))));
        int y1 = std::min(image.height() - 1, static_cast<int>(std::ceil(std::max({a.p.y, b.p.y, c.p.y}))));
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                float px = x + 0.5f, py = y + 0.5f;
                float wa = edge(b.p, c.p, px, py) / area, wb = edge(c.p, a.p, px, py) / area;
                float wc = 1 - wa - wb;
                if (wa < 0 || wb < 0 || wc < 0) continue;
                float z = wa * a.p.z + wb * b.p.z + wc * c.p.z;
                float& stored = depth[static_cast<size_t>(y) * image.width() + x];
                if (z <= stored) continue;
                stored = z;
                image.at(x, y) = shade(a.uv * wa + b.uv * wb + c.uv * wc);
            }
        }
    }

    // Paints uncovered pixels next to covered ones, so light objects stand out on a light panel.
    void outline(int radius) {
        Image out = image;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.at(x, y).a > 0) continue;
                bool near = false;
                for (int dy = -radius; dy <= radius && !near; ++dy)
                    for (int dx = -radius; dx <= radius && !near; ++dx) {
                        int nx = x + dx, ny = y + dy;
                        near = nx >= 0 && ny >= 0 && nx < image.width() && ny < image.height() &&
                               dx * dx + dy * dy <= radius * radius && image.at(nx, ny).a > 0;
                    }
                if (near) out.at(x, y) = outlineColour;
            }
        }
        image = out;
    }

    Image image;
    std::vector<float> depth;
};

}  // namespace

Image IconRenderer::render(const Model& model, int width, int height) const {
    const Ogre::Quaternion view = Ogre::Quaternion(Ogre::Degree(24), Vector3::UNIT_X) *
                                  Ogre::Quaternion(Ogre::Degree(-32), Vector3::UNIT_Y);
    const Vector3 light = Vector3(-0.35f, 0.85f, 0.55f).normalisedCopy();

    // Fit the view-space bounds of all vertices into the picture, leaving room for the outline.
    Ogre::AxisAlignedBox bounds;
    for (const Part& part : model.parts())
        for (const Vertex& v : part.vertices) bounds.merge(view * v.position);
    const int w = width * supersampling, h = height * supersampling;
    const float margin = 2.0f * supersampling;
    Vector3 size = bounds.getSize();
    float scale = std::min((w - 2 * margin) / size.x, (h - 2 * margin) / size.y);
    Vector3 centre = bounds.getCenter();

    Canvas canvas(w, h);
    for (const Part& part : model.parts()) {
        const MaterialDef& material = findMaterial(part.material);
        const Image* texture = material.texture.empty() ? nullptr : &textures_.at(material.texture);
        for (size_t i = 0; i + 2 < part.indices.size(); i += 3) {
            ScreenVertex s[3];
            Vector3 normal = Vector3::ZERO;
            for (int k = 0; k < 3; ++k) {
                const Vertex& v = part.vertices[part.indices[i + k]];
                Vector3 p = view * v.position - centre;
                s[k] = {{w / 2.0f + p.x * scale, h / 2.0f - p.y * scale, p.z}, v.uv};
                normal += v.normal;
            }
            float brightness = material.shading == Shading::Glowing
                                   ? 1.0f
                                   : 0.55f + 0.55f * std::max(0.0f, normal.normalisedCopy().dotProduct(light));
            canvas.triangle(s[0], s[1], s[2], [&](const Vector2& uv) {
                Colour c = material.colour;
                if (texture) {
                    Colour t = texture->sample(uv.x, uv.y);
                    c = {c.r * t.r, c.g * t.g, c.b * t.b, 1};
                }
                c = scaled(c, brightness);
                c.a = 1;
                return c;
            });
        }
    }
    canvas.outline(supersampling);
    return canvas.image.downsampled(supersampling);
}

}  // namespace media
