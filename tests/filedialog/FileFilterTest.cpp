#include "filedialog/DialogPaths.h"
#include "filedialog/FileFilter.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::pair<std::string, std::string>> parsed(const std::string& filterString) {
    FileFilterList list;
    list.parse(filterString);
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const FileFilter& filter : list)
        pairs.emplace_back(filter.label, filter.pattern);
    return pairs;
}

using Pairs = std::vector<std::pair<std::string, std::string>>;

TEST(FileFilterList, ParsesLabelPatternPairsInOrder) {
    EXPECT_EQ((Pairs{{"All files (*.*)", "*.*"}}), parsed("All files (*.*)|*.*|"));
    EXPECT_EQ((Pairs{{"ZEVO (*.zev)", "*.zev"}, {"TXT (*.txt)", "*.txt"}, {"Portable Network Graphics (*.png)", "*.png"},
                     {"Truevision Targa (*.tga)", "*.tga"}}),
              parsed("ZEVO (*.zev)|*.zev|TXT (*.txt)|*.txt|Portable Network Graphics (*.png)|*.png|"
                     "Truevision Targa (*.tga)|*.tga|"));
}

TEST(FileFilterList, DropsALabelWithoutPatternAndTextAfterTheLastBar) {
    EXPECT_EQ((Pairs{{"ZEVO", "*.zev"}}), parsed("ZEVO|*.zev|All files|"));
    EXPECT_EQ((Pairs{{"ZEVO", "*.zev"}}), parsed("ZEVO|*.zev|All files"));
    EXPECT_EQ((Pairs{{"ZEVO", "*.zev"}}), parsed("ZEVO|*.zev|All files|*.*"));
    EXPECT_TRUE(parsed("").empty());
    EXPECT_TRUE(parsed("All files (*.*) *.*").empty());
    EXPECT_TRUE(parsed("only a label|").empty());
}

TEST(FileFilterList, KeepsEmptySegments) {
    EXPECT_EQ((Pairs{{"", "*.zev"}, {"Text", ""}}), parsed("|*.zev|Text||"));
    EXPECT_EQ((Pairs{{"", ""}}), parsed("||"));
}

TEST(FileFilterList, ParseReplacesTheEarlierList) {
    FileFilterList list;
    list.parse("A|*.a|B|*.b|");
    list.parse("C|*.c|");
    ASSERT_EQ(1u, list.size());
    EXPECT_EQ("C", list[0].label);
    list.clear();
    EXPECT_TRUE(list.empty());
}

TEST(SplitName, TakesTheTextAroundTheLastDot) {
    using dialogpaths::splitName;
    EXPECT_EQ("zev", splitName("save.zev", true));
    EXPECT_EQ("save", splitName("save.zev", false));
    EXPECT_EQ("zev", splitName("x.tar.zev", true));
    EXPECT_EQ("x.tar", splitName("x.tar.zev", false));
    EXPECT_EQ("", splitName("name.", true));
    EXPECT_EQ("name", splitName("name.", false));
    EXPECT_EQ("profile", splitName(".profile", true));
    EXPECT_EQ("", splitName(".profile", false));
    EXPECT_EQ("", splitName("noextension", true));
    EXPECT_EQ("", splitName("noextension", false));
    EXPECT_EQ("", splitName("", true));
    EXPECT_EQ("*", splitName("*.*", true));
}

TEST(PassesFilter, MatchesTheExtensionExactly) {
    const std::string zev = "*.zev";
    using dialogpaths::passesFilter;
    EXPECT_TRUE(passesFilter("x.zev", &zev));
    EXPECT_TRUE(passesFilter("x.tar.zev", &zev));
    EXPECT_FALSE(passesFilter("x.ZEV", &zev));
    EXPECT_FALSE(passesFilter("A.ZEV", &zev));
    EXPECT_FALSE(passesFilter("x", &zev));
    EXPECT_FALSE(passesFilter("x.zevo", &zev));
    EXPECT_FALSE(passesFilter("zev", &zev));
}

TEST(PassesFilter, AllFilesPassesEveryNameAndDirectoriesPassEveryFilter) {
    const std::string all = "*.*";
    const std::string zev = "*.zev";
    const std::string several = "*.zev;*.txt";
    const std::string dotOnly = "*.";
    using dialogpaths::passesFilter;
    EXPECT_TRUE(passesFilter("x", &all));
    EXPECT_TRUE(passesFilter("x.ZEV", &all));
    EXPECT_TRUE(passesFilter("<saves>", &zev));
    EXPECT_TRUE(passesFilter("<..>", &several));
    EXPECT_TRUE(passesFilter("<.>", nullptr));
    EXPECT_FALSE(passesFilter("x.zev", &several));
    EXPECT_FALSE(passesFilter("x.zev", nullptr));
    EXPECT_FALSE(passesFilter("", &all));
    EXPECT_TRUE(passesFilter("x", &dotOnly));
    EXPECT_FALSE(passesFilter("x.zev", &dotOnly));
}

}  // namespace
