// scenario_generator COUNT OUT.zev [OBJECTS.txt] [SEED]: writes a scenario of
// COUNT items spread over the editor's terrain, the same for the same arguments.
#include "ScenarioGenerator.h"

#include "document/FileAccess.h"
#include "document/ScenarioFormat.h"
#include "document/ScenarioItems.h"

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 5) {
        std::cerr << "usage: scenario_generator COUNT OUT.zev [OBJECTS.txt] [SEED]\n";
        return 2;
    }
    GeneratorSettings settings;
    settings.count = std::strtoul(argv[1], nullptr, 10);
    if (argc > 4)
        settings.seed = static_cast<std::uint32_t>(std::strtoul(argv[4], nullptr, 10));
    std::string catalog;
    if (argc > 3) {
        const std::string error = readWholeFile(argv[3], catalog);
        if (!error.empty()) {
            std::cerr << argv[3] << ": " << error << "\n";
            return 1;
        }
        settings.meshes = catalogMeshes(catalog);
    } else {
        settings.meshes = {"adam.mesh", "kadin.mesh", "araba.mesh", "agac.mesh", "ev.mesh"};
    }
    const std::string text = writeScenario(scenarioOf(generateItems(settings)));
    const std::string error = replaceFileContents(argv[2], text);
    if (!error.empty()) {
        std::cerr << argv[2] << ": " << error << "\n";
        return 1;
    }
    return 0;
}
