#pragma once

#include "Model.h"

#include <string>
#include <vector>

namespace media {

// Every model the generator can build, by mesh name (without ".mesh"). All stand with their base
// at y = 0 and face +z; vehicles drive towards +x.
std::vector<std::string> modelNames();

// Throws std::out_of_range for an unknown name.
Model buildModel(const std::string& name);

// The model as the toolbox picture shows it: as placed in the scene (a road as a flat segment).
Model pictureModel(const std::string& name);

// Builders by family, registered in Models.cpp.
Model man();
Model woman();
Model child();
Model policeOfficer();
Model car();
Model bus();
Model truck();
Model bicycle();
Model road();
Model stopSign();
Model trafficLight();
Model crossingSign();
Model broadleafTree();
Model pineTree();
Model house();
Model fence();
Model flag();
Model tent();
Model markedArea();

}  // namespace media
