#include "document/TurkishText.h"

namespace {

struct Character {
    char32_t code;
    std::size_t length;  // bytes
};

bool continues(std::string_view text, std::size_t at)
{
    return at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
}

// The character that starts at byte i; a malformed one is its first byte alone.
Character characterAt(std::string_view text, std::size_t i)
{
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 1;
    char32_t code = lead;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, least = 0x10000;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if (!continues(text, i + k))
            return {lead, 1};
        code = code << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {lead, 1};
    return {code, length};
}

template <typename Take>
void eachCharacter(std::string_view text, Take take)
{
    for (std::size_t i = 0; i < text.size();) {
        const Character c = characterAt(text, i);
        take(c, i);
        i += c.length;
    }
}

// Turkish and circumflexed letters as the lower-case letter they are a form of
// in Turkish (I -> ı), or 0 for any other character.
char32_t turkishLower(char32_t code)
{
    switch (code) {
    case U'I': return U'ı';
    case U'İ': return U'i';
    case U'Ç': return U'ç';
    case U'Ğ': return U'ğ';
    case U'Ö': return U'ö';
    case U'Ş': return U'ş';
    case U'Ü': return U'ü';
    case U'Â': case U'â': return U'a';
    case U'Î': case U'î': return U'i';
    case U'Û': case U'û': return U'u';
    case U'ç': case U'ğ': case U'ı': case U'ö': case U'ş': case U'ü': return code;
    default: break;
    }
    if (code >= U'A' && code <= U'Z')
        return code - U'A' + U'a';
    if (code >= U'a' && code <= U'z')
        return code;
    return 0;
}

char plainLetter(char32_t lower)
{
    switch (lower) {
    case U'ç': return 'c';
    case U'ğ': return 'g';
    case U'ı': return 'i';
    case U'ö': return 'o';
    case U'ş': return 's';
    case U'ü': return 'u';
    default: return static_cast<char>(lower);
    }
}

// The place of a lower-case letter in a b c ç d e f g ğ h ı i j k l m n o ö p q r s ş t u ü v w x y z.
char32_t alphabetPlace(char32_t lower)
{
    const auto ascii = [](char32_t c) {
        return (c - U'a') + (c > U'c') + (c > U'g') + (c >= U'i') + (c > U'o') + (c > U's') + (c > U'u');
    };
    switch (lower) {
    case U'ç': return ascii(U'c') + 1;
    case U'ğ': return ascii(U'g') + 1;
    case U'ı': return ascii(U'i') - 1;
    case U'ö': return ascii(U'o') + 1;
    case U'ş': return ascii(U's') + 1;
    case U'ü': return ascii(U'u') + 1;
    default: return ascii(lower);
    }
}

}  // namespace

void appendSearchFolded(std::string& out, std::string_view text)
{
    eachCharacter(text, [&](const Character& c, std::size_t at) {
        if (const char32_t lower = turkishLower(c.code))
            out += plainLetter(lower);
        else
            out.append(text, at, c.length);
    });
}

std::string searchFolded(std::string_view text)
{
    std::string folded;
    folded.reserve(text.size());
    appendSearchFolded(folded, text);
    return folded;
}

std::string collationKey(std::string_view text)
{
    // ASCII signs keep their codes (zero becoming one), letters take the bytes
    // 0x80 to 0x9F in Turkish order, and any other character is 0xA0 followed
    // by its own bytes, whose order is that of the character codes.
    std::string key;
    key.reserve(text.size() + 4);
    eachCharacter(text, [&](const Character& c, std::size_t at) {
        if (const char32_t lower = turkishLower(c.code)) {
            key += static_cast<char>(0x80 + alphabetPlace(lower));
        } else if (c.code < 0x80) {
            key += static_cast<char>(c.code ? c.code : 1);
        } else {
            key += static_cast<char>(0xA0);
            key.append(text, at, c.length);
        }
    });
    return key;
}

std::string leadingCharacters(std::string_view text, std::size_t count)
{
    std::size_t end = 0;
    for (std::size_t taken = 0; taken < count && end < text.size(); ++taken)
        end += characterAt(text, end).length;
    return std::string(text.substr(0, end));
}

std::size_t characterCount(std::string_view text)
{
    std::size_t count = 0;
    eachCharacter(text, [&count](const Character&, std::size_t) { ++count; });
    return count;
}

std::size_t charactersWithin(std::string_view text, std::size_t maxBytes)
{
    std::size_t count = 0;
    for (std::size_t end = 0; end < text.size(); ++count) {
        end += characterAt(text, end).length;
        if (end > maxBytes)
            break;
    }
    return count;
}
