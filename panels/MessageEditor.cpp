#include "app/EditorApplication.h"
#include "app/Notice.h"
#include "app/WindowLookup.h"
#include "filedialog/GuiText.h"
#include "panels/EditorKeys.h"
#include "panels/MessageRules.h"

#include <CEGUI/CEGUI.h>
#include <OgreSceneNode.h>

namespace {

const char* const questionFields[] = {"soru1Text", "soru2Text", "soru3Text", "soru4Text"};
const char* const answerButtons[] = {"soru1", "soru2", "soru3", "soru4"};

CEGUI::Window* editorWindow()
{
    return getWindow("mesajWindow");
}

std::string fieldText(const char* name)
{
    return toUtf8(getWindow(name)->getText());
}

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

// The message as the fields hold it; problem tells why it cannot be stored.
MessageData readFields(std::string& problem)
{
    MessageData data;
    data.text = fieldText("mesajIcerik");
    data.answerIndex = markedAnswer();
    problem = validateMessageText(data.text);
    if (data.answerIndex == -1)
        return data;
    data.hasQuestions = 1;
    for (int k = 1; k <= 4; ++k) {
        data.questions[k - 1] = fieldText(questionFields[k - 1]);
        const std::string questionProblem = validateQuestionText(data.questions[k - 1]);
        if (problem.empty() && !questionProblem.empty())
            problem = "Soru " + std::to_string(k) + ": " + questionProblem;
    }
    return data;
}

void closeEditor(EditorApplication& app)
{
    editorWindow()->setVisible(false);
    app.session.panels.messageAreaNodeName.clear();
}

}  // namespace

bool EditorApplication::onWriteMessageClicked(const CEGUI::EventArgs&)
{
    Ogre::SceneNode* selected = session.editing.selectedNode;
    AreaRecord* area = selected ? session.registry.findAreaByNodeName(selected->getName()) : nullptr;
    if (editorWindow()->isVisible() || !area)
        return true;
    editorWindow()->setVisible(true);
    toggleEditorKeys(*this);
    session.panels.messageAreaNodeName = selected->getName();
    if (const MessageRecord* message = area->message.get()) {
        for (int k = 0; k < 4; ++k)
            getWindow(questionFields[k])->setText(fromUtf8(message->questions[k]));
        getWindow("mesajIcerik")->setText(fromUtf8(message->text));
    }
    return true;
}

bool EditorApplication::onAddMessageClicked(const CEGUI::EventArgs&)
{
    if (!editorWindow()->isVisible())
        return true;
    std::string problem;
    const MessageData data = readFields(problem);
    if (!problem.empty()) {
        showNotice("Mesaj eklenmedi. " + problem);
        return true;
    }
    AreaRecord* area = session.registry.findAreaByNodeName(session.panels.messageAreaNodeName);
    closeEditor(*this);
    toggleEditorKeys(*this);
    if (area)
        session.registry.setMessage(*area, data);
    else
        showNotice("Mesaj eklenmedi: ait oldugu mavi alan kaldirilmis.");
    return true;
}

bool EditorApplication::onCancelMessageClicked(const CEGUI::EventArgs&)
{
    if (!editorWindow()->isVisible())
        return true;
    closeEditor(*this);
    getWindow("mesajIcerik")->setText("");
    for (const char* field : questionFields)
        getWindow(field)->setText("");
    toggleEditorKeys(*this);
    return true;
}
