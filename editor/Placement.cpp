#include "editor/EditorFrameListener.h"

#include "app/WindowLookup.h"
#include "editor/MeshLoading.h"
#include "editor/PlacementGeometry.h"
#include "editor/Selection.h"
#include "editor/ViewCoordinates.h"

#include <CEGUI/CEGUI.h>
#include <OgreCamera.h>
#include <OgreEntity.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

namespace {

// Placed entities carry this query flag; picks look only for it.
const Ogre::uint32 placedItemFlag = 2;

const char* const cursorEntityName = "mouseObjectEntity";
const char* const areaMesh = "kup.mesh";
const char* const roadMesh = "yol.mesh";

Ogre::Vector2 wholeGroundPoint(const Ogre::Vector3& ground)
{
    return {truncateToWhole(ground.x), truncateToWhole(ground.z)};
}

}  // namespace

Ogre::RaySceneQueryResult& EditorFrameListener::castPickRay(float x, float y)
{
    pickQuery->setRay(camera->getCameraToViewportRay(x, y));
    pickQuery->setSortByDistance(true, 0);
    pickQuery->setQueryMask(placedItemFlag);
    return pickQuery->execute();
}

void EditorFrameListener::handleLeftPress(input::MouseEvent* e)
{
    removePreview();
    EditingState& editing = session.editing;
    for (const Ogre::RaySceneQueryResultEntry& entry : castPickRay(e->getX(), e->getY())) {
        const bool hit = entry.movable != nullptr;
        const bool ground = entry.worldFragment != nullptr;
        if (!hit && !ground) {
            if (!editing.selectedNode)
                break;
            continue;
        }
        Walk walk = Walk::Continue;
        switch (editing.placementMode) {
        case Object:
            if (ground)
                walk = placeObject(entry.worldFragment->singleIntersection);
            else
                selectNode(session, entry.movable->getParentSceneNode());
            break;
        case Road:
            if (ground)
                walk = addRoadPoint(entry.worldFragment->singleIntersection);
            else
                selectNode(session, entry.movable->getParentSceneNode());
            break;
        case Area:
            if (hit)
                selectNode(session, entry.movable->getParentSceneNode());
            else
                walk = addAreaCorner(entry.worldFragment->singleIntersection);
            break;
        default:
            if (hit)
                selectNode(session, entry.movable->getParentSceneNode());
            else if (editing.selectedNode)
                walk = moveSelected(entry.worldFragment->singleIntersection);
            break;
        }
        if (walk == Walk::Return)
            return;
        if (walk == Walk::End)
            break;
    }
    if (editing.selectedNode)
        editing.selectedNode->showBoundingBox(true);
}

EditorFrameListener::Walk EditorFrameListener::placeObject(const Ogre::Vector3& ground)
{
    EditingState& editing = session.editing;
    const std::string meshFile = editing.currentMeshName + ".mesh";
    if (!loadMeshOrNotify(meshFile)) {
        abandonPlacement();
        return Walk::End;
    }
    dropSelection(editing);
    const Ogre::Vector2 p = wholeGroundPoint(ground);
    const SceneItem item = createSceneItem(*sceneManager, editing.nameCounter, meshFile, {p.x, 0, p.y});
    item.entity->setQueryFlags(placedItemFlag);
    item.node->setScale(1, 1, 1);
    editing.selectedNode = item.node;
    session.registry.addObject(new ObjectRecord{item.node, item.entity, meshFile, item.node->getName(), "human"});
    showSelectedPosition(session);
    editing.currentMeshName.clear();
    editing.placementMode = None;
    return Walk::End;
}

EditorFrameListener::Walk EditorFrameListener::addRoadPoint(const Ogre::Vector3& ground)
{
    if (!loadMeshOrNotify(roadMesh)) {
        abandonPlacement();
        return Walk::End;
    }
    const Ogre::Vector2 p = wholeGroundPoint(ground);
    if (clickStep == 0) {
        markAnchor(p, roadMesh);
        return Walk::Continue;
    }
    endX = p.x;
    endZ = p.y;
    const SceneItem item = placeAtAnchor(roadMesh);
    applyRoadGeometry(item.node, anchorX, anchorZ, p.x, p.y);
    session.registry.addRoad(anchorX, anchorZ, p.x, p.y, roadMesh, item.node);
    anchorX = p.x;
    anchorZ = p.y;
    showAnchorCursor(roadMesh);
    return Walk::Continue;
}

EditorFrameListener::Walk EditorFrameListener::addAreaCorner(const Ogre::Vector3& ground)
{
    if (!loadMeshOrNotify(areaMesh)) {
        abandonPlacement();
        return Walk::End;
    }
    const Ogre::Vector2 p = wholeGroundPoint(ground);
    if (clickStep == 0) {
        session.editing.mouseObjectNode->resetOrientation();
        markAnchor(p, areaMesh);
        return Walk::Continue;
    }
    endX = p.x;
    endZ = p.y;
    clickStep = 0;
    EditingState& editing = session.editing;
    const SceneItem item = placeAtAnchor(areaMesh);
    editing.currentMeshName = "kup";
    applyAreaGeometry(item.node, anchorX, anchorZ, p.x, p.y);
    item.node->setPosition((anchorX + p.x) / 2, 1.0f, (anchorZ + p.y) / 2);
    auto* area = new AreaRecord{item.node, item.entity, areaMesh, item.node->getName(), "bluearea"};
    area->x1 = anchorX;
    area->z1 = anchorZ;
    area->x2 = p.x;
    area->z2 = p.y;
    session.registry.addArea(area);
    editing.placementMode = None;
    return Walk::Continue;
}

EditorFrameListener::Walk EditorFrameListener::moveSelected(const Ogre::Vector3& ground)
{
    Ogre::SceneNode* node = session.editing.selectedNode;
    const std::string& name = node->getName();
    ObjectRecord* object = session.registry.findObjectByNodeName(name);
    AreaRecord* area = session.registry.findAreaByNodeName(name);
    // Road segments do not move; neither does a node the registry no longer knows.
    if (!object && !area)
        return Walk::Return;
    const Ogre::Vector2 p = wholeGroundPoint(ground);
    node->setPosition(p.x, 0.1f, p.y);
    if (area) {
        const AreaCorners moved = movedAreaCorners({area->x1, area->z1, area->x2, area->z2},
                                                   static_cast<int>(p.x), static_cast<int>(p.y));
        area->x1 = moved.x1;
        area->z1 = moved.z1;
        area->x2 = moved.x2;
        area->z2 = moved.z2;
    }
    return Walk::Continue;
}

void EditorFrameListener::handleRightPress(input::MouseEvent*)
{
    clearSelection(session);
    abandonPlacement();
}

void EditorFrameListener::abandonPlacement()
{
    clickStep = 0;
    removePreview();
    session.editing.placementMode = None;
    session.editing.currentMeshName.clear();
}

void EditorFrameListener::removePreview()
{
    session.editing.mouseObjectNode->setPosition(0, 0, 0);
    destroyPreviewEntity();
}

void EditorFrameListener::destroyPreviewEntity()
{
    Ogre::Entity*& preview = session.editing.previewEntity;
    if (!preview)
        return;
    preview->detachFromParent();
    sceneManager->destroyEntity(preview);
    preview = nullptr;
}

void EditorFrameListener::attachPreviewEntity(const std::string& meshFile)
{
    destroyPreviewEntity();
    Ogre::Entity* preview = sceneManager->createEntity(cursorEntityName, meshFile);
    session.editing.mouseObjectNode->attachObject(preview);
    session.editing.previewEntity = preview;
}

void EditorFrameListener::markAnchor(const Ogre::Vector2& point, const std::string& meshFile)
{
    anchorX = point.x;
    anchorZ = point.y;
    clickStep = 1;
    showAnchorCursor(meshFile);
}

SceneItem EditorFrameListener::placeAtAnchor(const std::string& meshFile)
{
    EditingState& editing = session.editing;
    const SceneItem item = createSceneItem(*sceneManager, editing.nameCounter, meshFile, {anchorX, 1.0f, anchorZ});
    item.entity->setQueryFlags(placedItemFlag);
    dropSelection(editing);
    editing.selectedNode = item.node;
    return item;
}

void EditorFrameListener::showAnchorCursor(const std::string& meshFile)
{
    attachPreviewEntity(meshFile);
    Ogre::SceneNode* cursor = session.editing.mouseObjectNode;
    cursor->setScale(0, 0.1f, 0);
    cursor->setPosition(anchorX, 0, anchorZ);
}

void EditorFrameListener::updatePreview()
{
    const int mode = session.editing.placementMode;
    const bool showsCursor = mode == Object || ((mode == Road || mode == Area) && clickStep > 0);
    if (!showsCursor)
        return;
    const CEGUI::Vector2f mouse =
        CEGUI::System::getSingleton().getDefaultGUIContext().getMouseCursor().getPosition();
    const Ogre::Vector2 view = toWindowRelative(*getWindow("windowFrame"), mouse);
    for (const Ogre::RaySceneQueryResultEntry& entry : castPickRay(view.x, view.y)) {
        if (!entry.worldFragment)
            continue;
        const Ogre::Vector2 p = wholeGroundPoint(entry.worldFragment->singleIntersection);
        Ogre::SceneNode* cursor = session.editing.mouseObjectNode;
        if (mode == Object) {
            cursor->setPosition(p.x, 0, p.y);
        } else if (mode == Road) {
            applyRoadGeometry(cursor, anchorX, anchorZ, p.x, p.y);
        } else {
            applyAreaGeometry(cursor, anchorX, anchorZ, p.x, p.y);
            cursor->setPosition((p.x + anchorX) / 2, 1.0f, (p.y + anchorZ) / 2);
        }
        return;
    }
}

void EditorFrameListener::clearSelectionAndCursor()
{
    clearSelection(session);
    removePreview();
}

void EditorFrameListener::beginObjectPlacement(const std::string& meshName)
{
    clearSelectionAndCursor();
    const std::string meshFile = meshName + ".mesh";
    if (!loadMeshOrNotify(meshFile)) {
        abandonPlacement();
        return;
    }
    session.editing.placementMode = Object;
    session.editing.currentMeshName = meshName;
    attachPreviewEntity(meshFile);
    session.editing.mouseObjectNode->setScale(1, 1, 1);
}

void EditorFrameListener::beginAreaPlacement()
{
    clearSelectionAndCursor();
    session.editing.placementMode = Area;
    clickStep = 0;
}

void EditorFrameListener::beginRoadPlacement()
{
    clearSelectionAndCursor();
    session.editing.placementMode = Road;
    clickStep = 0;
}
