#include "Model.h"

#include <OgreAxisAlignedBox.h>

#include <gtest/gtest.h>

using media::Model;
using media::Part;
using Ogre::Vector3;

namespace {

// Every triangle's winding must agree with its stored normal and point away from `inside`.
void expectOutwardFacing(const Model& model, const Vector3& inside) {
    for (const Part& part : model.parts()) {
        for (size_t i = 0; i + 2 < part.indices.size(); i += 3) {
            const auto& a = part.vertices[part.indices[i]];
            const auto& b = part.vertices[part.indices[i + 1]];
            const auto& c = part.vertices[part.indices[i + 2]];
            Vector3 winding = (b.position - a.position).crossProduct(c.position - a.position);
            ASSERT_GT(winding.dotProduct(a.normal), 0) << "triangle " << i / 3 << " of " << part.material;
            Vector3 centre = (a.position + b.position + c.position) / 3;
            ASSERT_GT((centre - inside).dotProduct(a.normal), -1e-4) << "triangle " << i / 3;
        }
    }
}

}  // namespace

TEST(Model, BoxHasTwelveOutwardTrianglesAndExactBounds) {
    Model m;
    m.box("Model/White", {-1, 0, -2}, {3, 1, 2});
    EXPECT_EQ(m.triangleCount(), 12u);
    EXPECT_EQ(m.bounds().getMinimum(), Vector3(-1, 0, -2));
    EXPECT_EQ(m.bounds().getMaximum(), Vector3(3, 1, 2));
    expectOutwardFacing(m, {1, 0.5f, 0});
}

// Equal corners are shared: a box's faces meet at corners with different
// normals, so each face keeps its own four, and a sphere shares all of them.
TEST(Model, TrianglesShareTheirEqualCorners) {
    Model box, sphere;
    box.box("Model/White", {0, 0, 0}, {1, 1, 1});
    EXPECT_EQ(box.parts()[0].vertices.size(), 24u);
    sphere.sphere("Model/White", 1, 6, 10);
    // 5 rings of 11 (the seam's texture coordinates differ) and 10 + 10 at the poles.
    EXPECT_EQ(sphere.parts()[0].vertices.size(), 5u * 11 + 20);
    EXPECT_EQ(sphere.triangleCount(), 100u);
}

// The far versions of the models: round shapes with half the segments,
// boxes as they are.
TEST(Model, CoarseModelsHaveRoundShapesWithFewerSegments) {
    Model full, coarse;
    full.sphere("Model/White", 1, 6, 10);
    full.frustum("Model/White", 1, 1, 0, 2, 12);
    full.box("Model/Black", {2, 0, 0}, {3, 1, 1});
    {
        const Model::Coarse fewer(0.5f);
        coarse.sphere("Model/White", 1, 6, 10);
        coarse.frustum("Model/White", 1, 1, 0, 2, 12);
        coarse.box("Model/Black", {2, 0, 0}, {3, 1, 1});
    }
    EXPECT_EQ(coarse.triangleCount(), 3u * 5 * 2 - 2 * 5 + 6 * 4 + 12);
    EXPECT_LT(coarse.triangleCount(), full.triangleCount() / 2);
    ASSERT_EQ(coarse.parts().size(), full.parts().size());
    EXPECT_EQ(coarse.parts()[1].indices, full.parts()[1].indices);
    Model after;
    after.sphere("Model/White", 1, 6, 10);
    EXPECT_EQ(after.triangleCount(), 100u) << "full detail again once the coarse models are made";
}

TEST(Model, PartsGroupTrianglesByMaterial) {
    Model m;
    m.box("Model/White", {0, 0, 0}, {1, 1, 1});
    m.box("Model/Black", {2, 0, 0}, {3, 1, 1});
    m.box("Model/White", {4, 0, 0}, {5, 1, 1});
    ASSERT_EQ(m.parts().size(), 2u);
    EXPECT_EQ(m.parts()[0].material, "Model/White");
    EXPECT_EQ(m.parts()[0].indices.size(), 72u);
    EXPECT_EQ(m.parts()[1].indices.size(), 36u);
}

TEST(Model, RoundShapesFaceOutwards) {
    Model cylinder, cone, sphere, octagon;
    cylinder.frustum("Model/White", 1, 1, 0, 2, 12);
    cone.frustum("Model/White", 2, 0, 0, 3, 10);
    sphere.sphere("Model/White", 1.5f, 6, 10);
    octagon.prism("Model/White", media::regularPolygon(8, 1, 22.5f), -0.5f, 0.5f);
    expectOutwardFacing(cylinder, {0, 1, 0});
    expectOutwardFacing(cone, {0, 0.5f, 0});
    expectOutwardFacing(sphere, {0, 0, 0});
    expectOutwardFacing(octagon, {0, 0, 0});
    EXPECT_EQ(cone.triangleCount(), 20u);  // sides and base, no top
    EXPECT_NEAR(sphere.bounds().getMaximum().y, 1.5f, 1e-5);
}

TEST(Model, TransformsMoveShapesAndMirroringKeepsThemOutward) {
    Model moved;
    moved.box("Model/White", {-1, -1, -1}, {1, 1, 1}, media::translation(5, 0, 0) * media::rotationY(90));
    EXPECT_NEAR(moved.bounds().getCenter().x, 5, 1e-5);
    expectOutwardFacing(moved, {5, 0, 0});

    Model mirrored;
    mirrored.box("Model/White", {0, 0, 0}, {1, 1, 1},
                 Ogre::Affine3(Vector3::ZERO, Ogre::Quaternion::IDENTITY, Vector3(-1, 1, 1)));
    EXPECT_NEAR(mirrored.bounds().getMinimum().x, -1, 1e-5);
    expectOutwardFacing(mirrored, {-0.5f, 0.5f, 0.5f});
}

TEST(Model, BeamRunsBetweenItsEndPoints) {
    Model m;
    m.beam("Model/White", {0, 0, 0}, {4, 3, 0}, 0.2f);
    Ogre::AxisAlignedBox box = m.bounds();
    EXPECT_NEAR(box.getMinimum().x, -0.1f * 0.6f, 0.05f);
    EXPECT_NEAR(box.getMaximum().x, 4.06f, 0.05f);
    EXPECT_NEAR(box.getMaximum().y, 3.08f, 0.05f);
    expectOutwardFacing(m, {2, 1.5f, 0});
}

TEST(Model, AddingAModelScalesIt) {
    Model unit;
    unit.box("Model/White", {-1, -1, -1}, {1, 1, 1});
    Model scaled;
    scaled.add(unit, Ogre::Affine3(Vector3::ZERO, Ogre::Quaternion::IDENTITY, Vector3(2, 0.1f, 3)));
    EXPECT_EQ(scaled.triangleCount(), 12u);
    EXPECT_NEAR(scaled.bounds().getMaximum().x, 2, 1e-5);
    EXPECT_NEAR(scaled.bounds().getMaximum().y, 0.1f, 1e-5);
    EXPECT_NEAR(scaled.bounds().getMaximum().z, 3, 1e-5);
    expectOutwardFacing(scaled, {0, 0, 0});
}
