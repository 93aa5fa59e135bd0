#include "playtest/TestRun.h"

#include "document/Translation.h"

#include <algorithm>

TestRun::TestRun(const std::vector<Item>& items)
{
    for (const Item& item : items) {
        if (item.kind != ItemKind::Area || !item.message)
            continue;
        areas.push_back({item.id, std::min(item.x1, item.x2), std::min(item.z1, item.z2),
                         std::max(item.x1, item.x2), std::max(item.z1, item.z2), *item.message});
    }
    counts.messagesTotal = static_cast<int>(areas.size());
}

std::optional<TestRun::Shown> TestRun::enter(float x, float z)
{
    if (open)
        return std::nullopt;
    for (Area& area : areas) {
        if (area.shown || x < area.minX || x > area.maxX || z < area.minZ || z > area.maxZ)
            continue;
        area.shown = true;
        ++counts.messagesSeen;
        if (area.message.hasQuestions)
            ++counts.questionsAsked;
        answerGiven = false;
        open = Shown{area.id, area.message};
        return open;
    }
    return std::nullopt;
}

std::string TestRun::answer(int choice)
{
    if (!hasQuestions() || answerGiven || choice < 1 || choice > 4)
        return "";
    answerGiven = true;
    const int right = open->message.answerIndex;
    if (choice == right) {
        ++counts.rightAnswers;
        return tr("Dogru!");
    }
    return fill(tr("Yanlis. Dogru cevap: %1"), {std::to_string(right)});
}

bool TestRun::proceed()
{
    if (!canContinue())
        return false;
    open.reset();
    answerGiven = false;
    return true;
}

std::string TestRun::summaryText() const
{
    return fill(tr("Deneme bitti. Dogru cevap: %1 / %2, gorulen mesaj: %3 / %4"),
                {std::to_string(counts.rightAnswers), std::to_string(counts.questionsAsked),
                 std::to_string(counts.messagesSeen), std::to_string(counts.messagesTotal)});
}
