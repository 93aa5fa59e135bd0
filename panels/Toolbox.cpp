#include "panels/Toolbox.h"

#include "document/Translation.h"
#include "editing/EditingTools.h"
#include "gui/GuiText.h"
#include "gui/Notice.h"
#include "gui/WindowLookup.h"
#include "panels/MainWindowNames.h"
#include "panels/ObjectCatalog.h"

#include <CEGUI/CEGUI.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace {

const char* const catalogFile = "objects.txt";
const char* const pictureFolder = "../media/materials/textures/";
using mainnames::roadButton;

// The picture file decoded into a new widget texture. The file is read by its
// path from the working directory, whatever resource groups the toolkit's file
// provider knows.
CEGUI::Texture& loadPicture(const std::string& textureName, const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (!file.is_open() || bytes.empty())
        throw std::runtime_error("dosya okunamiyor");
    CEGUI::RawDataContainer data;
    data.setData(new CEGUI::uint8[bytes.size()]);
    data.setSize(bytes.size());
    std::copy(bytes.begin(), bytes.end(), data.getDataPtr());

    CEGUI::System& system = CEGUI::System::getSingleton();
    CEGUI::Texture& texture = system.getRenderer()->createTexture(fromUtf8(textureName));
    const bool decoded = system.getImageCodec().load(data, &texture) != nullptr;
    data.release();
    if (!decoded) {
        system.getRenderer()->destroyTexture(texture);
        throw std::runtime_error("dosya, editorun okuyabildigi bir resim degil");
    }
    return texture;
}

// Shows the entry's picture in its toolbox image window as the image
// N + "ImageSet/" + N + "Image", the top-left width x height pixels of N.png.
void showPicture(const CatalogEntry& entry, CEGUI::Window& imageWindow)
{
    const std::string setName = entry.name + "ImageSet";
    const CEGUI::String imageName = fromUtf8(setName + "/" + entry.name + "Image");
    CEGUI::Texture& texture = loadPicture(setName, pictureFolder + entry.name + ".png");
    auto& image = static_cast<CEGUI::BasicImage&>(CEGUI::ImageManager::getSingleton().create("BasicImage", imageName));
    image.setTexture(&texture);
    image.setArea(CEGUI::Rectf(0, 0, static_cast<float>(entry.width), static_cast<float>(entry.height)));
    image.setAutoScaled(CEGUI::ASM_Both);
    imageWindow.setProperty("Image", imageName);
}

}  // namespace

void Toolbox::loadCatalog()
{
    const CatalogReading catalog = readObjectCatalog(catalogFile);
    for (const std::string& warning : catalog.warnings)
        showNotice(warning);

    for (const CatalogEntry& entry : catalog.entries) {
        CEGUI::Window* imageWindow = findWindow(entry.name + mainnames::imageSuffix);
        CEGUI::Window* button = entry.name == roadButton ? nullptr : findWindow(entry.name);
        if (!imageWindow || (!button && entry.name != roadButton)) {
            const char* pattern = imageWindow ? tr("%1 dosyasi \"%2\" nesnesini listeliyor, ama arac kutusunda "
                                                   "onun icin bir dugme penceresi yok; bu kayit atlandi.")
                                              : tr("%1 dosyasi \"%2\" nesnesini listeliyor, ama arac kutusunda "
                                                   "onun icin bir resim penceresi yok; bu kayit atlandi.");
            showNotice(fill(pattern, {catalogFile, entry.name}));
            continue;
        }
        try {
            showPicture(entry, *imageWindow);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "sahne: %s%s.png: %s\n", pictureFolder, entry.name.c_str(), error.what());
            showNotice(fill(tr("\"%1\" nesnesinin arac kutusu resmi (%2) gosterilemiyor: dosya bulunamadi ya da "
                               "okunamadi."),
                            {entry.name, pictureFolder + entry.name + ".png"}));
        }
        if (button) {
            onWindowEvent(entry.name, CEGUI::PushButton::EventClicked,
                          [this, name = entry.name] { tools.beginObjectPlacement(name); });
            onWindowEvent(entry.name, CEGUI::Window::EventMouseDoubleClick,
                          [this, name = entry.name] { tools.beginObjectPlacement(name, true); });
        }
    }
    using mainnames::areaButton;
    onWindowEvent(areaButton, CEGUI::PushButton::EventClicked, [this] { tools.beginAreaPlacement(); });
    onWindowEvent(areaButton, CEGUI::Window::EventMouseDoubleClick, [this] { tools.beginAreaPlacement(true); });
    // Road drawing has its own button; it is no catalog object.
    onWindowEvent(roadButton, CEGUI::PushButton::EventClicked, [this] { tools.beginRoadPlacement(); });
}
