#pragma once

// The names of the message editor's widgets in the main layout, where a blue
// area gets its message and its quiz.
namespace messagenames {

inline constexpr const char* window = "mesajWindow";  // "message"
inline constexpr const char* text = "mesajIcerik";    // "message content"
// The four questions' fields and the radio buttons that mark the right answer.
inline constexpr const char* questionFields[] = {"soru1Text", "soru2Text", "soru3Text", "soru4Text"};  // "question"
inline constexpr const char* answerButtons[] = {"soru1", "soru2", "soru3", "soru4"};
inline constexpr const char* noQuestions = "soruYok";  // "no question"
inline constexpr const char* storeButton = "mesajEkle";    // "add message"
inline constexpr const char* cancelButton = "mesajIptal";  // "cancel message"

}  // namespace messagenames
