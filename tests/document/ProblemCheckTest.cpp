#include "DocumentTestSupport.h"

#include "document/GroundGrid.h"
#include "document/ProblemCheck.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <utility>

using namespace testdoc;

namespace {

using Rows = std::vector<std::pair<ItemId, ProblemKind>>;
using Pairs = std::vector<std::pair<std::size_t, std::size_t>>;

Item area(ItemId id, float x1, float z1, float x2, float z2, const std::string& text = "Dur")
{
    Item item = makeArea(id, "kup.mesh", x1, z1, x2, z2);
    item.message = plainMessage(text);
    return item;
}

Rows rowsOf(const std::vector<Item>& items, const GroundBox& land = centredTerrain(1500, 1500))
{
    Rows rows;
    for (const ProblemRow& row : findProblems(items, land)) {
        EXPECT_EQ(items.at(row.index).id, row.item);
        rows.emplace_back(row.item, row.kind);
    }
    return rows;
}

std::size_t countOf(const Rows& rows, ProblemKind kind)
{
    return std::count_if(rows.begin(), rows.end(), [kind](const auto& row) { return row.second == kind; });
}

Rows each(std::vector<ItemId> ids, ProblemKind kind)
{
    Rows rows;
    for (ItemId id : ids)
        rows.emplace_back(id, kind);
    return rows;
}

}  // namespace

void PrintTo(ProblemKind kind, std::ostream* os) { *os << problemText(kind); }

TEST(ProblemCheck, MessagesAreMissingWhenAbsentOrBlankAndQuestionsOnlyWhenInUse)
{
    Item none = makeArea(0, "kup.mesh", 0, 0, 4, 4);
    Item blank = area(1, 10, 0, 14, 4, "  ");
    Item plainWithOldQuestions = area(2, 20, 0, 24, 4);
    plainWithOldQuestions.message->questions = {"Ne?", "", "", ""};  // kept from before, not in use
    Item quizBlankQuestion = area(3, 30, 0, 34, 4);
    quizBlankQuestion.message = quizMessage("Soru", {"Bir", "Iki", " ", "Dort"}, 1);
    Item quizComplete = area(4, 40, 0, 44, 4);
    quizComplete.message = quizMessage("Soru", {"Bir", "Iki", "Uc", "Dort"}, 4);
    Item quizWithoutText = area(5, 50, 0, 54, 4, "");
    quizWithoutText.message = quizMessage("", {"", "", "", ""}, 2);

    EXPECT_EQ(rowsOf({none, blank, plainWithOldQuestions, quizBlankQuestion, quizComplete, quizWithoutText,
                      makeObject(6, "adam.mesh", 0, 0), makeRoad(7, "yol.mesh", 0, 10, 40, 10)}),
              (Rows{{0, ProblemKind::NoMessage}, {1, ProblemKind::NoMessage}, {3, ProblemKind::EmptyQuestion},
                    {5, ProblemKind::NoMessage}}));
    EXPECT_STREQ(problemText(ProblemKind::NoMessage), "Mesaji yok");
    EXPECT_STREQ(problemText(ProblemKind::EmptyQuestion), "Bos soru");
}

TEST(ProblemCheck, AreasOverlapOnlyWhereTheyShareGroundOfSomeSize)
{
    // Side by side and corner to corner is how areas are laid out next to each other.
    EXPECT_EQ(rowsOf({area(0, 0, 0, 4, 4), area(1, 4, 0, 8, 4), area(2, 8, 4, 12, 8), area(3, 0, 4, 4, 8)}), Rows{});
    // A strip without width covers no ground, even inside another area.
    EXPECT_EQ(rowsOf({area(0, 0, 0, 10, 10), area(1, 5, 2, 5, 8)}), Rows{});

    // Corners in any order; one unit of common edge is enough; one inside another counts.
    EXPECT_EQ(rowsOf({area(0, 10, 10, 0, 0), area(1, 9, 9, 20, 20), area(2, 100, 100, 110, 110),
                      area(3, 102, 102, 104, 104)}),
              each({0, 1, 2, 3}, ProblemKind::OverlapsArea));
    // An area over three others has one row, like each of them; objects and roads on it do not count.
    EXPECT_EQ(rowsOf({makeObject(0, "adam.mesh", 5, 5), area(1, 0, 0, 30, 10), area(2, 1, 1, 3, 3),
                      area(3, 10, 1, 12, 3), makeRoad(4, "yol.mesh", 0, 5, 30, 5), area(5, 20, 1, 22, 3)}),
              each({1, 2, 3, 5}, ProblemKind::OverlapsArea));
    EXPECT_STREQ(problemText(ProblemKind::OverlapsArea), "Baska bir alanla ust uste");
}

TEST(ProblemCheck, ItemsLeavingTheTerrainAnywhereAreOutsideButItsEdgeIsOnIt)
{
    EXPECT_EQ(rowsOf({makeObject(0, "adam.mesh", 750, -750), makeObject(1, "adam.mesh", 750.5f, 0),
                      makeObject(2, "adam.mesh", 0, -751), area(3, 700, 700, 750, 750), area(4, 760, 0, 740, 10),
                      makeRoad(5, "yol.mesh", -750, 0, 0, 0), makeRoad(6, "yol.mesh", 0, 0, -800, 0),
                      makeObject(7, "adam.mesh", std::numeric_limits<float>::quiet_NaN(), 0)}),
              each({1, 2, 4, 6, 7}, ProblemKind::OutsideTerrain));
    // Another terrain size moves the edge.
    EXPECT_EQ(rowsOf({makeObject(0, "adam.mesh", 60, 0), makeObject(1, "adam.mesh", 40, 0)}, centredTerrain(100, 80)),
              each({0}, ProblemKind::OutsideTerrain));
    EXPECT_STREQ(problemText(ProblemKind::OutsideTerrain), "Arazinin disinda");
}

TEST(ProblemCheck, ObjectsOfOneMeshAtMostHalfAUnitApartStandTogether)
{
    EXPECT_EQ(rowsOf({makeObject(0, "adam.mesh", 10, 10), makeObject(1, "adam.mesh", 10, 10),
                      makeObject(2, "adam.mesh", 20, 20), makeObject(3, "adam.mesh", 20.3f, 20.4f),  // 0.5 apart
                      makeObject(4, "adam.mesh", 30, 30), makeObject(5, "adam.mesh", 30.36f, 30.36f),  // 0.51 apart
                      makeObject(6, "adam.mesh", 40, 40), makeObject(7, "kadin.mesh", 40, 40),
                      area(8, 49, 49, 51, 51), makeObject(9, "kup.mesh", 50, 50),
                      makeObject(10, "adam.mesh", -5, -5), makeObject(11, "adam.mesh", -5, -5),
                      makeObject(12, "adam.mesh", -5, -5)}),
              each({0, 1, 2, 3, 10, 11, 12}, ProblemKind::SameSpot));
    EXPECT_STREQ(problemText(ProblemKind::SameSpot), "Ayni yerde iki nesne");
}

TEST(ProblemCheck, RowsFollowTheItemsOrderThenTheKindOfProblem)
{
    Item farAreaWithoutMessage = makeArea(3, "kup.mesh", 800, 0, 820, 10);
    EXPECT_EQ(rowsOf({makeObject(9, "adam.mesh", 900, 0), makeObject(8, "adam.mesh", 900, 0), farAreaWithoutMessage,
                      area(1, 810, 5, 830, 20)}),
              (Rows{{9, ProblemKind::OutsideTerrain}, {9, ProblemKind::SameSpot}, {8, ProblemKind::OutsideTerrain},
                    {8, ProblemKind::SameSpot}, {3, ProblemKind::NoMessage}, {3, ProblemKind::OverlapsArea},
                    {3, ProblemKind::OutsideTerrain}, {1, ProblemKind::OverlapsArea}, {1, ProblemKind::OutsideTerrain}}));
}

namespace {

// What the grid must find, by comparing every box with every other.
Pairs meetingByAllPairs(const std::vector<GroundBox>& boxes)
{
    const auto fine = [](const GroundBox& b) { return b.minX <= b.maxX && b.minZ <= b.maxZ; };
    Pairs pairs;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            if (fine(boxes[i]) && fine(boxes[j]) && boxes[i].minX <= boxes[j].maxX && boxes[j].minX <= boxes[i].maxX
                && boxes[i].minZ <= boxes[j].maxZ && boxes[j].minZ <= boxes[i].maxZ)
                pairs.emplace_back(i, j);
    return pairs;
}

Pairs meetingByGrid(const std::vector<GroundBox>& boxes)
{
    Pairs pairs;
    GroundGrid(boxes).eachMeetingPair([&](std::size_t i, std::size_t j) { pairs.emplace_back(i, j); });
    std::sort(pairs.begin(), pairs.end());  // each pair once: duplicates would stay and differ
    return pairs;
}

}  // namespace

TEST(GroundGrid, FindsEveryMeetingPairOnceWhateverTheBoxesSizeAndSpread)
{
    std::mt19937 random(21);
    const auto uniform = [&](int lo, int hi) { return float(lo + int(random() % unsigned(hi - lo + 1))); };
    std::vector<GroundBox> boxes;
    for (int i = 0; i < 1500; ++i) {
        const float x = uniform(-200, 200), z = uniform(-200, 200);
        const float w = i % 50 == 0 ? uniform(100, 700) : uniform(0, 12), d = i % 7 == 0 ? 0 : uniform(0, 12);
        boxes.push_back({x, z, x + w, z + d});
    }
    boxes.push_back({0, 0, 0, 0});
    boxes.push_back({0, 0, 0, 0});
    boxes.push_back({5, 5, 1, 1});  // minimum above maximum: meets nothing
    const Pairs expected = meetingByAllPairs(boxes);
    ASSERT_GT(expected.size(), 1500u);
    EXPECT_EQ(meetingByGrid(boxes), expected);

    // All at one point, and all on one line: no spread to size cells by.
    const std::vector<GroundBox> onePoint(40, GroundBox{3, 3, 3, 3});
    EXPECT_EQ(meetingByGrid(onePoint).size(), 40u * 39 / 2);
    std::vector<GroundBox> line;
    for (int i = 0; i < 3000; ++i)
        line.push_back({float(i) * 0.5f, 7, float(i) * 0.5f + 0.25f, 7});
    line.push_back({-1e6f, 7, -1e6f, 7});
    EXPECT_EQ(meetingByGrid(line), meetingByAllPairs(line));
    EXPECT_EQ(meetingByGrid({}), Pairs{});
}

namespace {

// The problems of a scenario found by comparing every item with every other.
Rows problemsByAllPairs(const std::vector<Item>& items, const GroundBox& land)
{
    std::vector<std::array<bool, 5>> found(items.size(), std::array<bool, 5>{});
    const auto blank = [](const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; };
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Item& a = items[i];
        const GroundBox box = groundBoxOf(a);
        found[i][int(ProblemKind::OutsideTerrain)] = !land.contains(box);
        if (a.kind == ItemKind::Area) {
            found[i][int(ProblemKind::NoMessage)] = !a.message || blank(a.message->text);
            found[i][int(ProblemKind::EmptyQuestion)] = !found[i][int(ProblemKind::NoMessage)] && a.message->hasQuestions
                && std::any_of(a.message->questions.begin(), a.message->questions.end(), blank);
        }
        for (std::size_t j = 0; j < items.size(); ++j) {
            const Item& b = items[j];
            if (i == j || a.kind != b.kind)
                continue;
            const GroundBox other = groundBoxOf(b);
            if (a.kind == ItemKind::Area && std::max(box.minX, other.minX) < std::min(box.maxX, other.maxX)
                && std::max(box.minZ, other.minZ) < std::min(box.maxZ, other.maxZ))
                found[i][int(ProblemKind::OverlapsArea)] = true;
            if (a.kind == ItemKind::Object && a.mesh == b.mesh && std::hypot(double(a.x) - b.x, double(a.z) - b.z) <= 0.5)
                found[i][int(ProblemKind::SameSpot)] = true;
        }
    }
    Rows rows;
    for (std::size_t i = 0; i < items.size(); ++i)
        for (int kind = 0; kind < 5; ++kind)
            if (found[i][kind])
                rows.emplace_back(items[i].id, ProblemKind(kind));
    return rows;
}

}  // namespace

TEST(ProblemCheck, AgreesWithComparingAllPairsOnARandomScenario)
{
    std::mt19937 random(2021);
    const auto uniform = [&](int lo, int hi) { return lo + int(random() % unsigned(hi - lo + 1)); };
    const char* meshes[] = {"adam.mesh", "kadin.mesh", "araba.mesh"};
    std::vector<Item> items;
    for (ItemId id = 0; id < 2000; ++id) {
        const int kind = uniform(0, 9);
        if (kind < 5) {  // objects a quarter unit apart, so that many stand within half a unit
            items.push_back(makeObject(id, meshes[uniform(0, 2)], uniform(-120, 120) * 0.25f, uniform(-120, 120) * 0.25f));
        } else if (kind < 9) {
            const int x = uniform(-250, 230), z = uniform(-250, 230), w = uniform(0, 16), d = uniform(0, 16);
            Item a = random() % 2 ? area(id, x, z, x + w, z + d) : area(id, x + w, z + d, x, z);
            if (uniform(0, 9) == 0)
                a.message.reset();
            else if (uniform(0, 4) == 0)
                a.message = quizMessage("Soru", {"a", "b", uniform(0, 1) ? "" : "c", "d"}, 1);
            items.push_back(a);
        } else {
            items.push_back(makeRoad(id, "yol.mesh", uniform(-160, 160), uniform(-160, 160), uniform(-160, 160), 0));
        }
    }
    const GroundBox land = centredTerrain(280, 280);
    const Rows expected = problemsByAllPairs(items, land);
    for (ProblemKind kind : {ProblemKind::NoMessage, ProblemKind::EmptyQuestion, ProblemKind::OverlapsArea,
                             ProblemKind::OutsideTerrain, ProblemKind::SameSpot})
        ASSERT_GT(countOf(expected, kind), 20u) << problemText(kind);
    ASSERT_LT(countOf(expected, ProblemKind::OverlapsArea), 700u);
    ASSERT_LT(countOf(expected, ProblemKind::SameSpot), 900u);
    EXPECT_EQ(rowsOf(items, land), expected);
}
