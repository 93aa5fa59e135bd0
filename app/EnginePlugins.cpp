#include "app/EnginePlugins.h"

#include "document/Translation.h"

#include <OgreConfigFile.h>
#include <OgreException.h>
#include <OgreRoot.h>

#include <fstream>
#include <stdexcept>

void loadEnginePlugins(Ogre::Root& root, const std::string& pluginsFile)
{
    if (!std::ifstream(pluginsFile))
        throw std::runtime_error(fill(tr("Motor eklentilerinin listesi okunamadi: %1"), {pluginsFile}));
    Ogre::ConfigFile list;
    try {
        list.load(pluginsFile);
    } catch (const Ogre::Exception& e) {
        throw std::runtime_error(
            fill(tr("Motor eklentilerinin listesi okunamadi: %1 (%2)"), {pluginsFile, e.getDescription()}));
    }
    std::string folder = list.getSetting("PluginFolder");
    if (folder.empty())
        folder = ".";
    if (folder.back() != '/')
        folder += '/';

    for (const std::string& plugin : list.getMultiSetting("Plugin")) {
        // Everything the message needs is copied here, inside the catch, while the
        // library that threw is still mapped.
        try {
            root.loadPlugin(folder + plugin);
        } catch (const Ogre::Exception& e) {
            throw std::runtime_error(fill(tr("Motor eklentisi yuklenemedi: %1\n%2"), {plugin, e.getFullDescription()}));
        } catch (const std::exception& e) {
            throw std::runtime_error(fill(tr("Motor eklentisi yuklenemedi: %1\n%2"), {plugin, e.what()}));
        }
    }
}
