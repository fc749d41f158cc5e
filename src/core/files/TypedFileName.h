#pragma once
// The file a name typed into a file dialog stands for. The Save As, Open,
// Import Channels and Export Channels dialogs offer one kind of file each,
// so a name typed without an extension means that kind.
#include <string>

// `typed` with `extension` (".dat", its dot included) added when the last
// component of the path has none: "foo" gives "foo.dat", "foo." "foo.dat"
// and ".hidden" ".hidden.dat"; "foo.csv" and "foo.dat" stay as they are. An
// empty name, or one ending in '/', names no file and stays as it is.
std::string WithDefaultExtension(const std::string& typed, const std::string& extension);

// For an Open dialog: the typed name itself when something of that name
// exists (a file without an extension still opens), else
// WithDefaultExtension.
std::string OpenedFileName(const std::string& typed, const std::string& extension);

// True when saving to `path` would replace something, so the user is asked
// first: anything stands there, a dangling link included, except a folder
// (the save then fails and says so).
bool SaveReplacesFile(const std::string& path);
