// Generates the editor's pictures, meshes and model materials into the runtime media folder.
#include "AppIcon.h"
#include "Generator.h"

#include <OgreException.h>

#include <iostream>
#include <string>

int main(int argc, char** argv) {
    const bool icons = argc == 3 && std::string(argv[1]) == "--icons";
    if (argc != 4 && !icons) {
        std::cerr << "usage: media_generator <objects.txt> <terrain.cfg> <media dir>\n"
                     "       media_generator --icons <icon theme dir>\n";
        return 2;
    }
    try {
        if (icons)
            media::writeAppIcons(argv[2]);
        else
            media::generateMedia({argv[1], argv[2], argv[3]});
    } catch (const Ogre::Exception& e) {
        std::cerr << "media_generator: " << e.getFullDescription() << '\n';
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "media_generator: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
