#pragma once

class EditingTools;

// The toolbox: the catalog's objects with their pictures from "objects.txt",
// the blue area and the road; a click on one starts its placement, a double
// click a placement that goes on after each placed item.
class Toolbox {
public:
    explicit Toolbox(EditingTools& tools) : tools(tools) {}
    void loadCatalog();

private:
    EditingTools& tools;
};
