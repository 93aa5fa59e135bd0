#include "app/CameraPicture.h"

#include <CEGUI/CEGUI.h>
#include <CEGUI/RendererModules/Ogre/Renderer.h>
#include <CEGUI/RendererModules/Ogre/Texture.h>
#include <Ogre.h>

#include <algorithm>
#include <cmath>

namespace {

const char* const textureName = "RttTex";
const char* const imageSet = "cameraImageSet";
const char* const image = "cameraImageSet/cameraImage";

// The widget's size in whole pixels, at least one of each.
int wholePixels(float size) { return std::max(1, static_cast<int>(std::lround(size))); }

}  // namespace

CameraPicture::CameraPicture(CEGUI::OgreRenderer& renderer, Ogre::Camera& camera, CEGUI::Window& picture)
    : renderer(renderer), camera(camera), picture(picture)
{
    const CEGUI::Sizef size = picture.getPixelSize();
    texture = Ogre::TextureManager::getSingleton().createManual(
        textureName, "General", Ogre::TEX_TYPE_2D, wholePixels(size.d_width), wholePixels(size.d_height), 0,
        Ogre::PF_R8G8B8, Ogre::TU_RENDERTARGET);
    renderer.createTexture(imageSet, texture, false);
    auto& shown = static_cast<CEGUI::BasicImage&>(CEGUI::ImageManager::getSingleton().create("BasicImage", image));
    shown.setTexture(&renderer.getTexture(imageSet));
    shown.setAutoScaled(CEGUI::ASM_Disabled);
    drawInto(static_cast<int>(texture->getWidth()), static_cast<int>(texture->getHeight()));
}

CameraPicture::~CameraPicture()
{
    // The engine's texture goes before the engine (the widget system lets go of its own).
    if (texture)
        Ogre::TextureManager::getSingleton().remove(texture);
}

void CameraPicture::fit()
{
    const CEGUI::Sizef size = picture.getPixelSize();
    const int width = wholePixels(size.d_width), height = wholePixels(size.d_height);
    if (width == static_cast<int>(texture->getWidth()) && height == static_cast<int>(texture->getHeight()))
        return;
    // The render target goes with the texture's old pixels; a new one, with its view, comes with the new.
    texture->freeInternalResources();
    texture->setWidth(width);
    texture->setHeight(height);
    texture->createInternalResources();
    drawInto(width, height);
}

void CameraPicture::drawInto(int width, int height)
{
    Ogre::RenderTarget* target = texture->getBuffer()->getRenderTarget();
    Ogre::Viewport* view = target->addViewport(&camera, 0, 0, 0, 1, 1);
    view->setOverlaysEnabled(false);
    view->setClearEveryFrame(true);
    view->setBackgroundColour(Ogre::ColourValue::Black);
    // What asks the camera for its view before the next picture sees this one.
    camera._notifyViewport(view);
    camera.setAspectRatio(static_cast<Ogre::Real>(width) / static_cast<Ogre::Real>(height));

    static_cast<CEGUI::OgreTexture&>(renderer.getTexture(imageSet)).setOgreTexture(texture, false);
    auto& shown = static_cast<CEGUI::BasicImage&>(CEGUI::ImageManager::getSingleton().get(image));
    shown.setArea(CEGUI::Rectf(0, 0, static_cast<float>(width), static_cast<float>(height)));
    // The widget draws the picture anew from the new texture.
    picture.invalidate();
}
