#pragma once

// Where the race's library files ("sk2demo.sdl", "track36.iml") are found: in the program's folder
// (a build or portable tree), otherwise in the installed data folder beside it (../share/sk2).

#include <QString>

namespace sk2::race {

// The path of a library file; when it is in neither place, the path in the program's folder, so that
// the error of loading it names where it was looked for.
QString LibraryFilePath(const QString &fileName);

} // namespace sk2::race
