// A change of language in the running editor: layout texts and texts set by
// code follow at once; what code wrote into a layout window stays its own.
#include "document/Translation.h"
#include "gui/GuiText.h"
#include "gui/InterfaceLanguage.h"
#include "gui/Notice.h"
#include "panels/LanguageNames.h"
#include "panels/MainWindowNames.h"
#include "panels/OverviewNames.h"
#include "tests/support/EditorFixture.h"
#include "tests/support/HeadlessGui.h"

#include <CEGUI/CEGUI.h>

namespace {

const std::string locales = SAHNE_RUNTIME_LOCALE_DIR;

std::string textOf(const std::string& name) { return toUtf8(window(name)->getText()); }

class LanguageSwitch : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        editor->languageChoice().configure(locales, [this](const std::string& language) { kept = language; });
    }
    void TearDown() override
    {
        switchLanguage("", locales);
        EditorFixture::TearDown();
    }

    std::string kept;
};

TEST_F(LanguageSwitch, ChoiceInTheViewMenuRetranslatesLayoutAndCodeTextsAndIsKept)
{
    startEditing();
    editor->selection().selectOnly({addObject(), addArea()});
    headlessgui::click(window(mainnames::editMenu));
    headlessgui::click(window(mainnames::checkItem));
    ASSERT_EQ(textOf(overviewnames::checkResult), "1 sorun");
    ASSERT_EQ(textOf(mainnames::mainFrame), "Sahne - Adsiz *");
    ASSERT_EQ(textOf(mainnames::selectionCount), "2 oge secili");

    headlessgui::click(window(mainnames::viewMenu));
    headlessgui::click(window(languagenames::menuItem));
    headlessgui::click(window(languagenames::english));

    EXPECT_EQ(kept, "en");
    EXPECT_FALSE(window(languagenames::window)->isVisible());
    EXPECT_EQ(textOf(mainnames::fileMenu), "File");
    EXPECT_EQ(textOf(mainnames::viewMenu), "View");
    EXPECT_EQ(textOf(mainnames::mainFrame), "Sahne - Untitled *");
    EXPECT_EQ(textOf(overviewnames::checkResult), "Problems: 1");
    EXPECT_EQ(textOf(mainnames::selectionCount), "2 items selected");
    // The check's rows name the problem in the language shown.
    EXPECT_EQ(toUtf8(editor->check().table().rowWindow(0)->getChildAtIdx(1)->getText()), "No message");

    headlessgui::click(window(mainnames::viewMenu));
    headlessgui::click(window(languagenames::menuItem));
    headlessgui::click(window(languagenames::turkish));
    EXPECT_EQ(kept, "tr");
    EXPECT_EQ(textOf(mainnames::editMenu), "Düzenle");
    EXPECT_EQ(textOf(mainnames::mainFrame), "Sahne - Adsız *");
    EXPECT_EQ(textOf(overviewnames::checkResult), "1 sorun");
    EXPECT_EQ(textOf(mainnames::selectionCount), "2 öğe seçili");
}

TEST_F(LanguageSwitch, TextWrittenByCodeIntoALayoutWindowIsNotReplaced)
{
    showNotice("Bir dosya okunamadi.");
    ASSERT_EQ(switchLanguage("en", locales), "");
    EXPECT_EQ(noticeText(), "Bir dosya okunamadi.");
    // The notice window's own caption was set by code too; a new notice brings the new language.
    showNotice("x");
    EXPECT_EQ(textOf("uyariWindow"), "Warning");
}

TEST_F(LanguageSwitch, AnUnknownLanguageChangesNothingAndSaysSo)
{
    ASSERT_EQ(switchLanguage("en", locales), "");
    editor->languageChoice().choose("fr");
    EXPECT_EQ(kept, "");
    EXPECT_EQ(textOf(mainnames::fileMenu), "File");
    EXPECT_NE(noticeText(), "");
}

}  // namespace
