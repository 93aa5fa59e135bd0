#include "DocumentTestSupport.h"

#include <functional>

using namespace testdoc;

namespace {

// The items and the file text they make.
using Snapshot = std::pair<std::vector<Item>, std::string>;

Snapshot snapshot(const Document& d) { return {d.items(), textOf(d)}; }

class History : public ::testing::Test {
protected:
    // Two of each kind, so that removing one in the middle of its kind is possible.
    void SetUp() override
    {
        for (Item item : {makeObject(0, "adam.mesh", 1, 2), areaWith(1, 10, 10, plainMessage("Dur")),
                          makeRoad(2, "yol.mesh", 0, 0, 50, 0), makeObject(3, "kadin.mesh", -5, 7),
                          makeArea(4, "alan.mesh", -20, -20, -10, -12), makeRoad(5, "yol.mesh", 50, 0, 50, 40),
                          makeObject(6, "adam.mesh", 3, 3), makeArea(7, "alan.mesh", 0, 30, 8, 36),
                          makeRoad(8, "yol.mesh", 50, 40, 0, 40)})
            ASSERT_EQ(add(doc, item), "");
    }

    Item withMessage(ItemId id, ScenarioMessage message)
    {
        Item item = *doc.find(id);
        item.message = std::move(message);
        return item;
    }

    Document doc;
};

TEST_F(History, EveryKindOfEditUndoesAndRedoesToExactlyTheSameDocument)
{
    const std::vector<std::function<std::string()>> edits = {
        [&] { return add(doc, makeObject(20, "adam.mesh", 4, 4)); },
        [&] { return add(doc, areaWith(21, -8, 2, quizMessage("Soru?", {"a", "b", "", "d"}, 4))); },
        [&] { return add(doc, makeRoad(22, "yol.mesh", 0, 40, 0, 0)); },
        [&] { return change(doc, movedTo(*doc.find(3), 12, -9)); },
        [&] { return change(doc, movedTo(*doc.find(4), 5, 5)); },
        [&] { return change(doc, withMessage(7, plainMessage("Yavaşla"))); },
        [&] { return change(doc, withMessage(7, quizMessage("Neden?", {"x", "y", "z", ""}, 2))); },
        [&] { return remove(doc, 3); },
        [&] { return remove(doc, 4); },
        [&] { return remove(doc, 5); },
    };
    std::vector<Snapshot> states{snapshot(doc)};
    for (std::size_t i = 0; i < edits.size(); ++i) {
        SCOPED_TRACE("edit " + std::to_string(i));
        ASSERT_EQ(edits[i](), "");
        const Snapshot after = snapshot(doc);
        ASSERT_NE(after, states.back());
        ASSERT_EQ(doc.undo(), "");
        EXPECT_EQ(snapshot(doc), states.back());
        ASSERT_EQ(doc.redo(), "");
        EXPECT_EQ(snapshot(doc), after);
        states.push_back(after);
    }
    // All the way back, one step at a time, and forward again.
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_EQ(doc.undo(), "");
        EXPECT_EQ(snapshot(doc), states[i - 1]) << "undone to " << i - 1;
    }
    for (std::size_t i = 1; i < states.size(); ++i) {
        ASSERT_EQ(doc.redo(), "");
        EXPECT_EQ(snapshot(doc), states[i]) << "redone to " << i;
    }
}

TEST_F(History, UndoneRemovalPutsTheItemBackWhereItStood)
{
    const Item middle = *doc.find(4);
    ASSERT_EQ(remove(doc, 4), "");
    EXPECT_EQ(doc.find(4), nullptr);
    ASSERT_EQ(doc.undo(), "");
    EXPECT_EQ(doc.indexOf(4), std::optional<std::size_t>(4));
    EXPECT_EQ(*doc.find(4), middle);
}

TEST_F(History, NewEditAfterUndoDropsTheStepsThatCouldBeRedone)
{
    ASSERT_EQ(add(doc, makeObject(20, "adam.mesh", 0, 0)), "");
    ASSERT_EQ(add(doc, makeObject(21, "adam.mesh", 1, 1)), "");
    ASSERT_EQ(doc.undo(), "");
    ASSERT_EQ(doc.undo(), "");
    ASSERT_EQ(add(doc, makeRoad(22, "yol.mesh", 0, 0, 9, 9)), "");
    EXPECT_FALSE(doc.canRedo());
    const Snapshot now = snapshot(doc);
    EXPECT_EQ(doc.redo(), "");
    EXPECT_EQ(snapshot(doc), now);
    EXPECT_EQ(doc.find(20), nullptr);
    EXPECT_EQ(doc.find(21), nullptr);
}

TEST(LongHistory, ThousandStepsUndoneToEmptyAndRedone)
{
    Document doc;
    // The file text and the order of ids after every step.
    using Step = std::pair<std::string, std::vector<ItemId>>;
    const auto step = [&] {
        std::vector<ItemId> ids;
        for (const Item& item : doc.items())
            ids.push_back(item.id);
        return Step{textOf(doc), ids};
    };
    std::vector<Step> steps{step()};
    for (int i = 0; i < 1000; ++i) {
        const std::size_t count = doc.items().size();
        std::string problem;
        if (i % 7 == 6)
            problem = remove(doc, doc.items()[count / 2].id);
        else if (i % 5 == 4 && isMovable(doc.items()[count / 3]))
            problem = change(doc, movedTo(doc.items()[count / 3], i, -i));
        else if (i % 3 == 0)
            problem = add(doc, makeObject(doc.peekId(), "adam.mesh", float(i), 1));
        else if (i % 3 == 1)
            problem = add(doc, areaWith(doc.peekId(), i, -i, plainMessage("Mesaj " + std::to_string(i))));
        else
            problem = add(doc, makeRoad(doc.peekId(), "yol.mesh", 0, float(i), float(i), 0));
        ASSERT_EQ(problem, "") << "step " << i;
        steps.push_back(step());
    }
    const std::vector<Item> last = doc.items();
    for (std::size_t i = steps.size() - 1; i > 0; --i) {
        ASSERT_EQ(doc.undo(), "");
        ASSERT_EQ(step(), steps[i - 1]) << "undone to " << i - 1;
    }
    EXPECT_TRUE(doc.items().empty());
    EXPECT_FALSE(doc.canUndo());
    for (std::size_t i = 1; i < steps.size(); ++i) {
        ASSERT_EQ(doc.redo(), "");
        ASSERT_EQ(step(), steps[i]) << "redone to " << i;
    }
    EXPECT_EQ(doc.items(), last);
    EXPECT_FALSE(doc.canRedo());
}

TEST_F(History, ModifiedFollowsTheSavePointThroughUndoAndRedo)
{
    EXPECT_TRUE(doc.modified());
    doc.markSaved("/tmp/kayit.zev");
    EXPECT_FALSE(doc.modified());
    EXPECT_EQ(doc.path(), "/tmp/kayit.zev");
    ASSERT_EQ(add(doc, makeObject(20, "adam.mesh", 0, 0)), "");
    ASSERT_EQ(change(doc, movedTo(*doc.find(20), 5, 5)), "");
    EXPECT_TRUE(doc.modified());
    ASSERT_EQ(doc.undo(), "");
    EXPECT_TRUE(doc.modified());
    ASSERT_EQ(doc.undo(), "");
    EXPECT_FALSE(doc.modified());
    ASSERT_EQ(doc.redo(), "");
    EXPECT_TRUE(doc.modified());
    ASSERT_EQ(doc.undo(), "");
    ASSERT_EQ(doc.undo(), "");
    EXPECT_TRUE(doc.modified());  // before the save point
    ASSERT_EQ(doc.redo(), "");
    EXPECT_FALSE(doc.modified());
}

TEST_F(History, EditAfterUndoingPastTheSavePointLeavesNoUnmodifiedState)
{
    doc.markSaved("/tmp/kayit.zev");
    ASSERT_EQ(doc.undo(), "");
    ASSERT_EQ(doc.undo(), "");
    // As many steps as were undone: the history is as long as at the save again.
    ASSERT_EQ(add(doc, makeObject(20, "adam.mesh", 0, 0)), "");
    ASSERT_EQ(add(doc, makeObject(21, "adam.mesh", 1, 1)), "");
    EXPECT_TRUE(doc.modified());
    while (doc.canUndo()) {
        ASSERT_EQ(doc.undo(), "");
        EXPECT_TRUE(doc.modified());
    }
    while (doc.canRedo()) {
        ASSERT_EQ(doc.redo(), "");
        EXPECT_TRUE(doc.modified());
    }
}

TEST_F(History, ReplaceAllStartsAFreshUnmodifiedHistory)
{
    ASSERT_EQ(doc.undo(), "");
    ASSERT_TRUE(doc.canRedo());
    const std::vector<Item> items{makeObject(50, "adam.mesh", 1, 1), makeRoad(51, "yol.mesh", 0, 0, 1, 1)};
    doc.replaceAll(items, "/tmp/yeni.zev");
    EXPECT_EQ(doc.items(), items);
    EXPECT_EQ(doc.path(), "/tmp/yeni.zev");
    EXPECT_FALSE(doc.modified());
    EXPECT_FALSE(doc.canUndo());
    EXPECT_FALSE(doc.canRedo());
    EXPECT_EQ(doc.undo(), "");
    EXPECT_EQ(doc.items(), items);
    ASSERT_EQ(remove(doc, 50), "");
    EXPECT_TRUE(doc.modified());
    ASSERT_EQ(doc.undo(), "");
    EXPECT_FALSE(doc.modified());
}

}  // namespace
