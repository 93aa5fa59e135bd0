#include "document/MessageRules.h"

namespace {

bool isSingleLine(const std::string& text)
{
    return text.find_first_of("\r\n") == std::string::npos;
}

bool isWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n';
}

std::string tooLong(const std::string& what, std::size_t length, std::size_t limit)
{
    return what + " " + std::to_string(length) + " bayt uzunlugunda; en fazla " + std::to_string(limit) +
           " bayt olabilir (Turkce harfler iki bayt tutar).";
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
        return tooLong("Mesaj metni", text.size(), maxMessageTextBytes);
    return {};
}

std::string validateQuestionText(const std::string& question)
{
    if (!isSingleLine(question))
        return "Soru tek satir olmali.";
    if (question.size() > maxQuestionBytes)
        return tooLong("Soru", question.size(), maxQuestionBytes);
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
