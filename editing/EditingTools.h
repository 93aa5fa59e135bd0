#pragma once

#include "scene/ScenePicker.h"

#include <functional>
#include <memory>
#include <string>

class CursorPreview;
class Document;
struct Item;
class Selection;

enum PlacementMode { None = 0, Object = 1, Area = 2, Road = 3 };

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

class EditingTool;

// The tool in use and the input it gets from the camera view: a left press picks
// and edits, the hover moves the cursor object, a cancel (right press) gives up
// the placement and the selection. Edits become commands on the document.
class EditingTools {
public:
    explicit EditingTools(EditingContext context);
    ~EditingTools();

    PlacementMode mode() const;
    // The first point of an area or a road has been set.
    bool hasAnchor() const;

    // A catalog entry: the next click places an object of meshName + ".mesh".
    void beginObjectPlacement(const std::string& meshName);
    void beginAreaPlacement();
    void beginRoadPlacement();

    void press(ViewPoint at);
    void hover(ViewPoint at);
    void cancel();
    // Back to selecting, the cursor object gone (the selection stays).
    void endPlacement();
    // Deletes the selected item; false when nothing was deleted.
    bool deleteSelected();

private:
    void use(std::unique_ptr<EditingTool> tool);

    EditingContext context;
    std::unique_ptr<EditingTool> tool;
    // A tool that ended itself during a press lives until the press is over.
    std::unique_ptr<EditingTool> retired;
};
