#include "scene/terrain/Heightfield.h"

#include <OgreException.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

// Narrows [tMin, tMax] to where origin + t * direction lies between lo and hi on one axis.
bool clipToSlab(double origin, double direction, double lo, double hi, double& tMin, double& tMax) {
    if (direction == 0) return origin >= lo && origin <= hi;
    double t1 = (lo - origin) / direction;
    double t2 = (hi - origin) / direction;
    if (t1 > t2) std::swap(t1, t2);
    tMin = std::max(tMin, t1);
    tMax = std::min(tMax, t2);
    return tMin <= tMax;
}

// Smallest root of a*s^2 + b*s + c in [-tolerance, length + tolerance].
std::optional<double> firstRoot(double a, double b, double c, double length) {
    if (c == 0) return 0.0;
    const double tolerance = 1e-7 * std::max(1.0, length);
    double roots[2];
    int count = 0;
    if (std::abs(a) <= 1e-12 * (std::abs(b) + std::abs(c) + 1)) {
        if (b != 0) roots[count++] = -c / b;
    } else {
        double discriminant = b * b - 4 * a * c;
        if (discriminant < 0 && discriminant > -1e-12 * b * b) discriminant = 0;
        if (discriminant >= 0) {
            const double q = -0.5 * (b + std::copysign(std::sqrt(discriminant), b));
            roots[count++] = q / a;
            if (q != 0) roots[count++] = c / q;
        }
    }
    std::optional<double> best;
    for (int i = 0; i < count; ++i) {
        if (roots[i] >= -tolerance && roots[i] <= length + tolerance && (!best || roots[i] < *best))
            best = roots[i];
    }
    if (best) best = std::clamp(*best, 0.0, std::max(length, 0.0));
    return best;
}

// Adds the fractions of the way from a to b at which a grid line start + k * spacing is crossed.
void addCrossings(double a, double b, double start, double spacing, std::size_t lines, std::vector<double>& cuts) {
    if (a == b) return;
    const double first = std::ceil((std::min(a, b) - start) / spacing);
    const double last = std::floor((std::max(a, b) - start) / spacing);
    for (double k = std::max(first, 0.0); k <= std::min(last, double(lines - 1)); ++k)
        cuts.push_back((start + k * spacing - a) / (b - a));
}

// Whether p lies in the convex polygon (on its edges included), whichever way round it goes.
bool insideConvex(const std::vector<Ogre::Vector2>& polygon, double x, double z) {
    bool anyLeft = false, anyRight = false;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Ogre::Vector2& a = polygon[i];
        const Ogre::Vector2& b = polygon[(i + 1) % polygon.size()];
        const double side = (double(b.x) - a.x) * (z - a.y) - (double(b.y) - a.y) * (x - a.x);
        anyLeft = anyLeft || side > 1e-9;
        anyRight = anyRight || side < -1e-9;
    }
    return !(anyLeft && anyRight);
}

}  // namespace

struct Heightfield::Cell {
    std::size_t column;
    std::size_t row;
};

Heightfield::Heightfield(std::size_t size, float worldX, float worldZ, std::vector<float> heightValues)
    : samplesPerSide(size), extentX(worldX), extentZ(worldZ), heights(std::move(heightValues)) {
    if (size < 2 || heights.size() != size * size)
        OGRE_EXCEPT(Ogre::Exception::ERR_INVALIDPARAMS, "A heightfield needs size x size samples, size >= 2",
                    "Heightfield");
    if (!(worldX > 0) || !(worldZ > 0))
        OGRE_EXCEPT(Ogre::Exception::ERR_INVALIDPARAMS, "A heightfield needs a positive extent", "Heightfield");
    if (!std::all_of(heights.begin(), heights.end(), [](float h) { return std::isfinite(h); }))
        OGRE_EXCEPT(Ogre::Exception::ERR_INVALIDPARAMS, "A heightfield sample is not a number", "Heightfield");
    spacingX = double(worldX) / double(size - 1);
    spacingZ = double(worldZ) / double(size - 1);
    const auto [low, high] = std::minmax_element(heights.begin(), heights.end());
    lowest = *low;
    highest = *high;
}

Ogre::Vector3 Heightfield::vertex(std::size_t column, std::size_t row) const {
    return Ogre::Vector3(float(-0.5 * extentX + column * spacingX), sample(column, row),
                         float(-0.5 * extentZ + row * spacingZ));
}

Ogre::Vector3 Heightfield::normal(std::size_t column, std::size_t row) const {
    const std::size_t left = column > 0 ? column - 1 : column;
    const std::size_t right = column + 1 < samplesPerSide ? column + 1 : column;
    const std::size_t before = row > 0 ? row - 1 : row;
    const std::size_t after = row + 1 < samplesPerSide ? row + 1 : row;
    const double slopeX = (sample(right, row) - sample(left, row)) / ((right - left) * spacingX);
    const double slopeZ = (sample(column, after) - sample(column, before)) / ((after - before) * spacingZ);
    return Ogre::Vector3(float(-slopeX), 1.0f, float(-slopeZ)).normalisedCopy();
}

std::optional<float> Heightfield::heightAt(float x, float z) const {
    const double last = double(samplesPerSide - 1);
    const double tolerance = 1e-6;
    const double gridX = (double(x) + 0.5 * extentX) / spacingX;
    const double gridZ = (double(z) + 0.5 * extentZ) / spacingZ;
    if (gridX < -tolerance || gridX > last + tolerance || gridZ < -tolerance || gridZ > last + tolerance)
        return std::nullopt;
    const std::size_t column = std::min<std::size_t>(std::size_t(std::max(0.0, std::floor(gridX))), samplesPerSide - 2);
    const std::size_t row = std::min<std::size_t>(std::size_t(std::max(0.0, std::floor(gridZ))), samplesPerSide - 2);
    const double u = std::clamp(gridX - double(column), 0.0, 1.0);
    const double v = std::clamp(gridZ - double(row), 0.0, 1.0);
    const double nearEdge = sample(column, row) * (1 - u) + sample(column + 1, row) * u;
    const double farEdge = sample(column, row + 1) * (1 - u) + sample(column + 1, row + 1) * u;
    return float(nearEdge * (1 - v) + farEdge * v);
}

// Inside a cell the surface is bilinear, a saddle or a plane: it has no peak
// there. So the highest point over the polygon is a sample inside it or lies on
// its edges, where between two grid lines the height is a quadratic, known
// exactly from three points.
std::optional<float> Heightfield::highestUnder(const std::vector<Ogre::Vector2>& polygon) const {
    std::optional<float> best;
    if (polygon.empty()) return best;
    const auto keep = [&best](float height) { best = best ? std::max(*best, height) : height; };
    const double startX = -0.5 * extentX, startZ = -0.5 * extentZ;
    std::vector<double> cuts;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Ogre::Vector2& a = polygon[i];
        const Ogre::Vector2& b = polygon[(i + 1) % polygon.size()];
        const auto heightAlong = [&](double t) {
            return heightAt(float(a.x + (b.x - a.x) * t), float(a.y + (b.y - a.y) * t));
        };
        cuts.assign({0.0, 1.0});
        addCrossings(a.x, b.x, startX, spacingX, samplesPerSide, cuts);
        addCrossings(a.y, b.y, startZ, spacingZ, samplesPerSide, cuts);
        std::sort(cuts.begin(), cuts.end());
        for (std::size_t j = 0; j + 1 < cuts.size(); ++j) {
            const double t0 = cuts[j], t1 = cuts[j + 1];
            const auto h0 = heightAlong(t0), hm = heightAlong((t0 + t1) / 2), h1 = heightAlong(t1);
            if (h0) keep(*h0);
            if (h1) keep(*h1);
            if (!h0 || !hm || !h1) continue;
            // h(s) = h0 + b s + a s^2 over s in [0, 1].
            const double curve = 2.0 * (*h0 - 2.0 * *hm + *h1);
            const double slope = (*h1 - *h0) - curve;
            if (curve < 0) {
                const double s = -slope / (2 * curve);
                if (s > 0 && s < 1) keep(float(*h0 + slope * s + curve * s * s));
            }
        }
    }
    float lowX = polygon.front().x, highX = lowX, lowZ = polygon.front().y, highZ = lowZ;
    for (const Ogre::Vector2& corner : polygon) {
        lowX = std::min(lowX, corner.x);
        highX = std::max(highX, corner.x);
        lowZ = std::min(lowZ, corner.y);
        highZ = std::max(highZ, corner.y);
    }
    const double last = double(samplesPerSide - 1);
    const auto firstLine = [last](double low, double start, double spacing) {
        return std::size_t(std::clamp(std::ceil((low - start) / spacing), 0.0, last + 1));
    };
    const auto lastLine = [last](double high, double start, double spacing) {
        return std::clamp(std::floor((high - start) / spacing), -1.0, last);
    };
    for (std::size_t row = firstLine(lowZ, startZ, spacingZ); double(row) <= lastLine(highZ, startZ, spacingZ); ++row)
        for (std::size_t column = firstLine(lowX, startX, spacingX); double(column) <= lastLine(highX, startX, spacingX);
             ++column)
            if (insideConvex(polygon, startX + column * spacingX, startZ + row * spacingZ)) keep(sample(column, row));
    return best;
}

// Along the ray inside one cell the bilinear height is quadratic in t and the
// ray's own height linear, so the crossing is the first root of a quadratic.
std::optional<double> Heightfield::intersectCell(const Cell& cell, const Ogre::Ray& ray, double tEnter,
                                                 double tExit) const {
    const Ogre::Vector3& o = ray.getOrigin();
    const Ogre::Vector3& d = ray.getDirection();
    const double px = o.x + d.x * tEnter;
    const double py = o.y + d.y * tEnter;
    const double pz = o.z + d.z * tEnter;
    const double u0 = (px - (-0.5 * extentX + cell.column * spacingX)) / spacingX;
    const double v0 = (pz - (-0.5 * extentZ + cell.row * spacingZ)) / spacingZ;
    const double du = d.x / spacingX;
    const double dv = d.z / spacingZ;

    const double h00 = sample(cell.column, cell.row);
    const double alongU = sample(cell.column + 1, cell.row) - h00;
    const double alongV = sample(cell.column, cell.row + 1) - h00;
    const double twist = h00 - sample(cell.column + 1, cell.row) - sample(cell.column, cell.row + 1) +
                         sample(cell.column + 1, cell.row + 1);

    const double a = -twist * du * dv;
    const double b = d.y - alongU * du - alongV * dv - twist * (u0 * dv + v0 * du);
    const double c = py - h00 - alongU * u0 - alongV * v0 - twist * u0 * v0;
    const auto s = firstRoot(a, b, c, tExit - tEnter);
    if (!s) return std::nullopt;
    return tEnter + *s;
}

// Walks the cells under the ray in order (a 2D DDA) and tests only those.
std::optional<Heightfield::Hit> Heightfield::intersect(const Ogre::Ray& ray) const {
    const Ogre::Vector3& o = ray.getOrigin();
    const Ogre::Vector3& d = ray.getDirection();
    if (d.isZeroLength()) return std::nullopt;

    double tMin = 0;
    double tMax = infinity;
    if (!clipToSlab(o.x, d.x, -0.5 * extentX, 0.5 * extentX, tMin, tMax) ||
        !clipToSlab(o.z, d.z, -0.5 * extentZ, 0.5 * extentZ, tMin, tMax) ||
        !clipToSlab(o.y, d.y, lowest, highest, tMin, tMax))
        return std::nullopt;

    const long lastCell = long(samplesPerSide) - 2;
    const auto cellIndex = [lastCell](double grid) { return std::clamp(long(std::floor(grid)), 0L, lastCell); };
    long column = cellIndex((o.x + d.x * tMin + 0.5 * extentX) / spacingX);
    long row = cellIndex((o.z + d.z * tMin + 0.5 * extentZ) / spacingZ);

    const long stepColumn = d.x > 0 ? 1 : -1;
    const long stepRow = d.z > 0 ? 1 : -1;
    const auto nextBoundary = [](double origin, double direction, double start, double spacing, long index) {
        if (direction == 0) return infinity;
        const double edge = start + (index + (direction > 0 ? 1 : 0)) * spacing;
        return (edge - origin) / direction;
    };
    double tNextX = nextBoundary(o.x, d.x, -0.5 * extentX, spacingX, column);
    double tNextZ = nextBoundary(o.z, d.z, -0.5 * extentZ, spacingZ, row);
    const double tDeltaX = d.x != 0 ? spacingX / std::abs(d.x) : infinity;
    const double tDeltaZ = d.z != 0 ? spacingZ / std::abs(d.z) : infinity;

    double tEnter = tMin;
    while (column >= 0 && column <= lastCell && row >= 0 && row <= lastCell) {
        const double tExit = std::min({tNextX, tNextZ, tMax});
        const Cell cell{std::size_t(column), std::size_t(row)};
        if (const auto t = intersectCell(cell, ray, tEnter, std::max(tEnter, tExit)))
            return Hit{ray.getPoint(Ogre::Real(*t)), Ogre::Real(*t)};
        if (tExit >= tMax) break;
        if (tNextX <= tNextZ) {
            column += stepColumn;
            tEnter = tNextX;
            tNextX += tDeltaX;
        } else {
            row += stepRow;
            tEnter = tNextZ;
            tNextZ += tDeltaZ;
        }
    }
    return std::nullopt;
}
