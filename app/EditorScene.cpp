#include "app/EditorApplication.h"

#include "app/CameraPicture.h"
#include "app/Editor.h"
#include "app/UserPaths.h"
#include "gui/InterfaceLanguage.h"
#include "gui/Notice.h"
#include "gui/WidgetLooks.h"
#include "gui/WindowLookup.h"
#include "panels/MainWindowNames.h"
#include "panels/OverviewNames.h"
#include "platform/sdl/SdlWindow.h"

#include <CEGUI/CEGUI.h>
#include <CEGUI/RendererModules/Ogre/ImageCodec.h>
#include <CEGUI/RendererModules/Ogre/Renderer.h>
#include <CEGUI/RendererModules/Ogre/ResourceProvider.h>
#include <CEGUI/RendererModules/Ogre/Texture.h>
#include <Ogre.h>

namespace {

void fixFrame(const std::string& name)
{
    auto* frame = static_cast<CEGUI::FrameWindow*>(getWindow(name));
    frame->setSizingEnabled(false);
    frame->setDragMovingEnabled(false);
}

// An image named "set/image" covering the whole of a widget texture.
void defineWholeImage(CEGUI::Texture& texture, const CEGUI::String& set, const CEGUI::String& image)
{
    auto& picture = static_cast<CEGUI::BasicImage&>(
        CEGUI::ImageManager::getSingleton().create("BasicImage", set + "/" + image));
    picture.setTexture(&texture);
    const CEGUI::Sizef size = texture.getOriginalDataSize();
    picture.setArea(CEGUI::Rectf(0, 0, static_cast<float>(static_cast<std::uint16_t>(size.d_width)),
                                 static_cast<float>(static_cast<std::uint16_t>(size.d_height))));
    picture.setOffset(CEGUI::Vector2f(0, 0));
    picture.setAutoScaled(CEGUI::ASM_Disabled);
}

}  // namespace

void EditorApplication::createScene()
{
    startWidgetSystem();

    using namespace mainnames;
    fixFrame(mainFrame);
    fixFrame(toolboxFrame);
    fixFrame(cameraView);
    static_cast<CEGUI::FrameWindow*>(getWindow(cameraView))->setRollupEnabled(false);

    buildCameraViewPictures();
    createLightsTerrainAndSky();

    // The interface covers the whole window and shows the scene through the
    // camera view's picture: the window's own view of the scene would be drawn
    // every frame only to be painted over.
    window->getViewport(0)->setAutoUpdated(false);
    editor = std::make_unique<Editor>(*sceneManager, *camera, writePlaces().dialogStartDirectory);
    editor->wire();
    buildMapPicture();
}

void EditorApplication::startWidgetSystem()
{
    auto& renderer = CEGUI::OgreRenderer::create(*window);
    guiRenderer = &renderer;
    guiResourceProvider = &CEGUI::OgreRenderer::createOgreResourceProvider();
    guiImageCodec = &CEGUI::OgreRenderer::createOgreImageCodec();
    guiSystem = &CEGUI::System::create(renderer, guiResourceProvider, nullptr, guiImageCodec, nullptr, "",
                                       writePlaces().guiLog);
    CEGUI::Logger::getSingleton().setLoggingLevel(CEGUI::Informative);

    CEGUI::SchemeManager::getSingleton().createFromFile("WindowsLook.scheme", "");
    loadWidgetLooks("");
    CEGUI::GUIContext& context = guiSystem->getDefaultGUIContext();
    context.getMouseCursor().setDefaultImage("WindowsLook/MouseArrow");
    CEGUI::FontManager::getSingleton().createFromFile("Tahoma-12.font", "");
    // Where a line has little room: the toolbox's titles.
    CEGUI::FontManager::getSingleton().createFromFile("DejaVuSans-10.font", "");
    context.setDefaultFont("Tahoma-12");
    context.getMouseCursor().setImage("WindowsLook/MouseArrow");
    context.getMouseCursor().show();
    // The widget system draws its own cursor.
    platform::hideSystemCursor();

    CEGUI::Window* layout = CEGUI::WindowManager::getSingleton().loadLayoutFromFile(mainnames::layoutFile, "");
    translateWindowTexts(*layout);
    context.setRootWindow(layout);
    wireNoticeWindow();
}

void EditorApplication::buildCameraViewPictures()
{
    auto& renderer = *static_cast<CEGUI::OgreRenderer*>(guiRenderer);
    CEGUI::Window* frameImage = getWindow(mainnames::cameraPicture);

    defineWholeImage(renderer.createTexture("blankImageSet", "terrain.png", "General"), "blankImageSet",
                     "blankImage");
    frameImage->setProperty("Image", "blankImageSet/blankImage");
    cameraPicture = std::make_unique<CameraPicture>(renderer, *camera, *frameImage);
}

void EditorApplication::createLightsTerrainAndSky()
{
    sceneManager->setAmbientLight(Ogre::ColourValue(0.75f, 0.75f, 0.75f, 1));

    Ogre::Light* light = sceneManager->createLight("Light2");
    light->setType(Ogre::Light::LT_DIRECTIONAL);
    light->setDiffuseColour(Ogre::ColourValue(0.75f, 0.75f, 0.75f, 1));
    light->setSpecularColour(Ogre::ColourValue(0.25f, 0.25f, 0.25f, 1));
    light->setDirection(Ogre::Vector3(0, -1, 1));

    light = sceneManager->createLight("Light3");
    light->setType(Ogre::Light::LT_DIRECTIONAL);
    light->setDiffuseColour(Ogre::ColourValue(0.75f, 0.75f, 0.75f, 1));
    light->setSpecularColour(Ogre::ColourValue(0.25f, 0.25f, 0.25f, 1));
    light->setDirection(Ogre::Vector3(0, 1, -1));

    sceneManager->setWorldGeometry("terrain.cfg");
    sceneManager->setSkyDome(true, "Examples/CloudySky", 5, 8, 10000, true, Ogre::Quaternion::IDENTITY, 16, 16,
                             -1, Ogre::ResourceGroupManager::DEFAULT_RESOURCE_GROUP_NAME);
}

// The map's picture: the terrain's colour texture under the marks, put into a
// texture that the widgets draw whenever the map draws itself again.
void EditorApplication::buildMapPicture()
{
    MapWindow& map = editor->map();
    const int side = map.picture().side();
    const auto pixels = static_cast<std::size_t>(side) * static_cast<std::size_t>(side);

    Ogre::Image terrainImage;
    terrainImage.load("terrain.png", "General");
    terrainImage.resize(static_cast<Ogre::ushort>(side), static_cast<Ogre::ushort>(side));
    std::vector<std::uint32_t> background(pixels);
    for (int row = 0; row < side; ++row)
        for (int column = 0; column < side; ++column)
            background[static_cast<std::size_t>(row) * side + column] =
                terrainImage.getColourAt(column, row, 0).getAsARGB();
    map.picture().setBackground(std::move(background));

    Ogre::TexturePtr texture = Ogre::TextureManager::getSingleton().createManual(
        "haritaTex", "General", Ogre::TEX_TYPE_2D, side, side, 0, Ogre::PF_A8R8G8B8, Ogre::TU_DYNAMIC_WRITE_ONLY);
    auto& renderer = *static_cast<CEGUI::OgreRenderer*>(guiRenderer);
    defineWholeImage(renderer.createTexture("haritaImageSet", texture, false), "haritaImageSet", "haritaImage");
    getWindow(overviewnames::mapPicture)->setProperty("Image", "haritaImageSet/haritaImage");
    map.present([texture, side](const MapPicture& picture) {
        const Ogre::PixelBox box(side, side, 1, Ogre::PF_A8R8G8B8,
                                 const_cast<std::uint32_t*>(picture.pixels().data()));
        texture->getBuffer()->blitFromMemory(box);
    });
}
