// Every text the interface shows has a translation in each catalog, and every
// translation belongs to a text still shown: the texts are collected from the
// layouts' "Text" properties and from tr("...") / N_("...") in the sources.
#include "document/FileAccess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace {

const std::string source = SAHNE_SOURCE_DIR;

std::string contents(const std::string& path)
{
    std::string text;
    EXPECT_EQ(readWholeFile(path, text), "") << path;
    return text;
}

std::string unescapeXml(std::string text)
{
    const std::pair<const char*, const char*> entities[] = {
        {"&#10;", "\n"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, character] : entities)
        for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1))
            text.replace(at, std::char_traits<char>::length(entity), character);
    return text;
}

// The body of a C string literal or of a .po string, escapes resolved.
std::string unescapeC(const std::string& body)
{
    std::string text;
    for (std::size_t k = 0; k < body.size(); ++k) {
        if (body[k] != '\\' || k + 1 == body.size()) {
            text += body[k];
            continue;
        }
        const char next = body[++k];
        text += next == 'n' ? '\n' : next == 't' ? '\t' : next;
    }
    return text;
}

using Texts = std::map<std::string, std::string>;  // text -> where it was found

Texts layoutTexts()
{
    Texts texts;
    const std::regex property(R"re(<Property name="Text" value="([^"]*)")re");
    for (const char* layout : {"guiLayout800X600.layout", "CommonFileDialog.layout"}) {
        const std::string xml = contents(source + "/media/data/gui/layouts/" + layout);
        for (std::sregex_iterator m(xml.begin(), xml.end(), property), end; m != end; ++m) {
            const std::string text = unescapeXml((*m)[1]);
            // Signs such as "<<" are no words of a language.
            if (std::regex_search(text, std::regex("[A-Za-z]")))
                texts.emplace(text, layout);
        }
    }
    return texts;
}

Texts sourceTexts()
{
    Texts texts;
    const std::regex call(R"re((?:^|[^A-Za-z0-9_])(?:tr|N_)\(\s*((?:"(?:[^"\\]|\\.)*"\s*)+)\))re");
    const std::regex literal(R"re("((?:[^"\\]|\\.)*)")re");
    for (const char* layer : {"app", "panels", "filedialog", "gui", "playtest", "document", "editing", "scene",
                              "sound", "platform"})
        for (const auto& entry : std::filesystem::recursive_directory_iterator(source + "/" + layer)) {
            const std::string path = entry.path().string();
            if (!entry.is_regular_file() || !(entry.path().extension() == ".cpp" || entry.path().extension() == ".h"))
                continue;
            const std::string code = contents(path);
            for (std::sregex_iterator m(code.begin(), code.end(), call), end; m != end; ++m) {
                std::string text;
                const std::string literals = (*m)[1];
                for (std::sregex_iterator l(literals.begin(), literals.end(), literal); l != end; ++l)
                    text += unescapeC((*l)[1]);
                texts.emplace(text, path.substr(source.size() + 1));
            }
        }
    return texts;
}

// msgid -> msgstr of a .po file, the header left out.
std::map<std::string, std::string> catalog(const std::string& language)
{
    std::map<std::string, std::string> entries;
    const std::string text = contents(source + "/po/" + language + ".po");
    std::string id, translation, *current = nullptr;
    auto flush = [&] {
        if (!id.empty())
            entries[id] = translation;
        id.clear();
        translation.clear();
        current = nullptr;
    };
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        const std::size_t open = line.find('"'), close = line.rfind('"');
        const std::string body = open != std::string::npos && close > open ? line.substr(open + 1, close - open - 1) : "";
        if (line.rfind("msgid ", 0) == 0) {
            flush();
            id = unescapeC(body);
            current = &id;
        } else if (line.rfind("msgstr ", 0) == 0) {
            translation = unescapeC(body);
            current = &translation;
        } else if (!line.empty() && line[0] == '"' && current) {
            *current += unescapeC(body);
        }
    }
    flush();
    return entries;
}

std::set<std::string> placeholders(const std::string& text)
{
    std::set<std::string> found;
    for (std::size_t k = 0; k + 1 < text.size(); ++k)
        if (text[k] == '%' && text[k + 1] >= '1' && text[k + 1] <= '9')
            found.insert(text.substr(k, 2));
    return found;
}

TEST(CatalogCompleteness, EveryShownTextIsTranslatedAndEveryEntryIsUsed)
{
    Texts shown = layoutTexts();
    const Texts fromCode = sourceTexts();
    // The collection itself works: texts of both kinds are found.
    ASSERT_EQ(shown.count("Duzenle"), 1u);
    ASSERT_EQ(fromCode.count("Sahne - %1"), 1u);
    shown.insert(fromCode.begin(), fromCode.end());

    for (const char* language : {"tr", "en"}) {
        const auto entries = catalog(language);
        for (const auto& [text, where] : shown) {
            const auto entry = entries.find(text);
            if (entry == entries.end() || entry->second.empty()) {
                ADD_FAILURE() << language << ".po has no translation of \"" << text << "\" (" << where << ")";
                continue;
            }
            EXPECT_EQ(placeholders(entry->second), placeholders(text))
                << language << ".po: \"" << entry->second << "\" does not keep the values of \"" << text << "\"";
        }
        for (const auto& [text, translation] : entries)
            EXPECT_EQ(shown.count(text), 1u) << language << ".po translates \"" << text << "\", which nothing shows";
    }
}

TEST(CatalogCompleteness, TurkishCatalogUsesTurkishLetters)
{
    const auto turkish = catalog("tr");
    EXPECT_EQ(turkish.at("Duzenle"), "Düzenle");
    EXPECT_EQ(turkish.at("Gorunum"), "Görünüm");
    EXPECT_EQ(turkish.at("Yardim"), "Yardım");
    EXPECT_EQ(turkish.at("Cikis"), "Çıkış");
    EXPECT_EQ(turkish.at("Ac"), "Aç");
    EXPECT_EQ(turkish.at("Uyari"), "Uyarı");
}

}  // namespace
