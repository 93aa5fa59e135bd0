#include "ScenarioGenerator.h"

#include <cmath>
#include <sstream>
#include <stdexcept>

namespace {

// A small generator whose sequence is fixed by its seed alone (the standard
// distributions may differ between libraries).
class Sequence {
public:
    explicit Sequence(std::uint32_t seed) : state(seed * 2654435761u + 0x9e3779b9u) {}
    std::uint32_t next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    // A whole number in lo..hi.
    int between(int lo, int hi) { return lo + static_cast<int>(next() % static_cast<std::uint32_t>(hi - lo + 1)); }

private:
    std::uint32_t state;
};

const char* const words[] = {"dikkat", "yaya", "gecidi", "okul", "yavas", "sur", "dur", "bekle", "sola", "saga"};

std::string sentence(Sequence& random, int length)
{
    std::string text;
    for (int i = 0; i < length; ++i) {
        if (i)
            text += ' ';
        text += words[random.next() % (sizeof words / sizeof *words)];
    }
    return text;
}

}  // namespace

std::vector<Item> generateItems(const GeneratorSettings& settings)
{
    if (settings.meshes.empty())
        throw std::invalid_argument("no object meshes to place");
    Sequence random(settings.seed);
    const int x0 = static_cast<int>(std::ceil(settings.region.x0)), x1 = static_cast<int>(std::floor(settings.region.x1));
    const int z0 = static_cast<int>(std::ceil(settings.region.z0)), z1 = static_cast<int>(std::floor(settings.region.z1));
    // Roads and areas keep off the edges by their largest length or half size,
    // or stand in the middle of a region too small for that.
    const auto inside = [&random](int low, int high, int margin) {
        return low + margin <= high - margin ? random.between(low + margin, high - margin) : (low + high) / 2;
    };
    std::vector<Item> items;
    items.reserve(settings.count);
    for (std::size_t i = 0; i < settings.count; ++i) {
        const ItemId id = static_cast<ItemId>(i);
        // Every tenth item a road, two in ten an area: the shares hold for any count.
        const std::size_t slot = i % 10;
        if (slot == 9) {
            const int x = inside(x0, x1, 60);
            const int z = inside(z0, z1, 60);
            const int length = random.between(10, 50);
            const bool alongX = random.next() % 2;
            const int sign = random.next() % 2 ? 1 : -1;
            items.push_back(makeRoad(id, "yol.mesh", static_cast<float>(x), static_cast<float>(z),
                                     static_cast<float>(alongX ? x + sign * length : x),
                                     static_cast<float>(alongX ? z : z + sign * length)));
        } else if (slot == 3 || slot == 6) {
            const int width = random.between(4, 30), depth = random.between(4, 30);
            const int x = inside(x0, x1, 30);
            const int z = inside(z0, z1, 30);
            Item area = makeArea(id, "kup.mesh", static_cast<float>(x - width / 2), static_cast<float>(z - depth / 2),
                                 static_cast<float>(x + width / 2), static_cast<float>(z + depth / 2));
            ScenarioMessage message;
            message.text = sentence(random, random.between(2, 8));
            if (slot == 3) {
                message.hasQuestions = true;
                for (std::string& question : message.questions)
                    question = sentence(random, random.between(1, 4));
                message.answerIndex = random.between(1, 4);
            }
            area.message = message;
            items.push_back(area);
        } else {
            const std::string& mesh = settings.meshes[random.next() % settings.meshes.size()];
            items.push_back(makeObject(id, mesh, static_cast<float>(random.between(x0, x1)),
                                       static_cast<float>(random.between(z0, z1))));
        }
    }
    return items;
}

std::vector<std::string> catalogMeshes(const std::string& objectsText)
{
    std::vector<std::string> meshes;
    std::istringstream lines(objectsText);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string name, mesh;
        if (!(words >> name >> mesh) || mesh == "yol")
            continue;
        meshes.push_back(mesh + ".mesh");
    }
    return meshes;
}
