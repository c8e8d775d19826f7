#pragma once
#include <QString>
#include <QStringList>

class QWidget;

// The file dialogs of the subtitle dock, the Subtitle tab, the style editor
// and the editor's project save. A save dialog on Linux does not add the
// chosen filter's extension, so it is added here, before the dialog asks
// about replacing a file.
class SubtitleFileDialog
{
public:
    // Empty when cancelled. A name ending in one of `kept` keeps its ending.
    static QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                                   const QString& filter, const QStringList& kept = QStringList());
    static QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& filter);
    // The path with the first extension of the filter ("Name(*.a *.b)")
    // appended, unless its name already ends in one of the filter's
    // extensions or of `kept`.
    static QString WithFilterSuffix(const QString& path, const QString& filter,
                                    const QStringList& kept = QStringList());
};
