#include "document/MessageRules.h"
#include "document/ScenarioFormat.h"

#include <gtest/gtest.h>

// Whatever the message editor lets the user store must survive a save and a load.
TEST(MessageRulesRoundTrip, StorableTextsReadBackUnchanged)
{
    const std::vector<std::string> texts = {"x", std::string(maxMessageTextBytes, 'a'), "ends in space ", "Ölçü ğ",
                                            "tab\tinside"};
    const std::vector<std::string> questions = {"", " ", std::string(maxQuestionBytes, 'q'), "  lead", "trail  "};
    for (const std::string& text : texts) {
        ASSERT_EQ(validateMessageText(text), "");
        for (const std::string& question : questions) {
            ASSERT_EQ(validateQuestionText(question), "");
            for (int answer : {-1, 1, 4}) {
                ScenarioArea area{"kup.mesh"};
                area.message = ScenarioMessage{text, answer != -1, {}, answer};
                if (answer != -1)
                    area.message->questions = {question, question, question, question};
                const ScenarioDocument document{{area, ScenarioRoad{"yol.mesh"}}};
                const ScenarioParse parsed = parseScenario(writeScenario(document));
                ASSERT_FALSE(parsed.error);
                EXPECT_EQ(parsed.document, document) << "text \"" << text << "\", question \"" << question << "\"";
            }
        }
    }
}

// And what it refuses is what the file could not give back.
TEST(MessageRulesRoundTrip, UnstorableTextsAreRefusedByTheWriterToo)
{
    for (const std::string& text : {std::string(), std::string(" lead"), std::string("a\nb")}) {
        ASSERT_NE(validateMessageText(text), "");
        ScenarioArea area{"kup.mesh"};
        area.message = ScenarioMessage{text};
        EXPECT_THROW(writeScenario({{area}}), ScenarioWriteError) << text;
    }
}
