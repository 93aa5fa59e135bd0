#include "document/MessageRules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string repeated(const std::string& piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

TEST(MessageRules, TextFitsUpToNinetyNineBytes)
{
    EXPECT_EQ(validateMessageText("Merhaba"), "");
    EXPECT_EQ(validateMessageText(repeated("a", 99)), "");
    const std::string problem = validateMessageText(repeated("a", 100));
    EXPECT_NE(problem.find("100 karakter"), std::string::npos) << problem;
    EXPECT_NE(problem.find("en fazla 99 karakter"), std::string::npos) << problem;
}

// The user counts characters, not bytes: the notice names the characters the
// text has and how many of its first ones fit, which depends on its letters.
// A letter that would not fit whole is not counted.
TEST(MessageRules, TooLongTextsAreToldInCharactersOfTheTextTyped)
{
    const std::string turkish = validateMessageText(repeated("ş", 60));
    EXPECT_NE(turkish.find("60 karakter"), std::string::npos) << turkish;
    EXPECT_NE(turkish.find("en fazla 49 karakter"), std::string::npos) << turkish;
    const std::string mixed = validateMessageText("a" + repeated("ğ", 49) + "b");
    EXPECT_NE(mixed.find("51 karakter"), std::string::npos) << mixed;
    EXPECT_NE(mixed.find("en fazla 50 karakter"), std::string::npos) << mixed;
    // Three-byte characters: 16 of them are 48 bytes, a seventeenth would not fit whole.
    const std::string question = validateQuestionText(repeated("€", 20));
    EXPECT_NE(question.find("20 karakter"), std::string::npos) << question;
    EXPECT_NE(question.find("en fazla 16 karakter"), std::string::npos) << question;
}

TEST(MessageRules, LettersOutsideAsciiCountByTheirBytes)
{
    // "ç" is two bytes in UTF-8: 49 of them and one more letter make 99 bytes.
    EXPECT_EQ(validateMessageText(repeated("ç", 49) + "a"), "");
    EXPECT_NE(validateMessageText(repeated("ç", 50)), "");
    EXPECT_EQ(validateQuestionText(repeated("ş", 24) + "a"), "");
    EXPECT_NE(validateQuestionText(repeated("ş", 25)), "");
}

TEST(MessageRules, TextMustNotBeEmptyNorStartWithWhiteSpace)
{
    EXPECT_NE(validateMessageText(""), "");
    EXPECT_NE(validateMessageText(" leading space"), "");
    EXPECT_NE(validateMessageText("\tleading tab"), "");
    EXPECT_EQ(validateMessageText("trailing space "), "");
}

TEST(MessageRules, TextAndQuestionsAreSingleLines)
{
    EXPECT_NE(validateMessageText("two\nlines"), "");
    EXPECT_NE(validateMessageText("carriage\rreturn"), "");
    EXPECT_NE(validateQuestionText("two\nlines"), "");
}

TEST(MessageRules, QuestionsFitUpToFortyNineBytesAndMayBeEmpty)
{
    EXPECT_EQ(validateQuestionText(""), "");
    EXPECT_EQ(validateQuestionText(" starts with a space"), "");
    EXPECT_EQ(validateQuestionText(repeated("q", 49)), "");
    EXPECT_NE(validateQuestionText(repeated("q", 50)), "");
}

// Like the rest of the interface, the problem texts are Turkish written in ASCII.
TEST(MessageRules, ProblemsAreWrittenInAscii)
{
    for (const std::string& problem :
         {validateMessageText(""), validateMessageText(" a"), validateMessageText("a\nb"),
          validateMessageText(repeated("a", 100)), validateQuestionText("a\nb"), validateQuestionText(repeated("q", 50))}) {
        ASSERT_FALSE(problem.empty());
        for (char c : problem)
            EXPECT_TRUE(c >= 32 && c <= 126) << problem;
    }
}

}  // namespace
