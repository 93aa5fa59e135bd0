#include "app/EditorApplication.h"

#include "app/Notice.h"
#include "app/WindowLookup.h"
#include "editor/MeshLoading.h"
#include "panels/scenario/FileAccess.h"
#include "panels/scenario/ScenarioFormat.h"

#include <CEGUI/Window.h>
#include <OgreEntity.h>
#include <OgreException.h>
#include <OgreMeshManager.h>
#include <OgreResourceGroupManager.h>
#include <OgreSceneNode.h>

#include <memory>
#include <optional>
#include <set>
#include <variant>

namespace {

ScenarioDocument documentOf(const ObjectRegistry& registry)
{
    ScenarioDocument document;
    for (const auto& object : registry.objects) {
        const Ogre::Vector3 at = object->node->getPosition();
        document.entries.push_back(ScenarioObject{object->meshName, toFileCoordinate(at.x), toFileCoordinate(at.y),
                                                  toFileCoordinate(at.z)});
    }
    for (const auto& area : registry.areas) {
        const Ogre::Vector3 at = area->node->getPosition();
        ScenarioArea entry{area->meshName,
                           toFileCoordinate(at.x),     toFileCoordinate(at.y),     toFileCoordinate(at.z),
                           toFileCoordinate(area->x1), toFileCoordinate(area->z1),
                           toFileCoordinate(area->x2), toFileCoordinate(area->z2)};
        if (const MessageRecord* message = area->message.get()) {
            // Questions kept from an earlier message without them are not part of the file.
            entry.message = ScenarioMessage{message->text, message->hasQuestions != 0, {}, message->answerIndex};
            if (message->hasQuestions)
                entry.message->questions = message->questions;
        }
        document.entries.push_back(std::move(entry));
    }
    for (const auto& road : registry.roads)
        document.entries.push_back(ScenarioRoad{road->meshName, toFileCoordinate(road->x1), toFileCoordinate(road->z1),
                                                toFileCoordinate(road->x2), toFileCoordinate(road->z2)});
    return document;
}

const std::string& meshOf(const ScenarioEntry& entry)
{
    return std::visit([](const auto& item) -> const std::string& { return item.mesh; }, entry);
}

// Loads every mesh the file names, so that building the scene cannot fail half
// way. Returns the problem of the first entry whose mesh the engine cannot load.
std::optional<ScenarioError> loadMeshes(const ScenarioParse& parsed)
{
    std::set<std::string> loaded;
    for (std::size_t i = 0; i < parsed.document.entries.size(); ++i) {
        const std::string& mesh = meshOf(parsed.document.entries[i]);
        if (!loaded.insert(mesh).second)
            continue;
        try {
            Ogre::MeshManager::getSingleton().load(mesh, Ogre::ResourceGroupManager::AUTODETECT_RESOURCE_GROUP_NAME);
        } catch (const Ogre::Exception& e) {
            return ScenarioError{parsed.entryLines[i], "\"" + printable(mesh, 60) + "\" modeli yuklenemiyor ("
                                                           + meshLoadProblem(mesh, e) + ")"};
        }
    }
    return std::nullopt;
}

MessageData messageDataOf(const ScenarioMessage& message)
{
    MessageData data;
    data.hasQuestions = message.hasQuestions ? 1 : 0;
    data.text = message.text;
    data.questions = message.questions;
    data.answerIndex = message.answerIndex;
    return data;
}

// Builds one entry's item the way placement does, its node first at the origin.
class SceneBuilder {
public:
    SceneBuilder(Ogre::SceneManager& sceneManager, EditorSession& session)
        : sceneManager(sceneManager), session(session)
    {
    }

    void operator()(const ScenarioObject& object)
    {
        const SceneItem item = placed(object.mesh, object.x, object.y, object.z);
        session.registry.addObject(new ObjectRecord{item.node, item.entity, object.mesh, item.node->getName(), "human"});
    }

    void operator()(const ScenarioArea& area)
    {
        const SceneItem item = placed(area.mesh, area.x, area.y, area.z);
        applyAreaGeometry(item.node, area.x1, area.z1, area.x2, area.z2);
        auto record = std::make_unique<AreaRecord>();
        record->node = item.node;
        record->entity = item.entity;
        record->meshName = area.mesh;
        record->nodeName = item.node->getName();
        record->typeName = "bluearea";
        record->x1 = area.x1;
        record->z1 = area.z1;
        record->x2 = area.x2;
        record->z2 = area.z2;
        AreaRecord& added = *record;
        session.registry.addArea(record.release());
        if (area.message)
            session.registry.setMessage(added, messageDataOf(*area.message));
    }

    void operator()(const ScenarioRoad& road)
    {
        const SceneItem item = created(road.mesh);
        session.registry.addRoad(road.x1, road.z1, road.x2, road.z2, road.mesh, item.node);
        applyRoadGeometry(item.node, road.x1, road.z1, road.x2, road.z2);
    }

    // Shown where the file puts it, but not kept: it is neither saved nor moved.
    void operator()(const ScenarioOther& other) { placed(other.mesh, other.x, other.y, other.z); }

private:
    SceneItem created(const std::string& mesh)
    {
        return createSceneItem(sceneManager, session.editing.nameCounter, mesh, Ogre::Vector3::ZERO);
    }

    SceneItem placed(const std::string& mesh, int x, int y, int z)
    {
        const SceneItem item = created(mesh);
        item.node->setScale(Ogre::Vector3::UNIT_SCALE);
        item.node->setPosition(Ogre::Real(x), Ogre::Real(y), Ogre::Real(z));
        return item;
    }

    Ogre::SceneManager& sceneManager;
    EditorSession& session;
};

void showLoadFailure(const std::string& path, const ScenarioError& error)
{
    showNotice("\"" + path + "\" senaryosu yuklenmedi: satir " + std::to_string(error.line) + ": "
               + error.description + ". Sahne degismedi.");
}

}  // namespace

bool EditorApplication::saveScenario(const std::string& path)
{
    std::string text;
    try {
        text = writeScenario(documentOf(session.registry));
    } catch (const ScenarioWriteError& e) {
        showNotice("Senaryo \"" + path + "\" dosyasina kaydedilmedi: " + e.what() + ".");
        return false;
    }
    const std::string error = replaceFileContents(path, text);
    if (!error.empty()) {
        showNotice("Senaryo \"" + path + "\" dosyasina kaydedilmedi: " + error
                   + ". Orada onceden bulunan dosya degismedi.");
        return false;
    }
    return true;
}

bool EditorApplication::loadScenario(const std::string& path)
{
    std::string text;
    const std::string readError = readWholeFile(path, text);
    if (!readError.empty()) {
        showNotice("\"" + path + "\" senaryosu okunamadi: " + readError + ". Sahne degismedi.");
        return false;
    }
    const ScenarioParse parsed = parseScenario(text);
    if (parsed.error) {
        showNotice("\"" + path + "\" bir senaryo dosyasi degil ya da bozuk: satir " + std::to_string(parsed.error->line)
                   + ": " + parsed.error->description + ". Sahne degismedi.");
        return false;
    }
    if (const auto meshError = loadMeshes(parsed)) {
        showLoadFailure(path, *meshError);
        return false;
    }

    EditingState& editing = session.editing;
    if (editing.selectedNode)
        editing.selectedNode->showBoundingBox(false);
    editing.selectedNode = nullptr;
    session.registry.clearAll();
    SceneBuilder build(*sceneManager, session);
    for (const ScenarioEntry& entry : parsed.document.entries)
        std::visit(build, entry);

    if (CEGUI::Window* frameImage = findWindow("frameImage"))
        frameImage->setProperty("Image", "cameraImageSet/cameraImage");
    return true;
}
