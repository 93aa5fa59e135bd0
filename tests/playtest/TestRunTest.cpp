#include "playtest/TestRun.h"

#include "document/ScenarioFormat.h"
#include "document/ScenarioItems.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

ScenarioMessage textOnly(const std::string& text)
{
    ScenarioMessage message;
    message.text = text;
    return message;
}

ScenarioMessage quiz(const std::string& text, int answer)
{
    ScenarioMessage message;
    message.text = text;
    message.hasQuestions = true;
    message.questions = {"Bir", "Iki", "Uc", "Dort"};
    message.answerIndex = answer;
    return message;
}

Item area(ItemId id, float x1, float z1, float x2, float z2, std::optional<ScenarioMessage> message)
{
    Item item = makeArea(id, "kup.mesh", x1, z1, x2, z2);
    item.message = std::move(message);
    return item;
}

std::vector<ItemId> idsAlong(TestRun& run, const std::vector<std::pair<float, float>>& path)
{
    std::vector<ItemId> ids;
    for (const auto& [x, z] : path) {
        // The trainee reads every message at once and walks on.
        while (const auto shown = run.enter(x, z)) {
            ids.push_back(shown->area);
            run.proceed();
        }
    }
    return ids;
}

}  // namespace

TEST(TestRunAreas, MessageComesInsideAndOnEveryEdgeButNotOutside)
{
    // Corners given in either order: the rectangle is the same.
    const std::vector<Item> items = {area(1, 10, 20, -10, -20, textOnly("Dikkat"))};
    for (const auto& [x, z] : std::vector<std::pair<float, float>>{
             {0, 0}, {10, 0}, {-10, 0}, {0, 20}, {0, -20}, {10, 20}, {-10, -20}}) {
        TestRun run(items);
        const auto shown = run.enter(x, z);
        ASSERT_TRUE(shown) << x << ", " << z;
        EXPECT_EQ(shown->area, 1);
        EXPECT_EQ(shown->message.text, "Dikkat");
    }
    for (const auto& [x, z] : std::vector<std::pair<float, float>>{
             {10.01f, 0}, {-10.01f, 0}, {0, 20.01f}, {0, -20.01f}, {11, 21}}) {
        TestRun run(items);
        EXPECT_FALSE(run.enter(x, z)) << x << ", " << z;
    }
}

TEST(TestRunAreas, OnlyAreasWithAMessageCountAndShow)
{
    const std::vector<Item> items = {makeObject(1, "adam.mesh", 0, 0), area(2, -5, -5, 5, 5, std::nullopt),
                                     makeRoad(3, "yol.mesh", -5, 0, 5, 0), area(4, 20, 20, 30, 30, textOnly("M"))};
    TestRun run(items);
    EXPECT_FALSE(run.enter(0, 0));
    EXPECT_EQ(run.summary().messagesTotal, 1);
    EXPECT_EQ(run.summaryText(), "Deneme bitti. Dogru cevap: 0 / 0, gorulen mesaj: 0 / 1");
}

TEST(TestRunAreas, EachMessageOncePerRunAndAgainInANewRun)
{
    const std::vector<Item> items = {area(1, -5, -5, 5, 5, textOnly("Bir kez"))};
    TestRun run(items);
    EXPECT_EQ(idsAlong(run, {{0, 0}, {1, 1}, {20, 20}, {0, 0}}), std::vector<ItemId>{1});
    EXPECT_EQ(run.summary().messagesSeen, 1);
    TestRun again(items);
    EXPECT_TRUE(again.enter(0, 0));
}

TEST(TestRunAreas, OverlappingAreasEachOnceInTheOrderEntered)
{
    // Area 1 lies east, area 2 west; they share the strip 0..10 in x.
    const std::vector<Item> items = {area(1, 0, -5, 20, 5, textOnly("Dogu")), area(2, -20, -5, 10, 5, textOnly("Bati"))};
    TestRun fromWest(items);
    EXPECT_EQ(idsAlong(fromWest, {{-30, 0}, {-15, 0}, {5, 0}, {15, 0}, {30, 0}}), (std::vector<ItemId>{2, 1}));
    TestRun fromEast(items);
    EXPECT_EQ(idsAlong(fromEast, {{30, 0}, {15, 0}, {5, 0}, {-15, 0}}), (std::vector<ItemId>{1, 2}));
    // Stepping into both at once: one after the other, none twice.
    TestRun intoBoth(items);
    EXPECT_EQ(idsAlong(intoBoth, {{5, 0}, {6, 0}}), (std::vector<ItemId>{1, 2}));
    EXPECT_EQ(intoBoth.summary().messagesSeen, 2);
}

TEST(TestRunAreas, NoSecondMessageWhileOneIsOpen)
{
    const std::vector<Item> items = {area(1, -5, -5, 5, 5, quiz("Soru", 2)), area(2, -5, -5, 5, 5, textOnly("Iki"))};
    TestRun run(items);
    ASSERT_TRUE(run.enter(0, 0));
    EXPECT_FALSE(run.enter(0, 0));
    EXPECT_FALSE(run.proceed());  // the quiz is not answered yet
    run.answer(1);
    EXPECT_TRUE(run.proceed());
    const auto second = run.enter(0, 0);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->area, 2);
}

TEST(TestRunQuiz, RightAndWrongAnswersAndOnlyTheFirstCounts)
{
    const std::vector<Item> items = {area(1, 0, 0, 10, 10, quiz("Isik", 3)), area(2, 20, 0, 30, 10, quiz("Yol", 4)),
                                     area(3, 40, 0, 50, 10, textOnly("Bilgi"))};
    TestRun run(items);
    ASSERT_TRUE(run.enter(5, 5));
    EXPECT_TRUE(run.hasQuestions());
    EXPECT_FALSE(run.canContinue());
    EXPECT_EQ(run.answer(0), "");
    EXPECT_EQ(run.answer(5), "");
    EXPECT_EQ(run.answer(3), "Dogru!");
    EXPECT_TRUE(run.canContinue());
    EXPECT_EQ(run.answer(1), "");  // a second click changes nothing
    ASSERT_TRUE(run.proceed());

    ASSERT_TRUE(run.enter(25, 5));
    EXPECT_EQ(run.answer(2), "Yanlis. Dogru cevap: 4");
    ASSERT_TRUE(run.proceed());

    ASSERT_TRUE(run.enter(45, 5));
    EXPECT_FALSE(run.hasQuestions());
    EXPECT_TRUE(run.canContinue());
    EXPECT_EQ(run.answer(1), "");
    ASSERT_TRUE(run.proceed());

    EXPECT_EQ(run.summaryText(), "Deneme bitti. Dogru cevap: 1 / 2, gorulen mesaj: 3 / 3");
}

TEST(TestRunQuiz, SummaryCountsOnlyWhatWasShownAndAsked)
{
    const std::vector<Item> items = {area(1, 0, 0, 10, 10, quiz("A", 1)), area(2, 20, 0, 30, 10, quiz("B", 2)),
                                     area(3, 40, 0, 50, 10, textOnly("C")), area(4, 60, 0, 70, 10, textOnly("D"))};
    TestRun run(items);
    ASSERT_TRUE(run.enter(5, 5));
    run.answer(1);
    run.proceed();
    // Area 2's quiz is shown but the run ends before an answer.
    ASSERT_TRUE(run.enter(25, 5));
    const TestRun::Summary& counts = run.summary();
    EXPECT_EQ(counts.rightAnswers, 1);
    EXPECT_EQ(counts.questionsAsked, 2);
    EXPECT_EQ(counts.messagesSeen, 2);
    EXPECT_EQ(counts.messagesTotal, 4);
    EXPECT_EQ(run.summaryText(), "Deneme bitti. Dogru cevap: 1 / 2, gorulen mesaj: 2 / 4");
}

TEST(TestRunQuiz, LongestTextsComeWhole)
{
    ScenarioMessage message = quiz(std::string(99, 'M'), 1);
    message.questions = {std::string(49, 'W'), std::string(49, 'X'), std::string(49, 'Y'), std::string(49, 'Z')};
    TestRun run({area(1, 0, 0, 1, 1, message)});
    const auto shown = run.enter(0, 0);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->message, message);
}
