#include "libraryfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace sk2::race {

QString LibraryFilePath(const QString &fileName)
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString beside = programFolder.filePath(fileName);
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = programFolder.filePath(QStringLiteral("../share/sk2/") + fileName);
    if (QFileInfo::exists(installed))
        return QDir::cleanPath(installed);
    return beside;
}

} // namespace sk2::race
