#include "document/ScenarioFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

ScenarioMessage textOnly(const std::string& text)
{
    ScenarioMessage message;
    message.text = text;
    return message;
}

ScenarioMessage withQuestions(const std::string& text, std::array<std::string, 4> questions, int answer)
{
    ScenarioMessage message;
    message.text = text;
    message.hasQuestions = true;
    message.questions = std::move(questions);
    message.answerIndex = answer;
    return message;
}

ScenarioArea area(int x, int z, std::optional<ScenarioMessage> message = std::nullopt)
{
    ScenarioArea item{"kup.mesh", x, 1, z, x - 2, z - 3, x + 2, z + 3};
    item.message = std::move(message);
    return item;
}

ScenarioDocument parsedOk(const std::string& text)
{
    const ScenarioParse parsed = parseScenario(text);
    EXPECT_FALSE(parsed.error) << "line " << parsed.error->line << ": " << parsed.error->description;
    return parsed.document;
}

ScenarioError parseError(const std::string& text)
{
    const ScenarioParse parsed = parseScenario(text);
    EXPECT_TRUE(parsed.error) << "accepted: " << text;
    return parsed.error.value_or(ScenarioError{});
}

const std::string fullExample =
    "human ev.mesh 10 0 -20\n"
    "bluearea kup.mesh 5 1 6 0 0 10 12 1 2\n"
    "Where is the well?\n"
    "North\n"
    "South\n"
    "East\n"
    "West\n"
    "road yol.mesh 0 0 0 33";

ScenarioDocument fullExampleDocument()
{
    ScenarioArea marked{"kup.mesh", 5, 1, 6, 0, 0, 10, 12};
    marked.message = withQuestions("Where is the well?", {"North", "South", "East", "West"}, 2);
    return {{ScenarioObject{"ev.mesh", 10, 0, -20}, marked, ScenarioRoad{"yol.mesh", 0, 0, 0, 33}}};
}

}  // namespace

TEST(ScenarioWriter, LaysOutEntriesWithSingleLineEndsBetweenThem)
{
    EXPECT_EQ(writeScenario({}), "");
    EXPECT_EQ(writeScenario({{ScenarioRoad{"yol.mesh", 1, 2, 3, 4}, ScenarioRoad{"yol.mesh", -1, 0, 0, -5}}}),
              "road yol.mesh 1 2 3 4\nroad yol.mesh -1 0 0 -5");
    EXPECT_EQ(writeScenario({{ScenarioObject{"ev.mesh", 1, 2, 3}, ScenarioRoad{"yol.mesh", 1, 2, 3, 4}}}),
              "human ev.mesh 1 2 3\nroad yol.mesh 1 2 3 4");
    EXPECT_EQ(writeScenario({{area(5, 6), ScenarioRoad{"yol.mesh", 1, 2, 3, 4}}}),
              "bluearea kup.mesh 5 1 6 3 3 7 9 0 0\nroad yol.mesh 1 2 3 4");
    EXPECT_EQ(writeScenario({{area(5, 6, textOnly("Hello there"))}}), "bluearea kup.mesh 5 1 6 3 3 7 9 1 -1\nHello there");
    EXPECT_EQ(writeScenario(fullExampleDocument()), fullExample);
}

TEST(ScenarioWriter, PutsObjectsThenAreasThenRoadsAndDropsOtherTypes)
{
    const ScenarioDocument mixed{{ScenarioRoad{"yol.mesh", 1, 2, 3, 4}, area(0, 0), ScenarioOther{"tree", "t.mesh", 1, 1, 1},
                                  ScenarioObject{"a.mesh", 1, 2, 3}, ScenarioObject{"b.mesh", 4, 5, 6}}};
    EXPECT_EQ(writeScenario(mixed),
              "human a.mesh 1 2 3\nhuman b.mesh 4 5 6\nbluearea kup.mesh 0 1 0 -2 -3 2 3 0 0\nroad yol.mesh 1 2 3 4");
}

TEST(ScenarioWriter, RefusesWhatWouldNotReadBackTheSame)
{
    const auto rejects = [](ScenarioEntry entry) {
        EXPECT_THROW(writeScenario({{std::move(entry)}}), ScenarioWriteError);
    };
    rejects(ScenarioObject{"two words.mesh", 0, 0, 0});
    rejects(ScenarioObject{"", 0, 0, 0});
    rejects(ScenarioRoad{"tab\t.mesh", 0, 0, 0, 0});
    rejects(area(0, 0, textOnly("")));
    rejects(area(0, 0, textOnly(" leading space")));
    rejects(area(0, 0, textOnly("two\nlines")));
    rejects(area(0, 0, textOnly("carriage return\r")));
    rejects(area(0, 0, withQuestions("text", {"a", "b\nc", "d", "e"}, 1)));
    rejects(area(0, 0, withQuestions("text", {"a", "b", "c", "d"}, -1)));
    rejects(area(0, 0, withQuestions("text", {"a", "b", "c", "d"}, 5)));
}

TEST(ScenarioWriter, TruncatesCoordinatesTowardZero)
{
    EXPECT_EQ(toFileCoordinate(-3.7f), -3);
    EXPECT_EQ(toFileCoordinate(3.7f), 3);
    EXPECT_EQ(toFileCoordinate(-0.5f), 0);
    EXPECT_EQ(toFileCoordinate(250.0f), 250);
    EXPECT_EQ(toFileCoordinate(std::nanf("")), 0);
    EXPECT_EQ(toFileCoordinate(1e10f), std::numeric_limits<int>::max());
    EXPECT_EQ(toFileCoordinate(-1e10f), std::numeric_limits<int>::min());
}

TEST(ScenarioReader, ReadsEveryEntryKindAndMessageForm)
{
    const ScenarioParse parsed = parseScenario(fullExample);
    ASSERT_FALSE(parsed.error);
    EXPECT_EQ(parsed.document, fullExampleDocument());
    EXPECT_EQ(parsed.entryLines, (std::vector<int>{1, 2, 8}));

    const ScenarioDocument forms = parsedOk(
        "bluearea kup.mesh 1 1 1 0 0 2 2 0 0\n"
        "bluearea kup.mesh 2 1 2 0 0 4 4 1 -1\n"
        "Just a note\n"
        "human a.mesh 7 8 9");
    ASSERT_EQ(forms.entries.size(), 3u);
    EXPECT_FALSE(std::get<ScenarioArea>(forms.entries[0]).message);
    EXPECT_EQ(std::get<ScenarioArea>(forms.entries[1]).message, textOnly("Just a note"));
    EXPECT_EQ(std::get<ScenarioObject>(forms.entries[2]), (ScenarioObject{"a.mesh", 7, 8, 9}));
}

TEST(ScenarioReader, EmptyAndBlankTextsAreEmptyDocuments)
{
    EXPECT_TRUE(parsedOk("").entries.empty());
    EXPECT_TRUE(parsedOk(" \n\t\r\n").entries.empty());
}

TEST(ScenarioReader, AcceptsTrailingWhiteSpaceAndOtherLineEnds)
{
    const std::string plain = "human a.mesh 1 2 3\nroad yol.mesh 1 2 3 4";
    const ScenarioDocument expected = parsedOk(plain);
    ASSERT_EQ(expected.entries.size(), 2u);
    EXPECT_EQ(parsedOk(plain + "\n"), expected);
    EXPECT_EQ(parsedOk(plain + "  \n\n\t"), expected);
    EXPECT_EQ(parsedOk("human a.mesh 1 2 3\r\nroad yol.mesh 1 2 3 4\r\n"), expected);

    std::string crlf = fullExample;
    for (std::size_t at = crlf.find('\n'); at != std::string::npos; at = crlf.find('\n', at + 2))
        crlf.insert(at, "\r");
    EXPECT_EQ(parsedOk(crlf), fullExampleDocument());
}

TEST(ScenarioReader, OtherTypesConsumeThreeNumbersAndKeepStep)
{
    const ScenarioDocument document = parsedOk("tree tree.mesh 1 -2 3\nroad yol.mesh 4 5 6 7");
    ASSERT_EQ(document.entries.size(), 2u);
    EXPECT_EQ(std::get<ScenarioOther>(document.entries[0]), (ScenarioOther{"tree", "tree.mesh", 1, -2, 3}));
    EXPECT_EQ(std::get<ScenarioRoad>(document.entries[1]), (ScenarioRoad{"yol.mesh", 4, 5, 6, 7}));
}

TEST(ScenarioReader, ReadsLongMessageLinesWhole)
{
    const std::string text(150, 'm');
    const std::string question(80, 'q');
    const ScenarioDocument document = parsedOk("bluearea kup.mesh 0 0 0 0 0 1 1 1 3\n" + text + "\n" + question
                                               + "\n\n   spaced\n" + question + "\nhuman a.mesh 1 2 3");
    ASSERT_EQ(document.entries.size(), 2u);
    EXPECT_EQ(std::get<ScenarioArea>(document.entries[0]).message,
              withQuestions(text, {question, "", "   spaced", question}, 3));
    EXPECT_EQ(std::get<ScenarioObject>(document.entries[1]), (ScenarioObject{"a.mesh", 1, 2, 3}));
}

TEST(ScenarioReader, AnyNonZeroFlagMeansAMessageAndZeroIgnoresTheAnswer)
{
    EXPECT_FALSE(std::get<ScenarioArea>(parsedOk("bluearea kup.mesh 0 0 0 0 0 1 1 0 7").entries[0]).message);
    EXPECT_EQ(std::get<ScenarioArea>(parsedOk("bluearea kup.mesh 0 0 0 0 0 1 1 2 -1\nhi").entries[0]).message,
              textOnly("hi"));
}

TEST(ScenarioReader, ReportsMalformedEntriesWithTheirLine)
{
    ScenarioError error = parseError("human a.mesh 1 x 3");
    EXPECT_EQ(error.line, 1);
    EXPECT_NE(error.description.find("\"x\""), std::string::npos) << error.description;

    error = parseError("human a.mesh 1 2 3\nhuman b.mesh 4 5");
    EXPECT_EQ(error.line, 2);
    EXPECT_NE(error.description.find("eksik olan: z)"), std::string::npos) << error.description;

    EXPECT_EQ(parseError(fullExample + "\nroad yol.mesh 1 2 3 4x").line, 9);
    EXPECT_EQ(parseError(fullExample + "\nroad yol.mesh 1 2 3\n").line, 9);
    EXPECT_EQ(parseError("human\n").line, 1);
    EXPECT_EQ(parseError("human a.mesh 1 2 99999999999").line, 1);
    EXPECT_EQ(parseError("human a.mesh 1 2 -").line, 1);
    EXPECT_EQ(parseError("human a.mesh 1 2 3\n\nbluearea kup.mesh 0 0 0 0 0 1 1 1").line, 3);
    EXPECT_EQ(parseError("human a.mesh 1 2 3\nbluearea kup.mesh 0 0 0 0 0 1 1 1\n5\nhi").line, 3);
    EXPECT_EQ(parseError("bluearea kup.mesh 0 0 0 0 0 1 1 1 0\na\nb\nc\nd\ne").line, 1);
    EXPECT_EQ(parseError("bluearea kup.mesh 0 0 0 0 0 1 1 1 -1\n \n").line, 1);
    EXPECT_EQ(parseError("bluearea kup.mesh 0 0 0 0 0 1 1 1 4\ntext\nq1\nq2").line, 1);
}

// The description goes into a notice: file bytes that are not text must not reach it.
TEST(ScenarioReader, DescribesBadTokensInPrintableText)
{
    const std::string junk = "\xff\x01\xc3" + std::string(100, '7') + "x";
    const std::string description = parseError("human a.mesh 1 " + junk + " 3").description;
    EXPECT_NE(description.find("\"???777"), std::string::npos) << description;
    EXPECT_NE(description.find("...\""), std::string::npos) << description;
    EXPECT_LT(description.size(), 80u) << description;
    for (char c : description)
        EXPECT_TRUE(c >= 32 && c <= 126) << description;
}

TEST(ScenarioReader, AcceptsTheIntRangeAndSignedNumbers)
{
    const ScenarioDocument document = parsedOk("human a.mesh -2147483648 2147483647 +5");
    EXPECT_EQ(std::get<ScenarioObject>(document.entries[0]),
              (ScenarioObject{"a.mesh", std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), 5}));
    EXPECT_EQ(parseError("human a.mesh 2147483648 0 0").line, 1);
}

// An object's turn is an optional fifth number on its own line, written only
// when it is not 0, so files without turned objects stay as every reader takes them.
TEST(ScenarioObjectTurn, IsWrittenOnlyWhenNotZeroAndReadFromTheObjectsOwnLine)
{
    EXPECT_EQ(writeScenario(fullExampleDocument()), fullExample);
    ScenarioDocument turned = fullExampleDocument();
    std::get<ScenarioObject>(turned.entries[0]).turn = 90;
    const std::string written = writeScenario(turned);
    EXPECT_EQ(written.substr(0, written.find('\n')), "human ev.mesh 10 0 -20 90");
    EXPECT_EQ(written.substr(written.find('\n')), fullExample.substr(fullExample.find('\n')));
    EXPECT_EQ(parsedOk(written), turned);

    const ScenarioDocument read = parsedOk("human a.mesh 1 2 3 359\r\nhuman b.mesh 4 5 6\t\nhuman c.mesh 7 8 9 0");
    ASSERT_EQ(read.entries.size(), 3u);
    EXPECT_EQ(std::get<ScenarioObject>(read.entries[0]), (ScenarioObject{"a.mesh", 1, 2, 3, 359}));
    EXPECT_EQ(std::get<ScenarioObject>(read.entries[1]).turn, 0);
    EXPECT_EQ(std::get<ScenarioObject>(read.entries[2]).turn, 0);
    EXPECT_THROW(writeScenario({{ScenarioObject{"a.mesh", 0, 0, 0, 360}}}), ScenarioWriteError);
}

TEST(ScenarioObjectTurn, IsRefusedOnAnotherLineOutOfRangeOrWhenNotANumber)
{
    // A number on the next line is no turn: it stands where the next entry's type should.
    EXPECT_EQ(parseError("human a.mesh 1 2 3\n90").line, 2);
    parseError("human a.mesh 1 2 3\n90\nhuman b.mesh 1 2 3");
    EXPECT_EQ(parseError("human a.mesh 1 2 3\n\n 90").line, 3);
    // Only objects turn: a number after a road ends the line's entry.
    EXPECT_EQ(parseError("road yol.mesh 0 0 5 5 90").line, 1);

    ScenarioError error = parseError("human a.mesh 1 2 3 45\nhuman b.mesh 1 2 3 360");
    EXPECT_EQ(error.line, 2);
    EXPECT_NE(error.description.find("360"), std::string::npos) << error.description;
    EXPECT_EQ(parseError("human a.mesh 1 2 3 -15").line, 1);

    error = parseError("human a.mesh 1 2 3 doksan");
    EXPECT_NE(error.description.find("\"doksan\" bir tam sayi degil"), std::string::npos) << error.description;
    error = parseError("human a.mesh 1 2 3 90 human b.mesh 1 2 3");
    EXPECT_NE(error.description.find("\"human\""), std::string::npos) << error.description;
    EXPECT_EQ(parseError("human a.mesh 1 2 3 90 5").line, 1);
}

TEST(ScenarioRoundTrip, WrittenFilesReadBackToTheSameDocumentAndBytes)
{
    ScenarioDocument rich = fullExampleDocument();
    rich.entries.insert(rich.entries.begin() + 1, ScenarioObject{"kule.mesh", -3, 0, 2147483647});
    rich.entries.push_back(ScenarioRoad{"yol.mesh", -7, 8, 9, -10});
    rich.entries.insert(rich.entries.begin() + 3, area(-40, 40, textOnly("Trailing spaces stay  ")));
    rich.entries.insert(rich.entries.begin() + 4, area(9, 9, withQuestions("Sor", {" a", "", "ç ğ ü", ""}, 4)));
    rich.entries.insert(rich.entries.begin() + 5, area(1, 1));

    const std::string written = writeScenario(rich);
    EXPECT_EQ(parsedOk(written), rich);
    EXPECT_EQ(writeScenario(parsedOk(written)), written);

    // An empty last question at the very end of the file.
    const ScenarioDocument endsEmpty{{area(3, 3, withQuestions("Q", {"a", "b", "", ""}, 1))}};
    EXPECT_EQ(parsedOk(writeScenario(endsEmpty)), endsEmpty);
}
