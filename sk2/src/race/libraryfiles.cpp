#include "libraryfiles.h"

#include "programfolders.h"

#include <QDir>
#include <QFileInfo>

namespace sk2::race {

QString LibraryFilePath(const QString &fileName)
{
    const QString beside = QDir(ProgramFolder()).filePath(fileName);
    if (QFileInfo::exists(beside))
        return beside;
    const QString installedData = InstalledDataFolder();
    if (!installedData.isEmpty() && QFileInfo::exists(QDir(installedData).filePath(fileName)))
        return QDir(installedData).filePath(fileName);
    return beside;
}

} // namespace sk2::race
