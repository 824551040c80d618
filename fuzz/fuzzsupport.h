#pragma once

// What every fuzz target shares: Qt started once, a private scratch folder for the readers that insist
// on a path, and a check that stops the run with a message when a reader breaks its own promise.
#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace fuzz {

enum class Qt { Core, Gui };

// Starts the Qt application object once per process; Gui runs on the offscreen platform.
void StartQt(Qt kind);

// A folder of this process's own, on a memory file system when there is one, removed at exit.
const QString &ScratchFolder();

// Writes the bytes to `name` in the scratch folder and returns its path.
QString WriteScratchFile(const QString &name, const std::uint8_t *data, std::size_t size);

// Aborts with `what` when `condition` does not hold, so that libFuzzer (or the replay) reports the input.
void Check(bool condition, const char *what);

// Loads `input` into `library` as the game loads a library file; true when the library takes it. A file
// it refuses (with its own `Error`) must leave the library holding what it held.
template<typename Error, typename Library>
bool LoadOrKeep(Library &library, const QByteArray &input, const QString &name)
{
    const QByteArray held = library.SaveToData();
    try {
        library.LoadFromData(input, name);
    } catch (const Error &) {
        Check(library.SaveToData() == held, "a refused file changed the library");
        return false;
    }
    return true;
}

} // namespace fuzz
