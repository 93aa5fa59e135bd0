// Writes the test language "xx" from a catalog's message ids: every text with
// accented letters and about 40% longer, the brackets around it counted, so
// that a window too small for a longer translation shows a cut bracket.
// Placeholders ("%1") and escapes stay as they are.
//
//   pseudo_catalog IN.po OUT.po
#include <algorithm>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// An accented letter for each ASCII letter that has one.
std::string accented(char letter)
{
    static const char* const lower[26] = {"á", "ƀ", "ç", "đ", "é", "ƒ", "ğ", "ĥ", "ı", "ĵ", "ķ", "ĺ", "ɱ",
                                          "ñ", "ö", "þ", "ǫ", "ŕ", "ş", "ţ", "ü", "ṽ", "ŵ", "ẋ", "ý", "ž"};
    static const char* const upper[26] = {"Å", "Ɓ", "Ç", "Đ", "É", "Ƒ", "Ğ", "Ĥ", "İ", "Ĵ", "Ķ", "Ĺ", "Ṁ",
                                          "Ñ", "Ö", "Þ", "Ǫ", "Ŕ", "Ş", "Ţ", "Ü", "Ṽ", "Ŵ", "Ẋ", "Ý", "Ž"};
    if (letter >= 'a' && letter <= 'z')
        return lower[letter - 'a'];
    if (letter >= 'A' && letter <= 'Z')
        return upper[letter - 'A'];
    return std::string(1, letter);
}

// The text of a .po string body (between the quotes), escapes kept.
std::string pseudo(const std::string& body)
{
    std::string text = "[";
    std::size_t shown = 0;
    for (std::size_t k = 0; k < body.size(); ++k) {
        if ((body[k] == '\\' || body[k] == '%') && k + 1 < body.size()) {
            text += body.substr(k, 2);
            ++k;
        } else {
            text += accented(body[k]);
        }
        ++shown;
    }
    static const char* const padding[] = {"ō", "ẽ", "ĩ", "ũ", "ã"};
    const std::size_t extra = std::max<std::size_t>(2, (shown * 4 + 5) / 10);
    for (std::size_t k = 2; k < extra; ++k)
        text += padding[k % 5];
    return text + "]";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: pseudo_catalog IN.po OUT.po\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << "pseudo_catalog: cannot read " << argv[1] << "\n";
        return 1;
    }
    std::ostringstream out;
    out << "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n\"Language: xx\\n\"\n";
    std::string line, msgid;
    bool inId = false;
    auto flush = [&] {
        if (!msgid.empty())
            out << "\nmsgid \"" << msgid << "\"\nmsgstr \"" << pseudo(msgid) << "\"\n";
        msgid.clear();
    };
    while (std::getline(in, line)) {
        const auto quoted = [&](std::size_t from) {
            const std::size_t open = line.find('"', from), close = line.rfind('"');
            return open == std::string::npos || close <= open ? std::string() : line.substr(open + 1, close - open - 1);
        };
        if (line.rfind("msgid ", 0) == 0) {
            flush();
            msgid = quoted(6);
            inId = true;
        } else if (!line.empty() && line[0] == '"' && inId) {
            msgid += quoted(0);
        } else {
            inId = false;
        }
    }
    flush();
    std::ofstream file(argv[2]);
    file << out.str();
    if (!file) {
        std::cerr << "pseudo_catalog: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
