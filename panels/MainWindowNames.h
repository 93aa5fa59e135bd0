#pragma once

// The names of the main window's widgets in "guiLayout800X600.layout": the menu
// bar and its popups, the toolbox, the properties tab and the camera view.
// Turkish names carry their English meaning.
namespace mainnames {

inline constexpr const char* layoutFile = "guiLayout800X600.layout";
inline constexpr const char* root = "DemoLayout";
inline constexpr const char* mainFrame = "TestWindowFrame";  // the frame around everything
// The main frame's own close button, named by the widget library.
inline constexpr const char* mainFrameCloseButton = "TestWindowFrame/__auto_closebutton__";

// The menu bar: its buttons and their popups.
inline constexpr const char* fileMenu = "dosya";        // "file"
inline constexpr const char* editMenu = "duzenle";      // "edit"
inline constexpr const char* viewMenu = "gorunum";      // "view"
inline constexpr const char* helpMenu = "yardim";       // "help"
inline constexpr const char* fileMenuPopup = "dosyaPopup";
inline constexpr const char* editMenuPopup = "duzenlePopup";
inline constexpr const char* viewMenuPopup = "gorunumPopup";
inline constexpr const char* helpMenuPopup = "yardimPopup";
inline constexpr const char* aboutWindow = "hakkindaicerik";  // "about contents"
inline constexpr const char* menuButtons[] = {fileMenu, editMenu, viewMenu, helpMenu};
// The popups of which at most one is open, the about window with them.
inline constexpr const char* popups[] = {fileMenuPopup, editMenuPopup, viewMenuPopup, helpMenuPopup, aboutWindow};

// Dosya's items.
inline constexpr const char* newItem = "yeniPopupItem";     // "new"
inline constexpr const char* openItem = "acPopupItem";      // "open"
inline constexpr const char* saveItem = "kaydetPopupItem";  // "save"
inline constexpr const char* saveAsItem = "farkliKaydetPopupItem";  // "save differently"
inline constexpr const char* exitItem = "cikisPopupItem";   // "exit"
// Duzenle's items.
inline constexpr const char* deleteItem = "silPopupItem";            // "delete"
inline constexpr const char* cutItem = "kesPopupItem";               // "cut"
inline constexpr const char* copyItem = "kopyalaPopupItem";          // "copy"
inline constexpr const char* pasteItem = "yapistirPopupItem";        // "paste"
inline constexpr const char* duplicateItem = "cogaltPopupItem";      // "duplicate"
inline constexpr const char* selectAllItem = "tumunuSecPopupItem";   // "select all"
inline constexpr const char* undoItem = "geriAlPopupItem";           // "take back"
inline constexpr const char* redoItem = "yinelePopupItem";           // "repeat"
inline constexpr const char* checkItem = "kontrolPopupItem";         // "check": opens the problem check
// Gorunum's items.
inline constexpr const char* toolboxItem = "arackutusu";   // "toolbox": hides and shows it
inline constexpr const char* testRunItem = "denePopupItem";  // "try": starts a test run
inline constexpr const char* goToItem = "ortalaPopupItem";   // "centre": the camera goes to the selection
inline constexpr const char* mapItem = "haritaPopupItem";    // "map": shows or hides the map
inline constexpr const char* listItem = "listePopupItem";    // "list": shows or hides the list of items
// Yardim's items.
inline constexpr const char* keyListItem = "kisayollarPopupItem";  // "shortcuts"
inline constexpr const char* aboutItem = "hakkindaPopupItem";  // "about"
// The about window's version number.
inline constexpr const char* aboutVersion = "hakkindaSurum";  // "about: version"
// The widget kind of the menus' items: a button with its key at the right ("KeyText").
inline constexpr const char* menuItemKeyProperty = "KeyText";

// The toolbox: a frame behind five tool tabs that slide sideways, in the order
// the arrows go through them, and the arrows.
inline constexpr const char* toolboxFrame = "tabFrameWindow";
inline constexpr const char* toolTabs[] = {
    "insanTab",              // "people"
    "yollarveisaretlerTab",  // "roads and signs"
    "araclarTab",            // "vehicles"
    "cevreTab",              // "surroundings"
    "ozelTab",               // "special"
};
inline constexpr const char* tabArrowLeft = "tabButtonLeft";
inline constexpr const char* tabArrowRight = "tabButtonRight";
inline constexpr const char* tabArrows[] = {tabArrowLeft, tabArrowRight};
inline constexpr const char* areaButton = "bluearea";  // places a blue area
inline constexpr const char* roadButton = "yol";       // "road": draws road segments
// A catalog object N has its button N and its picture N + imageSuffix.
inline constexpr const char* imageSuffix = "Image";

// The properties tab, which slides in beside the toolbox while something is selected.
inline constexpr const char* propertiesTab = "ozelliklerTab";  // "properties"
inline constexpr const char* xField = "xPosition";
inline constexpr const char* zField = "yPosition";  // the ground's second axis, z
inline constexpr const char* turnField = "yonText";     // "direction"
inline constexpr const char* turnLabel = "yonEtiket";   // "direction label"
inline constexpr const char* selectionCount = "secimSayisi";  // "selection count"
inline constexpr const char* writeMessageButton = "mesajYaz";  // "write message"

// Everything that shows and hides with the toolbox and is locked with it.
inline constexpr const char* toolPanels[] = {toolboxFrame, "insanTab", "yollarveisaretlerTab", "araclarTab",
                                             "cevreTab", "ozelTab", propertiesTab};

// The camera view: the live picture of the editing camera, to the toolbox's left.
inline constexpr const char* cameraView = "windowFrame";
inline constexpr const char* cameraPicture = "frameImage";
inline constexpr const char* rubberBand = "secimCercevesi";  // "selection frame"
inline constexpr const char* startHint = "baslamaIpucu";     // "start hint": what to do before there is a scenario
// The toolbox's width in pixels at the window's right edge (the fifth of the main
// frame's inside that it had in the 800 x 600 window); the view has the rest,
// or all of the window's width while the toolbox is away.
inline constexpr float toolboxWidth = 158.4f;

}  // namespace mainnames
