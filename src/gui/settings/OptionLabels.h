#pragma once
// The radio-wide options as the dialogs label them, in the current
// language: the Optional Features lists, then the model and the band of
// Product Information.
#include <QString>
#include <cstddef>

// `option` is a place in RadioOptionNames ("squelch" gives "Squelch Level").
QString RadioOptionLabel(std::size_t option);
