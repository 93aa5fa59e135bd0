#include "document/MessageRules.h"

#include "document/Translation.h"
#include "document/TurkishText.h"

namespace {

bool isSingleLine(const std::string& text)
{
    return text.find_first_of("\r\n") == std::string::npos;
}

bool isWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n';
}

// Told in characters, which the user can count: how many the text has ("%1"),
// and how many of its first ones the file holds ("%2"). Letters outside ASCII
// take two bytes or more, so that number depends on the text. The pattern is
// translated already.
std::string tooLong(const char* pattern, const std::string& text, std::size_t limitBytes)
{
    return fill(pattern, {std::to_string(characterCount(text)), std::to_string(charactersWithin(text, limitBytes))});
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
        return tooLong(tr("Mesaj metni %1 karakter uzunlugunda; bu metnin en fazla %2 karakteri sigar "
                          "(Turkce harfler iki harf yeri tutar)."),
                       text, maxMessageTextBytes);
    return {};
}

std::string validateQuestionText(const std::string& question)
{
    if (!isSingleLine(question))
        return tr("Soru tek satir olmali.");
    if (question.size() > maxQuestionBytes)
        return tooLong(tr("Soru %1 karakter uzunlugunda; bu metnin en fazla %2 karakteri sigar "
                          "(Turkce harfler iki harf yeri tutar)."),
                       question, maxQuestionBytes);
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
