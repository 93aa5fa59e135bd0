#pragma once

class EditingTools;

// The toolbox: the catalog's objects with their pictures from "objects.txt",
// the blue area and the road; a click on one starts its placement.
class Toolbox {
public:
    explicit Toolbox(EditingTools& tools) : tools(tools) {}
    void loadCatalog();

private:
    EditingTools& tools;
};
