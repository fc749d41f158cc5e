#pragma once
// A password given as "-": read from standard input, so that it never shows
// in the process list.
#include <string>

enum class PasswordInput { Read, Cancelled };

// The first line of standard input, without its line end ("\n" or "\r\n");
// empty when there is none. On a terminal it asks on stderr and does not
// echo what is typed; Ctrl+C there gives Cancelled with the terminal as it was.
PasswordInput ReadPasswordLine(std::string& password);
