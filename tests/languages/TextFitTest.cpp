// Every text of both layouts fits its widget in every language, measured with
// the interface's real font on the wired editor (menu items with their keys):
// the test language "xx" makes every text about 40% longer, so a widget that
// holds it leaves room for translations to come.
#include "gui/GuiText.h"
#include "gui/InterfaceLanguage.h"
#include "panels/KeyListWindow.h"
#include "panels/RowTable.h"
#include "tests/support/EditorFixture.h"
#include "tests/support/HeadlessGui.h"

#include <CEGUI/CEGUI.h>
#include <CEGUI/falagard/WidgetLookManager.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string locales = SAHNE_RUNTIME_LOCALE_DIR;

// Room a text keeps from its widget's edges, where the frames and bevels are
// drawn, and between a menu item's text and its key.
constexpr float edgeRoom = 2.0f;
constexpr float keyGap = 16.0f;

bool isWrapped(const CEGUI::Window& window)
{
    return window.isPropertyPresent("HorzFormatting")
        && window.getProperty("HorzFormatting").find("WordWrap") != CEGUI::String::npos;
}

// Where the widget's look draws its text, in the widget's pixels.
CEGUI::Rectf textArea(const CEGUI::Window& window)
{
    const CEGUI::WidgetLookFeel& look =
        CEGUI::WidgetLookManager::getSingleton().getWidgetLook(window.getLookNFeel());
    if (window.getType() == "WindowsLook/StaticText") {
        const bool framed = window.getProperty("FrameEnabled") == "true";
        return look.getNamedArea(framed ? "WithFrameTextRenderArea" : "NoFrameTextRenderArea")
            .getArea()
            .getPixelRect(window);
    }
    CEGUI::Rectf widest(0, 0, 0, 0);
    for (const CEGUI::String& name : look.getImagerySectionNames(true)) {
        auto texts = look.getImagerySection(name).getTextComponentIterator();
        for (; !texts.isAtEnd(); ++texts) {
            const CEGUI::Rectf area = texts.getCurrentValue().getComponentArea().getPixelRect(window);
            if (area.getWidth() > widest.getWidth())
                widest = area;
        }
    }
    return widest;
}

// What does not fit: "name: text (needs W x H, has w x h)".
void collectMisfits(const CEGUI::Window& window, std::vector<std::string>& misfits)
{
    for (std::size_t k = 0; k < window.getChildCount(); ++k)
        collectMisfits(*window.getChildAtIdx(k), misfits);
    const CEGUI::String& type = window.getType();
    const bool measured = type == "WindowsLook/Button" || type == "WindowsLook/Label"
                       || type == "WindowsLook/StaticText" || type == "WindowsLook/Titlebar"
                       || type == "WindowsLook/Checkbox" || type == "WindowsLook/RadioButton"
                       || type == "SahneLook/MenuItem";
    if (!measured || window.getText().empty())
        return;
    const CEGUI::Font* font = window.getFont();
    const CEGUI::Rectf area = textArea(window);
    float width = 0, height = 0;
    if (isWrapped(window)) {
        width = CEGUI::PropertyHelper<float>::fromString(window.getProperty("HorzExtent"));
        height = CEGUI::PropertyHelper<float>::fromString(window.getProperty("VertExtent"));
    } else {
        width = font->getTextExtent(window.getText());
        height = font->getFontHeight();
    }
    if (window.isPropertyPresent("KeyText") && !window.getProperty("KeyText").empty())
        width += keyGap + font->getTextExtent(window.getProperty("KeyText"));
    if (width + 2 * edgeRoom <= area.getWidth() && height <= area.getHeight())
        return;
    const CEGUI::Window* named = type == "WindowsLook/Titlebar" ? window.getParent() : &window;
    misfits.push_back(toUtf8(named->getNamePath()) + ": \"" + toUtf8(window.getText()) + "\" needs "
                      + std::to_string(int(width + 2 * edgeRoom)) + " x " + std::to_string(int(height)) + ", has "
                      + std::to_string(int(area.getWidth())) + " x " + std::to_string(int(area.getHeight())));
}

class TextFit : public EditorFixture, public ::testing::WithParamInterface<const char*> {
protected:
    void TearDown() override
    {
        switchLanguage("", locales);
        EditorFixture::TearDown();
    }
};

// The main layout with the file dialog added to it, as the editor shows them.
TEST_P(TextFit, EveryTextOfBothLayoutsFits)
{
    ASSERT_EQ(switchLanguage(GetParam(), locales), "");
    // Sizes and formatting as a drawn frame would have them.
    headlessgui::advance(0.1f);
    CEGUI::Window* root = headlessgui::context().getRootWindow();
    ASSERT_TRUE(root->isChild("CommonFileDialog") || root->getChildRecursive("CommonFileDialog"));
    std::vector<std::string> misfits;
    collectMisfits(*root, misfits);
    for (const std::string& misfit : misfits)
        ADD_FAILURE() << GetParam() << ": " << misfit;
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFit, ::testing::Values("", "tr", "en", "xx"));

// The key list's rows are written by code, page by page as it scrolls; a row is
// one line in a window that must fit the smallest screen, so the room is measured
// for the languages shown, not for the longer test language.
class KeyListFit : public TextFit {};

TEST_P(KeyListFit, EveryRowFits)
{
    ASSERT_EQ(switchLanguage(GetParam(), locales), "");
    editor->keyList().toggle();
    RowTable& table = editor->keyList().table();
    ASSERT_GT(table.rowCount(), table.rowsInSight());
    std::vector<std::string> misfits;
    for (std::size_t row = 0; row < table.rowCount(); ++row) {
        table.reveal(row);
        headlessgui::advance(0.1f);
        collectMisfits(*table.rowWindow(row - table.firstShown()), misfits);
    }
    for (const std::string& misfit : misfits)
        ADD_FAILURE() << GetParam() << ": " << misfit;
}

INSTANTIATE_TEST_SUITE_P(Languages, KeyListFit, ::testing::Values("", "tr", "en"));

TEST(InterfaceFont, HasEveryTurkishLetter)
{
    headlessgui::context();
    const CEGUI::Font& font = CEGUI::FontManager::getSingleton().get("Tahoma-12");
    for (const char* letter : {"İ", "ı", "Ş", "ş", "Ğ", "ğ", "Ü", "ü", "Ö", "ö", "Ç", "ç"}) {
        const CEGUI::String glyph = fromUtf8(letter);
        EXPECT_TRUE(font.isCodepointAvailable(glyph[0])) << letter;
        EXPECT_GT(font.getTextExtent(glyph), 3.0f) << letter;
    }
}

}  // namespace
