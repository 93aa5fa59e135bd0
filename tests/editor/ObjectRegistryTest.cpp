#include "editor/ObjectRegistry.h"
#include "editor/Selection.h"
#include "tests/editor/EditorTestScene.h"

#include <OgreEntity.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

namespace {

class ObjectRegistryTest : public ::testing::Test {
protected:
    SceneItem place(const std::string& mesh, const Ogre::Vector3& at = Ogre::Vector3::ZERO)
    {
        return createSceneItem(*scene.sceneManager, scene.session.editing.nameCounter, mesh, at);
    }
    ObjectRecord* addObject()
    {
        const SceneItem item = place("testadam.mesh");
        auto* record = new ObjectRecord{item.node, item.entity, "testadam.mesh", item.node->getName(), "human"};
        registry().addObject(record);
        return record;
    }
    AreaRecord* addArea()
    {
        const SceneItem item = place("kup.mesh");
        auto* record = new AreaRecord{item.node, item.entity, "kup.mesh", item.node->getName(), "bluearea"};
        registry().addArea(record);
        return record;
    }
    Ogre::SceneNode* addRoad()
    {
        const SceneItem item = place("yol.mesh");
        registry().addRoad(0, 0, 3, 10, "yol.mesh", item.node);
        return item.node;
    }
    ObjectRegistry& registry() { return scene.session.registry; }
    static bool inScene(Ogre::SceneNode* node) { return node->isInSceneGraph(); }

    EditorTestScene scene;
};

TEST_F(ObjectRegistryTest, SceneItemsAreNamedFromTheCounter)
{
    scene.session.editing.nameCounter = 17;
    const SceneItem item = place("testadam.mesh", {4, 1, -2});
    EXPECT_EQ("Human17", item.entity->getName());
    EXPECT_EQ("Human17Node", item.node->getName());
    EXPECT_EQ(18, scene.session.editing.nameCounter);
    EXPECT_EQ(scene.sceneManager->getRootSceneNode(), item.node->getParent());
    EXPECT_EQ(Ogre::Vector3(4, 1, -2), item.node->getPosition());
    EXPECT_EQ(item.node, item.entity->getParentSceneNode());
}

TEST_F(ObjectRegistryTest, AMissingMeshMakesNothingAndKeepsTheCounter)
{
    EXPECT_THROW(place("nosuch.mesh"), Ogre::Exception);
    EXPECT_EQ(0, scene.session.editing.nameCounter);
    EXPECT_FALSE(scene.sceneManager->hasSceneNode("Human0Node"));
    EXPECT_FALSE(scene.sceneManager->hasEntity("Human0"));
}

TEST_F(ObjectRegistryTest, LookupsByNodeNameKeepObjectsAndAreasApart)
{
    ObjectRecord* object = addObject();
    AreaRecord* area = addArea();
    EXPECT_EQ(object, registry().findObjectByNodeName("Human0Node"));
    EXPECT_EQ(nullptr, registry().findObjectByNodeName("Human1Node"));
    EXPECT_EQ(area, registry().findAreaByNodeName("Human1Node"));
    EXPECT_EQ(nullptr, registry().findAreaByNodeName("Human0Node"));
    EXPECT_EQ(nullptr, registry().findObjectByNodeName("human0node"));
}

TEST_F(ObjectRegistryTest, RemoveByNodeSearchesAllThreeArrays)
{
    ObjectRecord* object = addObject();
    AreaRecord* area = addArea();
    Ogre::SceneNode* road = addRoad();
    ObjectRecord* keptObject = addObject();
    Ogre::SceneNode* areaNode = area->node;

    EXPECT_TRUE(registry().removeByNode(road));
    EXPECT_TRUE(registry().roads.empty());
    EXPECT_TRUE(registry().removeByNode(areaNode));
    EXPECT_TRUE(registry().areas.empty());
    EXPECT_TRUE(registry().removeByNode(object->node));
    ASSERT_EQ(1u, registry().objects.size());
    EXPECT_EQ(keptObject, registry().objects[0].get());
    // The node itself is not touched.
    EXPECT_TRUE(inScene(road));
    EXPECT_FALSE(registry().removeByNode(road));
}

TEST_F(ObjectRegistryTest, ClearAllUnhooksEveryItemAndTheCounterGoesOn)
{
    Ogre::SceneNode* object = addObject()->node;
    Ogre::SceneNode* area = addArea()->node;
    Ogre::SceneNode* road = addRoad();
    registry().clearAll();

    EXPECT_TRUE(registry().objects.empty());
    EXPECT_TRUE(registry().areas.empty());
    EXPECT_TRUE(registry().roads.empty());
    EXPECT_FALSE(inScene(object));
    EXPECT_FALSE(inScene(area));
    EXPECT_FALSE(inScene(road));
    EXPECT_EQ("Human3Node", place("testadam.mesh").node->getName());
}

TEST_F(ObjectRegistryTest, ClearObjectsAndRoadsKeepsAreas)
{
    addObject();
    Ogre::SceneNode* area = addArea()->node;
    addRoad();
    registry().clearObjectsAndRoads();
    EXPECT_TRUE(registry().objects.empty());
    EXPECT_TRUE(registry().roads.empty());
    ASSERT_EQ(1u, registry().areas.size());
    EXPECT_TRUE(inScene(area));
}

TEST_F(ObjectRegistryTest, DetachingTwiceIsHarmless)
{
    Ogre::SceneNode* node = addObject()->node;
    detachFromScene(node);
    detachFromScene(node);
    EXPECT_FALSE(inScene(node));
    EXPECT_EQ(1u, node->numAttachedObjects());
}

TEST_F(ObjectRegistryTest, DeletingTheSelectedAreaRemovesItFromRecordsAndView)
{
    AreaRecord* area = addArea();
    Ogre::SceneNode* node = area->node;
    scene.session.editing.selectedNode = node;
    node->showBoundingBox(true);

    EXPECT_TRUE(deleteSelected(scene.session));
    EXPECT_TRUE(registry().areas.empty());
    EXPECT_FALSE(inScene(node));
    EXPECT_FALSE(node->getShowBoundingBox());
    EXPECT_EQ(nullptr, scene.session.editing.selectedNode);
}

TEST_F(ObjectRegistryTest, DeletingADetachedSelectionDoesNothing)
{
    Ogre::SceneNode* cleared = addObject()->node;
    Ogre::SceneNode* kept = addArea()->node;
    registry().clearObjectsAndRoads();
    scene.session.editing.selectedNode = cleared;

    EXPECT_FALSE(deleteSelected(scene.session));
    EXPECT_EQ(cleared, scene.session.editing.selectedNode);
    EXPECT_EQ(1u, registry().areas.size());
    EXPECT_TRUE(inScene(kept));

    scene.session.editing.selectedNode = nullptr;
    EXPECT_FALSE(deleteSelected(scene.session));
    EXPECT_EQ(1u, registry().areas.size());
}

MessageData message(std::uint8_t hasQuestions, const std::string& text, int answer,
                    const std::string& questionPrefix = "q")
{
    MessageData data;
    data.hasQuestions = hasQuestions;
    data.text = text;
    for (int i = 0; i < 4; ++i)
        data.questions[i] = questionPrefix + std::to_string(i + 1);
    data.answerIndex = answer;
    return data;
}

TEST(SetMessage, NewMessageWithoutQuestionsLeavesThemEmpty)
{
    ObjectRegistry registry;
    AreaRecord area;
    registry.setMessage(area, message(0, "hello", -1));
    ASSERT_NE(nullptr, area.message);
    EXPECT_EQ("hello", area.message->text);
    EXPECT_EQ(0, area.message->hasQuestions);
    EXPECT_EQ(-1, area.message->answerIndex);
    for (const std::string& question : area.message->questions)
        EXPECT_TRUE(question.empty());
}

TEST(SetMessage, AddingQuestionsToAPlainMessageSetsThemAndTheAnswer)
{
    ObjectRegistry registry;
    AreaRecord area;
    registry.setMessage(area, message(0, "plain", -1));
    const MessageRecord* record = area.message.get();
    registry.setMessage(area, message(1, "asked", 2));
    EXPECT_EQ(record, area.message.get());
    EXPECT_EQ(1, area.message->hasQuestions);
    EXPECT_EQ("asked", area.message->text);
    EXPECT_EQ("q3", area.message->questions[2]);
    EXPECT_EQ(2, area.message->answerIndex);
}

TEST(SetMessage, DroppingQuestionsKeepsTheirOldTexts)
{
    ObjectRegistry registry;
    AreaRecord area;
    registry.setMessage(area, message(1, "asked", 4, "old"));
    registry.setMessage(area, message(0, "plain", -1, "new"));
    EXPECT_EQ(0, area.message->hasQuestions);
    EXPECT_EQ(-1, area.message->answerIndex);
    EXPECT_EQ("plain", area.message->text);
    EXPECT_EQ("old1", area.message->questions[0]);
    EXPECT_EQ("old4", area.message->questions[3]);
}

}  // namespace
