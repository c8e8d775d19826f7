// The translation files hold every user text of the code and forms, and the
// nine embedded translations load.
#include "LumacrestPaths.h"
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include "Core.h"

namespace {

const char* const kLanguages[] = {"zh_CN", "en_US", "fr", "de", "it", "ja", "pt_BR", "ru", "es"};

// Every (context, source text, disambiguation) of a .ts file.
QSet<QString> Messages(const QString& path)
{
    QSet<QString> out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&file);
    QString context, source, comment;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == QLatin1String("message"))
                out.insert(context + QLatin1Char('\x1f') + source + QLatin1Char('\x1f') + comment);
            continue;
        }
        if (xml.name() == QLatin1String("message")) {
            source.clear();
            comment.clear();
        } else if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            comment = xml.readElementText();
        }
    }
    return out;
}

QString Lupdate()
{
    const QString beside = QLibraryInfo::location(QLibraryInfo::BinariesPath) + QStringLiteral("/lupdate");
    return QFile::exists(beside) ? beside : QStandardPaths::findExecutable(QStringLiteral("lupdate"));
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void everyTextIsInTheTranslationFiles();
    void translationsLoad_data();
    void translationsLoad();
};

void TestTranslations::everyTextIsInTheTranslationFiles()
{
    const QString lupdate = Lupdate();
    QVERIFY2(!lupdate.isEmpty(), "lupdate not found");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString fresh = dir.filePath(QStringLiteral("fresh.ts"));
    const QDir source(QStringLiteral(LUMACREST_SOURCE_DIR));
    QStringList args;
    for (const char* folder : {"foundation", "engine", "Player", "editor", "app"})
        if (source.exists(QLatin1String(folder)))
            args << source.filePath(QLatin1String(folder));
    args << QStringLiteral("-extensions") << QStringLiteral("cpp,h,ui") << QStringLiteral("-no-obsolete")
         << QStringLiteral("-locations") << QStringLiteral("none") << QStringLiteral("-silent")
         << QStringLiteral("-ts") << fresh;
    QProcess run;
    run.setProcessChannelMode(QProcess::ForwardedChannels);
    run.start(lupdate, args);
    QVERIFY(run.waitForFinished(240000));
    QCOMPARE(run.exitCode(), 0);
    const QSet<QString> texts = Messages(fresh);
    QVERIFY2(texts.size() > 50, "lupdate found almost no texts");

    for (const char* language : kLanguages) {
        const QString ts = source.filePath(QStringLiteral("resources/translations/Brisquel_%1.ts").arg(QLatin1String(language)));
        const QSet<QString> held = Messages(ts);
        QStringList missing;
        for (const QString& text : texts)
            if (!held.contains(text))
                missing << QString(text).replace(QLatin1Char('\x1f'), QLatin1String(" | "));
        missing.sort();
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("%1 lacks %2 texts (run lupdate), first: %3")
                                                   .arg(ts, QString::number(missing.size()), missing.value(0))));
    }
}

void TestTranslations::translationsLoad_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < 9; ++i)
        QTest::newRow(kLanguages[i]) << i;
}

void TestTranslations::translationsLoad()
{
    QFETCH(int, index);
    Core::instance(); // registers the embedded translations
    const QString name = Core::TranslationResource(index);
    QVERIFY(name.endsWith(QStringLiteral("Brisquel_%1.qm").arg(QLatin1String(kLanguages[index]))));
    QTranslator translator;
    QVERIFY2(translator.load(name, QString(), QLatin1String(""), QLatin1String("")), qPrintable(name));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
