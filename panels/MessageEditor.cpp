#include "panels/MessageEditor.h"

#include "document/Commands.h"
#include "document/Document.h"
#include "document/MessageRules.h"
#include "document/Translation.h"
#include "editing/Selection.h"
#include "gui/EditorMode.h"
#include "gui/GuiText.h"
#include "gui/Notice.h"
#include "gui/WindowLookup.h"
#include "panels/MainWindowNames.h"
#include "panels/MessageEditorNames.h"

#include <CEGUI/CEGUI.h>

namespace {

using namespace messagenames;

CEGUI::Window* editorWindow() { return getWindow(window); }

std::string fieldText(const char* name) { return toUtf8(getWindow(name)->getText()); }

// The marked answer (1 to 4; the last marked one when several are), or -1.
int markedAnswer()
{
    int answer = -1;
    for (int k = 1; k <= 4; ++k) {
        const auto* button = dynamic_cast<const CEGUI::ToggleButton*>(getWindow(answerButtons[k - 1]));
        if (button && button->isSelected())
            answer = k;
    }
    return answer;
}

// The message as the fields hold it, over the area's old one: without questions
// in use the old question texts are kept. problem tells why it cannot be stored.
ScenarioMessage readFields(const std::optional<ScenarioMessage>& old, std::string& problem)
{
    ScenarioMessage message = old.value_or(ScenarioMessage{});
    message.text = fieldText(text);
    message.answerIndex = markedAnswer();
    message.hasQuestions = message.answerIndex != -1;
    problem = validateMessageText(message.text);
    if (!message.hasQuestions)
        return message;
    for (int k = 0; k < 4; ++k)
        message.questions[k] = fieldText(questionFields[k]);
    if (problem.empty())
        problem = validateQuestions(message.questions);
    return message;
}

}  // namespace

MessageEditor::MessageEditor(Document& document, Selection& selection, EditorMode& mode)
    : document(document), selection(selection), mode(mode)
{
}

void MessageEditor::wire()
{
    editorWindow()->setVisible(false);
    onWindowEvent(window, CEGUI::FrameWindow::EventCloseClicked, [this] { cancel(); });
    onWindowEvent(cancelButton, CEGUI::PushButton::EventClicked, [this] { cancel(); });
    onWindowEvent(storeButton, CEGUI::PushButton::EventClicked, [this] { store(); });
    onWindowEvent(mainnames::writeMessageButton, CEGUI::Window::EventMouseClick, [this] { open(); });
}

void MessageEditor::open()
{
    const Item* area = selection.selectedItem();
    if (isOpen() || !area || area->kind != ItemKind::Area)
        return;
    editorWindow()->setVisible(true);
    mode.begin(Activity::MessageEditor);
    areaId = area->id;
    if (area->message) {
        for (int k = 0; k < 4; ++k)
            getWindow(questionFields[k])->setText(fromUtf8(area->message->questions[k]));
        getWindow(text)->setText(fromUtf8(area->message->text));
    }
}

void MessageEditor::store()
{
    if (!isOpen())
        return;
    const Item* area = areaId ? document.find(*areaId) : nullptr;
    std::string problem;
    const ScenarioMessage message = readFields(area ? area->message : std::nullopt, problem);
    if (!problem.empty()) {
        showNotice(fill(tr("Mesaj eklenmedi. %1"), {problem}));
        return;
    }
    close();
    if (!area) {
        showNotice(tr("Mesaj eklenmedi: ait oldugu mavi alan kaldirilmis."));
        return;
    }
    Item changed = *area;
    changed.message = message;
    if (changed == *area)
        return;
    const std::string failure = document.execute(std::make_unique<ChangeItem>(*area, changed));
    if (!failure.empty())
        showNotice(fill(tr("Mesaj eklenmedi: %1"), {failure}));
}

void MessageEditor::cancel()
{
    if (!isOpen())
        return;
    close();
    emptyTexts();
}

void MessageEditor::reset()
{
    if (isOpen())
        close();
    emptyTexts();
    static_cast<CEGUI::ToggleButton*>(getWindow(noQuestions))->setSelected(true);
}

void MessageEditor::emptyTexts()
{
    getWindow(text)->setText("");
    for (const char* field : questionFields)
        getWindow(field)->setText("");
}

void MessageEditor::close()
{
    editorWindow()->setVisible(false);
    areaId.reset();
    mode.end(Activity::MessageEditor);
}
