#pragma once
// Which "Program.ini" the program reads and where a change to it goes. In a
// program folder this user may write (a build folder, a copy in the home
// folder) the file there serves both. An installed folder stays as shipped:
// the user's own copy in the configuration folder is read once it exists, and
// every change goes to that copy, which the first save makes from what was
// read.
#include <string>

constexpr const char* kProfileFileName = "Program.ini";

struct ProfilePaths {
  std::string read;   // the file to load
  std::string write;  // where a change is saved
};

// `programFolder` ends in '/'. The user's copy is
// <UserConfigFolder()><ApplicationFolderName([Setup] AppName of the shipped
// file)>/Program.ini; where that folder is no private one (see
// CheckPrivateFolder), the shipped file is read and a save goes there too.
ProfilePaths ProgramProfilePaths(const std::string& programFolder);
