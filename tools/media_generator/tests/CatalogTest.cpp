#include "Catalog.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

using media::parseCatalog;

namespace {

std::vector<media::CatalogEntry> parse(const std::string& text) {
    std::istringstream in(text);
    return parseCatalog(in);
}

}  // namespace

TEST(Catalog, ReadsEntriesSeparatedByAnyWhiteSpace) {
    auto entries = parse("Adam adam 56 48\n\tKadin\nkadin   32 16\n\n");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].label, "Adam");
    EXPECT_EQ(entries[0].name, "adam");
    EXPECT_EQ(entries[0].width, 56);
    EXPECT_EQ(entries[0].height, 48);
    EXPECT_EQ(entries[1].name, "kadin");
    EXPECT_EQ(entries[1].width, 32);
    EXPECT_EQ(entries[1].height, 16);
}

TEST(Catalog, EmptyFileHasNoEntries) { EXPECT_TRUE(parse(" \n ").empty()); }

TEST(Catalog, RejectsMalformedEntries) {
    EXPECT_THROW(parse("Adam adam 56"), std::runtime_error);                  // cut off
    EXPECT_THROW(parse("Adam adam 56 x"), std::runtime_error);                // not a number
    EXPECT_THROW(parse("Adam adam 56 12px"), std::runtime_error);             // trailing junk
    EXPECT_THROW(parse("Adam adam 0 12"), std::runtime_error);                // no size
    EXPECT_THROW(parse("Adam Adam 56 56"), std::runtime_error);               // upper case name
    EXPECT_THROW(parse("Adam adam 56 56 Ikinci adam 56 56"), std::runtime_error);  // twice
    EXPECT_THROW(parse("Adam " + std::string(32, 'a') + " 56 56"), std::runtime_error);
    EXPECT_NO_THROW(parse("Adam " + std::string(31, 'a') + " 56 56"));
}

TEST(Catalog, ShippedCatalogNamesFourEntriesPerTabAndTheRoad) {
    std::ifstream in(std::string(MEDIA_SOURCE_DIR) + "/work/objects.txt");
    ASSERT_TRUE(in);
    auto entries = parseCatalog(in);
    EXPECT_GE(entries.size(), 18u);
    bool hasRoad = false;
    for (const auto& e : entries) hasRoad = hasRoad || e.name == "yol";
    EXPECT_TRUE(hasRoad);
}
