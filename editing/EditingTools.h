#pragma once

#include "editing/SelectionEdits.h"
#include "scene/ScenePicker.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

class CursorPreview;
class Document;
struct Item;
class Selection;

// What the tool in use places; Nothing while selecting.
enum class Placing { Nothing, Object, Area, Road };

// What the editing tools work with.
struct EditingContext {
    Document& document;
    Selection& selection;
    ScenePicker& picker;
    CursorPreview& cursor;
    // Tells the user why an edit did not happen.
    std::function<void(const std::string&)> notify;

    // Whether the item's mesh can be shown; the user is told when it cannot.
    bool placeable(const Item& item) const;
};

class Tool;

// A rubber band: the rectangle between the press and the pointer, in view points.
struct RubberBand {
    ViewPoint from, to;
    bool adding = false;  // its items join the selection instead of replacing it
};

// The tool in use and the input it gets from the camera view: a left press picks
// and edits, the hover moves the cursor object, a rubber band selects what it
// surrounds, a cancel (right press, Escape) gives up what is in progress. Edits
// become commands on the document.
class EditingTools {
public:
    explicit EditingTools(EditingContext context);
    ~EditingTools();

    Placing placing() const;
    // Told whenever the tool in use comes to place something else (or nothing).
    void onPlacingChanged(std::function<void(Placing)> changed) { placingChanged = std::move(changed); }
    // The first point of an area or a road has been set.
    bool hasAnchor() const;

    // A catalog entry: the next click places an object of meshName + ".mesh".
    // Kept, the placement goes on after each placed item until cancelled.
    void beginObjectPlacement(const std::string& meshName, bool kept = false);
    void beginAreaPlacement(bool kept = false);
    void beginRoadPlacement();

    // A left press; with adding (Shift), a pressed item goes into the selection
    // or out of it.
    void press(ViewPoint at, bool adding = false);
    void hover(ViewPoint at);

    // A rubber band drawn from a press while selecting (false while placing);
    // its end selects every item whose position the camera sees inside it.
    bool beginBand(ViewPoint at, bool adding);
    void dragBand(ViewPoint to);
    void endBand(ViewPoint at);
    const std::optional<RubberBand>& band() const { return rubberBand; }

    // Whether anything is in progress to give up: a placement, a band, a selection.
    bool canCancel() const;
    void cancel();
    // Back to selecting, the cursor object gone (the selection stays).
    void endPlacement();

    // Turns the object being placed, or else the selected objects.
    void turn(int degrees);
    SelectionEdits& edits() { return selectionEdits; }
    // Deletes the selected items; false when nothing was deleted.
    bool deleteSelected() { return selectionEdits.deleteAll(); }

private:
    void use(std::unique_ptr<Tool> tool);

    EditingContext context;
    SelectionEdits selectionEdits{context};
    std::unique_ptr<Tool> tool;
    // A tool that ended itself during a press lives until the press is over.
    std::unique_ptr<Tool> retired;
    std::optional<RubberBand> rubberBand;
    std::function<void(Placing)> placingChanged;
};
