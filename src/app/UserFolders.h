#pragma once
// The user's own folders for what the program keeps between runs. Each holds
// a folder named after the application.
#include <string>

// $XDG_CONFIG_HOME, else $HOME/.config; with a trailing '/'. A relative
// $XDG_CONFIG_HOME counts as unset, as the XDG rules say.
std::string UserConfigFolder();

// "AppName" of [Setup] as a folder name: "Program" when empty, and no '/' or
// control character in it ("." and ".." are no names either).
std::string ApplicationFolderName(const std::string& appName);
