#include "tests/filedialog/DialogFixture.h"

#include "tests/support/HeadlessGui.h"

#include <CEGUI/CEGUI.h>

namespace {

const char* const mainControls[] = {"BackButton",      "OkButton",          "CancelButton", "FileCombobox",
                                    "DriveCombobox", "ExtensionCombobox", "Listbox"};

CEGUI::ListboxItem* itemWithText(CEGUI::Listbox* list, const std::string& text) {
    for (size_t i = 0; i < list->getItemCount(); ++i)
        if (std::string(list->getListboxItemFromIndex(i)->getText().c_str()) == text)
            return list->getListboxItemFromIndex(i);
    throw std::runtime_error("no list item \"" + text + "\"");
}

// The screen point in the middle of the item's row, after scrolling it into view.
CEGUI::Vector2f pointOfItem(CEGUI::Listbox* list, const std::string& text) {
    CEGUI::ListboxItem* item = itemWithText(list, text);
    list->ensureItemIsVisible(item);
    const CEGUI::Rectf area = list->getListRenderArea();
    float top = area.d_min.d_y - list->getVertScrollbar()->getScrollPosition();
    for (size_t i = 0; list->getListboxItemFromIndex(i) != item; ++i)
        top += list->getListboxItemFromIndex(i)->getPixelSize().d_height;
    const CEGUI::Vector2f origin = list->getUnclippedOuterRect().get().d_min;
    return CEGUI::Vector2f(origin.d_x + area.d_min.d_x + 4.0f,
                           origin.d_y + top + item->getPixelSize().d_height / 2.0f);
}

std::vector<std::string> itemTexts(const CEGUI::Listbox* list) {
    std::vector<std::string> texts;
    for (size_t i = 0; i < list->getItemCount(); ++i)
        texts.emplace_back(list->getListboxItemFromIndex(i)->getText().c_str());
    return texts;
}

}  // namespace

void DialogFixture::SetUp() {
    headlessgui::context();
    demoLayout = CEGUI::WindowManager::getSingleton().createWindow("DefaultWindow", "DemoLayout");
    demoLayout->setArea(CEGUI::URect(CEGUI::UDim(0, 0), CEGUI::UDim(0, 0), CEGUI::UDim(1, 0), CEGUI::UDim(1, 0)));
    headlessgui::setRoot(demoLayout);
}

void DialogFixture::TearDown() {
    headlessgui::resetRoot();
    dialog.reset();
}

CommonFileDialog& DialogFixture::makeDialog(std::unique_ptr<host::DirectoryHost> host,
                                            const std::string& startDirectory) {
    dialog = std::make_unique<CommonFileDialog>(std::move(host), startDirectory);
    demoLayout->addChild(dialog->getRootWindow());
    dialog->getRootWindow()->subscribeEvent(CEGUI::Window::EventHidden, [this] {
        reported.push_back(dialog->getResult());
    });
    return *dialog;
}

CEGUI::Window* DialogFixture::child(const std::string& namePath) const {
    return dialog->getRootWindow()->getChild(namePath);
}

CEGUI::Combobox* DialogFixture::combobox(const std::string& name) const {
    return static_cast<CEGUI::Combobox*>(child(name));
}

CEGUI::Listbox* DialogFixture::listbox() const { return static_cast<CEGUI::Listbox*>(child("Listbox")); }

std::vector<std::string> DialogFixture::listing() const { return itemTexts(listbox()); }

std::vector<std::string> DialogFixture::comboboxItems(const std::string& name) const {
    return itemTexts(combobox(name)->getDropList());
}

std::string DialogFixture::textOf(const std::string& namePath) const {
    return (namePath.empty() ? dialog->getRootWindow() : child(namePath))->getText().c_str();
}

void DialogFixture::clickListItem(const std::string& text) {
    const CEGUI::Vector2f point = pointOfItem(listbox(), text);
    headlessgui::clickAt(point.d_x, point.d_y);
}

void DialogFixture::doubleClickListItem(const std::string& text) {
    const CEGUI::Vector2f point = pointOfItem(listbox(), text);
    headlessgui::doubleClickAt(point.d_x, point.d_y);
}

void DialogFixture::choose(const std::string& comboboxName, const std::string& text) {
    CEGUI::Combobox* box = combobox(comboboxName);
    headlessgui::click(box->getPushButton());
    ASSERT_TRUE(box->isDropDownListVisible());
    const CEGUI::Vector2f point = pointOfItem(box->getDropList(), text);
    headlessgui::clickAt(point.d_x, point.d_y);
}

void DialogFixture::typeFileName(const std::string& text) {
    headlessgui::click(combobox("FileCombobox")->getEditbox());
    headlessgui::typeText(text);
}

void DialogFixture::pressKey(CEGUI::Key::Scan key) {
    headlessgui::context().injectKeyDown(key);
    headlessgui::context().injectKeyUp(key);
}

void DialogFixture::click(const std::string& namePath) { headlessgui::click(child(namePath)); }

void DialogFixture::clickCloseButton() { headlessgui::click(child("__auto_closebutton__")); }

bool DialogFixture::visible(const std::string& namePath) const {
    return namePath.empty() ? dialog->getRootWindow()->isVisible() : child(namePath)->isVisible();
}

bool DialogFixture::controlsEnabled() const {
    for (const char* name : mainControls)
        if (child(name)->isDisabled())
            return false;
    return true;
}

bool DialogFixture::controlsDisabled() const {
    for (const char* name : mainControls)
        if (!child(name)->isDisabled())
            return false;
    return true;
}

CommonFileDialogRequest openRequest() {
    CommonFileDialogRequest request;
    request.requestId = 1;
    request.filter = "ZEVO (*.zev)|*.zev|All files|*.*|";
    request.loadMode = true;
    request.defaultPattern = "*.zev";
    return request;
}

CommonFileDialogRequest saveRequest() {
    CommonFileDialogRequest request;
    request.requestId = 2;
    request.filter =
        "ZEVO (*.zev)|*.zev|TXT (*.txt)|*.txt|Portable Network Graphics (*.png)|*.png|Truevision Targa (*.tga)|*.tga|";
    request.loadMode = false;
    request.defaultPattern = "*.zev";
    request.defaultName = "save.zev";
    return request;
}
