#pragma once
#include <QObject>
#include <QString>

class QSettings;

// Output container index: the position in the main window's format list.
enum FormatOut : int {
    FORMAT_MP4 = 0,
    FORMAT_MKV = 1,
    FORMAT_AVI = 2,
    FORMAT_FLV = 3,
    FORMAT_MOV = 4,
    FORMAT_MPG = 5,
    FORMAT_TS = 6,
    FORMAT_MP3 = 7,
    FORMAT_M4A = 8,
    FORMAT_WAV = 9
};

// The output format values with their defaults (also the defaults of every
// key a settings file lacks or garbles).
struct FormatSettings
{
    QString Format = QStringLiteral("mp4");
    bool VSetMode = false;
    QString VBitRate = QStringLiteral("Auto");
    QString VCodec = QStringLiteral("h264");
    bool VKeepWH = true;
    QString VSize = QStringLiteral("1920x1080");
    QString VAspect = QStringLiteral("Auto");
    bool VKeepFrameRate = true;
    QString VFrameRate = QStringLiteral("25.0 fps");
    bool AKeepCodec = false;
    QString ABitRate = QStringLiteral("64 kbps");
    QString ACodec = QStringLiteral("aac");
    QString AChannels = QStringLiteral("2 channels stereo");
    QString ASample = QStringLiteral("44100 Hz");
    int AVolume = 100;
};

// The output format settings, kept in "ConfigFormat.ini" in the application
// data folder (or a named scheme file with the same keys). Short-lived:
// build, Load, read or change, Save.
class ConfigFormat : public QObject, public FormatSettings
{
    Q_OBJECT
public:
    explicit ConfigFormat(QObject* parent = nullptr);

    void Load();
    // Takes the values of settings already open (a scheme being checked).
    void Load(QSettings& settings);
    // False (and a log line) when the file could not be written; it then
    // keeps its old content.
    bool Save();
    // Applies the codec preset of a container; leaves Format to the caller.
    void SetFormat(FormatOut format);

    QString FilePath;
};
