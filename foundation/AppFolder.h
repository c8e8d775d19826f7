#pragma once
#include <QString>

// The application folder is the folder of the executable; the converter
// (JxEngine) and melt are linked there by the build.
class AppFolder
{
public:
    static QString Path();
    // The tool in the application folder when it is there and executable,
    // else the one found on the search path; empty when neither exists.
    static QString FindTool(const QString& name);
};
