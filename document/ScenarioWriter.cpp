#include "document/ScenarioFormat.h"

#include "document/Translation.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

void requireWord(const std::string& mesh)
{
    if (mesh.empty() || std::any_of(mesh.begin(), mesh.end(), isScenarioSpace))
        throw ScenarioWriteError(fill(tr("model adi \"%1\" tek bir kelime degil"), {mesh}));
}

// A message line reads back the same when it holds no line end and does not
// end in "\r" (dropped from line ends of files made on other systems).
void requireLine(const std::string& line, const std::string& what)
{
    if (line.find('\n') != std::string::npos || (!line.empty() && line.back() == '\r'))
        throw ScenarioWriteError(fill(tr("%1 \"%2\" tek satir degil"), {what, line}));
}

void appendNumbers(std::string& out, std::initializer_list<int> numbers)
{
    for (int n : numbers)
        out += ' ' + std::to_string(n);
}

void appendMessage(std::string& out, const std::optional<ScenarioMessage>& message)
{
    if (!message) {
        out += "0 0";
        return;
    }
    if (message->text.empty() || isScenarioSpace(message->text.front()))
        throw ScenarioWriteError(tr("bir mesaj metni bos ya da bosluk ile basliyor"));
    requireLine(message->text, tr("mesaj metni"));
    if (!message->hasQuestions) {
        out += "1 -1\n" + message->text;
        return;
    }
    if (message->answerIndex < 1 || message->answerIndex > 4)
        throw ScenarioWriteError(
            fill(tr("sorulu bir mesajin cevabi %1; 1 ile 4 arasi olmali"), {std::to_string(message->answerIndex)}));
    out += "1 " + std::to_string(message->answerIndex) + "\n" + message->text;
    for (const std::string& question : message->questions) {
        requireLine(question, tr("soru"));
        out += "\n" + question;
    }
}

void appendEntry(std::string& out, const ScenarioObject& object)
{
    requireWord(object.mesh);
    out += "human " + object.mesh;
    appendNumbers(out, {object.x, object.y, object.z});
    if (object.turn < 0 || object.turn >= 360)
        throw ScenarioWriteError(fill(tr("bir nesnenin yonu %1; 0 ile 359 arasi olmali"), {std::to_string(object.turn)}));
    // Without a turn the line is what every reader of the format accepts.
    if (object.turn != 0)
        appendNumbers(out, {object.turn});
}

void appendEntry(std::string& out, const ScenarioArea& area)
{
    requireWord(area.mesh);
    out += "bluearea " + area.mesh;
    appendNumbers(out, {area.x, area.y, area.z, area.x1, area.z1, area.x2, area.z2});
    out += ' ';
    appendMessage(out, area.message);
}

void appendEntry(std::string& out, const ScenarioRoad& road)
{
    requireWord(road.mesh);
    out += "road " + road.mesh;
    appendNumbers(out, {road.x1, road.z1, road.x2, road.z2});
}

template <class Kind>
void appendAll(std::string& out, const ScenarioDocument& document)
{
    for (const ScenarioEntry& entry : document.entries) {
        if (const Kind* item = std::get_if<Kind>(&entry)) {
            if (!out.empty())
                out += '\n';
            appendEntry(out, *item);
        }
    }
}

}  // namespace

std::string writeScenario(const ScenarioDocument& document)
{
    std::string out;
    appendAll<ScenarioObject>(out, document);
    appendAll<ScenarioArea>(out, document);
    appendAll<ScenarioRoad>(out, document);
    return out;
}

int toFileCoordinate(float value)
{
    if (std::isnan(value))
        return 0;
    constexpr float limit = 2147483648.0f;  // 2^31
    if (value >= limit)
        return std::numeric_limits<int>::max();
    if (value < -limit)
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}
