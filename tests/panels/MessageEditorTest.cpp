#include "tests/support/EditorFixture.h"

#include "tests/support/HeadlessGui.h"

#include <CEGUI/CEGUI.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using headlessgui::click;

namespace {

const char* const questionFields[] = {"soru1Text", "soru2Text", "soru3Text", "soru4Text"};
const char* const answerButtons[] = {"soru1", "soru2", "soru3", "soru4"};

std::string text(const char* name)
{
    return window(name)->getText().c_str();
}

void typeInto(const char* field, const std::string& utf8)
{
    window(field)->setText("");
    click(window(field));
    headlessgui::typeText(utf8);
}

void mark(int answer, bool selected = true)
{
    static_cast<CEGUI::ToggleButton*>(window(answerButtons[answer - 1]))->setSelected(selected);
}

void unmarkAll()
{
    for (int k = 1; k <= 4; ++k)
        mark(k, false);
}

class MessageEditor : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        startEditing();
        area = addArea();
        editor->selection().select(area);
        frames(21);
    }

    bool editorOpen() const { return window("mesajWindow")->isVisible(); }
    void open() { click(window("mesajYaz")); }
    void store() { click(window("mesajEkle")); }
    void cancel() { click(window("mesajIptal")); }
    void fillQuestions()
    {
        for (int k = 1; k <= 4; ++k)
            typeInto(questionFields[k - 1], "Soru " + std::to_string(k) + "?");
    }

    // The area's message as the document holds it.
    const std::optional<ScenarioMessage>& message() const { return item(area).message; }

    ItemId area = 0;
};

TEST_F(MessageEditor, OpeningShowsTheWindowAndHandsTheKeysToTheWidgets)
{
    ASSERT_FALSE(editorOpen());
    open();
    EXPECT_TRUE(editorOpen());
    EXPECT_TRUE(listener->keysBuffered());
    EXPECT_TRUE(listener->input().bufferedKeys());
}

TEST_F(MessageEditor, StoringWithAMarkedAnswerKeepsTextQuestionsAndAnswerAsOneUndoableEdit)
{
    open();
    typeInto("mesajIcerik", "Bu alan okul bahcesi");
    fillQuestions();
    unmarkAll();
    click(window("soru2"));
    store();

    EXPECT_FALSE(editorOpen());
    EXPECT_FALSE(listener->keysBuffered());
    ASSERT_TRUE(message());
    EXPECT_EQ(message()->text, "Bu alan okul bahcesi");
    EXPECT_TRUE(message()->hasQuestions);
    EXPECT_EQ(message()->answerIndex, 2);
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(message()->questions[k - 1], "Soru " + std::to_string(k) + "?");
    EXPECT_TRUE(editor->document().modified());
    ASSERT_EQ(editor->document().undo(), "");
    EXPECT_FALSE(message());
}

TEST_F(MessageEditor, LastMarkedAnswerWins)
{
    open();
    typeInto("mesajIcerik", "Hangisi?");
    fillQuestions();
    unmarkAll();
    mark(1);
    mark(3);
    store();
    ASSERT_TRUE(message());
    EXPECT_EQ(message()->answerIndex, 3);
}

TEST_F(MessageEditor, StoringWithoutAnswerKeepsOnlyTheTextAndTheEarlierQuestions)
{
    open();
    typeInto("mesajIcerik", "Ilk metin");
    fillQuestions();
    unmarkAll();
    mark(4);
    store();

    open();
    EXPECT_EQ(text("mesajIcerik"), "Ilk metin");
    typeInto("mesajIcerik", "Ikinci metin");
    typeInto("soru1Text", "changed but not stored");
    unmarkAll();
    store();

    ASSERT_TRUE(message());
    EXPECT_EQ(message()->text, "Ikinci metin");
    EXPECT_FALSE(message()->hasQuestions);
    EXPECT_EQ(message()->answerIndex, -1);
    EXPECT_EQ(message()->questions[0], "Soru 1?");
}

TEST_F(MessageEditor, TextsOutsideAsciiComeBackAsTyped)
{
    const std::string typed = "Köprü güçlü mü? Şu ağaç ılık";
    const std::string question = "Çiçek mi, böcek mi?";
    open();
    typeInto("mesajIcerik", typed);
    fillQuestions();
    typeInto("soru3Text", question);
    unmarkAll();
    mark(1);
    store();
    ASSERT_TRUE(message());
    EXPECT_EQ(message()->text, typed);
    EXPECT_EQ(message()->questions[2], question);

    open();
    cancel();  // empties the fields
    ASSERT_EQ(text("mesajIcerik"), "");
    open();
    EXPECT_EQ(text("mesajIcerik"), typed);
    EXPECT_EQ(window("mesajIcerik")->getText(), CEGUI::String(reinterpret_cast<const CEGUI::utf8*>(typed.c_str())));
    EXPECT_EQ(text("soru3Text"), question);
}

// At the keyboard the window system sends a key and then the text it made of
// it; an input method or a compose sequence sends text without a key of its
// own. Every letter reaches the field once, kept as UTF-8 up to the file and
// back; a text too long for the file is told in the characters of that text.
TEST_F(MessageEditor, LettersTypedAtTheKeyboardReachTheFieldOnceAndTheFileAsTyped)
{
    const auto typeAtKeyboard = [this](const std::string& utf8) {
        const CEGUI::String letters(reinterpret_cast<const CEGUI::utf8*>(utf8.c_str()));
        for (std::size_t i = 0; i < letters.length(); ++i) {
            if (i % 3 != 2)
                input.keyDown(i % 3 ? input::KC_COMMA : input::KC_A);
            input.text(letters[i]);
            input.keyUp(input::KC_A);
            input.keyUp(input::KC_COMMA);
        }
        listener->processEvents();
    };
    const std::string typed = "Köprüde ağır taşıt: İlk çıkışı kullanın";
    open();
    click(window("mesajIcerik"));
    typeAtKeyboard(typed + "x");
    pressKey(input::KC_BACK);
    EXPECT_EQ(text("mesajIcerik"), typed);

    typeAtKeyboard(" ve şöförü uyarın; ağaçlı yolda ışıklarda durun");
    unmarkAll();
    store();
    EXPECT_TRUE(editorOpen());
    EXPECT_NE(noticeText().find("86 karakter uzunlugunda"), std::string::npos) << noticeText();
    EXPECT_NE(noticeText().find("en fazla 75 karakter"), std::string::npos) << noticeText();
    EXPECT_FALSE(message());

    hideNotice();
    click(window("mesajIcerik"));
    input.keyDown(input::KC_END);
    listener->processEvents();
    for (int i = 0; i < 86 - 75; ++i)
        pressKey(input::KC_BACK);
    store();
    ASSERT_TRUE(message()) << noticeText();
    const std::string kept = message()->text;
    EXPECT_EQ(kept.substr(0, typed.size()), typed);

    const std::string file = "panels_test_typed.zev";
    ASSERT_TRUE(editor->documents().saveFile(file));
    std::ostringstream bytes;
    bytes << std::ifstream(file).rdbuf();
    EXPECT_NE(bytes.str().find(kept), std::string::npos) << "UTF-8 in the file";
    editor->documents().newScenario();
    ASSERT_TRUE(editor->documents().openFile(file));
    std::remove(file.c_str());
    ASSERT_EQ(editor->document().items().size(), 1u);
    ASSERT_TRUE(editor->document().items()[0].message);
    EXPECT_EQ(editor->document().items()[0].message->text, kept);
}

TEST_F(MessageEditor, InvalidTextIsRefusedWithAHintAndTheWindowStaysOpen)
{
    // 50 letters that take two bytes each: within what the field takes, beyond what the file holds.
    std::string tooLong;
    for (int i = 0; i < 50; ++i)
        tooLong += "ç";
    for (const std::string& bad : {std::string(), std::string(" starts with a space"), tooLong}) {
        hideNotice();
        open();
        typeInto("mesajIcerik", bad);
        unmarkAll();
        store();
        EXPECT_TRUE(editorOpen()) << bad;
        EXPECT_TRUE(listener->keysBuffered()) << bad;
        EXPECT_NE(noticeText(), "") << bad;
        EXPECT_FALSE(message()) << bad;
        EXPECT_EQ(text("mesajIcerik"), bad) << "the text must not be cut";
    }
    hideNotice();
    typeInto("mesajIcerik", std::string(99, 'x'));
    store();
    EXPECT_FALSE(editorOpen());
    ASSERT_TRUE(message());
    EXPECT_EQ(message()->text, std::string(99, 'x'));
}

TEST_F(MessageEditor, LongQuestionsAreRefusedOnlyWhenTheyWouldBeStored)
{
    open();
    typeInto("mesajIcerik", "Metin");
    fillQuestions();
    std::string tooLong;
    for (int i = 0; i < 25; ++i)
        tooLong += "ş";
    typeInto("soru2Text", tooLong);
    mark(1);
    store();
    EXPECT_TRUE(editorOpen());
    EXPECT_NE(noticeText().find("Soru 2"), std::string::npos) << noticeText();
    EXPECT_FALSE(message());

    unmarkAll();
    store();
    EXPECT_FALSE(editorOpen());
    ASSERT_TRUE(message());
    EXPECT_FALSE(message()->hasQuestions);
}

TEST_F(MessageEditor, AQuizNeedsAllFourQuestions)
{
    for (const std::string blank : {"", "   "}) {
        hideNotice();
        open();
        typeInto("mesajIcerik", "Hangi yon?");
        fillQuestions();
        typeInto("soru3Text", blank);
        mark(2);
        store();
        EXPECT_TRUE(editorOpen());
        EXPECT_NE(noticeText().find("Dort soru da yazilmali"), std::string::npos) << noticeText();
        EXPECT_FALSE(message());
    }
    hideNotice();
    typeInto("soru3Text", "Soru 3?");
    store();
    EXPECT_FALSE(editorOpen());
    ASSERT_TRUE(message());
    EXPECT_EQ(message()->questions[2], "Soru 3?");
}

// The keys belong to the fields: none of them deletes, ends, starts anew, opens or saves.
TEST_F(MessageEditor, WhileItsFieldsHaveTheKeysCommandKeysChangeNothing)
{
    open();
    typeInto("mesajIcerik", "Yaziliyor");
    const std::size_t items = editor->document().items().size();
    ASSERT_TRUE(editor->document().modified());
    pressKey(input::KC_DELETE);
    pressKey(input::KC_ESCAPE);
    pressKey(input::KC_N, input::CTRL_MASK);
    pressKey(input::KC_O, input::CTRL_MASK);
    pressKey(input::KC_S, input::CTRL_MASK);
    pressKey(input::KC_S, input::CTRL_MASK | input::SHIFT_MASK);

    EXPECT_EQ(editor->document().items().size(), items);
    EXPECT_EQ(editor->selection().selected(), area);
    EXPECT_TRUE(editorOpen());
    EXPECT_EQ(text("mesajIcerik"), "Yaziliyor");
    EXPECT_FALSE(window("kaydetSorWindow")->isVisible());
    EXPECT_FALSE(window("CommonFileDialog")->isVisible());
    EXPECT_FALSE(listener->quitRequested());
    EXPECT_EQ(editor->document().path(), "");
}

TEST_F(MessageEditor, CancelEmptiesTheFieldsAndKeepsTheStoredMessage)
{
    open();
    typeInto("mesajIcerik", "Saklanan");
    unmarkAll();
    store();

    open();
    typeInto("mesajIcerik", "Vazgecilen");
    typeInto("soru1Text", "Vazgecilen soru");
    cancel();
    EXPECT_FALSE(editorOpen());
    EXPECT_FALSE(listener->keysBuffered());
    EXPECT_EQ(text("mesajIcerik"), "");
    for (const char* field : questionFields)
        EXPECT_EQ(text(field), "") << field;
    EXPECT_EQ(message()->text, "Saklanan");
}

TEST_F(MessageEditor, CloseButtonCancelsLikeTheCancelButton)
{
    open();
    typeInto("mesajIcerik", "Kapat");
    click(static_cast<CEGUI::FrameWindow*>(window("mesajWindow"))->getCloseButton());
    EXPECT_FALSE(editorOpen());
    EXPECT_FALSE(listener->keysBuffered());
    EXPECT_EQ(text("mesajIcerik"), "");
    EXPECT_FALSE(message());
}

// Open and Save wait until the message is stored or cancelled: dragged off the
// screen, the window's buttons could never be reached and nothing could be saved.
TEST_F(MessageEditor, TheWindowCannotBeDraggedAway)
{
    open();
    CEGUI::Window* frame = window("mesajWindow");
    const CEGUI::Vector2f place = frame->getUnclippedOuterRect().get().getPosition();
    const CEGUI::Rectf bar = frame->getChild("__auto_titlebar__")->getUnclippedOuterRect().get();
    CEGUI::GUIContext& context = CEGUI::System::getSingleton().getDefaultGUIContext();
    context.injectMousePosition(bar.left() + 20.0f, bar.top() + 8.0f);
    context.injectMouseButtonDown(CEGUI::LeftButton);
    context.injectMousePosition(bar.left() + 300.0f, bar.top() + 250.0f);
    context.injectMousePosition(bar.left() + 700.0f, bar.top() + 500.0f);
    context.injectMouseButtonUp(CEGUI::LeftButton);
    EXPECT_EQ(frame->getUnclippedOuterRect().get().getPosition(), place);
    cancel();
    EXPECT_FALSE(editorOpen());
}

TEST_F(MessageEditor, OpeningTwiceKeepsTheKeyboardInStep)
{
    open();
    editor->messageEditor().open();
    EXPECT_TRUE(editorOpen());
    EXPECT_TRUE(listener->keysBuffered());
    cancel();
    EXPECT_FALSE(listener->keysBuffered());
    // Store and cancel of a closed editor change nothing either.
    editor->messageEditor().cancel();
    editor->messageEditor().store();
    EXPECT_FALSE(listener->keysBuffered());
    EXPECT_FALSE(message());
}

TEST_F(MessageEditor, NothingOpensWithoutASelectedBlueArea)
{
    editor->selection().select(addObject());
    editor->messageEditor().open();
    EXPECT_FALSE(editorOpen());
    editor->selection().clear();
    editor->messageEditor().open();
    EXPECT_FALSE(editorOpen());
    EXPECT_FALSE(listener->keysBuffered());
}

TEST_F(MessageEditor, MessageGoesToTheAreaItWasOpenedFor)
{
    const ItemId other = addArea();
    open();
    typeInto("mesajIcerik", "Ilk alanin mesaji");
    unmarkAll();
    editor->selection().select(other);
    store();
    ASSERT_TRUE(message());
    EXPECT_EQ(message()->text, "Ilk alanin mesaji");
    EXPECT_FALSE(item(other).message);
}

TEST_F(MessageEditor, StoringForADeletedAreaClosesTheEditorAndSaysSo)
{
    open();
    typeInto("mesajIcerik", "Kimsesiz");
    unmarkAll();
    click(window("duzenle"));
    click(window("silPopupItem"));
    ASSERT_EQ(editor->document().find(area), nullptr);
    hideNotice();
    store();
    EXPECT_FALSE(editorOpen());
    EXPECT_FALSE(listener->keysBuffered());
    EXPECT_NE(noticeText().find("mavi alan kaldirilmis"), std::string::npos) << noticeText();
}

}  // namespace
