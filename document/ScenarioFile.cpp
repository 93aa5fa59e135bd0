#include "document/ScenarioFile.h"

#include "document/Document.h"
#include "document/FileAccess.h"
#include "document/ScenarioFormat.h"
#include "document/ScenarioItems.h"
#include "document/Translation.h"

#include <set>

std::string openScenario(Document& document, const std::string& path)
{
    std::string text;
    const std::string readError = readWholeFile(path, text);
    if (!readError.empty())
        return fill(tr("\"%1\" senaryosu okunamadi: %2. Sahne degismedi."), {path, readError});
    const ScenarioParse parsed = parseScenario(text);
    if (parsed.error)
        return fill(tr("\"%1\" bir senaryo dosyasi degil ya da bozuk: satir %2: %3. Sahne degismedi."),
                    {path, std::to_string(parsed.error->line), parsed.error->description});
    std::vector<Item> items = itemsOf(parsed.document, document.peekId());
    // Every mesh is checked first, so that building the scene cannot fail half way.
    std::set<std::string> checked;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!checked.insert(items[i].mesh).second)
            continue;
        const std::string problem = document.checkItem(items[i]);
        if (!problem.empty())
            return fill(tr("\"%1\" senaryosu yuklenmedi: satir %2: %3. Sahne degismedi."),
                        {path, std::to_string(parsed.entryLines[i]), problem});
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
        return fill(tr("Senaryo \"%1\" dosyasina kaydedilmedi: %2."), {path, e.what()});
    }
    const std::string error = replaceFileContents(path, text);
    if (!error.empty())
        return fill(tr("Senaryo \"%1\" dosyasina kaydedilmedi: %2. Orada onceden bulunan dosya degismedi."),
                    {path, error});
    document.markSaved(path);
    return "";
}
