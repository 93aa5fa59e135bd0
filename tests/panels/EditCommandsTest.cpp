#include "tests/support/EditorFixture.h"

#include "document/GroupEdits.h"
#include "tests/support/HeadlessGui.h"

#include <CEGUI/CEGUI.h>
#include <OgreCamera.h>
#include <OgreFrameListener.h>

#include <algorithm>

using headlessgui::click;

namespace {

// Duzenle's group edits, their keys and the properties of several items, in
// the editor on the staged terrain.
class EditCommands : public EditingOnTerrain {
protected:
    void SetUp() override
    {
        EditingOnTerrain::SetUp();
        a = add(makeObject(editor->document().peekId(), "kup.mesh", -10, 20));
        b = add(makeObject(editor->document().peekId(), "kup.mesh", 10, 26));
        area = add(makeArea(editor->document().peekId(), "kup.mesh", 0, 0, 6, 4));
    }

    void key(input::KeyCode code, int modifiers = 0) { pressKey(code, modifiers); }
    void ctrl(input::KeyCode code) { pressKey(code, input::CTRL_MASK); }
    // The mouse over the camera view, at fractions of its size.
    void pointAt(float x, float y)
    {
        const CEGUI::Rectf& rect = window("windowFrame")->getUnclippedOuterRect().get();
        headlessgui::context().injectMousePosition(rect.d_min.d_x + x * rect.getWidth(),
                                                   rect.d_min.d_y + y * rect.getHeight());
    }
    std::size_t count() const { return editor->document().items().size(); }
    std::string text() const { return groupText(editor->document().items()); }
    std::string field(const char* name) const { return window(name)->getText().c_str(); }

    ItemId a = 0, b = 0, area = 0;
};

TEST_F(EditCommands, DuzenleListsTheGroupEditsAfterSilInOrder)
{
    std::vector<CEGUI::Window*> items;
    CEGUI::Window* popup = window("duzenlePopup");
    for (std::size_t i = 0; i < popup->getChildCount(); ++i)
        items.push_back(popup->getChildAtIdx(i));
    std::sort(items.begin(), items.end(), [](CEGUI::Window* x, CEGUI::Window* y) {
        return x->getYPosition().d_offset < y->getYPosition().d_offset;
    });
    std::vector<std::string> shown;
    for (CEGUI::Window* item : items)
        shown.push_back(std::string(item->getName().c_str()) + " " + item->getText().c_str());
    EXPECT_EQ(shown, (std::vector<std::string>{"silPopupItem Sil", "kesPopupItem Kes", "kopyalaPopupItem Kopyala",
                                               "yapistirPopupItem Yapistir", "cogaltPopupItem Cogalt",
                                               "tumunuSecPopupItem Tumunu Sec", "geriAlPopupItem Geri Al",
                                               "yinelePopupItem Yinele", "kontrolPopupItem Kontrol Et"}));

    // A paste from the menu lands where the mouse was over the view before it went there.
    click(window("duzenle"));
    click(window("tumunuSecPopupItem"));
    click(window("kesPopupItem"));
    EXPECT_EQ(count(), 0u);
    pointAt(0.5f, 0.8f);
    frames(1);
    click(window("yapistirPopupItem"));
    EXPECT_EQ(count(), 3u) << noticeText();
}

TEST_F(EditCommands, KeysCopyPasteTurnAndDuplicateEachAsOneUndoStep)
{
    editor->selection().selectOnly({a, b});
    ctrl(input::KC_C);
    const std::string copied = editor->clipboard().text();
    EXPECT_EQ(copied, "human kup.mesh -10 0 20\nhuman kup.mesh 10 0 26");

    pointAt(0.5f, 0.8f);
    ctrl(input::KC_V);
    ASSERT_EQ(count(), 5u);
    const ItemId pasted = editor->document().items()[3].id;
    EXPECT_TRUE(editor->selection().contains(pasted));
    EXPECT_EQ(editor->selection().count(), 2u);
    EXPECT_EQ(editor->document().items()[4].x - editor->document().items()[3].x, 20) << "offsets kept";

    key(input::KC_Q);
    key(input::KC_Q);
    EXPECT_EQ(item(pasted).turn, 330);
    key(input::KC_E, input::SHIFT_MASK);
    EXPECT_EQ(item(pasted).turn, 60);
    ctrl(input::KC_Z);
    ctrl(input::KC_Z);
    ctrl(input::KC_Z);
    EXPECT_EQ(item(pasted).turn, 0);
    EXPECT_TRUE(window("secimSayisi")->isVisible());
    ctrl(input::KC_Z);
    EXPECT_EQ(count(), 3u) << "the paste is one step";
    EXPECT_FALSE(window("secimSayisi")->isVisible()) << "the pasted items left the selection with the undo";

    editor->selection().select(area);
    ctrl(input::KC_D);
    ASSERT_EQ(count(), 4u);
    EXPECT_EQ(editor->document().items().back().x1, 5);
    EXPECT_EQ(editor->selection().selected(), editor->document().items().back().id);
    ctrl(input::KC_A);
    ctrl(input::KC_X);
    EXPECT_EQ(count(), 0u);
    ctrl(input::KC_Z);
    EXPECT_EQ(count(), 4u) << "the cut is one step";

    // Text from another program: a scenario is pasted, anything else is refused.
    editor->clipboard().setText("human kup.mesh 0 0 0 45");
    ctrl(input::KC_V);
    EXPECT_EQ(editor->document().items().back().turn, 45);
    editor->clipboard().setText("merhaba");
    ctrl(input::KC_V);
    EXPECT_EQ(noticeText(), "Panodaki metin bir senaryo degil");
    // A group that would reach past the terrain is refused whole.
    editor->clipboard().setText("human kup.mesh -100000 0 0\nhuman kup.mesh 100000 0 0");
    ctrl(input::KC_V);
    EXPECT_EQ(noticeText(), "Yapistirilan ogeler arazinin disina tasiyor");
    EXPECT_EQ(count(), 5u);
}

TEST_F(EditCommands, NoKeyActsWhileTextIsTypedADialogOrTheGuardIsOpen)
{
    const std::string before = text();
    const auto keysChangeNothing = [&](const char* when) {
        SCOPED_TRACE(when);
        editor->clipboard().setText("human kup.mesh 0 0 0");
        for (input::KeyCode code : {input::KC_A, input::KC_X, input::KC_V, input::KC_D})
            ctrl(code);
        key(input::KC_Q);
        key(input::KC_E);
        EXPECT_EQ(text(), before);
    };

    editor->selection().select(area);
    frames(1);
    click(window("mesajYaz"));
    ASSERT_TRUE(window("mesajWindow")->isVisible());
    keysChangeNothing("message editor");
    key(input::KC_ESCAPE);
    EXPECT_EQ(editor->selection().selected(), area) << "Escape there gives up nothing of the editor's";
    click(window("mesajIptal"));

    editor->selection().select(a);
    click(window("xPosition"));
    ASSERT_TRUE(listener->keysBuffered());
    keysChangeNothing("typing a position");
    editor->selection().clear();
    click(window("windowFrame"));
    ASSERT_FALSE(listener->keysBuffered()) << "clicking elsewhere gives the keys back";

    editor->documents().save();
    keysChangeNothing("file dialog");
    click(window("CommonFileDialog")->getChild("CancelButton"));

    editor->documents().newScenario();
    ASSERT_TRUE(window("kaydetSorWindow")->isVisible());
    keysChangeNothing("the guard");
    click(window("kaydetSorIptal"));

    ASSERT_TRUE(editor->testRun().start());
    keysChangeNothing("a test run");
    editor->testRun().finish();
    hideNotice();
}

TEST_F(EditCommands, EscapeGivesUpWhatIsInProgressBeforeItEndsTheEditor)
{
    editor->tools().beginRoadPlacement();
    key(input::KC_ESCAPE);
    EXPECT_EQ(editor->tools().placing(), Placing::Nothing);
    editor->selection().selectOnly({a, b});
    key(input::KC_ESCAPE);
    EXPECT_TRUE(editor->selection().empty());
    EXPECT_FALSE(window("kaydetSorWindow")->isVisible());
    EXPECT_FALSE(listener->quitRequested());

    // Nothing left to give up: the editor ends, asking first about the unsaved items.
    key(input::KC_ESCAPE);
    EXPECT_TRUE(window("kaydetSorWindow")->isVisible());
}

TEST_F(EditCommands, PropertiesShowTheCountAndCentreOfSeveralAndTheTurnOfOne)
{
    editor->selection().selectOnly({a, b, area});
    EXPECT_EQ(field("secimSayisi"), "3 oge secili");
    EXPECT_TRUE(window("secimSayisi")->isVisible());
    EXPECT_EQ(field("xPosition"), "0.000000");   // -10 .. 10
    EXPECT_EQ(field("yPosition"), "14.000000");  // the area's middle at 2 .. 26
    EXPECT_FALSE(window("yonText")->isVisible());

    editor->selection().select(b);
    key(input::KC_E);
    EXPECT_TRUE(window("yonText")->isVisible());
    EXPECT_EQ(field("yonText"), "15");
    EXPECT_FALSE(window("secimSayisi")->isVisible());
    editor->selection().select(area);
    EXPECT_FALSE(window("yonText")->isVisible()) << "areas do not turn";
}

TEST_F(EditCommands, ATypedPositionMovesTheSelectionOrIsRefusedWithANotice)
{
    const auto typeInto = [&](const char* name, const std::string& typed) {
        click(window(name));
        window(name)->setText(typed);
        key(input::KC_RETURN);
    };
    editor->selection().select(a);
    typeInto("xPosition", "25");
    EXPECT_EQ(item(a).x, 25);
    EXPECT_EQ(item(a).z, 20);
    EXPECT_FALSE(listener->keysBuffered()) << "Enter gives the keys back";
    ctrl(input::KC_Z);
    EXPECT_EQ(item(a).x, -10) << "one undo step";

    typeInto("yPosition", "on iki");
    EXPECT_EQ(noticeText(), "\"on iki\" bir sayi degil; hicbir sey tasinmadi.");
    EXPECT_EQ(field("yPosition"), "20.000000");
    hideNotice();
    typeInto("xPosition", "100000");
    EXPECT_NE(noticeText().find("arazinin disinda"), std::string::npos) << noticeText();
    EXPECT_EQ(field("xPosition"), "-10.000000");
    EXPECT_EQ(item(a).x, -10);

    // Several move so that their centre lands there.
    editor->selection().selectOnly({a, b});
    typeInto("yPosition", "40");
    EXPECT_EQ(item(a).z, 37);
    EXPECT_EQ(item(b).z, 43);
}

}  // namespace
