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
    cursorNode->setPosition(placementOf(makeObject(0, meshFile, anchor.x, anchor.y), groundOf(sceneManager)).position);
}

void CursorPreview::place(const Item& item) { placeNode(*cursorNode, placementOf(item, groundOf(sceneManager))); }

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
