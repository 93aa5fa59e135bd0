#include "app/bench/ReferenceView.h"

#include "document/Document.h"
#include "scene/SceneMirror.h"

#include <Ogre.h>

#include <cmath>

ReferenceItems::ReferenceItems(Ogre::SceneManager& sceneManager, const Document& document, const SceneMirror& mirror)
    : sceneManager(sceneManager), mirror(mirror),
      node(sceneManager.getRootSceneNode()->createChildSceneNode("referenceItems"))
{
    for (const Item& item : document.items()) {
        Ogre::Entity* entity = sceneManager.createEntity(item.mesh);
        for (Ogre::SubEntity* part : entity->getSubEntities())
            if (!part->getMaterial()->isTransparent())
                part->setRenderQueueGroup(SceneMirror::solidItemQueue);
        Ogre::SceneNode* itemNode = node->createChildSceneNode();
        itemNode->attachObject(entity);
        placeNode(*itemNode, *mirror.placement(item.id));
    }
    node->setVisible(false);
}

ReferenceItems::~ReferenceItems()
{
    show(false);
    for (Ogre::Node* child : node->getChildren())
        sceneManager.destroyMovableObject(static_cast<Ogre::SceneNode*>(child)->getAttachedObject(0));
    node->removeAndDestroyAllChildren();
    sceneManager.destroySceneNode(node);
}

void ReferenceItems::show(bool shown)
{
    node->setVisible(shown);
    mirror.itemsNode()->setVisible(!shown);
}

Picture pictureOf(Ogre::RenderTarget& target)
{
    Picture picture;
    picture.width = target.getWidth();
    picture.height = target.getHeight();
    picture.rgb.resize(picture.width * picture.height * 3);
    const Ogre::PixelBox box(static_cast<Ogre::uint32>(picture.width), static_cast<Ogre::uint32>(picture.height), 1,
                             Ogre::PF_BYTE_RGB, picture.rgb.data());
    target.copyContentsToMemory(Ogre::Box(0, 0, box.getWidth(), box.getHeight()), box);
    return picture;
}

void savePicture(const Picture& picture, const std::string& path)
{
    Ogre::Image image;
    image.loadDynamicImage(const_cast<std::uint8_t*>(picture.rgb.data()), static_cast<Ogre::uint32>(picture.width),
                           static_cast<Ogre::uint32>(picture.height), Ogre::PF_BYTE_RGB);
    image.save(path);
}

std::size_t differingPixels(const Picture& a, const Picture& b, double fuzz)
{
    if (a.width != b.width || a.height != b.height)
        return a.width * a.height;
    const double limit = fuzz * 255;
    std::size_t differing = 0;
    for (std::size_t i = 0; i < a.rgb.size(); i += 3) {
        bool unlike = false;
        for (std::size_t channel = 0; channel < 3; ++channel)
            unlike = unlike || std::abs(static_cast<double>(a.rgb[i + channel]) - b.rgb[i + channel]) > limit;
        differing += unlike;
    }
    return differing;
}
