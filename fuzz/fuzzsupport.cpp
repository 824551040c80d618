#include "fuzzsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

void StartQt(Qt kind)
{
    if (QCoreApplication::instance())
        return;
    // The application object lives as long as the process: the readers may call on it at any time.
    static int argc = 1;
    static char name[] = "skarvel-fuzz";
    static char *argv[] = {name, nullptr};
    if (kind == Qt::Gui) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(argc, argv);
    } else {
        new QCoreApplication(argc, argv);
    }
}

const QString &ScratchFolder()
{
    // Settings writes go through a save file that syncs to disk; on a memory file system that is free.
    static const QTemporaryDir folder(
        QFileInfo(QStringLiteral("/dev/shm")).isWritable()
            ? QStringLiteral("/dev/shm/skarvel-fuzz-XXXXXX")
            : QDir(QDir::tempPath()).filePath(QStringLiteral("skarvel-fuzz-XXXXXX")));
    static const QString path = folder.path();
    Check(folder.isValid(), "cannot make a scratch folder");
    return path;
}

QString WriteScratchFile(const QString &name, const std::uint8_t *data, std::size_t size)
{
    const QString path = QDir(ScratchFolder()).filePath(name);
    QFile file(path);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size);
    Check(written, "cannot write a scratch file");
    return path;
}

void Check(bool condition, const char *what)
{
    if (condition)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

} // namespace fuzz
