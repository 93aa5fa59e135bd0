#include "panels/ObjectCatalog.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

std::vector<std::string> names(const CatalogReading& reading)
{
    std::vector<std::string> result;
    for (const CatalogEntry& entry : reading.entries)
        result.push_back(entry.name);
    return result;
}

bool anyWarningContains(const CatalogReading& reading, const std::string& part)
{
    for (const std::string& warning : reading.warnings)
        if (warning.find(part) != std::string::npos)
            return true;
    return false;
}

TEST(ObjectCatalogParsing, ReadsAllFourFieldsOfEveryEntry)
{
    const CatalogReading reading = parseObjectCatalog("Ev house 64 32\nAgac tree 128 256", "objects.txt");
    ASSERT_EQ(reading.entries.size(), 2u);
    EXPECT_TRUE(reading.warnings.empty());
    EXPECT_EQ(reading.entries[0].label, "Ev");
    EXPECT_EQ(reading.entries[0].name, "house");
    EXPECT_EQ(reading.entries[0].width, 64);
    EXPECT_EQ(reading.entries[0].height, 32);
    EXPECT_EQ(reading.entries[1].label, "Agac");
    EXPECT_EQ(reading.entries[1].name, "tree");
    EXPECT_EQ(reading.entries[1].width, 128);
    EXPECT_EQ(reading.entries[1].height, 256);
}

TEST(ObjectCatalogParsing, LineStructureCarriesNoMeaning)
{
    const std::vector<std::string> layouts = {
        "a house 64 32 b tree 10 20 c yol 5 6",
        "a\nhouse\n64\n32\nb\ntree\n10\n20\nc\nyol\n5\n6",
        "a house\n64 32 b\ttree 10\r\n20 c yol 5\n\n\n6",
        "\n\n   a house 64 32\n\tb tree 10 20 c yol 5 6   \n\n",
    };
    for (const std::string& text : layouts) {
        const CatalogReading reading = parseObjectCatalog(text, "objects.txt");
        EXPECT_EQ(names(reading), (std::vector<std::string>{"house", "tree", "yol"})) << text;
        EXPECT_TRUE(reading.warnings.empty()) << text;
        ASSERT_EQ(reading.entries.size(), 3u);
        EXPECT_EQ(reading.entries[1].width, 10);
        EXPECT_EQ(reading.entries[1].height, 20);
    }
}

TEST(ObjectCatalogParsing, TrailingLineEndAddsNoEntryAndNoWarning)
{
    const CatalogReading reading = parseObjectCatalog("a house 64 32\n", "objects.txt");
    EXPECT_EQ(names(reading), std::vector<std::string>{"house"});
    EXPECT_TRUE(reading.warnings.empty());
}

TEST(ObjectCatalogParsing, EmptyFileWarnsThatTheToolboxIsEmpty)
{
    for (const std::string& text : {std::string(), std::string(" \n\t\n")}) {
        const CatalogReading reading = parseObjectCatalog(text, "objects.txt");
        EXPECT_TRUE(reading.entries.empty());
        ASSERT_EQ(reading.warnings.size(), 1u);
        EXPECT_NE(reading.warnings[0].find("objects.txt hic katalog kaydi icermiyor"), std::string::npos);
    }
}

TEST(ObjectCatalogParsing, FileEndingInsideAnEntryKeepsTheEntriesBeforeIt)
{
    const CatalogReading reading = parseObjectCatalog("a house 64 32\nb tree 10", "objects.txt");
    EXPECT_EQ(names(reading), std::vector<std::string>{"house"});
    ASSERT_EQ(reading.warnings.size(), 1u);
    EXPECT_NE(reading.warnings[0].find("objects.txt satir 2"), std::string::npos) << reading.warnings[0];
    EXPECT_NE(reading.warnings[0].find("bir kaydin ortasinda bitiyor"), std::string::npos);
    EXPECT_NE(reading.warnings[0].find("\"b tree 10\""), std::string::npos);
}

TEST(ObjectCatalogParsing, RepeatedNameKeepsOnlyTheFirstEntry)
{
    const CatalogReading reading =
        parseObjectCatalog("a house 64 32\nb tree 10 20\nc house 8 8\nd car 1 2", "objects.txt");
    EXPECT_EQ(names(reading), (std::vector<std::string>{"house", "tree", "car"}));
    EXPECT_EQ(reading.entries[0].width, 64);
    ASSERT_EQ(reading.warnings.size(), 1u);
    EXPECT_NE(reading.warnings[0].find("satir 3"), std::string::npos);
    EXPECT_NE(reading.warnings[0].find("\"house\" yeniden listelenmis"), std::string::npos);
}

TEST(ObjectCatalogParsing, EntryWithAMissingFieldIsSkippedAndReadingResumes)
{
    // The first entry lacks its height; the one after it must still be read whole.
    const CatalogReading reading = parseObjectCatalog("a house 64\nb tree 10 20\nc car 3 4", "objects.txt");
    EXPECT_EQ(names(reading), (std::vector<std::string>{"tree", "car"}));
    ASSERT_EQ(reading.warnings.size(), 1u);
    EXPECT_NE(reading.warnings[0].find("satir 1"), std::string::npos);
    EXPECT_NE(reading.warnings[0].find("\"a house 64\""), std::string::npos);
}

TEST(ObjectCatalogParsing, SizesMustBePositiveWholeNumbers)
{
    for (const char* bad : {"a house x 32", "a house 64 3.5", "a house 0 32", "a house 64 -1",
                                   "a house 64 99999999999", "a house 64 32px"}) {
        const CatalogReading reading = parseObjectCatalog(std::string(bad) + "\nb tree 10 20", "objects.txt");
        EXPECT_EQ(names(reading), std::vector<std::string>{"tree"}) << bad;
        EXPECT_TRUE(anyWarningContains(reading, "bir kayit degil")) << bad;
    }
}

TEST(ObjectCatalogParsing, TextWithNoEntryAtAllIsReportedWhole)
{
    const CatalogReading reading = parseObjectCatalog("just some words here", "objects.txt");
    EXPECT_TRUE(reading.entries.empty());
    ASSERT_EQ(reading.warnings.size(), 1u);
    EXPECT_NE(reading.warnings[0].find("\"just some words here\""), std::string::npos);
}

class ObjectCatalogFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/catalogXXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override
    {
        std::remove((dir + "/objects.txt").c_str());
        rmdir(dir.c_str());
    }
    std::string dir;
};

TEST_F(ObjectCatalogFile, MissingFileGivesNoEntriesAndNamesTheFile)
{
    const CatalogReading reading = readObjectCatalog(dir + "/objects.txt");
    EXPECT_TRUE(reading.entries.empty());
    ASSERT_EQ(reading.warnings.size(), 1u);
    EXPECT_NE(reading.warnings[0].find(dir + "/objects.txt okunamiyor"), std::string::npos);
}

TEST_F(ObjectCatalogFile, ReadsTheEntriesOfAFile)
{
    std::ofstream(dir + "/objects.txt") << "Ev house 64 32\r\nAgac tree 1 2\r\n";
    const CatalogReading reading = readObjectCatalog(dir + "/objects.txt");
    EXPECT_EQ(names(reading), (std::vector<std::string>{"house", "tree"}));
    EXPECT_TRUE(reading.warnings.empty());
}

}  // namespace
