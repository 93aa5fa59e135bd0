#include "document/ProblemCheck.h"

#include "document/GroundGrid.h"
#include "document/Translation.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kindCount = static_cast<int>(ProblemKind::SameSpot) + 1;

bool isBlank(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
    });
}

bool sharesGround(const GroundBox& a, const GroundBox& b)
{
    return std::max(a.minX, b.minX) < std::min(a.maxX, b.maxX) && std::max(a.minZ, b.minZ) < std::min(a.maxZ, b.maxZ);
}

bool standTogether(const Item& a, const Item& b)
{
    const double dx = static_cast<double>(a.x) - b.x, dz = static_cast<double>(a.z) - b.z;
    return a.mesh == b.mesh && dx * dx + dz * dz <= static_cast<double>(sameSpotDistance) * sameSpotDistance;
}

// The problems found so far, as one bit per kind for each item.
class Findings {
public:
    explicit Findings(std::size_t count) : kinds(count, 0) {}
    void add(std::size_t index, ProblemKind kind) { kinds[index] |= std::uint8_t(1u << static_cast<int>(kind)); }
    std::vector<ProblemRow> rows(const std::vector<Item>& items) const
    {
        std::vector<ProblemRow> rows;
        for (std::size_t i = 0; i < items.size(); ++i)
            for (int kind = 0; kind < kindCount; ++kind)
                if (kinds[i] >> kind & 1u)
                    rows.push_back({items[i].id, i, static_cast<ProblemKind>(kind)});
        return rows;
    }

private:
    std::vector<std::uint8_t> kinds;
};

void checkMessage(const Item& area, std::size_t index, Findings& findings)
{
    if (!area.message || isBlank(area.message->text)) {
        findings.add(index, ProblemKind::NoMessage);
        return;
    }
    const auto& questions = area.message->questions;
    if (area.message->hasQuestions && std::any_of(questions.begin(), questions.end(), isBlank))
        findings.add(index, ProblemKind::EmptyQuestion);
}

// Marks both of every two items (given by index) that the grid finds near and close says are together.
template <typename Close>
void markPairs(const std::vector<std::size_t>& indices, std::vector<GroundBox> boxes, ProblemKind kind,
               Findings& findings, Close close)
{
    GroundGrid(std::move(boxes)).eachMeetingPair([&](std::size_t a, std::size_t b) {
        if (close(a, b)) {
            findings.add(indices[a], kind);
            findings.add(indices[b], kind);
        }
    });
}

}  // namespace

const char* problemText(ProblemKind kind)
{
    switch (kind) {
    case ProblemKind::NoMessage: return tr("Mesaji yok");
    case ProblemKind::EmptyQuestion: return tr("Bos soru");
    case ProblemKind::OverlapsArea: return tr("Baska bir alanla ust uste");
    case ProblemKind::OutsideTerrain: return tr("Arazinin disinda");
    case ProblemKind::SameSpot: return tr("Ayni yerde iki nesne");
    }
    return "";
}

std::vector<ProblemRow> findProblems(const std::vector<Item>& items, const GroundBox& terrain)
{
    Findings findings(items.size());
    std::vector<std::size_t> areas, objects;
    std::vector<GroundBox> areaBoxes, objectBoxes;
    // A little more than half the distance around each object: float rounding
    // must not keep the grid from offering a pair at exactly that distance.
    const float reach = sameSpotDistance / 2 * 1.01f;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Item& item = items[i];
        const GroundBox box = groundBoxOf(item);
        if (!terrain.contains(box))
            findings.add(i, ProblemKind::OutsideTerrain);
        if (item.kind == ItemKind::Area) {
            checkMessage(item, i, findings);
            areas.push_back(i);
            areaBoxes.push_back(box);
        } else if (item.kind == ItemKind::Object) {
            objects.push_back(i);
            objectBoxes.push_back({item.x - reach, item.z - reach, item.x + reach, item.z + reach});
        }
    }
    markPairs(areas, std::move(areaBoxes), ProblemKind::OverlapsArea, findings,
              [&](std::size_t a, std::size_t b) { return sharesGround(groundBoxOf(items[areas[a]]), groundBoxOf(items[areas[b]])); });
    markPairs(objects, std::move(objectBoxes), ProblemKind::SameSpot, findings,
              [&](std::size_t a, std::size_t b) { return standTogether(items[objects[a]], items[objects[b]]); });
    return findings.rows(items);
}
