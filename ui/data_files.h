#pragma once
// The felt bitmap and the six sounds are files found by their bare names: beside the program,
// in the data folder of an installed program, or in the current directory.
#include <QString>

namespace trelvist::ui {

// The path of the first existing file of that name; the bare name when there is none.
QString dataFile(const QString& name);

}  // namespace trelvist::ui
