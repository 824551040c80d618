#pragma once

// The folders sk2 finds its files in. A build or portable tree keeps everything beside the program; an
// installed program lives in …/bin and finds its read-only data in …/share/sk2.

#include <QString>

namespace sk2 {

// The folder of the running program.
QString ProgramFolder();

// …/share/sk2 beside an installed program's folder; empty for a build or portable tree.
QString InstalledDataFolder();

} // namespace sk2
