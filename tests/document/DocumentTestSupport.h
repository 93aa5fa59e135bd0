#pragma once

#include "document/Commands.h"
#include "document/Document.h"
#include "document/FileAccess.h"
#include "document/ScenarioFormat.h"
#include "document/ScenarioItems.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// Items print readably in failure messages.
inline void PrintTo(const Item& item, std::ostream* os)
{
    *os << "#" << item.id << " " << item.type << " " << item.mesh << " (" << item.x << "," << item.y << ","
        << item.z << ") [" << item.x1 << "," << item.z1 << "," << item.x2 << "," << item.z2 << "]";
    if (item.message)
        *os << " \"" << item.message->text << "\" answer " << item.message->answerIndex;
}

namespace testdoc {

// A private folder for one test, removed with everything in it.
class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "sahne-document-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            folder = pattern;
        EXPECT_FALSE(folder.empty());
    }
    ~TempFolder() { std::filesystem::remove_all(folder); }
    std::string path(const std::string& name) const { return (folder / name).string(); }

private:
    std::filesystem::path folder;
};

inline std::string fileText(const std::string& path)
{
    std::string text;
    EXPECT_EQ(readWholeFile(path, text), "") << path;
    return text;
}

inline void putFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// What the document would write to its file.
inline std::string textOf(const Document& document)
{
    try {
        return writeScenario(scenarioOf(document.items()));
    } catch (const ScenarioWriteError& e) {
        return std::string("(no file text: ") + e.what() + ")";
    }
}

inline std::string add(Document& document, Item item) { return document.execute(std::make_unique<AddItem>(item)); }
inline std::string change(Document& document, const Item& after)
{
    return document.execute(std::make_unique<ChangeItem>(*document.find(after.id), after));
}
inline std::string remove(Document& document, ItemId id) { return document.execute(std::make_unique<RemoveItem>(id)); }

inline ScenarioMessage plainMessage(const std::string& text) { return {text, false, {}, -1}; }
inline ScenarioMessage quizMessage(const std::string& text, std::array<std::string, 4> questions, int answer)
{
    return {text, true, std::move(questions), answer};
}

inline Item areaWith(ItemId id, int x1, int z1, ScenarioMessage message)
{
    Item area = makeArea(id, "alan.mesh", float(x1), float(z1), float(x1 + 4), float(z1 + 6));
    area.message = std::move(message);
    return area;
}

// Everything a caller can see of a document but its observers.
struct DocumentState {
    std::vector<Item> items;
    std::string text;
    std::string path;
    bool modified;
    bool canUndo;
    bool canRedo;
    ItemId nextId;
    bool operator==(const DocumentState& o) const
    {
        return items == o.items && text == o.text && path == o.path && modified == o.modified
            && canUndo == o.canUndo && canRedo == o.canRedo && nextId == o.nextId;
    }
};

inline DocumentState stateOf(const Document& d)
{
    return {d.items(), textOf(d), d.path(), d.modified(), d.canUndo(), d.canRedo(), d.peekId()};
}

inline void PrintTo(const DocumentState& s, std::ostream* os)
{
    *os << s.items.size() << " items, path \"" << s.path << "\", modified " << s.modified << ", undo " << s.canUndo
        << ", redo " << s.canRedo << ", next id " << s.nextId << ", text:\n" << s.text;
}

inline bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace testdoc
