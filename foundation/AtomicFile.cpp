#include "AtomicFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

bool AtomicFile::Write(const QString& path, const QByteArray& data, QString* error)
{
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (path.isEmpty())
        return fail(QCoreApplication::translate("AtomicFile", "No file name was given."));
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return fail(QCoreApplication::translate("AtomicFile", "It is not a regular file."));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    // The save file does not count an error of its last flush as a failed
    // write: flush here, so a full disk never replaces the old file with a
    // cut one.
    if (file.write(data) != data.size() || !file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting(); // the temporary file goes with the object
        return fail(why);
    }
    if (!file.commit())
        return fail(file.errorString());
    if (error)
        error->clear();
    return true;
}
