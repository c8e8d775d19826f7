#include "ConfigSystem.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSettings>

#include "FileFolders.h"
#include "SettingsFile.h"
#include "SettingsValue.h"

namespace {

void MakeFolder(const QString& path)
{
    // A folder that cannot be made is only logged: start-up goes on.
    if (!CreateFolder(path))
        qWarning().noquote() << "Failed to create appDataDir: " + path;
}

} // namespace

ConfigSystem::ConfigSystem(QObject* parent)
    : QObject(parent)
{
    IniPath = GetAppDataLocation() + QLatin1Char('/') + QCoreApplication::applicationName() + QStringLiteral(".ini");
    Language = 1;
    Coverage = false;
    Threads = 2;
    MakeFolder(GetAppDataLocation());
    qDebug().noquote() << "Settings file:" << IniPath;
    CachePath = GetAppDataDir() + QStringLiteral("/Cache");
    MakeFolder(CachePath);
    qDebug().noquote() << "Work folder:" << CachePath;
    Load();
}

ConfigSystem::~ConfigSystem()
{
    Save();
}

void ConfigSystem::Load()
{
    // A missing or unreadable file gives every default.
    SettingsFile::Read(IniPath, [this](QSettings& settings) {
        settings.beginGroup(QStringLiteral("System"));
        OutPath = SettingsValue::Text(settings, QStringLiteral("OutPath"), QString());
        if (OutPath.isEmpty()) {
            OutPath = GetSysVideoDataDir() + QStringLiteral("/VideoOutput");
            MakeFolder(OutPath);
        }
        OpenPath = SettingsValue::Text(settings, QStringLiteral("OpenPath"), QString());
        if (OpenPath.isEmpty())
            OpenPath = GetDocumentsLocation();
        OpenFolder = SettingsValue::Text(settings, QStringLiteral("OpenFolder"), QString());
        if (OpenFolder.isEmpty())
            OpenFolder = GetDocumentsLocation();
        // A language without a translation installs none, so any index is kept.
        Language = settings.value(QStringLiteral("Language"), 1).toInt();
        Coverage = SettingsValue::Bool(settings, QStringLiteral("Coverage"), false);
        // No job at a time would never start one: that falls back to the
        // default; more than the dialog offers become its most.
        Threads = settings.value(QStringLiteral("Threads"), 2).toInt();
        if (Threads < 1)
            Threads = 2;
        Threads = qMin(Threads, MaxThreads);
        settings.endGroup();
    });
}

bool ConfigSystem::Save()
{
    const bool written = SettingsFile::Write(IniPath, [this](QSettings& settings) {
        settings.beginGroup(QStringLiteral("System"));
        settings.setValue(QStringLiteral("OutPath"), OutPath);
        settings.setValue(QStringLiteral("OpenPath"), OpenPath);
        settings.setValue(QStringLiteral("OpenFolder"), OpenFolder);
        settings.setValue(QStringLiteral("Language"), Language);
        settings.setValue(QStringLiteral("Coverage"), Coverage);
        settings.setValue(QStringLiteral("Threads"), Threads);
        settings.endGroup();
    });
    if (!written)
        qWarning().noquote() << "Failed to write settings file:" << IniPath;
    return written;
}
