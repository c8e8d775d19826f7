#include "Util.h"

#include "FileFolders.h"

#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QMessageBox>
#include <QTemporaryFile>
#include <QWidget>

#include <MltProducer.h>

#include <climits>

QString Util::baseName(const QString& path)
{
    const bool drivePath = path.mid(1, 2) == QLatin1String(":/") || path.mid(1, 2) == QLatin1String(":\\");
    if (!path.startsWith('/') && !drivePath)
        return path;
    // QFileInfo does not split at backslashes on this platform.
    if (drivePath)
        return QFileInfo(QString(path).replace('\\', '/')).fileName();
    return QFileInfo(path).fileName();
}

void Util::setColorsToHighlight(QWidget* widget, QPalette::ColorRole role)
{
    if (!widget)
        return;
    QPalette palette = widget->palette();
    const QPalette::ColorRole textRole = role == QPalette::Button ? QPalette::ButtonText : QPalette::WindowText;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setBrush(group, role, QBrush(palette.color(QPalette::Highlight)));
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setBrush(group, textRole, QBrush(palette.color(QPalette::HighlightedText)));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void Util::showInFolder(const QString& path)
{
    ShowInFolder(path);
}

bool Util::warnIfNotWritable(const QString& path, QWidget* parent, const QString& caption, bool remove)
{
    if (path.isEmpty() || path.contains(QLatin1String("://")))
        return false;
    const bool existed = QFileInfo::exists(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(QByteArray()) < 0) {
        QMessageBox::warning(parent, caption,
                             tr("Unable to write file %1\nPerhaps you do not have permission.\n"
                                "Try again with a different folder.")
                                 .arg(QFileInfo(path).fileName()),
                             QMessageBox::Ok);
        return true;
    }
    file.close();
    // Only the empty file made by this check goes; the user's own stays.
    if (remove && !existed)
        file.remove();
    return false;
}

QString Util::producerTitle(const Mlt::Producer& producer)
{
    // mlt++ declares its getters non-const; a copy shares the same producer.
    Mlt::Producer p(producer);
    if (!p.is_valid() || p.is_blank())
        return QString();
    if (p.type() == mlt_service_tractor_type)
        return tr("Master");
    const char* resource = p.get("resource");
    if (!resource)
        return QString();
    return baseName(QString::fromUtf8(resource));
}

QString Util::removeFileScheme(QUrl& url)
{
    if (url.scheme() == QLatin1String("file")) {
        const QString text = url.toString(QUrl::PreferLocalFile);
        // A local path comes back decoded already: decoding it again would
        // turn a "%41" that is part of a file name into "A".
        if (!text.startsWith(QLatin1String("file:")))
            return text;
        return QUrl::fromPercentEncoding(text.toUtf8());
    }
    return QUrl::fromPercentEncoding(url.url().toUtf8());
}

namespace {
// The series key of a camera recording file, empty when the name is not one.
// first: the first chapter's prefixes, else the later chapters'.
QString SeriesKey(const QString& path, bool first)
{
    const QFileInfo info(path);
    const QString base = info.baseName().toUpper();
    const QString suffix = info.suffix().toUpper();
    if (base.size() != 8 || (suffix != "MP4" && suffix != "LRV" && suffix != "360"))
        return QString();
    const bool isFirst = base.startsWith("GOPR") || base.startsWith("GH01") || base.startsWith("GS01");
    // A first chapter also matches a later-chapter prefix: it counts once.
    const bool isLater = !isFirst && (base.startsWith("GP") || base.startsWith("GH") || base.startsWith("GS"));
    if (first ? !isFirst : !isLater)
        return QString();
    return info.baseName().mid(4);
}
}

QList<QUrl> Util::sortedFileList(const QList<QUrl>& urls)
{
    QMap<QString, QStringList> series;
    QList<bool> inSeries;
    for (QUrl url : urls) {
        const QString path = removeFileScheme(url);
        const QString key = SeriesKey(path, true);
        inSeries << !key.isEmpty();
        if (!key.isEmpty())
            series[key] << path;
    }
    for (int i = 0; i < urls.size(); ++i) {
        QUrl url = urls.at(i);
        const QString path = removeFileScheme(url);
        const QString key = SeriesKey(path, false);
        if (!key.isEmpty() && !series.value(key).isEmpty()) {
            series[key] << path;
            inSeries[i] = true;
        }
    }
    QList<QUrl> result;
    for (auto it = series.begin(); it != series.end(); ++it) {
        it->sort(Qt::CaseSensitive);
        for (const QString& path : qAsConst(*it))
            result << QUrl::fromLocalFile(path);
    }
    for (int i = 0; i < urls.size(); ++i) {
        if (!inSeries.at(i))
            result << urls.at(i);
    }
    return result;
}

QList<QUrl> Util::expandDirectories(const QList<QUrl>& urls)
{
    QList<QUrl> result;
    for (QUrl url : urls) {
        const QString path = removeFileScheme(url);
        if (!QFileInfo(path).isDir()) {
            result << url;
            continue;
        }
        const QFileInfoList entries = QDir(path).entryInfoList(QDir::Files | QDir::Readable, QDir::Name);
        for (const QFileInfo& entry : entries)
            result << QUrl::fromLocalFile(entry.absoluteFilePath());
    }
    return result;
}

int Util::coerceMultiple(int value, int multiple)
{
    if (multiple <= 0)
        return value;
    const long long top = static_cast<long long>(value) + multiple - 1;
    // A floored remainder keeps negative values right too.
    const long long rest = ((top % multiple) + multiple) % multiple;
    const long long result = top - rest;
    return result > INT_MAX ? value : static_cast<int>(result);
}

bool Util::isDecimalPoint(QChar c)
{
    switch (c.unicode()) {
    case 0x0020: case 0x0027: case 0x002C: case 0x002E: case 0x00B7: case 0x02D9:
    case 0x066B: case 0x066C: case 0x2009: case 0x202F: case 0x2396:
        return true;
    default:
        return false;
    }
}

bool Util::isNumeric(QString& text)
{
    for (const QChar c : qAsConst(text)) {
        if (c == '+' || c == '-' || c == 'e' || c == 'E' || isDecimalPoint(c) || (c >= '0' && c <= '9'))
            continue;
        if (c.unicode() > 0x7F && c.category() == QChar::Number_DecimalDigit)
            continue;
        return false;
    }
    return true;
}

bool Util::convertNumericString(QString& text, QChar decimalPoint)
{
    if (!isNumeric(text))
        return false;
    bool changed = false;
    for (QChar& c : text) {
        if (c != decimalPoint && isDecimalPoint(c)) {
            c = decimalPoint;
            changed = true;
        }
    }
    return changed;
}

bool Util::convertDecimalPoints(QString& text, QChar decimalPoint)
{
    if (text.contains(decimalPoint))
        return false;
    bool changed = false;
    for (QChar& c : text) {
        if (c != ' ' && isDecimalPoint(c)) {
            c = decimalPoint;
            changed = true;
        }
    }
    return changed;
}

void Util::showFrameRateDialog(const QString& caption, int numerator, QDoubleSpinBox* spinner, QWidget* parent)
{
    const double rate = numerator / 1001.0;
    const QString text =
        tr("The value you entered is very similar to the common,\nmore standard %1 = %2/1001.\n\n"
           "Do you want to use %1 = %2/1001 instead?")
            .arg(QString::number(rate, 'f', 6), QString::number(numerator));
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    if (box.exec() == QMessageBox::Yes && spinner)
        spinner->setValue(rate);
}

QTemporaryFile* Util::writableTemporaryFile(const QString& filePath, const QString& templateName)
{
    const QString name = templateName.isEmpty()
        ? QStringLiteral("%1.XXXXXX").arg(QCoreApplication::applicationName())
        : templateName;
    auto* file = new QTemporaryFile(QDir::tempPath() + '/' + name);
    if (file->open() && file->write(QByteArray()) >= 0)
        return file;
    delete file;
    return new QTemporaryFile(QFileInfo(filePath).path() + '/' + name);
}
