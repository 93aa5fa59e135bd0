#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Texts compared as a Turkish reader compares them. Texts are UTF-8; a byte
// that does not start a well-formed character counts as one character of its
// own and is kept as it stands.

// The text for searching, so that a search can ignore case and Turkish marks:
// ASCII letters become lower case; I, i, İ and ı all become i; Ç/ç c, Ğ/ğ g,
// Ö/ö o, Ş/ş s, Ü/ü u, and the circumflexed Â/â a, Î/î i, Û/û u. "ISIK",
// "Işık" and "isik" fold alike: someone without Turkish keys finds Turkish
// texts, and the texts written in ASCII are found with Turkish letters.
std::string searchFolded(std::string_view text);
// The same, added to the end of out.
void appendSearchFolded(std::string& out, std::string_view text);

// A key whose byte order (std::string's comparison) orders texts as the
// Turkish alphabet does, ignoring case: a b c ç d e f g ğ h ı i j k l m n o ö p
// (q) r s ş t u ü v (w x) y z, where I is the capital of ı and İ that of i.
// Spaces, digits and other ASCII signs come before the letters, all other
// characters after them, each by its code. The key holds no zero byte.
std::string collationKey(std::string_view text);

// The first count characters of text; a character is never cut in half.
std::string leadingCharacters(std::string_view text, std::size_t count);
// How many characters text has.
std::size_t characterCount(std::string_view text);
// How many of text's first characters fit whole into maxBytes bytes.
std::size_t charactersWithin(std::string_view text, std::size_t maxBytes);
