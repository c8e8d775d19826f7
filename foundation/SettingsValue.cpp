#include "SettingsValue.h"

#include <QVariant>

QString SettingsValue::Text(const QSettings& settings, const QString& key, const QString& fallback)
{
    const QVariant v = settings.value(key);
    if (!v.isValid())
        return fallback;
    // An unquoted value with a comma (a hand-edited path) reads as a list;
    // put it back together instead of dropping it.
    if (v.type() == QVariant::StringList)
        return v.toStringList().join(QLatin1Char(','));
    // "@Invalid()", "@Rect(...)" and the like are no text: an empty codec or
    // size would only break the conversion later.
    if (!v.canConvert(QMetaType::QString))
        return fallback;
    return v.toString();
}

int SettingsValue::Int(const QSettings& settings, const QString& key, int fallback)
{
    const QVariant v = settings.value(key);
    if (!v.isValid())
        return fallback;
    bool ok = false;
    const int value = v.toString().trimmed().toInt(&ok, 10);
    return ok ? value : fallback;
}

bool SettingsValue::Bool(const QSettings& settings, const QString& key, bool fallback)
{
    const QVariant v = settings.value(key);
    if (!v.isValid())
        return fallback;
    const QString text = v.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return fallback;
}
