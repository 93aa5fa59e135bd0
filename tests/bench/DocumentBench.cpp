// The document's figures for the overview windows: the problem check, the
// grid's pair search against comparing all pairs, and the list of items
// (building, filtering while typing, sorting, following an edit) on generated
// scenarios. Prints one table with the goals.
//
//   document_bench OBJECTS_TXT [N ...]
#include "ScenarioGenerator.h"

#include "document/Commands.h"
#include "document/Document.h"
#include "document/GroundGrid.h"
#include "document/ItemList.h"
#include "document/FileAccess.h"
#include "document/ProblemCheck.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

double msOf(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double medianMs(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(msOf(work));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double residentMb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024;
    return 0;
}

void row(const std::string& what, const std::string& value, const std::string& goal, int verdict)
{
    std::printf("| %-52s | %15s | %10s | %-4s |\n", what.c_str(), value.c_str(), goal.c_str(),
                verdict < 0 ? "" : verdict ? "pass" : "FAIL");
}

std::string fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

bool overlapping(const GroundBox& a, const GroundBox& b)
{
    return std::max(a.minX, b.minX) < std::min(a.maxX, b.maxX) && std::max(a.minZ, b.minZ) < std::min(a.maxZ, b.maxZ);
}

// The areas' overlaps counted through the grid and by comparing all pairs, with both times.
void overlapSearch(const std::vector<Item>& items, const std::string& n)
{
    std::vector<GroundBox> boxes;
    for (const Item& item : items)
        if (item.kind == ItemKind::Area)
            boxes.push_back(groundBoxOf(item));
    std::size_t byGrid = 0, byAllPairs = 0;
    const double grid = medianMs(5, [&] {
        byGrid = 0;
        GroundGrid(boxes).eachMeetingPair([&](std::size_t a, std::size_t b) { byGrid += overlapping(boxes[a], boxes[b]); });
    });
    const double all = msOf([&] {
        for (std::size_t a = 0; a < boxes.size(); ++a)
            for (std::size_t b = a + 1; b < boxes.size(); ++b)
                byAllPairs += overlapping(boxes[a], boxes[b]);
    });
    row(n + "area overlaps: grid / all pairs ms", fixed(grid, 2) + " / " + fixed(all, 1), "-", -1);
    row(n + "area overlaps found (grid = all pairs)", std::to_string(byGrid) + " = " + std::to_string(byAllPairs),
        "equal", byGrid == byAllPairs);
}

void measure(std::size_t count, const std::vector<std::string>& meshes)
{
    GeneratorSettings settings;
    settings.count = count;
    settings.meshes = meshes;
    const std::vector<Item> items = generateItems(settings);
    const std::string n = std::to_string(count) + " items: ";
    const bool judged = count == 50000;

    std::size_t problems = 0;
    const double check = medianMs(7, [&] { problems = findProblems(items, centredTerrain(1500, 1500)).size(); });
    row(n + "problem check ms (" + std::to_string(problems) + " rows)", fixed(check, 2), judged ? "< 100" : "-",
        judged ? check < 100 : -1);
    overlapSearch(items, n);

    Document document;
    document.replaceAll(items, "");
    const double before = residentMb();
    std::unique_ptr<ItemList> list;
    const double build = msOf([&] {
        list = std::make_unique<ItemList>(document);
        list->count();
    });
    const double memory = residentMb() - before;
    row(n + "list built ms (memory MB)", fixed(build, 1) + " (" + fixed(memory, 1) + ")", judged ? "< 100" : "-",
        judged ? build < 100 : -1);

    double typing = 0;
    for (const char* typed : {"y", "ya", "yav", "yava", "yavas", "yavas d", "yavas du", ""})
        typing = std::max(typing, msOf([&] {
            list->setFilter(typed);
            list->count();
        }));
    row(n + "list filter, slowest keystroke ms", fixed(typing, 1), judged ? "< 100" : "-", judged ? typing < 100 : -1);

    double sorting = 0;
    for (ItemColumn column : {ItemColumn::Kind, ItemColumn::Model, ItemColumn::X, ItemColumn::Z, ItemColumn::Message})
        for (SortOrder order : {SortOrder::Ascending, SortOrder::Descending})
            sorting = std::max(sorting, msOf([&] {
                list->sortBy(column, order);
                list->count();
            }));
    row(n + "list sort, slowest column ms", fixed(sorting, 1), judged ? "< 100" : "-", judged ? sorting < 100 : -1);

    // An edit of an area's message while the list is sorted by messages, against the same edit without a list.
    const auto area = std::find_if(items.begin(), items.end(), [](const Item& item) { return item.kind == ItemKind::Area; });
    if (area == items.end())
        return;
    const auto editOnce = [&](int round) {
        Item changed = *document.find(area->id);
        changed.message = ScenarioMessage{"bekle " + std::to_string(round), false, {}, -1};
        document.execute(std::make_unique<ChangeItem>(*document.find(area->id), changed));
    };
    int round = 0;
    list->sortBy(ItemColumn::Message, SortOrder::Ascending);
    const double withList = medianMs(5, [&] {
        editOnce(++round);
        list->count();
    });
    list.reset();
    const double alone = medianMs(5, [&] { editOnce(++round); });
    row(n + "edit + list refresh / edit alone ms", fixed(withList, 2) + " / " + fixed(alone, 2),
        judged ? "< 100" : "-", judged ? withList < 100 : -1);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: document_bench OBJECTS_TXT [N ...]\n");
        return 2;
    }
    std::string catalog;
    if (const std::string problem = readWholeFile(argv[1], catalog); !problem.empty()) {
        std::fprintf(stderr, "document_bench: %s\n", problem.c_str());
        return 1;
    }
    std::vector<std::size_t> sizes;
    for (int i = 2; i < argc; ++i)
        sizes.push_back(static_cast<std::size_t>(std::atol(argv[i])));
    if (sizes.empty())
        sizes = {1000, 10000, 50000};
    std::printf("\n| %-52s | %15s | %10s | %-4s |\n", "document figure", "measured", "goal", "");
    std::printf("|%s|%s|%s|%s|\n", std::string(54, '-').c_str(), std::string(17, '-').c_str(),
                std::string(12, '-').c_str(), std::string(6, '-').c_str());
    for (std::size_t count : sizes)
        measure(count, catalogMeshes(catalog));
    return 0;
}
