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
class Editor;
class EditorFrameListener;
class GuiClock;

// The editor application: engine start-up of the base class, then the widgets,
// the scene and the editor's pieces over them.
class EditorApplication : public ApplicationBase {
public:
    EditorApplication();
    ~EditorApplication() override;

    // Start-up, the offer of what a crash left, the scenario given on the command
    // line, then the frame loop; a clean end removes this editor's recovery copies.
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
    // Autosave as the settings say, into the recovery folder of the write places.
    void startRecovery();
    void startWidgetSystem();
    void buildCameraViewPictures();
    void createLightsTerrainAndSky();

    std::string scenarioAtStart;
    CEGUI::Renderer* guiRenderer = nullptr;
    CEGUI::System* guiSystem = nullptr;
    CEGUI::OgreResourceProvider* guiResourceProvider = nullptr;
    CEGUI::OgreImageCodec* guiImageCodec = nullptr;
    std::unique_ptr<GuiClock> guiClock;
    std::unique_ptr<Editor> editor;
};
