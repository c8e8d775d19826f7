#include "ConfigFormat.h"

#include <QDebug>
#include <QSettings>

#include "FileFolders.h"
#include "SettingsFile.h"
#include "SettingsValue.h"

ConfigFormat::ConfigFormat(QObject* parent)
    : QObject(parent)
    , FilePath(GetAppDataDir() + QStringLiteral("/ConfigFormat.ini"))
{
    qDebug().noquote() << "Format settings file:" << FilePath;
}

void ConfigFormat::Load()
{
    // A missing or unreadable file gives every default.
    SettingsFile::Read(FilePath, [this](QSettings& s) { Load(s); });
}

void ConfigFormat::Load(QSettings& s)
{
    // Every missing or unreadable key falls back to its table default.
    const FormatSettings d;
    s.beginGroup(QStringLiteral("Format"));
    Format = SettingsValue::Text(s, QStringLiteral("Format"), d.Format);
    s.endGroup();

    s.beginGroup(QStringLiteral("Video"));
    VSetMode = SettingsValue::Bool(s, QStringLiteral("VSetMode"), d.VSetMode);
    VBitRate = SettingsValue::Text(s, QStringLiteral("VBitRate"), d.VBitRate);
    VCodec = SettingsValue::Text(s, QStringLiteral("VCodec"), d.VCodec);
    VKeepWH = SettingsValue::Bool(s, QStringLiteral("VKeepWH"), d.VKeepWH);
    VSize = SettingsValue::Text(s, QStringLiteral("VSize"), d.VSize);
    VAspect = SettingsValue::Text(s, QStringLiteral("VAspect"), d.VAspect);
    VKeepFrameRate = SettingsValue::Bool(s, QStringLiteral("VKeepFrameRate"), d.VKeepFrameRate);
    VFrameRate = SettingsValue::Text(s, QStringLiteral("VFrameRate"), d.VFrameRate);
    s.endGroup();

    s.beginGroup(QStringLiteral("Audio"));
    AKeepCodec = SettingsValue::Bool(s, QStringLiteral("AKeepCodec"), d.AKeepCodec);
    ABitRate = SettingsValue::Text(s, QStringLiteral("ABitRate"), d.ABitRate);
    ACodec = SettingsValue::Text(s, QStringLiteral("ACodec"), d.ACodec);
    AChannels = SettingsValue::Text(s, QStringLiteral("AChannels"), d.AChannels);
    ASample = SettingsValue::Text(s, QStringLiteral("ASample"), d.ASample);
    AVolume = SettingsValue::Int(s, QStringLiteral("AVolume"), d.AVolume);
    s.endGroup();
}

bool ConfigFormat::Save()
{
    const bool written = SettingsFile::Write(FilePath, [this](QSettings& s) {
        s.beginGroup(QStringLiteral("Format"));
        s.setValue(QStringLiteral("Format"), Format);
        s.endGroup();

        s.beginGroup(QStringLiteral("Video"));
        s.setValue(QStringLiteral("VSetMode"), VSetMode);
        s.setValue(QStringLiteral("VBitRate"), VBitRate);
        s.setValue(QStringLiteral("VCodec"), VCodec);
        s.setValue(QStringLiteral("VKeepWH"), VKeepWH);
        s.setValue(QStringLiteral("VSize"), VSize);
        s.setValue(QStringLiteral("VAspect"), VAspect);
        s.setValue(QStringLiteral("VKeepFrameRate"), VKeepFrameRate);
        s.setValue(QStringLiteral("VFrameRate"), VFrameRate);
        s.endGroup();

        s.beginGroup(QStringLiteral("Audio"));
        s.setValue(QStringLiteral("AKeepCodec"), AKeepCodec);
        s.setValue(QStringLiteral("ABitRate"), ABitRate);
        s.setValue(QStringLiteral("ACodec"), ACodec);
        s.setValue(QStringLiteral("AChannels"), AChannels);
        s.setValue(QStringLiteral("ASample"), ASample);
        s.setValue(QStringLiteral("AVolume"), AVolume);
        s.endGroup();
    });
    if (!written)
        qWarning().noquote() << "Failed to write format settings:" << FilePath;
    return written;
}

void ConfigFormat::SetFormat(FormatOut format)
{
    VKeepWH = true;
    VSetMode = false;
    VBitRate = QStringLiteral("Auto");
    VAspect = QStringLiteral("Auto");
    VKeepFrameRate = true;
    AKeepCodec = false;
    ABitRate = QStringLiteral("128 kbps");

    switch (format) {
    case FORMAT_MP4:
    case FORMAT_FLV:
    case FORMAT_MOV:
    case FORMAT_TS:
        VCodec = QStringLiteral("h264");
        ACodec = QStringLiteral("aac");
        break;
    case FORMAT_MKV:
        VCodec = QStringLiteral("h264");
        ACodec = QStringLiteral("ac3");
        break;
    case FORMAT_AVI:
        VCodec = QStringLiteral("h264");
        ACodec = QStringLiteral("mp2");
        break;
    case FORMAT_MPG:
        VCodec = QStringLiteral("mpeg2video");
        ACodec = QStringLiteral("mp2");
        VFrameRate = QStringLiteral("25.0 fps");
        VKeepFrameRate = false;
        break;
    case FORMAT_MP3:
        ACodec = QStringLiteral("mp3");
        break;
    case FORMAT_M4A:
        ACodec = QStringLiteral("aac");
        break;
    case FORMAT_WAV:
        ACodec = QStringLiteral("pcm_s16le");
        break;
    }
}
