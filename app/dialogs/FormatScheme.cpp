#include "FormatScheme.h"

#include "FileFolders.h"
#include "FormatPresets.h"
#include "MediaInput.h"
#include "SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

// A scheme is a few hundred bytes; anything far larger is no scheme.
const qint64 kMaxSchemeBytes = 64 * 1024;

bool IsBool(const QString& text)
{
    const QString t = text.trimmed().toLower();
    return t == QLatin1String("true") || t == QLatin1String("false") || t == QLatin1String("1")
        || t == QLatin1String("0");
}

} // namespace

QString FormatScheme::Folder()
{
    return GetDocumentsLocation() + QLatin1Char('/') + QCoreApplication::applicationName()
        + QStringLiteral("/Formats");
}

bool FormatScheme::MakeFolder()
{
    return CreateFolder(Folder());
}

QString FormatScheme::PathOf(const QString& name)
{
    return Folder() + QLatin1Char('/') + name + QStringLiteral(".ini");
}

QStringList FormatScheme::Names()
{
    QStringList names;
    const QFileInfoList files =
        QDir(Folder()).entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& fi : files)
        names << fi.completeBaseName();
    return names;
}

namespace {

// A key that is missing or not of its kind takes its default; the container
// is left empty, which names none of the ten.
void TakeDefault(FormatSettings* s, const QString& key)
{
    const FormatSettings d;
    if (key == QLatin1String("Format"))
        s->Format.clear();
    else if (key == QLatin1String("VSetMode"))
        s->VSetMode = d.VSetMode;
    else if (key == QLatin1String("VBitRate"))
        s->VBitRate = d.VBitRate;
    else if (key == QLatin1String("VCodec"))
        s->VCodec = d.VCodec;
    else if (key == QLatin1String("VKeepWH"))
        s->VKeepWH = d.VKeepWH;
    else if (key == QLatin1String("VSize"))
        s->VSize = d.VSize;
    else if (key == QLatin1String("VAspect"))
        s->VAspect = d.VAspect;
    else if (key == QLatin1String("VKeepFrameRate"))
        s->VKeepFrameRate = d.VKeepFrameRate;
    else if (key == QLatin1String("VFrameRate"))
        s->VFrameRate = d.VFrameRate;
    else if (key == QLatin1String("AKeepCodec"))
        s->AKeepCodec = d.AKeepCodec;
    else if (key == QLatin1String("ABitRate"))
        s->ABitRate = d.ABitRate;
    else if (key == QLatin1String("ACodec"))
        s->ACodec = d.ACodec;
    else if (key == QLatin1String("AChannels"))
        s->AChannels = d.AChannels;
    else if (key == QLatin1String("ASample"))
        s->ASample = d.ASample;
    else if (key == QLatin1String("AVolume"))
        s->AVolume = d.AVolume;
}

} // namespace

FormatScheme::ReadError FormatScheme::Read(const QString& path, FormatSettings* out, QStringList* badKeys)
{
    *out = FormatSettings();
    if (badKeys)
        badKeys->clear();
    if (!QFileInfo::exists(path))
        return ReadMissing;
    // Read now through one descriptor and parsed from memory, as the
    // settings are: the settings class answers a name it parsed before from
    // what it parsed, while the size and time stay, even when a file of the
    // same size and time has taken its place.
    QByteArray bytes;
    switch (MediaInput::ReadRegular(path, kMaxSchemeBytes, &bytes)) {
    case MediaInput::ReadWhole:
        break;
    case MediaInput::NotRead:
        return ReadUnreadable;
    case MediaInput::TooLarge:
        return ReadNotSettings;
    }
    if (bytes.contains('\0'))
        return ReadNotSettings;

    QStringList bad;
    ConfigFormat config;
    bool settings = false;
    const bool parsed = SettingsFile::Parse(bytes, [&](QSettings& s) {
        if (s.status() != QSettings::NoError)
            return;
        settings = true;
        struct Key {
            const char* name;
            enum { Text, Flag, Volume, Container } kind;
        };
        static const Key keys[] = {
            {"Format/Format", Key::Container}, {"Video/VSetMode", Key::Flag},
            {"Video/VBitRate", Key::Text},     {"Video/VCodec", Key::Text},
            {"Video/VKeepWH", Key::Flag},      {"Video/VSize", Key::Text},
            {"Video/VAspect", Key::Text},      {"Video/VKeepFrameRate", Key::Flag},
            {"Video/VFrameRate", Key::Text},   {"Audio/AKeepCodec", Key::Flag},
            {"Audio/ABitRate", Key::Text},     {"Audio/ACodec", Key::Text},
            {"Audio/AChannels", Key::Text},    {"Audio/ASample", Key::Text},
            {"Audio/AVolume", Key::Volume},
        };
        for (const Key& key : keys) {
            const QString name = QLatin1String(key.name);
            const QVariant v = s.value(name);
            // A text with a comma reads as a list.
            const bool list = v.type() == QVariant::StringList;
            bool ok = v.isValid() && (list || v.canConvert(QMetaType::QString));
            const QString text = list ? v.toStringList().join(QLatin1Char(',')) : v.toString();
            if (ok) {
                switch (key.kind) {
                case Key::Text:
                    ok = !text.trimmed().isEmpty();
                    break;
                case Key::Flag:
                    ok = IsBool(text);
                    break;
                case Key::Volume: {
                    // The range of the dialog's volume box.
                    const int volume = text.trimmed().toInt(&ok);
                    ok = ok && volume >= 0 && volume <= 600;
                    break;
                }
                case Key::Container:
                    ok = FormatPresets::ContainerIndex(text) >= 0;
                    break;
                }
            }
            if (!ok)
                bad << name.section(QLatin1Char('/'), 1);
        }
        config.Load(s);
    });
    if (!parsed)
        return ReadUnreadable;
    if (!settings)
        return ReadNotSettings;
    *out = static_cast<const FormatSettings&>(config);
    for (const QString& key : qAsConst(bad))
        TakeDefault(out, key);
    if (badKeys)
        *badKeys = bad;
    return bad.isEmpty() ? ReadOk : ReadBadKey;
}

QString FormatScheme::WithExtension(const QString& fileName)
{
    if (fileName.isEmpty() || !QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    return fileName + QStringLiteral(".ini");
}
