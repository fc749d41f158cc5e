#pragma once
// The temporary file that a save writes beside its target before renaming it
// over it: "<target>.tmpXXXXXX". Its writer holds a lock on it for as long as
// it has that name, so a temporary that nobody holds is the remains of a save
// that was killed (or lost its power) halfway, and the next save of the same
// target removes it.
#include <functional>
#include <string>

// Creates and locks a new temporary for `target`. Returns the descriptor
// (close it only after the temporary was renamed or removed) and sets `name`,
// or returns -errno.
int CreateSaveTemporary(const std::string& target, std::string& name);

// Removes the temporaries of `target` whose writers are gone.
void RemoveStaleSaveTemporaries(const std::string& target);
// The same for every target in `folder` whose file name `isTarget` accepts,
// for files that are written once under a new name each time (a later save
// of the same target never comes to clear them).
void RemoveStaleSaveTemporaries(const std::string& folder,
                                const std::function<bool(const std::string&)>& isTarget);
