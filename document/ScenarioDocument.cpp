#include "document/ScenarioDocument.h"

#include <tuple>

bool operator==(const ScenarioMessage& a, const ScenarioMessage& b)
{
    return std::tie(a.text, a.hasQuestions, a.questions, a.answerIndex)
        == std::tie(b.text, b.hasQuestions, b.questions, b.answerIndex);
}

bool operator==(const ScenarioObject& a, const ScenarioObject& b)
{
    return std::tie(a.mesh, a.x, a.y, a.z, a.turn) == std::tie(b.mesh, b.x, b.y, b.z, b.turn);
}

bool operator==(const ScenarioArea& a, const ScenarioArea& b)
{
    return std::tie(a.mesh, a.x, a.y, a.z, a.x1, a.z1, a.x2, a.z2, a.message)
        == std::tie(b.mesh, b.x, b.y, b.z, b.x1, b.z1, b.x2, b.z2, b.message);
}

bool operator==(const ScenarioRoad& a, const ScenarioRoad& b)
{
    return std::tie(a.mesh, a.x1, a.z1, a.x2, a.z2) == std::tie(b.mesh, b.x1, b.z1, b.x2, b.z2);
}

bool operator==(const ScenarioOther& a, const ScenarioOther& b)
{
    return std::tie(a.type, a.mesh, a.x, a.y, a.z) == std::tie(b.type, b.mesh, b.x, b.y, b.z);
}

bool operator==(const ScenarioDocument& a, const ScenarioDocument& b)
{
    return a.entries == b.entries;
}
