#include "panels/MessageRules.h"

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
    return what + " is " + std::to_string(length) + " bytes long; at most " + std::to_string(limit) +
           " fit (a letter such as ç or ş takes two).";
}

}  // namespace

std::string validateMessageText(const std::string& text)
{
    if (text.empty())
        return "The message text is empty.";
    if (isWhiteSpace(text.front()))
        return "The message text must not start with a space.";
    if (!isSingleLine(text))
        return "The message text must be a single line.";
    if (text.size() > maxMessageTextBytes)
        return tooLong("The message text", text.size(), maxMessageTextBytes);
    return {};
}

std::string validateQuestionText(const std::string& question)
{
    if (!isSingleLine(question))
        return "The question must be a single line.";
    if (question.size() > maxQuestionBytes)
        return tooLong("The question", question.size(), maxQuestionBytes);
    return {};
}
