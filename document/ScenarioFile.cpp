#include "document/ScenarioFile.h"

#include "document/Document.h"
#include "document/FileAccess.h"
#include "document/ScenarioFormat.h"
#include "document/ScenarioItems.h"

#include <set>

std::string openScenario(Document& document, const std::string& path)
{
    std::string text;
    const std::string readError = readWholeFile(path, text);
    if (!readError.empty())
        return "\"" + path + "\" senaryosu okunamadi: " + readError + ". Sahne degismedi.";
    const ScenarioParse parsed = parseScenario(text);
    if (parsed.error)
        return "\"" + path + "\" bir senaryo dosyasi degil ya da bozuk: satir " + std::to_string(parsed.error->line)
             + ": " + parsed.error->description + ". Sahne degismedi.";
    std::vector<Item> items = itemsOf(parsed.document, document.peekId());
    // Every mesh is checked first, so that building the scene cannot fail half way.
    std::set<std::string> checked;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!checked.insert(items[i].mesh).second)
            continue;
        const std::string problem = document.checkItem(items[i]);
        if (!problem.empty())
            return "\"" + path + "\" senaryosu yuklenmedi: satir " + std::to_string(parsed.entryLines[i]) + ": "
                 + problem + ". Sahne degismedi.";
    }
    document.replaceAll(std::move(items), path);
    return "";
}

std::string saveScenario(Document& document, const std::string& path)
{
    std::string text;
    try {
        text = writeScenario(scenarioOf(document.items()));
    } catch (const ScenarioWriteError& e) {
        return "Senaryo \"" + path + "\" dosyasina kaydedilmedi: " + e.what() + ".";
    }
    const std::string error = replaceFileContents(path, text);
    if (!error.empty())
        return "Senaryo \"" + path + "\" dosyasina kaydedilmedi: " + error
             + ". Orada onceden bulunan dosya degismedi.";
    document.markSaved(path);
    return "";
}
