#include "AppFolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

QString AppFolder::Path()
{
    return QCoreApplication::applicationDirPath();
}

QString AppFolder::FindTool(const QString& name)
{
    if (name.isEmpty())
        return QString();
    const QFileInfo local(Path() + "/" + name);
    if (local.exists() && local.isExecutable() && !local.isDir())
        return local.absoluteFilePath();
    return QStandardPaths::findExecutable(name);
}
