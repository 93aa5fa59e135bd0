#include "tests/support/HeadlessGui.h"

#include "gui/InterfaceLanguage.h"
#include "gui/WidgetLooks.h"
#include "tests/support/TestPaths.h"

#include <CEGUI/CEGUI.h>
#include <CEGUI/SimpleTimer.h>
#include <CEGUI/RendererModules/Null/Renderer.h>

#include <stdexcept>

namespace headlessgui {
namespace {

// Swallows everything CEGUI would log, so tests write no CEGUI.log.
class QuietLogger : public CEGUI::Logger {
public:
    void logEvent(const CEGUI::String&, CEGUI::LoggingLevel) override {}
    void setLogFilename(const CEGUI::String&, bool) override {}
};

// CEGUI takes a press as part of a double click when it comes within the
// multi-click timeout of the previous one, timed on the wall clock (in steps of
// about a microsecond). Single clicks run with a timeout of a microsecond and
// wait until a few have passed since the last press; the second press of a
// double click runs with the usual timeout.
constexpr float doubleClickTimeout = 0.33f;
constexpr float singleClickTimeout = 1e-6f;
constexpr double clickSeparation = 5e-6;
constexpr float pulseBetweenClicks = 0.4f;
double lastPressTime = 0.0;

void configureResources() {
    auto* provider = static_cast<CEGUI::DefaultResourceProvider*>(
        CEGUI::System::getSingleton().getResourceProvider());
    provider->setResourceGroupDirectory("schemes", testpaths::ceguiDataDir + "/schemes/");
    provider->setResourceGroupDirectory("imagesets", testpaths::ceguiDataDir + "/imagesets/");
    provider->setResourceGroupDirectory("looknfeel", testpaths::ceguiDataDir + "/looknfeel/");
    provider->setResourceGroupDirectory("fonts", testpaths::mediaDir + "/gui/fonts/");
    provider->setResourceGroupDirectory("layouts", testpaths::mediaDir + "/gui/layouts/");

    CEGUI::Scheme::setDefaultResourceGroup("schemes");
    CEGUI::ImageManager::setImagesetDefaultResourceGroup("imagesets");
    CEGUI::Font::setDefaultResourceGroup("fonts");
    CEGUI::WidgetLookManager::setDefaultResourceGroup("looknfeel");
    CEGUI::WindowManager::setDefaultResourceGroup("layouts");
}

CEGUI::GUIContext& createSystem() {
    new QuietLogger;  // a singleton: the System finds it and creates no log of its own
    CEGUI::Exception::setStdErrEnabled(false);  // tests expecting exceptions stay quiet
    CEGUI::NullRenderer& renderer = CEGUI::NullRenderer::create();
    // With a 0x0 display every injected mouse position is invalid.
    renderer.setDisplaySize(CEGUI::Sizef(800.0f, 600.0f));
    CEGUI::System::create(renderer);
    configureResources();

    CEGUI::SchemeManager::getSingleton().createFromFile("WindowsLook.scheme");
    loadWidgetLooks("layouts");
    CEGUI::FontManager::getSingleton().createFromFile("Tahoma-12.font");
    CEGUI::FontManager::getSingleton().createFromFile("DejaVuSans-10.font");
    CEGUI::GUIContext& ctx = CEGUI::System::getSingleton().getDefaultGUIContext();
    ctx.setDefaultFont("Tahoma-12");
    ctx.setMouseButtonMultiClickTimeout(singleClickTimeout);
    return ctx;
}

CEGUI::Vector2f centreOf(CEGUI::Window* window) {
    const CEGUI::Rectf& rect = window->getUnclippedOuterRect().get();
    return CEGUI::Vector2f((rect.d_min.d_x + rect.d_max.d_x) / 2.0f,
                           (rect.d_min.d_y + rect.d_max.d_y) / 2.0f);
}

CEGUI::Vector2f visibleCentreOf(CEGUI::Window* window) {
    if (!window)
        throw std::runtime_error("headlessgui: cannot click a null window");
    CEGUI::Window* hit = windowAtCentreOf(window);
    if (hit != window && !(hit && hit->isAncestor(window)))
        throw std::runtime_error("headlessgui: \"" + std::string(window->getNamePath().c_str()) +
                                 "\" is not visible under its centre (found \"" +
                                 (hit ? std::string(hit->getNamePath().c_str()) : std::string("nothing")) +
                                 "\")");
    return centreOf(window);
}

void pressAndRelease() {
    context().injectMouseButtonDown(CEGUI::LeftButton);
    lastPressTime = CEGUI::SimpleTimer::currentTime();
    context().injectMouseButtonUp(CEGUI::LeftButton);
}

void waitForANewClick() {
    while (CEGUI::SimpleTimer::currentTime() - lastPressTime <= clickSeparation) {
    }
}

}  // namespace

CEGUI::GUIContext& context() {
    static CEGUI::GUIContext& ctx = createSystem();
    return ctx;
}

CEGUI::Window* loadRootLayout(const std::string& layoutFile) {
    context();
    CEGUI::Window* root = CEGUI::WindowManager::getSingleton().loadLayoutFromFile(layoutFile);
    translateWindowTexts(*root);
    setRoot(root);
    return root;
}

void setRoot(CEGUI::Window* root) {
    CEGUI::GUIContext& ctx = context();
    CEGUI::Window* old = ctx.getRootWindow();
    ctx.setRootWindow(root);
    if (old && old != root)
        CEGUI::WindowManager::getSingleton().destroyWindow(old);
    CEGUI::WindowManager::getSingleton().cleanDeadPool();
}

void resetRoot() { setRoot(nullptr); }

void advance(float seconds) {
    CEGUI::GUIContext& ctx = context();
    CEGUI::System::getSingleton().injectTimePulse(seconds);
    ctx.injectTimePulse(seconds);
}

CEGUI::Window* windowAtCentreOf(CEGUI::Window* window) {
    CEGUI::Window* root = context().getRootWindow();
    if (!root || !window)
        return nullptr;
    // Disabled windows count: clicking a disabled button is something a user does.
    return root->getTargetChildAtPosition(centreOf(window), true);
}

void clickAt(float x, float y) {
    advance(pulseBetweenClicks);
    context().injectMousePosition(x, y);
    waitForANewClick();
    pressAndRelease();
    advance(pulseBetweenClicks);
}

void doubleClickAt(float x, float y) {
    advance(pulseBetweenClicks);
    context().injectMousePosition(x, y);
    waitForANewClick();
    pressAndRelease();
    context().setMouseButtonMultiClickTimeout(doubleClickTimeout);
    pressAndRelease();
    context().setMouseButtonMultiClickTimeout(singleClickTimeout);
    advance(pulseBetweenClicks);
}

void click(CEGUI::Window* window) {
    const CEGUI::Vector2f centre = visibleCentreOf(window);
    clickAt(centre.d_x, centre.d_y);
}

void doubleClick(CEGUI::Window* window) {
    const CEGUI::Vector2f centre = visibleCentreOf(window);
    doubleClickAt(centre.d_x, centre.d_y);
}

void typeText(const std::string& utf8) {
    const CEGUI::String text(reinterpret_cast<const CEGUI::utf8*>(utf8.c_str()));
    for (size_t i = 0; i < text.length(); ++i)
        context().injectChar(text[i]);
}

}  // namespace headlessgui
