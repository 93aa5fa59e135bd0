#include "DocumentTestSupport.h"

#include "document/ScenarioFile.h"

#include <filesystem>

using namespace testdoc;

namespace {

const std::string refused = "bozuk.mesh yuklenemedi";

class DocumentFaults : public ::testing::Test {
protected:
    // A document with a file, unsaved edits, and a step that can be redone.
    void SetUp() override
    {
        doc.setItemCheck([this](const Item& item) { return refuseBroken && item.mesh == "bozuk.mesh" ? refused : ""; });
        ASSERT_EQ(add(doc, makeObject(0, "adam.mesh", 1, 1)), "");
        ASSERT_EQ(add(doc, makeObject(1, "bozuk.mesh", 2, 2)), "");
        ASSERT_EQ(add(doc, areaWith(2, 0, 0, plainMessage("Dur"))), "");
        doc.markSaved(folder.path("eski.zev"));
        ASSERT_EQ(remove(doc, 1), "");
        ASSERT_EQ(add(doc, makeRoad(3, "yol.mesh", 0, 0, 5, 5)), "");
        ASSERT_EQ(doc.undo(), "");
    }

    TempFolder folder;
    Document doc;
    bool refuseBroken = false;
};

TEST_F(DocumentFaults, EditOfAnItemThatIsGoneChangesNothing)
{
    const Item gone = makeObject(1, "bozuk.mesh", 2, 2);
    const DocumentState before = stateOf(doc);
    EXPECT_NE(doc.execute(std::make_unique<ChangeItem>(gone, movedTo(gone, 9, 9))), "");
    EXPECT_NE(remove(doc, 1), "");
    EXPECT_NE(add(doc, makeObject(0, "adam.mesh", 7, 7)), "");  // the id is taken
    EXPECT_EQ(stateOf(doc), before);
    // The step that could be redone is still there, and so is the rest.
    ASSERT_EQ(doc.redo(), "");
    EXPECT_NE(doc.find(3), nullptr);
    int undone = 0;
    while (doc.canUndo() && doc.undo().empty())
        ++undone;
    EXPECT_EQ(undone, 5);
    EXPECT_TRUE(doc.items().empty());
}

TEST_F(DocumentFaults, RefusedMeshIsNotAdded)
{
    refuseBroken = true;
    const DocumentState before = stateOf(doc);
    EXPECT_EQ(add(doc, makeObject(9, "bozuk.mesh", 4, 4)), refused);
    EXPECT_EQ(stateOf(doc), before);
}

TEST_F(DocumentFaults, UndoingARemovalOfARefusedMeshFailsUntilTheMeshLoads)
{
    refuseBroken = true;
    const DocumentState before = stateOf(doc);
    EXPECT_EQ(doc.undo(), refused);
    EXPECT_EQ(stateOf(doc), before);
    EXPECT_EQ(doc.find(1), nullptr);

    refuseBroken = false;
    ASSERT_EQ(doc.undo(), "");
    EXPECT_EQ(doc.indexOf(1), std::optional<std::size_t>(1));
    EXPECT_FALSE(doc.modified());  // back at the save point
}

TEST_F(DocumentFaults, MissingFileLeavesTheDocumentAsItWas)
{
    const std::string path = folder.path("yok.zev");
    const DocumentState before = stateOf(doc);
    const std::string notice = openScenario(doc, path);
    EXPECT_TRUE(contains(notice, "\"" + path + "\"")) << notice;
    EXPECT_TRUE(contains(notice, "senaryo")) << notice;
    EXPECT_EQ(stateOf(doc), before);
}

TEST_F(DocumentFaults, MalformedFileIsRefusedNamingTheLine)
{
    const std::string path = folder.path("bozuk.zev");
    putFile(path, "human adam.mesh 1 0 1\nhuman adam.mesh 2 0 2\nroad yol.mesh 1 2 uc 4");
    const DocumentState before = stateOf(doc);
    const std::string notice = openScenario(doc, path);
    EXPECT_TRUE(contains(notice, "\"" + path + "\"")) << notice;
    EXPECT_TRUE(contains(notice, "satir 3")) << notice;
    EXPECT_EQ(stateOf(doc), before);
}

TEST_F(DocumentFaults, FileWithARefusedMeshIsRefusedNamingItsLine)
{
    refuseBroken = true;
    const std::string path = folder.path("model.zev");
    putFile(path, "human adam.mesh 1 0 1\nbluearea alan.mesh 0 1 0 -1 -1 1 1 1 -1\nMesaj\nhuman bozuk.mesh 3 0 3");
    const DocumentState before = stateOf(doc);
    const std::string notice = openScenario(doc, path);
    EXPECT_TRUE(contains(notice, "\"" + path + "\"")) << notice;
    EXPECT_TRUE(contains(notice, "satir 4")) << notice;
    EXPECT_TRUE(contains(notice, refused)) << notice;
    EXPECT_EQ(stateOf(doc), before);
}

TEST_F(DocumentFaults, SaveThatCannotBeWrittenKeepsTheDocumentModified)
{
    const std::string path = folder.path("olmayan/klasor.zev");
    const DocumentState before = stateOf(doc);
    const std::string notice = saveScenario(doc, path);
    EXPECT_TRUE(contains(notice, "\"" + path + "\"")) << notice;
    EXPECT_TRUE(doc.modified());
    EXPECT_EQ(stateOf(doc), before);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(DocumentFaults, SaveOfAnItemTheFileCannotHoldWritesNothing)
{
    ASSERT_EQ(add(doc, makeObject(9, "iki kelime.mesh", 0, 0)), "");
    const std::string path = folder.path("kayit.zev");
    putFile(path, "human eski.mesh 0 0 0");
    const DocumentState before = stateOf(doc);
    EXPECT_NE(saveScenario(doc, path), "");
    EXPECT_EQ(stateOf(doc), before);
    EXPECT_EQ(fileText(path), "human eski.mesh 0 0 0");
}

}  // namespace
