// Generates the editor's pictures, meshes and model materials into the runtime media folder.
#include "Generator.h"

#include <OgreException.h>

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: media_generator <objects.txt> <terrain.cfg> <media dir>\n";
        return 2;
    }
    try {
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
