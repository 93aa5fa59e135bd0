// scenario_generator [--region X0,Z0,X1,Z1] COUNT OUT.zev [OBJECTS.txt] [SEED]:
// writes a scenario of COUNT items spread over the editor's terrain, or over
// the rectangle given, the same for the same arguments.
#include "ScenarioGenerator.h"

#include "document/FileAccess.h"
#include "document/ScenarioFormat.h"
#include "document/ScenarioItems.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

const char* const usage = "usage: scenario_generator [--region X0,Z0,X1,Z1] COUNT OUT.zev [OBJECTS.txt] [SEED]\n";

bool readRegion(const std::string& text, GeneratorSettings::Region& region)
{
    char end = 0;
    return std::sscanf(text.c_str(), "%f,%f,%f,%f%c", &region.x0, &region.z0, &region.x1, &region.z1, &end) == 4
        && region.x0 < region.x1 && region.z0 < region.z1;
}

}  // namespace

int main(int argc, char** argv)
{
    GeneratorSettings settings;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() >= 2 && args[0] == "--region") {
        if (!readRegion(args[1], settings.region)) {
            std::cerr << "scenario_generator: bad region \"" << args[1] << "\"\n" << usage;
            return 2;
        }
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.size() < 2 || args.size() > 4) {
        std::cerr << usage;
        return 2;
    }
    settings.count = std::strtoul(args[0].c_str(), nullptr, 10);
    if (args.size() > 3)
        settings.seed = static_cast<std::uint32_t>(std::strtoul(args[3].c_str(), nullptr, 10));
    std::string catalog;
    if (args.size() > 2) {
        const std::string error = readWholeFile(args[2], catalog);
        if (!error.empty()) {
            std::cerr << args[2] << ": " << error << "\n";
            return 1;
        }
        settings.meshes = catalogMeshes(catalog);
    } else {
        settings.meshes = {"adam.mesh", "kadin.mesh", "araba.mesh", "agac.mesh", "ev.mesh"};
    }
    const std::string text = writeScenario(scenarioOf(generateItems(settings)));
    const std::string error = replaceFileContents(args[1], text);
    if (!error.empty()) {
        std::cerr << args[1] << ": " << error << "\n";
        return 1;
    }
    return 0;
}
