#pragma once

#include "document/Item.h"

#include <optional>
#include <string>
#include <vector>

// One walk through a scenario: every blue area that carries a message shows it
// once, when the trainee first stands inside its rectangle (edges included);
// a message with questions is answered once. The run keeps its own copy of the
// areas, so it never touches the document it was started from.
class TestRun {
public:
    struct Shown {
        ItemId area = 0;
        ScenarioMessage message;
    };

    struct Summary {
        int rightAnswers = 0;
        int questionsAsked = 0;  // messages with questions that were shown
        int messagesSeen = 0;
        int messagesTotal = 0;  // areas with a message in the scenario
    };

    explicit TestRun(const std::vector<Item>& items);

    // Where the trainee stands now. Returns the first area (in the scenario's
    // order) that contains (x, z) and has not shown its message in this run; it
    // becomes the current message. Nothing while a message is still current.
    std::optional<Shown> enter(float x, float z);

    // The current message, if one is open.
    const std::optional<Shown>& current() const { return open; }
    bool hasQuestions() const { return open && open->message.hasQuestions; }
    bool answered() const { return answerGiven; }

    // Answers the current message's quiz with choice 1..4: "Dogru!" or
    // "Yanlis. Dogru cevap: " and the right number. Empty (and nothing counted)
    // without an open quiz, once it is answered, or for a choice out of range.
    std::string answer(int choice);

    // The current message may be closed: it has no questions or they are answered.
    bool canContinue() const { return open && (!open->message.hasQuestions || answerGiven); }
    // Closes the current message; false when it may not be closed yet.
    bool proceed();

    const Summary& summary() const { return counts; }
    // "Deneme bitti. Dogru cevap: a / b, gorulen mesaj: c / d"
    std::string summaryText() const;

private:
    struct Area {
        ItemId id;
        float minX, minZ, maxX, maxZ;
        ScenarioMessage message;
        bool shown = false;
    };

    std::vector<Area> areas;
    std::optional<Shown> open;
    bool answerGiven = false;
    Summary counts;
};
