#include "document/ScenarioFormat.h"

#include "document/Translation.h"

#include <limits>
#include <string_view>

namespace {

struct SyntaxError {
    int line;
    std::string description;
};

std::string quoted(const std::string& token)
{
    return "\"" + printable(token, 24) + "\"";
}

// Walks the text the way the old formatted reader did: words and numbers
// separated by any white space, message lines taken whole.
class Cursor {
public:
    explicit Cursor(const std::string& text) : text(text) {}

    int line() const { return currentLine; }
    int lastWordLine() const { return wordLine; }

    void skipSpace()
    {
        while (pos < text.size() && isScenarioSpace(text[pos]))
            advance();
    }

    bool atEnd() const { return pos == text.size(); }

    // The next word, or empty at the end of the text.
    std::string word() { return std::string(nextWord()); }

    int number(const std::string& what, int entryLine)
    {
        // Read in place: a large scenario is mostly numbers.
        const std::string_view token = nextWord();
        if (token.empty())
            throw SyntaxError{entryLine, fill(tr("kayit erken bitiyor (eksik olan: %1)"), {what})};
        return numberOf(token, what);
    }

    // The next word when it stands on the current line, else empty.
    std::string_view wordOnLine()
    {
        while (pos < text.size() && text[pos] != '\n' && isScenarioSpace(text[pos]))
            ++pos;
        if (pos == text.size() || text[pos] == '\n')
            return {};
        return nextWord();
    }

    int numberOf(std::string_view token, const std::string& what) const
    {
        const bool negative = token[0] == '-';
        const std::size_t digits = negative || token[0] == '+' ? 1 : 0;
        const bool wellFormed = digits < token.size()
            && token.find_first_not_of("0123456789", digits) == std::string_view::npos;
        if (!wellFormed)
            throw SyntaxError{wordLine, fill(tr("%1 bir tam sayi degil (%2)"), {quoted(std::string(token)), what})};
        const long long limit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
        long long value = 0;
        for (std::size_t i = digits; i < token.size() && value <= limit; ++i)
            value = value * 10 + (token[i] - '0');
        if (negative)
            value = -value;
        if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
            throw SyntaxError{wordLine, fill(tr("%1 cok buyuk (%2)"), {quoted(std::string(token)), what})};
        return static_cast<int>(value);
    }

    // The rest of the current line without its line end (a "\r" before it is
    // dropped too). A line that needs a line end after it and reaches the end of
    // the text instead is cut short.
    std::string restOfLine(bool lineEndNeeded, const std::string& what, int entryLine)
    {
        const std::size_t start = pos;
        while (pos < text.size() && text[pos] != '\n')
            ++pos;
        std::size_t end = pos;
        while (end > start && text[end - 1] == '\r')
            --end;
        if (pos < text.size())
            advance();
        else if (lineEndNeeded)
            throw SyntaxError{entryLine, fill(tr("mesaj erken bitiyor (eksik olan: %1)"), {what})};
        return text.substr(start, end - start);
    }

private:
    std::string_view nextWord()
    {
        skipSpace();
        wordLine = currentLine;
        const std::size_t start = pos;
        while (pos < text.size() && !isScenarioSpace(text[pos]))
            ++pos;
        return std::string_view(text).substr(start, pos - start);
    }

    void advance()
    {
        if (text[pos] == '\n')
            ++currentLine;
        ++pos;
    }

    const std::string& text;
    std::size_t pos = 0;
    int currentLine = 1;
    int wordLine = 1;
};

std::optional<ScenarioMessage> readMessage(Cursor& in, int entryLine)
{
    const int hasMessage = in.number(tr("mesaj var/yok degeri"), entryLine);
    const int answer = in.number(tr("cevap"), entryLine);
    const int answerLine = in.lastWordLine();
    in.skipSpace();
    if (hasMessage == 0)
        return std::nullopt;
    if (answer != -1 && (answer < 1 || answer > 4))
        throw SyntaxError{answerLine, fill(tr("cevap %1 gecersiz: -1 ya da 1 ile 4 arasi olmali"), {std::to_string(answer)})};

    ScenarioMessage message;
    message.hasQuestions = answer != -1;
    message.answerIndex = answer;
    if (in.atEnd())
        throw SyntaxError{entryLine, fill(tr("mesaj erken bitiyor (eksik olan: %1)"), {tr("mesaj metni")})};
    message.text = in.restOfLine(message.hasQuestions, fill(tr("%1. soru"), {"1"}), entryLine);
    if (message.hasQuestions) {
        for (int k = 0; k < 4; ++k) {
            const bool last = k == 3;
            message.questions[k] = in.restOfLine(!last, fill(tr("%1. soru"), {std::to_string(k + 2)}), entryLine);
        }
    }
    return message;
}

// An object's turn is an optional fifth number on its own line, with nothing after it.
int readTurn(Cursor& in)
{
    const std::string_view token = in.wordOnLine();
    if (token.empty())
        return 0;
    const int turn = in.numberOf(token, tr("yon"));
    if (turn < 0 || turn > 359)
        throw SyntaxError{in.lastWordLine(), fill(tr("yon %1 gecersiz: 0 ile 359 arasi olmali"), {std::to_string(turn)})};
    const std::string_view extra = in.wordOnLine();
    if (!extra.empty())
        throw SyntaxError{in.lastWordLine(), fill(tr("%1 fazla: nesne satiri yonden sonra biter"), {quoted(std::string(extra))})};
    return turn;
}

ScenarioEntry readEntry(Cursor& in, const std::string& type, int entryLine)
{
    const std::string mesh = in.word();
    if (mesh.empty())
        throw SyntaxError{entryLine, fill(tr("kayit erken bitiyor (eksik olan: %1)"), {tr("model adi")})};

    if (type == "road") {
        ScenarioRoad road{mesh};
        road.x1 = in.number("x1", entryLine);
        road.z1 = in.number("z1", entryLine);
        road.x2 = in.number("x2", entryLine);
        road.z2 = in.number("z2", entryLine);
        return road;
    }

    const int x = in.number("x", entryLine);
    const int y = in.number("y", entryLine);
    const int z = in.number("z", entryLine);
    if (type == "human")
        return ScenarioObject{mesh, x, y, z, readTurn(in)};
    if (type != "bluearea")
        return ScenarioOther{type, mesh, x, y, z};

    ScenarioArea area{mesh, x, y, z};
    area.x1 = in.number("x1", entryLine);
    area.z1 = in.number("z1", entryLine);
    area.x2 = in.number("x2", entryLine);
    area.z2 = in.number("z2", entryLine);
    area.message = readMessage(in, entryLine);
    return area;
}

}  // namespace

bool isScenarioSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string printable(const std::string& raw, std::size_t maxLength)
{
    std::string shown = raw.substr(0, maxLength);
    for (char& c : shown)
        if (c < 32 || c > 126)
            c = '?';
    return raw.size() > maxLength ? shown + "..." : shown;
}

ScenarioParse parseScenario(const std::string& text)
{
    ScenarioParse result;
    Cursor in(text);
    try {
        for (;;) {
            in.skipSpace();
            const int entryLine = in.line();
            const std::string type = in.word();
            if (type.empty())
                break;
            result.document.entries.push_back(readEntry(in, type, entryLine));
            result.entryLines.push_back(entryLine);
        }
    } catch (const SyntaxError& error) {
        result.error = ScenarioError{error.line, error.description};
    }
    return result;
}
