#include "document/MessageRules.h"

#include "document/Translation.h"

namespace {

bool isSingleLine(const std::string& text)
{
    return text.find_first_of("\r\n") == std::string::npos;
}

bool isWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n';
}

// The translated pattern with the length ("%1") and the limit ("%2").
std::string tooLong(const char* pattern, std::size_t length, std::size_t limit)
{
    return fill(pattern, {std::to_string(length), std::to_string(limit)});
}

}  // namespace

std::string validateMessageText(const std::string& text)
{
    if (text.empty())
        return tr("Mesaj metni bos.");
    if (isWhiteSpace(text.front()))
        return tr("Mesaj metni bosluk ile baslamamali.");
    if (!isSingleLine(text))
        return tr("Mesaj metni tek satir olmali.");
    if (text.size() > maxMessageTextBytes)
        return tooLong(tr("Mesaj metni %1 bayt uzunlugunda; en fazla %2 bayt olabilir (Turkce harfler iki bayt tutar)."),
                       text.size(), maxMessageTextBytes);
    return {};
}

std::string validateQuestionText(const std::string& question)
{
    if (!isSingleLine(question))
        return tr("Soru tek satir olmali.");
    if (question.size() > maxQuestionBytes)
        return tooLong(tr("Soru %1 bayt uzunlugunda; en fazla %2 bayt olabilir (Turkce harfler iki bayt tutar)."),
                       question.size(), maxQuestionBytes);
    return {};
}

std::string validateQuestions(const std::array<std::string, 4>& questions)
{
    for (const std::string& question : questions)
        if (question.find_first_not_of(" \t\v\f\r\n") == std::string::npos)
            return tr("Dort soru da yazilmali.");
    for (std::size_t k = 0; k < questions.size(); ++k)
        if (const std::string problem = validateQuestionText(questions[k]); !problem.empty())
            return fill(tr("Soru %1: %2"), {std::to_string(k + 1), problem});
    return {};
}
