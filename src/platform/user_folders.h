// The player's own folders on a desktop that follows the XDG rules: data in
// $XDG_DATA_HOME (~/.local/share), settings in $XDG_CONFIG_HOME (~/.config), each holding
// Brannoch/Kestravan/. On Windows both are Brannoch\Kestravan in the local application-data
// folder.
#pragma once

#include <string>

namespace platform {

// The game's folder under the base the variable names when it holds an absolute path, else
// under home/fallback ("~/.config"); empty when neither is known. A relative or empty value
// is ignored, so that the folder never depends on where the game was started. The result
// ends with '/'.
std::string gameFolderUnder(const char* variableValue, const char* home, const char* fallback);

// The folder for the best score and screenshots, and the one for the settings file, from
// the environment; neither is made here.
std::string userDataFolder();
std::string userConfigFolder();

} // namespace platform
