#include "scene/CursorPreview.h"

#include "document/Item.h"
#include "scene/SceneMirror.h"

#include <OgreEntity.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

CursorPreview::CursorPreview(Ogre::SceneManager& sceneManager)
    : sceneManager(sceneManager),
      cursorNode(sceneManager.getRootSceneNode()->createChildSceneNode("mouseObjectNode", Ogre::Vector3::ZERO,
                                                                       Ogre::Quaternion::IDENTITY))
{
}

CursorPreview::~CursorPreview()
{
    remove();
    sceneManager.destroySceneNode(cursorNode);
}

void CursorPreview::showObject(const std::string& meshFile)
{
    attach(meshFile);
    cursorNode->setScale(1, 1, 1);
}

void CursorPreview::showAnchor(const std::string& meshFile, const Ogre::Vector2& anchor)
{
    attach(meshFile);
    cursorNode->resetOrientation();
    cursorNode->setScale(0, 0.1f, 0);
    cursorNode->setPosition(anchor.x, 0, anchor.y);
}

void CursorPreview::moveObjectTo(const Ogre::Vector2& ground) { cursorNode->setPosition(ground.x, 0, ground.y); }

void CursorPreview::stretchArea(const Ogre::Vector2& anchor, const Ogre::Vector2& ground)
{
    placeNode(*cursorNode, makeArea(0, "", anchor.x, anchor.y, ground.x, ground.y));
}

void CursorPreview::stretchRoad(const Ogre::Vector2& anchor, const Ogre::Vector2& ground)
{
    placeNode(*cursorNode, makeRoad(0, "", anchor.x, anchor.y, ground.x, ground.y));
}

void CursorPreview::remove()
{
    cursorNode->setPosition(0, 0, 0);
    if (!entity)
        return;
    entity->detachFromParent();
    sceneManager.destroyEntity(entity);
    entity = nullptr;
}

void CursorPreview::attach(const std::string& meshFile)
{
    remove();
    entity = sceneManager.createEntity("mouseObjectEntity", meshFile);
    entity->setQueryFlags(0);
    cursorNode->attachObject(entity);
}
