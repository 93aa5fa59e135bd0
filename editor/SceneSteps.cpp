#include "editor/ObjectRegistry.h"
#include "editor/PlacementGeometry.h"

#include <OgreEntity.h>
#include <OgreMath.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

SceneItem createSceneItem(Ogre::SceneManager& sceneManager, int& nameCounter, const std::string& meshFile,
                          const Ogre::Vector3& position)
{
    const std::string entityName = "Human" + std::to_string(nameCounter);
    // The entity comes first: when its mesh cannot be loaded nothing has been made yet.
    Ogre::Entity* entity = sceneManager.createEntity(entityName, meshFile);
    ++nameCounter;
    Ogre::SceneNode* node = sceneManager.getRootSceneNode()->createChildSceneNode(
        entityName + "Node", position, Ogre::Quaternion::IDENTITY);
    node->attachObject(entity);
    return {node, entity};
}

void detachFromScene(Ogre::SceneNode* node)
{
    if (!node)
        return;
    if (Ogre::Node* parent = node->getParent())
        parent->removeChild(node);
    node->removeAllChildren();
}

void applyAreaGeometry(Ogre::SceneNode* node, float x1, float z1, float x2, float z2)
{
    node->setScale(areaScale(x1, z1, x2, z2));
}

void applyRoadGeometry(Ogre::SceneNode* node, float x1, float z1, float x2, float z2)
{
    const RoadShape shape = roadShape(x1, z1, x2, z2);
    node->setScale(shape.scale);
    node->setPosition(shape.position);
    node->resetOrientation();
    if (shape.alongX)
        node->rotate(Ogre::Vector3::UNIT_Y, Ogre::Radian(90 * Ogre::Math::fDeg2Rad), Ogre::Node::TS_LOCAL);
}
