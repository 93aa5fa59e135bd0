#include "DocumentTestSupport.h"

#include "document/GroupEdits.h"


using namespace testdoc;

namespace {

class GroupEdits : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (Item item : {makeObject(0, "adam.mesh", 1, 2), areaWith(1, 10, 10, quizMessage("Dur", {"a", "b", "c", "d"}, 3)),
                          makeRoad(2, "yol.mesh", 0, 0, 50, 0), makeObject(3, "araba.mesh", -5, 7),
                          makeRoad(4, "yol.mesh", 50, 0, 50, 40)})
            ASSERT_EQ(add(doc, item), "");
    }

    std::vector<Item> itemsOf(std::initializer_list<ItemId> ids) const
    {
        std::vector<Item> found;
        for (ItemId id : ids)
            found.push_back(*doc.find(id));
        return found;
    }

    // Runs the edit as one command and checks the file text after it, after
    // one undo (as before) and after one redo.
    void oneStep(std::unique_ptr<Command> edit, const std::string& expected)
    {
        ASSERT_TRUE(edit);
        const std::string before = textOf(doc);
        ASSERT_EQ(doc.execute(std::move(edit)), "");
        EXPECT_EQ(textOf(doc), expected);
        ASSERT_EQ(doc.undo(), "");
        EXPECT_EQ(textOf(doc), before) << "one undo takes the whole edit back";
        ASSERT_EQ(doc.redo(), "");
        EXPECT_EQ(textOf(doc), expected);
    }

    Document doc;
};

TEST_F(GroupEdits, MoveTurnDeleteAndPasteAreEachOneUndoStep)
{
    SCOPED_TRACE("move");
    oneStep(moveGroup(itemsOf({0, 1, 2}), 10, -5),
            "human adam.mesh 11 0 -3\nhuman araba.mesh -5 0 7\n"
            "bluearea alan.mesh 22 1 8 20 5 24 11 1 3\nDur\na\nb\nc\nd\n"
            "road yol.mesh 10 -5 60 -5\nroad yol.mesh 50 0 50 40");

    SCOPED_TRACE("turn twice the other way: 330, areas and roads stay as they are");
    oneStep(turnGroup(itemsOf({0, 1, 2, 3}), -15),
            "human adam.mesh 11 0 -3 345\nhuman araba.mesh -5 0 7 345\n"
            "bluearea alan.mesh 22 1 8 20 5 24 11 1 3\nDur\na\nb\nc\nd\n"
            "road yol.mesh 10 -5 60 -5\nroad yol.mesh 50 0 50 40");
    oneStep(turnGroup(itemsOf({0, 3}), -15),
            "human adam.mesh 11 0 -3 330\nhuman araba.mesh -5 0 7 330\n"
            "bluearea alan.mesh 22 1 8 20 5 24 11 1 3\nDur\na\nb\nc\nd\n"
            "road yol.mesh 10 -5 60 -5\nroad yol.mesh 50 0 50 40");
    EXPECT_EQ(turnGroup(itemsOf({1, 2}), 15), nullptr) << "only areas and roads: nothing to turn";

    SCOPED_TRACE("paste of a copy");
    const std::string copied = groupText(itemsOf({1, 3}));
    EXPECT_EQ(copied, "human araba.mesh -5 0 7 330\nbluearea alan.mesh 22 1 8 20 5 24 11 1 3\nDur\na\nb\nc\nd");
    PastedGroup pasted = readGroup(copied, doc.peekId());
    ASSERT_EQ(pasted.problem, "");
    ASSERT_EQ(pasted.items.size(), 2u);
    EXPECT_EQ(pasted.items[0].id, doc.peekId());
    for (Item& item : pasted.items)
        item = shiftedBy(item, 100, 100);
    const std::string beforePaste = textOf(doc);
    oneStep(std::make_unique<AddItems>(pasted.items),
            "human adam.mesh 11 0 -3 330\nhuman araba.mesh -5 0 7 330\nhuman araba.mesh 95 0 107 330\n"
            "bluearea alan.mesh 22 1 8 20 5 24 11 1 3\nDur\na\nb\nc\nd\n"
            "bluearea alan.mesh 122 1 108 120 105 124 111 1 3\nDur\na\nb\nc\nd\n"
            "road yol.mesh 10 -5 60 -5\nroad yol.mesh 50 0 50 40");

    SCOPED_TRACE("delete of several, among them pasted ones");
    oneStep(removeGroup(itemsOf({0, 2, pasted.items[1].id})),
            "human araba.mesh -5 0 7 330\nhuman araba.mesh 95 0 107 330\n"
            "bluearea alan.mesh 22 1 8 20 5 24 11 1 3\nDur\na\nb\nc\nd\n"
            "road yol.mesh 50 0 50 40");
    ASSERT_EQ(doc.undo(), "");
    EXPECT_EQ(doc.items()[2].id, 2) << "undone, each item stands where it stood";
    EXPECT_EQ(doc.items()[6].id, pasted.items[1].id);
    ASSERT_EQ(doc.undo(), "");
    EXPECT_EQ(textOf(doc), beforePaste);
}

TEST_F(GroupEdits, AGroupThatCannotBeDoneWholeChangesNothing)
{
    doc.setItemCheck([](const Item& item) { return item.mesh == "yok.mesh" ? "yok.mesh yuklenemedi" : ""; });
    const std::string before = textOf(doc);
    EXPECT_EQ(doc.execute(std::make_unique<AddItems>(std::vector<Item>{makeObject(10, "adam.mesh", 0, 0),
                                                                        makeObject(11, "yok.mesh", 0, 0)})),
              "yok.mesh yuklenemedi");
    EXPECT_EQ(doc.execute(std::make_unique<AddItems>(std::vector<Item>{makeObject(12, "adam.mesh", 0, 0),
                                                                        makeObject(3, "adam.mesh", 0, 0)})),
              "oge zaten var");
    EXPECT_EQ(doc.execute(std::make_unique<RemoveItems>(std::vector<ItemId>{0, 99})), "oge artik yok");
    EXPECT_EQ(textOf(doc), before);
    EXPECT_FALSE(doc.canRedo());
    EXPECT_EQ(doc.items().size(), 5u);
}

TEST(GroupText, PastesOnlyScenarioTextOfAtMostTheLimit)
{
    for (const char* notScenario : {"", "  \n", "merhaba dunya", "human a.mesh 1 2", "human a.mesh 1 2 3 400"}) {
        const PastedGroup pasted = readGroup(notScenario, 7);
        EXPECT_EQ(pasted.problem, "Panodaki metin bir senaryo degil") << notScenario;
        EXPECT_TRUE(pasted.items.empty());
    }
    // Entries of other types are shown by a loaded file, never kept: they are not pasted.
    const PastedGroup mixed = readGroup("human a.mesh 1 0 2 15\nkule k.mesh 0 0 0\nroad yol.mesh 0 0 4 4", 7);
    ASSERT_EQ(mixed.items.size(), 2u);
    EXPECT_EQ(mixed.items[0].turn, 15);
    EXPECT_EQ(mixed.items[1].id, 8);

    std::string many;
    for (std::size_t i = 0; i <= maxPastedItems; ++i)
        many += "human a.mesh 0 0 0\n";
    EXPECT_NE(readGroup(many, 0).problem.find("100000"), std::string::npos);
    many.resize(many.size() - std::string("human a.mesh 0 0 0\n").size());
    EXPECT_EQ(readGroup(many, 0).items.size(), maxPastedItems);
}

TEST(GroupGeometry, TheCentreIsTheMiddleOfTheGroundPointsAndTurnsStayWithinATurn)
{
    const GroundPoint centre = centreOf({makeObject(0, "a", -4, 2), makeRoad(1, "y", 10, 0, 20, 10),
                                         makeArea(2, "k", 0, -10, 2, -6)});
    EXPECT_FLOAT_EQ(centre.x, 5.5f);  // from -4 to the road's middle at 15
    EXPECT_FLOAT_EQ(centre.z, -1.5f);  // from the area's middle at -8 to the road's at 5
    EXPECT_EQ(turnedBy(turnedBy(makeObject(0, "a", 0, 0), 350), 25).turn, 15);
    EXPECT_EQ(turnedBy(makeObject(0, "a", 0, 0), -720 - 90).turn, 270);
}

}  // namespace
