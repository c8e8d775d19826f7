#pragma once
#include <QObject>
#include <QString>

// The application settings, kept in group "System" of <application name>.ini
// in the application-data folder, with the work folder "Cache". Loaded when
// built, saved when destroyed.
class ConfigSystem : public QObject
{
    Q_OBJECT
public:
    explicit ConfigSystem(QObject* parent = nullptr);
    ~ConfigSystem() override;

    void Load();
    // Writes the six settings; false (and a log line) when the file could
    // not be written, which then keeps its old content.
    bool Save();

    QString CachePath;  // work folder for generated files
    QString OutPath;    // converted files go here (no trailing "/")
    QString OpenPath;   // start folder of the add-files dialog
    QString OpenFolder; // start folder of the add-folder dialog
    int Language = 1;   // interface language index, 0..8 have translations
    bool Coverage = false; // true: outputs replace existing files
    int Threads = 2;    // jobs run at once, 1 ... MaxThreads
    // The most the Options dialog offers.
    static constexpr int MaxThreads = 99;
    QString IniPath;
};
