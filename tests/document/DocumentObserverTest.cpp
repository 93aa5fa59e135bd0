#include "DocumentTestSupport.h"

#include "document/DocumentObserver.h"
#include "document/ScenarioFile.h"

using namespace testdoc;

namespace {

// Writes down what it is told, with what the document shows at that moment.
class Recorder : public DocumentObserver {
public:
    explicit Recorder(Document& document) : document(document) { document.addObserver(this); }
    ~Recorder() override { document.removeObserver(this); }

    void itemAdded(const Item& item) override
    {
        log.push_back("added " + std::to_string(item.id) + (document.find(item.id) ? "" : " (not there)"));
    }
    void itemChanged(const Item& before, const Item& after) override
    {
        log.push_back("changed " + std::to_string(after.id));
        changes.emplace_back(before, after);
        EXPECT_EQ(*document.find(after.id), after);
    }
    void itemRemoved(const Item& item) override
    {
        log.push_back("removed " + std::to_string(item.id) + (document.find(item.id) ? " (still there)" : ""));
    }
    void allReplaced() override { log.push_back("replaced " + std::to_string(document.items().size())); }
    void stateChanged() override
    {
        log.push_back(std::string("state") + (document.canUndo() ? " undo" : "") + (document.canRedo() ? " redo" : "")
                      + (document.modified() ? " modified" : ""));
    }

    // What was told since the last call.
    std::vector<std::string> take() { return std::exchange(log, {}); }

    std::vector<std::pair<Item, Item>> changes;

private:
    Document& document;
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

TEST(DocumentObserver, IsToldOfEachStepAfterItHappened)
{
    Document doc;
    Recorder recorder(doc);
    const Item object = makeObject(doc.peekId(), "adam.mesh", 1, 1);
    const Item moved = movedTo(object, 4, -4);

    ASSERT_EQ(add(doc, object), "");
    EXPECT_EQ(recorder.take(), (Log{"added 0", "state undo modified"}));
    ASSERT_EQ(change(doc, moved), "");
    EXPECT_EQ(recorder.take(), (Log{"changed 0", "state undo modified"}));
    ASSERT_EQ(remove(doc, 0), "");
    EXPECT_EQ(recorder.take(), (Log{"removed 0", "state undo modified"}));

    ASSERT_EQ(doc.undo(), "");
    EXPECT_EQ(recorder.take(), (Log{"added 0", "state undo redo modified"}));
    ASSERT_EQ(doc.undo(), "");
    EXPECT_EQ(recorder.take(), (Log{"changed 0", "state undo redo modified"}));
    ASSERT_EQ(doc.undo(), "");
    EXPECT_EQ(recorder.take(), (Log{"removed 0", "state redo"}));
    ASSERT_EQ(doc.redo(), "");
    EXPECT_EQ(recorder.take(), (Log{"added 0", "state undo redo modified"}));
    EXPECT_EQ(recorder.changes, (std::vector<std::pair<Item, Item>>{{object, moved}, {moved, object}}));

    doc.replaceAll({makeRoad(doc.peekId(), "yol.mesh", 0, 0, 1, 1)}, "yeni.zev");
    EXPECT_EQ(recorder.take(), (Log{"replaced 1", "state"}));
}

TEST(DocumentObserver, HearsNothingOfAStepThatFailed)
{
    Document doc;
    Recorder recorder(doc);
    EXPECT_NE(remove(doc, 7), "");
    EXPECT_NE(doc.execute(std::make_unique<ChangeItem>(makeObject(7, "a.mesh", 0, 0), makeObject(7, "a.mesh", 1, 1))), "");
    doc.setItemCheck([](const Item&) { return "yuklenemedi"; });
    EXPECT_NE(add(doc, makeObject(1, "a.mesh", 0, 0)), "");
    EXPECT_EQ(recorder.take(), Log{});
}

TEST(DocumentObserver, OpeningAFileReplacesEverythingWithNewIds)
{
    TempFolder folder;
    const std::string path = folder.path("sahne.zev");
    putFile(path, "road yol.mesh 0 0 9 9\nhuman adam.mesh 1 0 1\nbluearea alan.mesh 0 1 0 -1 -1 1 1 0 0");
    Document doc;
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(add(doc, makeObject(doc.peekId(), "adam.mesh", float(i), 0)), "");
    ASSERT_EQ(doc.undo(), "");  // ids that were given stay given
    ASSERT_EQ(doc.peekId(), 3);

    Recorder recorder(doc);
    ASSERT_EQ(openScenario(doc, path), "");
    EXPECT_EQ(recorder.take(), (Log{"replaced 3", "state"}));
    std::vector<ItemId> ids;
    for (const Item& item : doc.items())
        ids.push_back(item.id);
    EXPECT_EQ(ids, (std::vector<ItemId>{3, 4, 5}));
    EXPECT_EQ(doc.peekId(), 6);

    doc.replaceAll({makeObject(0, "adam.mesh", 0, 0)}, "");  // old ids do not turn the count back
    doc.replaceAll({}, "");
    EXPECT_EQ(doc.peekId(), 6);
    ASSERT_EQ(openScenario(doc, path), "");
    EXPECT_EQ(doc.items().front().id, 6);
    EXPECT_EQ(doc.items().back().id, 8);
    EXPECT_EQ(doc.peekId(), 9);
}

}  // namespace
