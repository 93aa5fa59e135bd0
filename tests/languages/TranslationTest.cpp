// Choosing the language and reading the compiled catalogs, without widgets.
#include "document/FileAccess.h"
#include "document/MessageCatalog.h"
#include "document/Translation.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using translation::LocaleEnvironment;
using Languages = std::vector<std::string>;

const std::string locales = SAHNE_RUNTIME_LOCALE_DIR;

LocaleEnvironment environment(std::string language, std::string all, std::string messages, std::string lang)
{
    return {std::move(language), std::move(all), std::move(messages), std::move(lang)};
}

std::string chosen(const LocaleEnvironment& env, std::optional<std::string> configured = std::nullopt)
{
    return translation::chooseLanguage(env, configured, locales);
}

TEST(LanguageOrder, FollowsGettextPrecedence)
{
    // The locale is the first of LC_ALL, LC_MESSAGES, LANG that is set.
    EXPECT_EQ(translation::preferredLanguages(environment("", "", "", "tr_TR.UTF-8")), (Languages{"tr_TR", "tr"}));
    EXPECT_EQ(chosen(environment("", "en_US.UTF-8", "tr_TR.UTF-8", "tr_TR.UTF-8")), "en");
    EXPECT_EQ(chosen(environment("", "", "en_GB.UTF-8@euro", "tr_TR.UTF-8")), "en");
    // LANGUAGE comes before the locale, its first entry with a catalog wins.
    EXPECT_EQ(chosen(environment("fr:en:tr", "", "", "tr_TR.UTF-8")), "en");
    EXPECT_EQ(chosen(environment("de_DE:fr", "", "", "tr_TR.UTF-8")), "tr");
    // Without any catalog for the languages asked for: the texts as they are.
    EXPECT_EQ(chosen(environment("", "", "", "fr_FR.UTF-8")), "");
}

TEST(LanguageOrder, PlainLocaleMeansNoCatalogEvenWithLanguageSet)
{
    for (const char* plain : {"C", "POSIX", "C.UTF-8"}) {
        EXPECT_EQ(chosen(environment("tr", "", "", plain)), "") << plain;
        EXPECT_EQ(chosen(environment("tr", plain, "", "tr_TR.UTF-8")), "") << plain;
    }
    EXPECT_EQ(chosen(environment("en", "", "", "")), "");
}

TEST(LanguageOrder, ConfiguredLanguageOverridesTheLocaleWhenItHasACatalog)
{
    EXPECT_EQ(chosen(environment("", "", "", "tr_TR.UTF-8"), "en"), "en");
    EXPECT_EQ(chosen(environment("", "C", "", ""), "tr"), "tr");
    // A language without a catalog (or a path) falls back to the locale's.
    EXPECT_EQ(chosen(environment("", "", "", "en_US.UTF-8"), "fr"), "en");
    EXPECT_EQ(chosen(environment("", "", "", "en_US.UTF-8"), "../tr"), "en");
}

TEST(Catalogs, TranslateWhileInUseAndKeepAnswersAcrossSwitches)
{
    ASSERT_EQ(translation::useLanguage("tr", locales), "");
    const char* turkish = tr("Duzenle");
    EXPECT_STREQ(turkish, "Düzenle");
    EXPECT_EQ(tr(std::string("Cikis")), "Çıkış");
    // A text no catalog knows stays as it is, and the empty text is no header.
    EXPECT_STREQ(tr("no such text"), "no such text");
    EXPECT_STREQ(tr(""), "");

    ASSERT_EQ(translation::useLanguage("en", locales), "");
    EXPECT_STREQ(tr("Duzenle"), "Edit");
    EXPECT_STREQ(turkish, "Düzenle");  // still valid after the switch
    EXPECT_EQ(fill(tr("Sahne - %1"), {tr("Adsiz")}), "Sahne - Untitled");

    EXPECT_NE(translation::useLanguage("fr", locales), "");
    EXPECT_EQ(translation::currentLanguage(), "en");
    ASSERT_EQ(translation::useLanguage("", locales), "");
    EXPECT_STREQ(tr("Duzenle"), "Duzenle");
}

TEST(Catalogs, DamagedBytesAreRefusedWhole)
{
    std::string bytes;
    ASSERT_EQ(readWholeFile(locales + "/tr/LC_MESSAGES/sahne.mo", bytes), "");
    MessageCatalog catalog;
    ASSERT_EQ(catalog.read(bytes), "");
    EXPECT_GT(catalog.size(), 100u);

    EXPECT_NE(catalog.read(bytes.substr(0, bytes.size() / 2)), "");
    EXPECT_EQ(catalog.size(), 0u);
    EXPECT_EQ(catalog.find("Duzenle"), nullptr);
    EXPECT_NE(catalog.read("not a catalog at all, but long enough"), "");
}

// The catalog as a machine of the other byte order writes it: every word of the
// header and of both string tables turned round.
std::string otherByteOrder(std::string bytes)
{
    auto word = [&](std::size_t at) {
        return std::uint32_t(std::uint8_t(bytes[at])) | std::uint32_t(std::uint8_t(bytes[at + 1])) << 8
             | std::uint32_t(std::uint8_t(bytes[at + 2])) << 16 | std::uint32_t(std::uint8_t(bytes[at + 3])) << 24;
    };
    const std::uint32_t count = word(8), originals = word(12), translations = word(16);
    std::vector<std::size_t> words;
    for (std::size_t at = 0; at < 28; at += 4)
        words.push_back(at);
    for (std::size_t k = 0; k < 2 * count; ++k) {
        words.push_back(originals + 4 * k);
        words.push_back(translations + 4 * k);
    }
    for (std::size_t at : words) {
        std::swap(bytes[at], bytes[at + 3]);
        std::swap(bytes[at + 1], bytes[at + 2]);
    }
    return bytes;
}

TEST(Catalogs, ReadInEitherByteOrder)
{
    std::string bytes;
    ASSERT_EQ(readWholeFile(locales + "/en/LC_MESSAGES/sahne.mo", bytes), "");
    MessageCatalog catalog;
    ASSERT_EQ(catalog.read(otherByteOrder(bytes)), "");
    ASSERT_NE(catalog.find("Gorunum"), nullptr);
    EXPECT_EQ(*catalog.find("Gorunum"), "View");
}

TEST(Fill, PutsValuesWhereTheTranslationWantsThem)
{
    EXPECT_EQ(fill("%2 / %1", {"a", "b"}), "b / a");
    EXPECT_EQ(fill("100%% %1", {"x"}), "100% x");
    // A value holding a placeholder is not filled again; a missing value stays visible.
    EXPECT_EQ(fill("%1 %2", {"%2", "y"}), "%2 y");
    EXPECT_EQ(fill("%1 %3", {"x"}), "x %3");
}

}  // namespace
