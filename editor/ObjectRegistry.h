#pragma once

#include <OgreVector.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Ogre {
class Entity;
class SceneManager;
class SceneNode;
}

struct MessageRecord {
    std::string text;
    std::array<std::string, 4> questions;
    std::uint8_t hasQuestions = 0;
    std::int32_t answerIndex = -1;
};

struct MessageData {
    std::uint8_t hasQuestions = 0;
    std::string text;
    std::array<std::string, 4> questions;
    std::int32_t answerIndex = -1;
};

struct ObjectRecord {
    Ogre::SceneNode* node = nullptr;
    Ogre::Entity* entity = nullptr;
    std::string meshName;
    std::string nodeName;
    std::string typeName;
};

struct AreaRecord {
    Ogre::SceneNode* node = nullptr;
    Ogre::Entity* entity = nullptr;
    std::string meshName;
    std::string nodeName;
    std::string typeName;
    std::unique_ptr<MessageRecord> message;
    float x1 = 0, z1 = 0, x2 = 0, z2 = 0;
};

struct RoadRecord {
    float x1 = 0, z1 = 0, x2 = 0, z2 = 0;
    std::string meshName;
    Ogre::SceneNode* node = nullptr;
};

// What the user has put on the terrain: objects, blue areas and road segments,
// each in insertion order. The records are owned here; nodes and entities belong
// to the scene manager.
class ObjectRegistry {
public:
    void addObject(ObjectRecord* record);
    void addArea(AreaRecord* record);
    void addRoad(RoadRecord* record);
    void addRoad(float x1, float z1, float x2, float z2, const std::string& meshName, Ogre::SceneNode* node);

    ObjectRecord* findObjectByNodeName(const std::string& nodeName) const;
    AreaRecord* findAreaByNodeName(const std::string& nodeName) const;
    bool removeByNode(Ogre::SceneNode* node);

    void clearRoads();
    void clearObjectsAndRoads();
    void clearAll();

    void setMessage(AreaRecord& area, const MessageData& data);

    std::vector<std::unique_ptr<ObjectRecord>> objects;
    std::vector<std::unique_ptr<RoadRecord>> roads;
    std::vector<std::unique_ptr<AreaRecord>> areas;
};

// Scene steps shared by placement and loading.
struct SceneItem {
    Ogre::SceneNode* node;
    Ogre::Entity* entity;
};

// Creates entity "Human<n>" from meshFile and its node "Human<n>Node" at position,
// with n taken from nameCounter (which then grows by one).
SceneItem createSceneItem(Ogre::SceneManager& sceneManager, int& nameCounter,
                          const std::string& meshFile, const Ogre::Vector3& position);
// Unhooks the node from the scene; the node and its entity stay alive.
void detachFromScene(Ogre::SceneNode* node);
void applyAreaGeometry(Ogre::SceneNode* node, float x1, float z1, float x2, float z2);
void applyRoadGeometry(Ogre::SceneNode* node, float x1, float z1, float x2, float z2);
