#pragma once

#include <QString>

// The launcher's own folder in the user's configuration: $XDG_CONFIG_HOME/Zemplo97, with
// ~/.config when the variable is unset or not an absolute path (as the XDG rules say).
QString launcherConfigFolder();

// The launcher's folder in the user's cache: $XDG_CACHE_HOME/Zemplo97, where the launch folders
// and what the launcher keeps of each DOSBox live.
QString launchCacheRoot();
