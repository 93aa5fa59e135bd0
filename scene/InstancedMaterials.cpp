#include "scene/InstancedMaterials.h"

#include <OgreGpuProgramManager.h>
#include <OgreHighLevelGpuProgram.h>
#include <OgreHighLevelGpuProgramManager.h>
#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTechnique.h>

namespace {

const char* const programName = "sahne/InstancedItem";

// The fixed pipeline's per-vertex lighting without specular light (the
// items' materials have none): emissive + ambient + the lights' diffuse
// light, clamped; the normal turned by the inverse transpose of the copy's
// transform (the cross products of its columns), so that scaled copies are
// lit as scaled entities are.
const char* const programSource = R"(#version 120
attribute vec4 vertex;
attribute vec3 normal;
attribute vec4 uv0;
attribute vec4 uv1;
attribute vec4 uv2;
attribute vec4 uv3;
attribute vec4 uv4;
attribute vec4 uv5;
attribute vec4 uv6;
attribute vec4 uv7;
uniform vec4 ambientLight;
uniform vec4 lightDirections[2];
uniform vec4 lightColours[2];
uniform vec4 surfaceAmbient;
uniform vec4 surfaceDiffuse;
uniform vec4 surfaceEmissive;
void main()
{
    gl_Position = vec4(uv1.x, uv2.x, uv3.x, uv4.x) * vertex.x + vec4(uv1.y, uv2.y, uv3.y, uv4.y) * vertex.y
                + vec4(uv1.z, uv2.z, uv3.z, uv4.z) * vertex.z + vec4(uv1.w, uv2.w, uv3.w, uv4.w) * vertex.w;
    vec3 c0 = vec3(uv5.x, uv6.x, uv7.x);
    vec3 c1 = vec3(uv5.y, uv6.y, uv7.y);
    vec3 c2 = vec3(uv5.z, uv6.z, uv7.z);
    vec3 n = normalize(normal.x * cross(c1, c2) + normal.y * cross(c2, c0) + normal.z * cross(c0, c1));
    vec3 colour = surfaceEmissive.rgb + ambientLight.rgb * surfaceAmbient.rgb;
    for (int i = 0; i < 2; ++i)
        colour += lightColours[i].rgb * surfaceDiffuse.rgb * max(dot(n, -normalize(lightDirections[i].xyz)), 0.0);
    gl_FrontColor = vec4(clamp(colour, 0.0, 1.0), surfaceDiffuse.a);
    gl_TexCoord[0] = uv0;
}
)";

const std::string instancedSuffix = "/instanced";

class ByMaterialName : public Ogre::Pass::HashFunc {
public:
    Ogre::uint32 operator()(const Ogre::Pass* pass) const override
    {
        std::string name = pass->getParent()->getParent()->getName();
        if (name.size() > instancedSuffix.size()
            && name.compare(name.size() - instancedSuffix.size(), instancedSuffix.size(), instancedSuffix) == 0)
            name.resize(name.size() - instancedSuffix.size());
        Ogre::uint32 hash = 2166136261u;  // FNV-1a
        for (unsigned char c : name)
            hash = (hash ^ c) * 16777619u;
        // The pass's index first, as the engine's own orders have it.
        return static_cast<Ogre::uint32>(pass->getIndex()) << 28 | (hash & 0x0FFFFFFF);
    }
};

Ogre::GpuProgramPtr instancingProgram()
{
    const Ogre::String& group = Ogre::ResourceGroupManager::INTERNAL_RESOURCE_GROUP_NAME;
    if (Ogre::GpuProgramPtr existing = Ogre::GpuProgramManager::getSingleton().getByName(programName, group))
        return existing;
    Ogre::HighLevelGpuProgramPtr program = Ogre::HighLevelGpuProgramManager::getSingleton().createProgram(
        programName, group, "glsl", Ogre::GPT_VERTEX_PROGRAM);
    program->setSource(programSource);
    const Ogre::GpuProgramParametersSharedPtr params = program->getDefaultParameters();
    params->setNamedAutoConstant("ambientLight", Ogre::GpuProgramParameters::ACT_AMBIENT_LIGHT_COLOUR);
    params->setNamedAutoConstant("lightDirections", Ogre::GpuProgramParameters::ACT_LIGHT_DIRECTION_ARRAY, 2);
    params->setNamedAutoConstant("lightColours", Ogre::GpuProgramParameters::ACT_LIGHT_DIFFUSE_COLOUR_ARRAY, 2);
    params->setNamedAutoConstant("surfaceAmbient", Ogre::GpuProgramParameters::ACT_SURFACE_AMBIENT_COLOUR);
    params->setNamedAutoConstant("surfaceDiffuse", Ogre::GpuProgramParameters::ACT_SURFACE_DIFFUSE_COLOUR);
    params->setNamedAutoConstant("surfaceEmissive", Ogre::GpuProgramParameters::ACT_SURFACE_EMISSIVE_COLOUR);
    return program;
}

}  // namespace

Ogre::MaterialPtr instancedVersionOf(const Ogre::MaterialPtr& material)
{
    auto& materials = Ogre::MaterialManager::getSingleton();
    const Ogre::String name = material->getName() + instancedSuffix;
    if (Ogre::MaterialPtr existing = materials.getByName(name, material->getGroup()))
        return existing;
    const Ogre::GpuProgramPtr program = instancingProgram();
    Ogre::MaterialPtr instanced = material->clone(name);
    for (Ogre::Technique* technique : instanced->getTechniques())
        for (Ogre::Pass* pass : technique->getPasses())
            pass->setGpuProgram(Ogre::GPT_VERTEX_PROGRAM, program);
    return instanced;
}

void orderPassesByMaterialName()
{
    static ByMaterialName byName;
    if (Ogre::Pass::getHashFunction() == &byName)
        return;
    Ogre::Pass::setHashFunction(&byName);
    for (const auto& [handle, resource] : Ogre::MaterialManager::getSingleton().getResourceIterator())
        for (Ogre::Technique* technique : static_cast<Ogre::Material*>(resource.get())->getTechniques())
            for (Ogre::Pass* pass : technique->getPasses())
                pass->_dirtyHash();
}
