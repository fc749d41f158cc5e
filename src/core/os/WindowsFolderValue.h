#pragma once
// A folder as a Windows environment variable names it (%APPDATA%), in the
// form the program builds paths in. Plain text rules, built on every system
// so that the Linux tests hold them too.
#include <string>

// "C:\Users\li\AppData\Roaming" gives "C:/Users/li/AppData/Roaming/", a share
// "\\server\home\li" "//server/home/li/": '\' read as '/', with a trailing
// '/'. Empty for anything that is no absolute folder: "", "AppData",
// "C:AppData" (relative to the drive's current folder), "\Users" (to the
// current drive), and the device forms "\\?\..." and "\\.\...".
std::string FolderFromWindowsValue(const std::string& value);
