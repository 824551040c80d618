#include "programfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace sk2 {

QString ProgramFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
}

QString InstalledDataFolder()
{
    const QString data = QDir::cleanPath(QDir(ProgramFolder()).filePath(QStringLiteral("../share/sk2")));
    return QFileInfo(data).isDir() ? data : QString();
}

} // namespace sk2
