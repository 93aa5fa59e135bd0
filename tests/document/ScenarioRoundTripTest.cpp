#include "DocumentTestSupport.h"

#include "document/ScenarioFile.h"

#include <algorithm>

using namespace testdoc;

namespace {

// Five kinds interleaved: an object, an area with a plain message (keeping
// questions from before, which the file does not hold), an area with questions,
// an area without message, a road segment. Whole-number coordinates throughout.
Item mixedItem(int i)
{
    const ItemId id = 100 + i;
    const int a = i % 211 - 105, b = i % 97 - 48;
    switch (i % 5) {
    case 0: {
        Item object = makeObject(id, i % 2 ? "adam.mesh" : "kadin.mesh", float(a), float(b));
        object.y = float(i % 3);
        return object;
    }
    case 1: {
        ScenarioMessage message = plainMessage("Kırmızı ışıkta dur " + std::to_string(i) + "  ");
        message.questions = {"eski soru", "", "", ""};
        return areaWith(id, a, b, message);
    }
    case 2:
        return areaWith(id, a, b, quizMessage("Hangisi doğru? " + std::to_string(i),
                                              {"Yaya geçidi", "", "Okul bölgesi " + std::to_string(i), "Dur"},
                                              1 + i % 4));
    case 3:
        return makeArea(id, "alan.mesh", float(a), float(b), float(a + 2 * (1 + i % 7)), float(b + 8));
    default:
        return makeRoad(id, "yol" + std::to_string(i % 4) + ".mesh", float(a), float(b), float(a + 10), float(b));
    }
}

// What opening the saved file into a fresh document gives: objects, then areas,
// then roads, numbered from 0, without the questions the file did not keep.
std::vector<Item> expectedAfterOpen(std::vector<Item> items)
{
    const auto rank = [](const Item& item) { return item.kind == ItemKind::Object ? 0 : item.kind == ItemKind::Area ? 1 : 2; };
    std::stable_sort(items.begin(), items.end(), [&](const Item& l, const Item& r) { return rank(l) < rank(r); });
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i].id = ItemId(i);
        if (items[i].message && !items[i].message->hasQuestions)
            items[i].message->questions = {};
    }
    return items;
}

TEST(ScenarioRoundTrip, TenThousandMixedItemsOpenAsSavedAndWriteTheSameBytes)
{
    TempFolder folder;
    std::vector<Item> items;
    for (int i = 0; i < 10000; ++i)
        items.push_back(mixedItem(i));
    Document original;
    original.replaceAll(items, "");

    const std::string first = folder.path("ilk.zev");
    ASSERT_EQ(saveScenario(original, first), "");
    EXPECT_EQ(original.path(), first);
    EXPECT_FALSE(original.modified());

    // A line per entry, one more per plain message, five more per message with
    // questions (2,000 of each kind), and no line end after the last.
    const std::string text = fileText(first);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 10000 + 2000 + 5 * 2000 - 1);

    Document reopened;
    ASSERT_EQ(openScenario(reopened, first), "");
    ASSERT_EQ(reopened.items().size(), items.size());
    const std::vector<Item> expected = expectedAfterOpen(items);
    for (std::size_t i = 0; i < expected.size(); ++i)
        ASSERT_EQ(reopened.items()[i], expected[i]) << "at " << i;
    EXPECT_EQ(reopened.path(), first);
    EXPECT_FALSE(reopened.modified());
    EXPECT_FALSE(reopened.canUndo());

    const std::string second = folder.path("ikinci.zev");
    ASSERT_EQ(saveScenario(reopened, second), "");
    EXPECT_EQ(fileText(second), text);
}

TEST(ScenarioRoundTrip, AreaCentreOnAHalfIsCutTowardZero)
{
    TempFolder folder;
    Document document;
    ASSERT_EQ(add(document, makeArea(0, "alan.mesh", -4, 1, 1, 4)), "");  // centre (-1.5, 2.5)
    ASSERT_EQ(saveScenario(document, folder.path("alan.zev")), "");

    Document reopened;
    ASSERT_EQ(openScenario(reopened, folder.path("alan.zev")), "");
    ASSERT_EQ(reopened.items().size(), 1u);
    const Item& area = reopened.items()[0];
    EXPECT_EQ(area.x, -1.0f);
    EXPECT_EQ(area.z, 2.0f);
    EXPECT_EQ(area.x1, -4.0f);
    EXPECT_EQ(area.x2, 1.0f);
    EXPECT_EQ(area.z1, 1.0f);
    EXPECT_EQ(area.z2, 4.0f);
}

}  // namespace
