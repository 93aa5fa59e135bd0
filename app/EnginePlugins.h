#pragma once

#include <string>

namespace Ogre {
class Root;
}

// Loads the plug-ins a plugins.cfg names ("PluginFolder=", then "Plugin=" lines) into
// root, one at a time. A plug-in that fails to load or install throws
// std::runtime_error whose text was copied while the plug-in was still loaded: the
// engine's own exception points into the plug-in's memory and cannot be read once
// the engine has let the library go.
void loadEnginePlugins(Ogre::Root& root, const std::string& pluginsFile);
