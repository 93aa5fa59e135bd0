#include "Materials.h"

#include <sstream>
#include <stdexcept>

namespace media {

namespace {

MaterialDef lit(const std::string& name, float r, float g, float b) { return {name, {r, g, b}, Shading::Lit, ""}; }
MaterialDef glowing(const std::string& name, float r, float g, float b) {
    return {name, {r, g, b}, Shading::Glowing, ""};
}
MaterialDef textured(const std::string& name, const std::string& texture) {
    return {name, {1, 1, 1}, Shading::Lit, texture};
}

void writeColour(std::ostream& out, const char* key, const Colour& c, float factor) {
    out << "            " << key << ' ' << c.r * factor << ' ' << c.g * factor << ' ' << c.b * factor;
}

}  // namespace

const std::vector<MaterialDef>& materialLibrary() {
    static const std::vector<MaterialDef> library = {
        lit("Model/Skin", 0.94f, 0.74f, 0.58f),
        lit("Model/Hair", 0.28f, 0.17f, 0.08f),
        lit("Model/BlondHair", 0.86f, 0.68f, 0.30f),
        lit("Model/Jeans", 0.20f, 0.30f, 0.60f),
        lit("Model/GreenShirt", 0.20f, 0.62f, 0.30f),
        lit("Model/RedDress", 0.85f, 0.15f, 0.25f),
        lit("Model/YellowShirt", 0.98f, 0.80f, 0.12f),
        lit("Model/RedShorts", 0.85f, 0.20f, 0.15f),
        lit("Model/Shoes", 0.12f, 0.10f, 0.10f),
        lit("Model/Uniform", 0.10f, 0.16f, 0.38f),
        lit("Model/White", 0.95f, 0.95f, 0.95f),
        lit("Model/Metal", 0.62f, 0.64f, 0.68f),
        lit("Model/DarkMetal", 0.22f, 0.22f, 0.25f),
        lit("Model/Black", 0.07f, 0.07f, 0.08f),
        lit("Model/SignRed", 0.85f, 0.08f, 0.08f),
        lit("Model/SignBlue", 0.10f, 0.32f, 0.80f),
        glowing("Model/LampRed", 1.0f, 0.12f, 0.08f),
        glowing("Model/LampYellow", 1.0f, 0.78f, 0.10f),
        glowing("Model/LampGreen", 0.15f, 1.0f, 0.35f),
        glowing("Model/Headlight", 1.0f, 1.0f, 0.80f),
        lit("Model/CarRed", 0.82f, 0.10f, 0.10f),
        lit("Model/Glass", 0.32f, 0.48f, 0.62f),
        lit("Model/Tyre", 0.10f, 0.10f, 0.10f),
        lit("Model/BusYellow", 0.98f, 0.72f, 0.08f),
        lit("Model/TruckBlue", 0.15f, 0.35f, 0.78f),
        lit("Model/Cargo", 0.90f, 0.90f, 0.86f),
        lit("Model/BikeFrame", 0.10f, 0.48f, 0.85f),
        lit("Model/Bark", 0.42f, 0.28f, 0.15f),
        lit("Model/Leaves", 0.22f, 0.56f, 0.18f),
        lit("Model/Needles", 0.10f, 0.38f, 0.18f),
        lit("Model/Wall", 0.94f, 0.87f, 0.70f),
        lit("Model/RoofTile", 0.72f, 0.25f, 0.15f),
        lit("Model/Wood", 0.55f, 0.36f, 0.20f),
        lit("Model/Tent", 0.96f, 0.50f, 0.10f),
        textured("Model/Flag", "bayrak_kumas.png"),
        textured("Model/Asphalt", "asfalt.png"),
        lit("Model/Kerb", 0.55f, 0.55f, 0.52f),
        {"Model/MarkedArea", {0.15f, 0.35f, 1.0f, 0.45f}, Shading::Translucent, ""},
    };
    return library;
}

const MaterialDef& findMaterial(const std::string& name) {
    for (const MaterialDef& m : materialLibrary())
        if (m.name == name) return m;
    throw std::out_of_range("no model material named " + name);
}

std::string materialScript(const std::set<std::string>& names) {
    std::ostringstream out;
    for (const MaterialDef& m : materialLibrary()) {
        if (!names.count(m.name)) continue;
        out << "material " << m.name << "\n{\n    technique\n    {\n        pass\n        {\n";
        switch (m.shading) {
        case Shading::Lit:
            // The scene has a strong ambient light; the diffuse part gives faces their shading.
            writeColour(out, "ambient", m.colour, 1.0f);
            out << "\n";
            writeColour(out, "diffuse", m.colour, 0.55f);
            out << "\n";
            break;
        case Shading::Glowing:
            out << "            ambient 0 0 0\n            diffuse 0 0 0\n";
            writeColour(out, "emissive", m.colour, 1.0f);
            out << "\n";
            break;
        case Shading::Translucent:
            writeColour(out, "ambient", m.colour, 0.6f);
            out << "\n";
            writeColour(out, "diffuse", m.colour, 0.4f);
            out << ' ' << m.colour.a << "\n";
            writeColour(out, "emissive", m.colour, 0.45f);
            out << "\n            scene_blend alpha_blend\n            depth_write off\n";
            break;
        }
        if (!m.texture.empty())
            out << "            texture_unit\n            {\n                texture " << m.texture
                << "\n                filtering trilinear\n            }\n";
        out << "        }\n    }\n}\n\n";
    }
    return out.str();
}

}  // namespace media
