#include "ui/data_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace trelvist::ui {

QString dataFile(const QString& name) {
    const QDir programDir(QCoreApplication::applicationDirPath());
    // TRELVIST_INSTALLED_DATA is the data folder relative to the installed program's folder.
    for (const QString& candidate :
         {programDir.filePath(name), programDir.filePath(TRELVIST_INSTALLED_DATA "/" + name)}) {
        if (QFileInfo::exists(candidate)) return QDir::cleanPath(candidate);
    }
    return name;
}

}  // namespace trelvist::ui
