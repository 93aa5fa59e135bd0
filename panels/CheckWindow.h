#pragma once

#include "document/DocumentObserver.h"
#include "document/ProblemCheck.h"
#include "gui/InterfaceLanguage.h"
#include "panels/RowTable.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class Document;
class GoToItem;

// Duzenle > "Kontrol Et": the window "kontrolWindow" lists in "kontrolListe"
// what is wrong in the scenario, one row per problem with the item and the
// reason; "kontrolSonuc" says "Sorun yok" when nothing is. While the window is
// open the check runs again in the frame after every edit. A click on a row
// selects the item and goes to it.
class CheckWindow : public DocumentObserver {
public:
    // terrain: the ground the items must stay on, none while there is no terrain.
    CheckWindow(Document& document, GoToItem& goTo, std::function<std::optional<GroundBox>()> terrain);
    ~CheckWindow() override;
    CheckWindow(const CheckWindow&) = delete;
    CheckWindow& operator=(const CheckWindow&) = delete;

    // Makes the rows' widgets, hides the window and connects the menu item and its close button.
    void wire();
    void open();
    void close();
    bool isOpen() const;
    // Checks again when the document changed since the last check.
    void frame();

    const std::vector<ProblemRow>& problems() const { return found; }
    RowTable& table() { return *rows; }

    void itemAdded(const Item&) override { stale = true; }
    void itemChanged(const Item&, const Item&) override { stale = true; }
    void itemRemoved(const Item&) override { stale = true; }
    void allReplaced() override { stale = true; }

private:
    void check();
    const Item* itemOf(const ProblemRow& row) const;
    void languageChanged();

    Document& document;
    GoToItem& goTo;
    std::function<std::optional<GroundBox>()> terrain;
    std::unique_ptr<RowTable> rows;
    std::vector<ProblemRow> found;
    bool stale = true;
    LanguageFollower language{[this] { languageChanged(); }};
};
