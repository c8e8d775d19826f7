#pragma once
#include <QSettings>
#include <QString>

// Typed reads of INI values that fall back to the default when the key is
// missing or holds something that is not a value of that type.
class SettingsValue
{
public:
    static QString Text(const QSettings& settings, const QString& key, const QString& fallback);
    static int Int(const QSettings& settings, const QString& key, int fallback);
    static bool Bool(const QSettings& settings, const QString& key, bool fallback);
};
