#include "editor/ObjectRegistry.h"

#include <OgreSceneNode.h>

namespace {

// Index of the newest record that matches, or -1.
template <typename Record, typename Match>
int lastIndexOf(const std::vector<std::unique_ptr<Record>>& records, Match match)
{
    for (int i = static_cast<int>(records.size()) - 1; i >= 0; --i)
        if (match(*records[i]))
            return i;
    return -1;
}

template <typename Record>
bool eraseByNode(std::vector<std::unique_ptr<Record>>& records, Ogre::SceneNode* node)
{
    const int index = lastIndexOf(records, [node](const Record& record) { return record.node == node; });
    if (index < 0)
        return false;
    records.erase(records.begin() + index);
    return true;
}

template <typename Record>
Record* findByNodeName(const std::vector<std::unique_ptr<Record>>& records, const std::string& nodeName)
{
    const int index = lastIndexOf(records, [&](const Record& record) { return record.nodeName == nodeName; });
    return index < 0 ? nullptr : records[index].get();
}

// Empties the array from its last record to its first, unhooking each item's node.
template <typename Record>
void clearRecords(std::vector<std::unique_ptr<Record>>& records)
{
    while (!records.empty()) {
        detachFromScene(records.back()->node);
        records.pop_back();
    }
}

}  // namespace

void ObjectRegistry::addObject(ObjectRecord* record) { objects.emplace_back(record); }

void ObjectRegistry::addArea(AreaRecord* record) { areas.emplace_back(record); }

void ObjectRegistry::addRoad(RoadRecord* record) { roads.emplace_back(record); }

void ObjectRegistry::addRoad(float x1, float z1, float x2, float z2, const std::string& meshName,
                             Ogre::SceneNode* node)
{
    addRoad(new RoadRecord{x1, z1, x2, z2, meshName, node});
}

ObjectRecord* ObjectRegistry::findObjectByNodeName(const std::string& nodeName) const
{
    return findByNodeName(objects, nodeName);
}

AreaRecord* ObjectRegistry::findAreaByNodeName(const std::string& nodeName) const
{
    return findByNodeName(areas, nodeName);
}

bool ObjectRegistry::removeByNode(Ogre::SceneNode* node)
{
    return eraseByNode(objects, node) || eraseByNode(areas, node) || eraseByNode(roads, node);
}

void ObjectRegistry::clearRoads() { clearRecords(roads); }

void ObjectRegistry::clearObjectsAndRoads()
{
    clearRecords(objects);
    clearRoads();
}

void ObjectRegistry::clearAll()
{
    clearObjectsAndRoads();
    clearRecords(areas);
}

void ObjectRegistry::setMessage(AreaRecord& area, const MessageData& data)
{
    if (!area.message)
        area.message = std::make_unique<MessageRecord>();
    MessageRecord& message = *area.message;
    message.hasQuestions = data.hasQuestions;
    message.text = data.text;
    // Without questions in use the old question texts are kept (a new record has none).
    if (data.hasQuestions == 1)
        message.questions = data.questions;
    message.answerIndex = data.answerIndex;
}
