#pragma once

#include "app/ApplicationBase.h"
#include "editor/EditorSession.h"

#include <memory>
#include <string>

namespace CEGUI {
class EventArgs;
class OgreImageCodec;
class OgreResourceProvider;
class Renderer;
class System;
class Window;
}
class EditorFrameListener;
class GuiClock;

// The editor: engine start-up of the base class, the scene and interface, and
// every widget command.
class EditorApplication : public ApplicationBase {
public:
    EditorApplication();
    ~EditorApplication() override;

    void chooseSceneManager() override;
    void createCamera() override;
    void createFrameListener() override;
    void createScene() override;

    EditorFrameListener* editorListener() const;

    // Start-up, then the scenario given on the command line, then the frame loop.
    void run() override;
    // Opens a scenario as Dosya > Ac does, in an editor unlocked as after New; a
    // file that cannot be opened leaves the empty scenario and the same notice.
    void openScenarioAtStart(const std::string& path);
    std::string scenarioAtStart;

    // Scene editing
    bool onDeleteClicked(const CEGUI::EventArgs& args);
    bool onObjectButtonClicked(const CEGUI::EventArgs& args);
    bool onAreaButtonClicked(const CEGUI::EventArgs& args);
    bool onRoadButtonClicked(const CEGUI::EventArgs& args);
    bool onViewClicked(const CEGUI::EventArgs& args);

    // Catalog
    void loadObjectCatalog();

    // Scenario file: false (with a notice shown) when nothing was written or loaded.
    bool saveScenario(const std::string& path);
    bool loadScenario(const std::string& path);

    // Message editor
    bool onWriteMessageClicked(const CEGUI::EventArgs& args);
    bool onAddMessageClicked(const CEGUI::EventArgs& args);
    bool onCancelMessageClicked(const CEGUI::EventArgs& args);

    // Menu bar, popups and toolbox tabs
    void wireMenuBar();
    void layoutToolboxTabs();
    bool onExitClicked(const CEGUI::EventArgs& args);

    // Document commands
    bool onNewClicked(const CEGUI::EventArgs& args);
    bool onOpenClicked(const CEGUI::EventArgs& args);
    bool onSaveClicked(const CEGUI::EventArgs& args);
    bool onFileDialogHidden(const CEGUI::EventArgs& args);

    CEGUI::Renderer* guiRenderer = nullptr;
    CEGUI::System* guiSystem = nullptr;
    CEGUI::Window* guiSheet = nullptr;

    EditorSession session;

private:
    void startWidgetSystem();
    void buildCameraViewPictures();
    void createLightsTerrainAndSky();

    CEGUI::OgreResourceProvider* guiResourceProvider = nullptr;
    CEGUI::OgreImageCodec* guiImageCodec = nullptr;
    std::unique_ptr<GuiClock> guiClock;
};
