#pragma once
// Handing the process over to another program.
#include <string>
#include <vector>

#include "core/os/OsError.h"

// Runs `program` with `arguments` (its name not among them) in place of this
// process, which then ends as that program ends. Returns only when the
// program could not be started, with why.
OsError RunInstead(const std::string& program, const std::vector<std::string>& arguments);
