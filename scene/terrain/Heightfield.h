#pragma once

#include <OgreRay.h>
#include <OgreVector.h>

#include <cstddef>
#include <optional>
#include <vector>

// A square grid of height samples spread over a rectangle centred on the world
// origin. Column c lies at x = -worldX/2 + c * worldX / (size - 1); row r at
// z = -worldZ/2 + r * worldZ / (size - 1). Between the samples the surface is
// the bilinear interpolation of the four corners of a cell, and ray hits are
// exact against that same surface, so a ray straight down meets heightAt().
class Heightfield {
public:
    // heights: size * size values in world units, row by row. Throws an
    // Ogre::Exception when the sizes do not fit or an extent is not positive.
    Heightfield(std::size_t size, float worldX, float worldZ, std::vector<float> heights);

    struct Hit {
        Ogre::Vector3 point;
        Ogre::Real distance;  // along the ray, in units of its direction's length
    };

    std::size_t size() const { return samplesPerSide; }
    float worldX() const { return extentX; }
    float worldZ() const { return extentZ; }
    float minHeight() const { return lowest; }
    float maxHeight() const { return highest; }

    float sample(std::size_t column, std::size_t row) const { return heights[row * samplesPerSide + column]; }
    Ogre::Vector3 vertex(std::size_t column, std::size_t row) const;
    Ogre::Vector3 normal(std::size_t column, std::size_t row) const;

    // Empty outside the covered rectangle.
    std::optional<float> heightAt(float x, float z) const;

    // The highest point of the surface over a convex polygon, its corners given
    // in order around it as (x, z); empty where the polygon is off the surface.
    std::optional<float> highestUnder(const std::vector<Ogre::Vector2>& polygon) const;

    // The nearest point at or after the ray's origin where it meets the surface.
    std::optional<Hit> intersect(const Ogre::Ray& ray) const;

private:
    struct Cell;
    std::optional<double> intersectCell(const Cell& cell, const Ogre::Ray& ray, double tEnter, double tExit) const;

    std::size_t samplesPerSide;
    float extentX;
    float extentZ;
    double spacingX;
    double spacingZ;
    std::vector<float> heights;
    float lowest;
    float highest;
};
