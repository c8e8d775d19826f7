#include "UniqueOutputName.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTime>

namespace {

std::function<bool()>& OverwriteQuery()
{
    static std::function<bool()> query;
    return query;
}

std::function<QStringList()>& InputFilesQuery()
{
    static std::function<QStringList()> query;
    return query;
}

// Names handed out so far; GUI thread only, like every caller.
QSet<QString>& Reserved()
{
    static QSet<QString> names;
    return names;
}

QString Key(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// The files conversions read, by name, and (when asked) by what they are on
// disk, so a second name of the same file (a link, a linked folder) counts.
struct Inputs {
    QSet<QString> names;
    QStringList paths;
};

const Inputs& CurrentInputs()
{
    // A Run asks once per output while the list stays the same: its names
    // are worked out again only when it has changed.
    static Inputs inputs;
    const QStringList paths = InputFilesQuery() ? InputFilesQuery()() : QStringList();
    if (paths == inputs.paths)
        return inputs;
    inputs.paths = paths;
    inputs.names.clear();
    for (const QString& p : paths)
        if (!p.isEmpty())
            inputs.names.insert(Key(p));
    return inputs;
}

bool SameFileAsAnInput(const QFileInfo& info, const Inputs& inputs)
{
    const QString canonical = info.canonicalFilePath();
    if (canonical.isEmpty())
        return false;
    for (const QString& p : inputs.paths) {
        if (!p.isEmpty() && QFileInfo(p).canonicalFilePath() == canonical)
            return true;
    }
    return false;
}

bool Taken(const QString& path, bool overwrite, const Inputs& inputs)
{
    const QString key = Key(path);
    if (Reserved().contains(key) || inputs.names.contains(key))
        return true;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return false;
    // A folder or a device is never replaced by an output.
    if (!overwrite || !info.isFile())
        return true;
    return SameFileAsAnInput(info, inputs);
}

// Inserts the tag before the last "." of the file name, never into a folder
// name; a name without "." (or only a leading one) gets it appended.
QString InsertTag(const QString& path, const QString& tag)
{
    const int nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot <= nameStart)
        return path + tag;
    return path.left(dot) + tag + path.mid(dot);
}

} // namespace

void SetOverwriteQuery(std::function<bool()> query)
{
    OverwriteQuery() = std::move(query);
}

void SetInputFilesQuery(std::function<QStringList()> query)
{
    InputFilesQuery() = std::move(query);
}

QString GetUnRepeat(QString path)
{
    if (path.isEmpty())
        return path;
    const bool overwrite = OverwriteQuery() ? OverwriteQuery()() : false;
    const Inputs& inputs = CurrentInputs();
    QString result = path;
    if (Taken(result, overwrite, inputs)) {
        const QString time = QTime::currentTime().toString(QStringLiteral("hhmmss"));
        result = InsertTag(path, QLatin1Char('(') + time + QLatin1Char(')'));
        for (int n = 2; Taken(result, overwrite, inputs); ++n)
            result = InsertTag(path, QLatin1Char('(') + time + QLatin1Char('_') + QString::number(n) + QLatin1Char(')'));
    }
    Reserved().insert(Key(result));
    return result;
}

void ReleaseUnRepeat(const QString& path)
{
    if (!path.isEmpty())
        Reserved().remove(Key(path));
}

void ClearUnRepeatReservations()
{
    Reserved().clear();
}

QString PartialOutputName(const QString& finalPath)
{
    static int counter = 0;
    const QFileInfo info(finalPath);
    const QString suffix = info.suffix();
    const QString stem = QLatin1Char('.') + (suffix.isEmpty() ? info.fileName() : info.completeBaseName())
        + QStringLiteral(".partial-") + QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-');
    QString path;
    do {
        path = info.absolutePath() + QLatin1Char('/') + stem + QString::number(++counter)
            + (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
    } while (Reserved().contains(Key(path)) || QFileInfo(path).exists() || QFileInfo(path).isSymLink());
    Reserved().insert(Key(path));
    return path;
}
