// Each of the nine languages, loaded the way the program loads it, shows its
// own texts in the real windows and dialogs.
#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "AppTestKit.h"
#include "Core.h"
#include "EditorMainWindow.h"
#include "MainWindow.h"
#include "dialogs/MainOptionsDialog.h"
#include "dialogs/QFormatDialog.h"

namespace {

enum Window { Main, Editor, Options, Format };

struct Sample
{
    const char* context;
    const char* source;
};

// The texts each window is checked on, in the order Shown() reads them.
const Sample kSamples[4][3] = {
    {{"MainWindow", "Run"}, {"MainWindow", "Soundtrack"}, {"MainWindow", "Coverage"}},
    {{"EditorMainWindow", "Editor"}, {"EditorMainWindow", "Add Text"}, {"EditorMainWindow", "Flip horizontal "}},
    {{"MainOptionsDialog", "Options"}, {"MainOptionsDialog", "Language"}, {"MainOptionsDialog", "Cancel"}},
    {{"QFormatDialog", "Format Options"}, {"QFormatDialog", "Formats"}, {"QFormatDialog", "Cancel"}},
};

QString CancelText(QWidget* dialog)
{
    QPushButton* cancel = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel);
    return cancel ? cancel->text() : QString();
}

QStringList Shown(Window window)
{
    switch (window) {
    case Main: {
        MainWindow main;
        return {main.findChild<QAction*>(QStringLiteral("actionRun"))->text(),
                main.findChild<QTabWidget*>(QStringLiteral("tabWidget"))->tabText(3),
                main.findChild<QCheckBox*>(QStringLiteral("checkBoxCoverage"))->text()};
    }
    case Editor: {
        MainWindow main;
        EditorMainWindow& editor = main.Editor();
        return {editor.windowTitle(), editor.findChild<QAction*>(QStringLiteral("actionAdd_Text"))->text(),
                editor.findChild<QAction*>(QStringLiteral("actionFlip_horizontal"))->text()};
    }
    case Options: {
        MainOptionsDialog dialog;
        return {dialog.windowTitle(), dialog.findChild<QLabel*>(QStringLiteral("labelLanguage"))->text(),
                CancelText(&dialog)};
    }
    case Format: {
        QFormatDialog dialog;
        return {dialog.windowTitle(), dialog.findChild<QTabWidget*>(QStringLiteral("tabWidgetFormat"))->tabText(2),
                CancelText(&dialog)};
    }
    }
    return {};
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windowsShowTheLanguage_data();
    void windowsShowTheLanguage();
    void qtOwnButtonsShowTheLanguage_data();
    void qtOwnButtonsShowTheLanguage();
    void tabButtonsHaveToolTips_data();
    void tabButtonsHaveToolTips();
    void addButtonTextClearsItsArrow_data();
    void addButtonTextClearsItsArrow();

private:
    QTemporaryDir m_home;
    QTemporaryDir m_out;
};

void TestLanguages::initTestCase()
{
    QVERIFY(m_home.isValid() && m_out.isValid());
    AppTestKit::PrivateSettings(m_home.path());
    AppTestKit::WriteSettings(m_out.path());
}

void TestLanguages::windowsShowTheLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("window");
    // Empty: what that language's translation file says (its texts are
    // written elsewhere); the row is skipped while the file has none yet.
    QTest::addColumn<QStringList>("expected");

    const QStringList english[4] = {
        {"Run", "Soundtrack", "Coverage"},
        {"Editor", "Add Text", "Flip horizontal "},
        {"Options", "Language", "Cancel"},
        {"Format Options", "Formats", "Cancel"},
    };
    const QStringList french[4] = {
        {"Lancer", "Bande sonore", "Écraser"},
        {"Éditeur", "Ajouter du texte", "Retourner horizontalement "},
        {"Options", "Langue", "Annuler"},
        {"Options de format", "Formats", "Annuler"},
    };
    const QStringList german[4] = {
        {"Starten", "Tonspur", "Überschreiben"},
        {"Editor", "Text hinzufügen", "Horizontal spiegeln "},
        {"Optionen", "Sprache", "Abbrechen"},
        {"Formatoptionen", "Formate", "Abbrechen"},
    };
    const QStringList italian[4] = {
        {"Avvia", "Colonna sonora", "Sovrascrivi"},
        {"Editor", "Aggiungi testo", "Capovolgi orizzontalmente "},
        {"Opzioni", "Lingua", "Annulla"},
        {"Opzioni formato", "Formati", "Annulla"},
    };
    const QStringList portuguese[4] = {
        {"Executar", "Trilha sonora", "Substituir"},
        {"Editor", "Adicionar texto", "Espelhar horizontalmente "},
        {"Opções", "Idioma", "Cancelar"},
        {"Opções de formato", "Formatos", "Cancelar"},
    };
    const QStringList spanish[4] = {
        {"Ejecutar", "Banda sonora", "Sobrescribir"},
        {"Editor", "Añadir texto", "Voltear horizontalmente "},
        {"Opciones", "Idioma", "Cancelar"},
        {"Opciones de formato", "Formatos", "Cancelar"},
    };
    const QStringList* const byLanguage[9] = {nullptr, english, french,     german, italian,
                                              nullptr, portuguese, nullptr, spanish};
    const char* const codes[9] = {"zh_CN", "en_US", "fr", "de", "it", "ja", "pt_BR", "ru", "es"};
    const char* const windows[4] = {"main window", "editor", "options", "format"};
    for (int language = 0; language < 9; ++language)
        for (int window = Main; window <= Format; ++window)
            QTest::addRow("%s %s", codes[language], windows[window])
                << language << QString::fromLatin1(codes[language]) << window
                << (byLanguage[language] ? byLanguage[language][window] : QStringList());
}

void TestLanguages::windowsShowTheLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, code);
    QFETCH(int, window);
    QFETCH(QStringList, expected);

    Core* core = Core::instance();
    core->ChangeLanguage(language);
    QCOMPARE(core->Translator.language(), code);

    if (expected.isEmpty()) {
        for (const Sample& sample : kSamples[window]) {
            const QString text = core->Translator.translate(sample.context, sample.source);
            if (text.isEmpty())
                QSKIP(qPrintable(QStringLiteral("no translation yet of ") + QLatin1String(sample.source)));
            QVERIFY2(text != QLatin1String(sample.source), sample.source);
            expected << text;
        }
    }
    QCOMPARE(Shown(Window(window)), expected);
}

void TestLanguages::qtOwnButtonsShowTheLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("expected"); // Yes, No, Open, Cancel

    // In this order: the last row checks that a switch back to English takes
    // Qt's texts back too.
    QTest::newRow("fr") << 2 << QStringList{"&Oui", "&Non", "Ouvrir", "Annuler"};
    QTest::newRow("ru") << 7 << QStringList{"&Да", "&Нет", "Открыть", "Отмена"};
    QTest::newRow("ja") << 5 << QStringList{"はい(&Y)", "いいえ(&N)", "開く", "キャンセル"};
    QTest::newRow("zh_CN") << 0 << QStringList{"是(&Y)", "否(&N)", "打开", "取消"};
    QTest::newRow("en_US") << 1 << QStringList{"&Yes", "&No", "Open", "Cancel"};
}

void TestLanguages::qtOwnButtonsShowTheLanguage()
{
    QFETCH(int, language);
    QFETCH(QStringList, expected);

    const QString code = Core::LanguageCode(language);
    const QString file = QLibraryInfo::location(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_") + code
                         + QStringLiteral(".qm");
    if (language != 1 && !QFile::exists(file))
        QFAIL(qPrintable(file + QStringLiteral(" is missing: Qt's own translations are not installed "
                                               "(package qttranslations5-l10n, scripts/setup.sh)")));

    Core::instance()->ChangeLanguage(language);
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
    QDialogButtonBox buttons(QDialogButtonBox::Open | QDialogButtonBox::Cancel);
    QCOMPARE((QStringList{box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::No)->text(),
                          buttons.button(QDialogButtonBox::Open)->text(),
                          buttons.button(QDialogButtonBox::Cancel)->text()}),
             expected);
}

void TestLanguages::tabButtonsHaveToolTips_data()
{
    QTest::addColumn<int>("language");
    const char* const codes[9] = {"zh_CN", "en_US", "fr", "de", "it", "ja", "pt_BR", "ru", "es"};
    for (int language = 0; language < 9; ++language)
        QTest::newRow(codes[language]) << language;
}

void TestLanguages::tabButtonsHaveToolTips()
{
    QFETCH(int, language);
    Core* core = Core::instance();
    core->ChangeLanguage(language);
    MainWindow main;
    const struct
    {
        const char* button;
        const char* tip;
    } buttons[] = {
        {"BtnMergeAdd", "Add a title or ending clip"},       {"BtnMergeDelete", "Delete the selected clip"},
        {"BtnMergeUp", "Move the selected clip up"},         {"BtnMergeDown", "Move the selected clip down"},
        {"BtnSplitAdd", "Add the parts to the selected sources"}, {"BtnSplitDel", "Delete the selected parts"},
        {"BtnMusicAdd", "Add a soundtrack file"}, {"BtnMusicDelete", "Delete the selected soundtrack file"},
        {"BtnMusicUp", "Move the selected soundtrack file up"},
        {"BtnMusicDown", "Move the selected soundtrack file down"},
    };
    for (const auto& b : buttons) {
        auto* button = main.findChild<QToolButton*>(QLatin1String(b.button));
        QVERIFY2(button && button->toolButtonStyle() == Qt::ToolButtonIconOnly, b.button);
        const QString translated = core->Translator.translate("MainWindow", b.tip);
        QVERIFY2(!translated.isEmpty(), b.tip);
        QCOMPARE(button->toolTip(), translated);
    }
}

void TestLanguages::addButtonTextClearsItsArrow_data()
{
    tabButtonsHaveToolTips_data();
}

// Compares pictures of the tool bar's Add button with and without its text
// and its menu arrow: the columns each one alone paints must stay apart.
void TestLanguages::addButtonTextClearsItsArrow()
{
    QFETCH(int, language);
    Core::instance()->ChangeLanguage(language);
    MainWindow main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    auto* add = main.findChild<QAction*>(QStringLiteral("actionAdd"));
    auto* button = qobject_cast<QToolButton*>(main.findChild<QToolBar*>()->widgetForAction(add));
    QVERIFY(button && add->menu());
    button->setFixedSize(button->size());
    const QImage both = button->grab().toImage();
    const QString text = add->text();
    add->setText(QString());
    const QImage noText = button->grab().toImage();
    add->setText(text);
    add->setMenu(nullptr);
    const QImage noArrow = button->grab().toImage();
    QCOMPARE(both.size(), noText.size());
    QCOMPARE(both.size(), noArrow.size());

    // The columns where a picture differs from `both`.
    const auto columns = [&both](const QImage& other) {
        int first = both.width();
        int last = -1;
        for (int y = 0; y < both.height(); ++y)
            for (int x = 0; x < both.width(); ++x)
                if (both.pixel(x, y) != other.pixel(x, y)) {
                    first = qMin(first, x);
                    last = qMax(last, x);
                }
        return qMakePair(first, last);
    };
    const auto textColumns = columns(noText);
    const auto arrowColumns = columns(noArrow);
    QVERIFY2(textColumns.second >= 0 && arrowColumns.second >= 0, "text or arrow not painted");
    QVERIFY2(textColumns.second + 3 < arrowColumns.first,
             qPrintable(QStringLiteral("\"%1\" ends at column %2, the arrow begins at %3")
                            .arg(text, QString::number(textColumns.second), QString::number(arrowColumns.first))));
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
