#pragma once

#include <array>
#include <cstddef>
#include <string>

// What a scenario file can hold of a blue area's message. Lengths count UTF-8
// bytes: that is what the file stores, and what the line buffers of its
// readers, old ones included, hold.
constexpr std::size_t maxMessageTextBytes = 99;
constexpr std::size_t maxQuestionBytes = 49;

// Empty when the text can be stored as a message text, else what is wrong with
// it, for the user: it must be one line, not empty, not start with white space,
// and fit the limit.
std::string validateMessageText(const std::string& text);
// The same for a question: one line within the limit (an empty one is fine).
std::string validateQuestionText(const std::string& question);
// Empty when a quiz can be asked with these four questions, else what is wrong:
// the trainee chooses among four buttons, so none may be blank, and each must
// be a valid question ("Soru N: " names the first faulty one).
std::string validateQuestions(const std::array<std::string, 4>& questions);
