#include "document/MessageRules.h"

#include "document/Translation.h"
#include "document/TurkishText.h"

#include <cstdio>

namespace {

bool isSingleLine(const std::string& text)
{
    return text.find_first_of("\r\n") == std::string::npos;
}

bool isWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n';
}

// Told in characters, which the user can count: how many the text has, and how
// many of its first ones the file holds. Letters outside ASCII take two bytes
// or more, so that number depends on the text.
std::string tooLong(const char* what, const std::string& text, std::size_t limitBytes)
{
    const char* format = tr("%s %zu karakter uzunlugunda; bu metnin en fazla %zu karakteri sigar "
                            "(Turkce harfler iki harf yeri tutar).");
    const std::size_t length = characterCount(text);
    const std::size_t fitting = charactersWithin(text, limitBytes);
    std::string notice(std::snprintf(nullptr, 0, format, tr(what), length, fitting), '\0');
    std::snprintf(notice.data(), notice.size() + 1, format, tr(what), length, fitting);
    return notice;
}

}  // namespace

std::string validateMessageText(const std::string& text)
{
    if (text.empty())
        return "Mesaj metni bos.";
    if (isWhiteSpace(text.front()))
        return "Mesaj metni bosluk ile baslamamali.";
    if (!isSingleLine(text))
        return "Mesaj metni tek satir olmali.";
    if (text.size() > maxMessageTextBytes)
        return tooLong("Mesaj metni", text, maxMessageTextBytes);
    return {};
}

std::string validateQuestionText(const std::string& question)
{
    if (!isSingleLine(question))
        return "Soru tek satir olmali.";
    if (question.size() > maxQuestionBytes)
        return tooLong("Soru", question, maxQuestionBytes);
    return {};
}

std::string validateQuestions(const std::array<std::string, 4>& questions)
{
    for (const std::string& question : questions)
        if (question.find_first_not_of(" \t\v\f\r\n") == std::string::npos)
            return "Dort soru da yazilmali.";
    for (std::size_t k = 0; k < questions.size(); ++k)
        if (const std::string problem = validateQuestionText(questions[k]); !problem.empty())
            return "Soru " + std::to_string(k + 1) + ": " + problem;
    return {};
}
