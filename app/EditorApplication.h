#pragma once

#include "app/ApplicationBase.h"

#include <memory>
#include <string>

namespace CEGUI {
class OgreImageCodec;
class OgreResourceProvider;
class Renderer;
class System;
class Window;
}
class CameraPicture;
class Editor;
class EditorFrameListener;
class GuiClock;
class SettingsFile;
class WindowSizeFollower;

// The editor application: engine start-up of the base class, then the widgets,
// the scene and the editor's pieces over them.
class EditorApplication : public ApplicationBase {
public:
    EditorApplication();
    ~EditorApplication() override;

    // Start-up (the window at the size it had when the editor last ended), the
    // offer of what a crash left, the scenario given on the command line, then
    // the frame loop; a clean end removes this editor's recovery copies and
    // remembers the window's size.
    void run() override;
    // The scenario run() opens once the editor is up, as Dosya > Ac does, in an
    // editor unlocked as after New; a file that cannot be opened leaves the
    // empty scenario and the same notice.
    void openAtStart(const std::string& path) { scenarioAtStart = path; }

protected:
    void chooseSceneManager() override;
    void createCamera() override;
    void createFrameListener() override;
    void createScene() override;
    Editor& editorParts() const { return *editor; }

private:
    // The editor's settings file as it is now; a file that cannot be read is told
    // on standard error and counts as empty.
    static SettingsFile readSettings();
    // Autosave as the settings say, into the recovery folder of the write places.
    void startRecovery(const SettingsFile& settings);
    void saveWindowSize();
    void startWidgetSystem();
    void buildCameraViewPictures();
    void createLightsTerrainAndSky();
    void buildMapPicture();

    std::string scenarioAtStart;
    CEGUI::Renderer* guiRenderer = nullptr;
    CEGUI::System* guiSystem = nullptr;
    CEGUI::OgreResourceProvider* guiResourceProvider = nullptr;
    CEGUI::OgreImageCodec* guiImageCodec = nullptr;
    std::unique_ptr<GuiClock> guiClock;
    std::unique_ptr<Editor> editor;
    std::unique_ptr<CameraPicture> cameraPicture;
    std::unique_ptr<WindowSizeFollower> sizeFollower;
};
