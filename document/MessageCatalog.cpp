#include "document/MessageCatalog.h"

#include <cstdint>

namespace {

constexpr std::uint32_t magic = 0x950412de;

// The catalog's words in its own byte order, each read checked against its end.
class Words {
public:
    explicit Words(const std::string& bytes) : bytes(bytes) {}

    bool readOrder()
    {
        if (bytes.size() < 28)
            return false;
        if (word(0, false) == magic)
            return true;
        swapped = true;
        return word(0, true) == magic;
    }

    bool at(std::size_t offset, std::uint32_t& value) const
    {
        if (offset > bytes.size() || bytes.size() - offset < 4)
            return false;
        value = word(offset, swapped);
        return true;
    }

    // The string a table entry (length, offset) at the offset names.
    bool string(std::size_t entry, std::string& text) const
    {
        std::uint32_t length = 0, offset = 0;
        if (!at(entry, length) || !at(entry + 4, offset))
            return false;
        if (offset > bytes.size() || bytes.size() - offset < std::size_t(length) + 1 || bytes[offset + length] != '\0')
            return false;
        text.assign(bytes, offset, length);
        return true;
    }

private:
    std::uint32_t word(std::size_t offset, bool reversed) const
    {
        std::uint32_t value = 0;
        for (int k = 0; k < 4; ++k) {
            const auto byte = static_cast<unsigned char>(bytes[offset + (reversed ? k : 3 - k)]);
            value = value << 8 | byte;
        }
        return value;
    }

    const std::string& bytes;
    bool swapped = false;
};

}  // namespace

std::string MessageCatalog::read(const std::string& bytes)
{
    translations.clear();
    Words words(bytes);
    if (!words.readOrder())
        return "bir ileti katalogu degil";
    std::uint32_t revision = 0, count = 0, originals = 0, translated = 0;
    words.at(4, revision);
    words.at(8, count);
    words.at(12, originals);
    words.at(16, translated);
    if (revision >> 16 != 0)
        return "bilinmeyen katalog surumu";
    std::unordered_map<std::string, std::string> read;
    for (std::uint32_t k = 0; k < count; ++k) {
        std::string msgid, msgstr;
        if (!words.string(originals + std::size_t(k) * 8, msgid) || !words.string(translated + std::size_t(k) * 8, msgstr))
            return "katalog bozuk";
        // The header (empty id) and entries with a context or plural forms are not texts of ours.
        if (msgid.empty() || msgstr.empty() || msgid.find('\0') != std::string::npos
            || msgid.find('\x04') != std::string::npos)
            continue;
        read.emplace(std::move(msgid), std::move(msgstr));
    }
    translations = std::move(read);
    return {};
}

const std::string* MessageCatalog::find(const std::string& msgid) const
{
    const auto found = translations.find(msgid);
    return found == translations.end() ? nullptr : &found->second;
}
