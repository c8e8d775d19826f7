#pragma once
#include <QString>

class QWidget;

// The file dialogs of the subtitle dock and the style editor. A save dialog
// on Linux does not add the chosen filter's extension, so it is added here.
class SubtitleFileDialog
{
public:
    // Empty when cancelled.
    static QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                                   const QString& filter);
    static QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& filter);
    // The path with the first extension of the filter ("Name(*.a *.b)")
    // appended, unless its name already ends in one of the filter's extensions.
    static QString WithFilterSuffix(const QString& path, const QString& filter);
};
