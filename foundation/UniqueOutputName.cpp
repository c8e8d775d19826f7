#include "UniqueOutputName.h"

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

bool Taken(const QString& path, bool overwrite)
{
    if (Reserved().contains(Key(path)))
        return true;
    if (overwrite)
        return false;
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
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

QString GetUnRepeat(QString path)
{
    if (path.isEmpty())
        return path;
    const bool overwrite = OverwriteQuery() ? OverwriteQuery()() : false;
    QString result = path;
    if (Taken(result, overwrite)) {
        const QString time = QTime::currentTime().toString(QStringLiteral("hhmmss"));
        result = InsertTag(path, QLatin1Char('(') + time + QLatin1Char(')'));
        for (int n = 2; Taken(result, overwrite); ++n)
            result = InsertTag(path, QLatin1Char('(') + time + QLatin1Char('_') + QString::number(n) + QLatin1Char(')'));
    }
    Reserved().insert(Key(result));
    return result;
}

void ClearUnRepeatReservations()
{
    Reserved().clear();
}
