#include "Models.h"

#include <functional>
#include <map>
#include <stdexcept>

namespace media {

namespace {

const std::map<std::string, std::function<Model()>>& builders() {
    static const std::map<std::string, std::function<Model()>> table = {
        {"adam", man},          {"kadin", woman},         {"cocuk", child},        {"polis", policeOfficer},
        {"yol", road},          {"dur", stopSign},        {"trafiklambasi", trafficLight},
        {"yayagecidi", crossingSign},                     {"araba", car},          {"otobus", bus},
        {"kamyon", truck},      {"bisiklet", bicycle},    {"agac", broadleafTree}, {"cam", pineTree},
        {"ev", house},          {"cit", fence},           {"bayrak", flag},        {"cadir", tent},
        {"kup", markedArea},
    };
    return table;
}

}  // namespace

std::vector<std::string> modelNames() {
    std::vector<std::string> names;
    for (const auto& entry : builders()) names.push_back(entry.first);
    return names;
}

Model buildModel(const std::string& name) {
    auto it = builders().find(name);
    if (it == builders().end()) throw std::out_of_range("no model named " + name);
    return it->second();
}

Model pictureModel(const std::string& name) {
    Model model = buildModel(name);
    if (name != "yol") return model;
    // A road segment twice the mesh's length, scaled the way the editor places segments.
    Model segment;
    segment.add(model, Ogre::Affine3(Ogre::Vector3::ZERO, Ogre::Quaternion::IDENTITY, Ogre::Vector3(2, 0.1f, 2)));
    return segment;
}

}  // namespace media
