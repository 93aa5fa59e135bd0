#pragma once

#include <string>
#include <unordered_map>

// The translations of a compiled GNU message catalog (".mo", as msgfmt writes
// it): read by the editor itself, so that no locale needs to be installed on the
// machine and the language can change while the editor runs.
class MessageCatalog {
public:
    // "" or the reason the bytes are no catalog; nothing is kept then.
    std::string read(const std::string& bytes);

    // The translation, or nullptr when the catalog has none (or an empty one).
    const std::string* find(const std::string& msgid) const;
    std::size_t size() const { return translations.size(); }

private:
    std::unordered_map<std::string, std::string> translations;
};
