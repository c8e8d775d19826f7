#pragma once
#include <QCoreApplication>
#include <QList>
#include <QPalette>
#include <QString>
#include <QUrl>

class QDoubleSpinBox;
class QTemporaryFile;
class QWidget;
namespace Mlt {
class Producer;
}

// General helpers for file lists, URLs, numeric texts, palettes and message
// boxes.
class Util
{
    Q_DECLARE_TR_FUNCTIONS(Util)
public:
    // The file name alone for an absolute path ("/..." or a drive path);
    // any other text unchanged.
    static QString baseName(const QString& path);
    static void setColorsToHighlight(QWidget* widget, QPalette::ColorRole role = QPalette::Window);
    static void showInFolder(const QString& path);
    // True (after a warning box) when path cannot be written. With remove,
    // a file that the check itself created is deleted again.
    static bool warnIfNotWritable(const QString& path, QWidget* parent, const QString& caption,
                                  bool remove = false);
    static QString producerTitle(const Mlt::Producer& producer);
    static QString removeFileScheme(QUrl& url);
    // Brings the chapters of camera recording series together, in order.
    static QList<QUrl> sortedFileList(const QList<QUrl>& urls);
    static QList<QUrl> expandDirectories(const QList<QUrl>& urls);
    // The smallest multiple of multiple not below value; value itself when
    // multiple is not positive or the result does not fit.
    static int coerceMultiple(int value, int multiple = 2);
    static bool isDecimalPoint(QChar c);
    static bool isNumeric(QString& text);
    // In a numeric text, every separator becomes decimalPoint (group
    // separators included); true when the text changed.
    static bool convertNumericString(QString& text, QChar decimalPoint);
    static bool convertDecimalPoints(QString& text, QChar decimalPoint);
    static void showFrameRateDialog(const QString& caption, int numerator, QDoubleSpinBox* spinner,
                                    QWidget* parent);
    // A temporary file the caller owns: opened in the system temporary
    // folder when it can be written there, else unopened beside filePath.
    static QTemporaryFile* writableTemporaryFile(const QString& filePath = QString(),
                                                 const QString& templateName = QString());
};
