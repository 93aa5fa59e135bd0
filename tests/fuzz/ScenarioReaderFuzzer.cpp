// Feeds arbitrary bytes to the scenario reader. Whatever it accepts must be
// written without complaint and read back to the same document, byte for byte.
#include "document/ScenarioFormat.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// What the writer keeps, in its order: objects, then areas, then roads.
ScenarioDocument asWritten(const ScenarioDocument& document)
{
    ScenarioDocument kept;
    for (std::size_t kind = 0; kind < 3; ++kind)
        for (const ScenarioEntry& entry : document.entries)
            if (entry.index() == kind)
                kept.entries.push_back(entry);
    return kept;
}

void require(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const ScenarioParse parsed = parseScenario(text);
    if (parsed.error) {
        const long lines = std::count(text.begin(), text.end(), '\n') + 1;
        require(parsed.error->line >= 1 && parsed.error->line <= lines);
        require(!parsed.error->description.empty());
        return 0;
    }
    require(parsed.entryLines.size() == parsed.document.entries.size());

    std::string written;
    try {
        written = writeScenario(parsed.document);
    } catch (const ScenarioWriteError&) {
        std::abort();
    }
    const ScenarioParse reread = parseScenario(written);
    require(!reread.error);
    require(reread.document == asWritten(parsed.document));
    require(writeScenario(reread.document) == written);
    return 0;
}
