// The subtitle dock on the real subtitle corpus, driven through its buttons,
// its table's own editors and its dialogs; what it saves is read back through
// the landed reader and through libass.
#include <QtTest>

#include "Core.h"
#include "EditorMainWindow.h"
#include "LumacrestResources.h"
#include "SubtitleTestTools.h"
#include "docks/SubtitleDock.h"
#include "subtitles/QTimeDelegate.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTextEdit>
#include <QTimeEdit>
#include <QToolButton>

using namespace SubtitleTest;

namespace {

struct Event {
    long long start, end;
    QString style, text;
    int layer;
    bool operator==(const Event& o) const
    {
        return start == o.start && end == o.end && style == o.style && text == o.text && layer == o.layer;
    }
};

QList<Event> Flatten(const SubtitleParser& doc)
{
    QList<Event> out;
    for (const ST_ASS_EVENT& e : doc.Events) {
        const bool named = e.Style >= 1 && e.Style <= doc.Styles.size();
        out.append({e.Start, e.End, named ? doc.Styles.at(e.Style - 1).Name : QString(), e.Text, e.Layer});
    }
    return out;
}

QStringList StyleNames(const SubtitleParser& doc)
{
    QStringList names;
    for (const ST_ASS_STYLE& s : doc.Styles)
        names << s.Name;
    return names;
}

// Events and style names as libass itself reads the file.
QList<Event> ReadWithLibass(const QString& path, QStringList* styles)
{
    QList<Event> out;
    QByteArray name = QFile::encodeName(path);
    ASS_Track* track = ass_read_file(g_ass_library, name.data(), nullptr);
    if (!track)
        return out;
    for (int i = 1; i < track->n_styles; ++i)
        *styles << QString::fromUtf8(track->styles[i].Name);
    for (int i = 0; i < track->n_events; ++i) {
        const ASS_Event& e = track->events[i];
        out.append({e.Start, e.Start + e.Duration, e.Style > 0 ? QString::fromUtf8(track->styles[e.Style].Name) : QString(),
                    QString(), e.Layer});
    }
    ass_free_track(track);
    return out;
}

void PressOk(QDialog* dialog)
{
    dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok)->click();
}

template <typename T>
T* Child(QWidget* parent, const char* name)
{
    return parent->findChild<T*>(QString::fromLatin1(name));
}

} // namespace

class TestSubtitleDock : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QScopedPointer<SubtitleDock> m_dock;

    QTableView* Table() { return m_dock->Table(); }
    QStandardItemModel* Model() { return m_dock->Model(); }
    SubtitleParser& Doc() { return Core::instance()->Subtitle; }

    bool Open(const QString& path)
    {
        Core::instance()->SetSubtitle(path);
        const bool ok = ReadSubtitle(Doc(), path);
        m_dock->Reload();
        return ok;
    }
    void SelectRows(const QList<int>& rows)
    {
        Table()->clearSelection();
        for (int r : rows)
            Table()->selectionModel()->select(Model()->index(r, 0),
                                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    void Shift(int ms, bool forward, const char* rows, const char* times)
    {
        Answer<QDialog>([=](QDialog* d) {
            Child<QTimeEdit>(d, "timeEdit")->setTime(QTime::fromMSecsSinceStartOfDay(ms));
            Child<QRadioButton>(d, forward ? "radioButtonForward" : "radioButtonBackward")->click();
            Child<QRadioButton>(d, rows)->click();
            Child<QRadioButton>(d, times)->click();
            PressOk(d);
        });
        m_dock->Panel()->m_btnTime->click();
    }
    // Edits a cell through the table's own editor, as a double click and
    // leaving the editor would.
    template <typename Editor>
    void EditCell(int row, int column, std::function<void(Editor*)> change)
    {
        const QModelIndex index = Model()->index(row, column);
        Table()->setCurrentIndex(index);
        Table()->edit(index);
        auto* editor = qobject_cast<Editor*>(Table()->indexWidget(index));
        QVERIFY(editor);
        change(editor);
        QAbstractItemDelegate* delegate = Table()->itemDelegateForColumn(column);
        emit delegate->commitData(editor);
        emit delegate->closeEditor(editor);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        InitLibass();
        InitLumacrestResources();
    }

    void init()
    {
        Doc().Events.clear();
        Doc().Styles = {SubtitleParser::MakeDefaultStyle()};
        Core::instance()->SetSubtitle(QString());
        Core::instance()->SubtitleModified = false;
        m_dock.reset(new SubtitleDock);
        m_dock->resize(500, 600);
        m_dock->show();
    }

    void corpus_data()
    {
        REQUIRE_CORPUS();
        QTest::addColumn<QString>("path");
        for (const char* folder : {"ass", "srt"}) {
            const QDir dir(TestCorpus::SubtitleDir() + QLatin1Char('/') + QLatin1String(folder));
            for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
                QTest::newRow(qPrintable(name)) << dir.filePath(name);
        }
    }

    // Every editing command once, then Save: the file read back holds
    // exactly those changes.
    void corpus()
    {
        QFETCH(QString, path);
        QVERIFY(QFileInfo::exists(path));
        Open(path);
        QCOMPARE(Model()->rowCount(), Doc().Events.size());
        if (Doc().Events.isEmpty())
            m_dock->onAdd();
        QVERIFY(Model()->rowCount() > 0);

        // What the writer and reader make of the untouched document.
        const QString base = m_dir.filePath(QStringLiteral("base.ass"));
        QVERIFY(Doc().SaveASS(base));
        SubtitleParser baseline;
        QVERIFY(ReadSubtitle(baseline, base));
        QList<Event> expected = Flatten(baseline);
        const int n = expected.size();
        QCOMPARE(n, Doc().Events.size());

        // Text and end time of row 0 through the table's delegates.
        EditCell<QPlainTextEdit>(0, 2, [](QPlainTextEdit* e) { e->setPlainText(QStringLiteral("Edited line")); });
        QCOMPARE(Doc().Events.at(0).Text, QStringLiteral("Edited line"));
        QCOMPARE(m_dock->Panel()->m_text->toPlainText(), QStringLiteral("Edited line"));
        expected[0].text = QStringLiteral("Edited line");
        const long long end0 = qMin<long long>(expected[0].end, 3600000) + 250;
        EditCell<QTimeEdit>(0, 1, [=](QTimeEdit* e) { e->setTime(QTime::fromMSecsSinceStartOfDay(int(end0))); });
        QCOMPARE(Doc().Events.at(0).End, end0);
        expected[0].end = end0;

        // Shift all rows later, selected rows earlier (a start before 0 is
        // written as 0), and
        // the rows after the current one.
        Shift(1500, false, "radioButtonAll", "radioButtonSE");
        for (Event& e : expected)
            e.start += 1500, e.end += 1500;
        const QList<int> selected = n > 1 ? QList<int>{0, n - 1} : QList<int>{0};
        SelectRows(selected);
        Shift(2000, true, "radioButtonSelected", "radioButtonS");
        for (int r : selected)
            expected[r].start = qMax(0LL, expected[r].start - 2000);
        Table()->setCurrentIndex(Model()->index(0, 0));
        Shift(250, false, "radioButtononward", "radioButtonE");
        for (int r = 1; r < n; ++r)
            expected[r].end += 250;
        QCOMPARE(Model()->index(n - 1, 1).data().toString(), Timecode::Int64ToTimeZZZ(Doc().Events.at(n - 1).End));

        // Replace a word that occurs in the texts, in all rows.
        static const QRegularExpression wordPattern(QStringLiteral("(?<![\\\\\\w])[A-Za-z]{4,}\\b"));
        QString word;
        for (const Event& e : qAsConst(expected)) {
            const QRegularExpressionMatch m = wordPattern.match(e.text);
            if (m.hasMatch()) {
                word = m.captured();
                break;
            }
        }
        if (!word.isEmpty()) {
            Answer<QDialog>([=](QDialog* d) {
                QTest::keyClicks(Child<QLineEdit>(d, "lineEditFind"), word);
                QTest::keyClicks(Child<QLineEdit>(d, "lineEditReplace"), QStringLiteral("Swapped"));
                PressOk(d);
            });
            m_dock->Panel()->m_btnFind->click();
            for (Event& e : expected)
                e.text.replace(word, QStringLiteral("Swapped"));
        }

        // Add a style and rename the first; then delete the renamed one:
        // its events move to the remaining style.
        const QString first = Doc().Styles.first().Name;
        Answer<QDialog>([](QDialog* d) {
            auto* box = Child<QComboBox>(d, "comboBoxStyle");
            box->lineEdit()->setText(QStringLiteral("Second"));
            Child<QToolButton>(d, "toolButtonAdd")->click();
            box->setCurrentIndex(0);
            box->lineEdit()->setText(QStringLiteral("Main"));
            QTest::keyClick(box->lineEdit(), Qt::Key_Return);
            PressOk(d);
        });
        m_dock->Panel()->m_btnStyle->click();
        QCOMPARE(StyleNames(Doc()).mid(0, 1), QStringList{QStringLiteral("Main")});
        QCOMPARE(StyleNames(Doc()).last(), QStringLiteral("Second"));
        const QList<Event> renamed = Flatten(Doc());
        for (int r = 0; r < n; ++r)
            QCOMPARE(renamed[r].style, expected[r].style == first ? QStringLiteral("Main") : expected[r].style);
        Answer<QDialog>([](QDialog* d) {
            auto* box = Child<QComboBox>(d, "comboBoxStyle");
            box->setCurrentIndex(box->findText(QStringLiteral("Main")));
            Child<QToolButton>(d, "toolButtonDel")->click();
            PressOk(d);
        });
        m_dock->Panel()->m_btnStyle->click();
        QStringList styles = StyleNames(baseline);
        styles.removeFirst();
        styles.append(QStringLiteral("Second"));
        for (Event& e : expected) {
            if (e.style == first)
                e.style = styles.first();
        }
        QCOMPARE(m_dock->Panel()->m_styleBox->count(), styles.size());

        // Save without an extension: the filter's is added.
        const QString out = m_dir.filePath(QStringLiteral("saved"));
        QFile::remove(out + QStringLiteral(".ass")); // no replace question
        AnswerFile(out);
        m_dock->Panel()->m_btnSave->click();
        QVERIFY(QFileInfo::exists(out + QStringLiteral(".ass")));
        QCOMPARE(Core::instance()->SubtitlePath, out + QStringLiteral(".ass"));
        QVERIFY(!Core::instance()->SubtitleModified);

        SubtitleParser back;
        QVERIFY(ReadSubtitle(back, out + QStringLiteral(".ass")));
        QCOMPARE(StyleNames(back), styles);
        const QList<Event> got = Flatten(back);
        QCOMPARE(got.size(), n);
        for (int r = 0; r < n; ++r) {
            QCOMPARE(got[r].start, expected[r].start);
            QCOMPARE(got[r].end, expected[r].end);
            QCOMPARE(got[r].style, expected[r].style);
            QCOMPARE(got[r].text, expected[r].text);
            QCOMPARE(got[r].layer, expected[r].layer);
        }
        QStringList libassStyles;
        const QList<Event> raw = ReadWithLibass(out + QStringLiteral(".ass"), &libassStyles);
        QCOMPARE(libassStyles, styles);
        QCOMPARE(raw.size(), n);
        for (int r = 0; r < n; ++r) {
            QCOMPARE(raw[r].start, expected[r].start);
            QCOMPARE(raw[r].end, expected[r].end);
            QCOMPARE(raw[r].style, expected[r].style.isEmpty() ? raw[r].style : expected[r].style);
        }
    }

    // The editors always show the current event: after keyboard moves,
    // deletions, replacements and a reload.
    void editorsFollowTheCurrentRow()
    {
        for (int i = 0; i < 5; ++i) {
            ST_ASS_EVENT e;
            e.Start = i * 1000;
            e.End = i * 1000 + 500;
            e.Style = 1;
            e.Text = QStringLiteral("line %1").arg(i);
            Doc().Events.append(e);
        }
        m_dock->Reload();
        QTextEdit* text = m_dock->Panel()->m_text;
        Table()->setFocus();
        Table()->setCurrentIndex(Model()->index(1, 2));
        QTest::keyClick(Table(), Qt::Key_Down);
        QCOMPARE(m_dock->CurrentRow(), 2);
        QCOMPARE(text->toPlainText(), QStringLiteral("line 2"));
        QCOMPARE(m_dock->Panel()->m_startTime->time(), QTime(0, 0, 2));
        // Typing goes to the row shown.
        text->setPlainText(QStringLiteral("typed"));
        QCOMPARE(Doc().Events.at(2).Text, QStringLiteral("typed"));
        QCOMPARE(Doc().Events.at(1).Text, QStringLiteral("line 1"));

        SelectRows({1, 3});
        Table()->selectionModel()->setCurrentIndex(Model()->index(3, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        Answer<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
        m_dock->Panel()->m_btnDelete->click();
        QCOMPARE(Doc().Events.size(), 3);
        QCOMPARE(Model()->rowCount(), 3);
        QCOMPARE(Doc().Events.at(1).Text, QStringLiteral("typed"));
        const int row = m_dock->CurrentRow();
        QVERIFY(row >= 0 && row < 3);
        QCOMPARE(text->toPlainText(), Doc().Events.at(row).Text);

        Table()->setCurrentIndex(Model()->index(1, 0));
        Answer<QDialog>([](QDialog* d) {
            QTest::keyClicks(Child<QLineEdit>(d, "lineEditFind"), QStringLiteral("typ"));
            QTest::keyClicks(Child<QLineEdit>(d, "lineEditReplace"), QStringLiteral("hyp"));
            PressOk(d);
        });
        m_dock->Panel()->m_btnFind->click();
        QCOMPARE(text->toPlainText(), QStringLiteral("hyped"));

        // Another, shorter file read into Core: the dock follows it and a
        // stale row writes nothing.
        Doc().Events = Doc().Events.mid(0, 1);
        m_dock->Reload();
        QCOMPARE(Model()->rowCount(), 1);
        QCOMPARE(m_dock->CurrentRow(), -1);
        QVERIFY(text->toPlainText().isEmpty());
        m_dock->onStartTime(QTime(0, 0, 9));
        QCOMPARE(Doc().Events.at(0).Start, 0LL);
    }

    // The editor window carries the dock at its right and reloads it with
    // every file it opens, however many rows the one before had.
    void hostedInTheEditorWindow()
    {
        REQUIRE_CORPUS();
        EditorMainWindow window;
        SubtitleDock* dock = window.SubtitlePanel();
        QCOMPARE(window.dockWidgetArea(dock), Qt::RightDockWidgetArea);
        QCOMPARE(window.SubtitleModel(), dock->Model());
        window.OpenSubtitle(TestCorpus::SubtitleDir() + QStringLiteral("/ass/pysubs2-ttml_example_apple.ass"));
        QCOMPARE(dock->Model()->rowCount(), Doc().Events.size());
        dock->Table()->setCurrentIndex(dock->Model()->index(dock->Model()->rowCount() - 1, 2));
        window.OpenSubtitle(TestCorpus::SubtitleDir() + QStringLiteral("/ass/libass-sub1.ass"));
        QCOMPARE(dock->Model()->rowCount(), Doc().Events.size());
        QCOMPARE(dock->CurrentRow(), -1);
        QCOMPARE(dock->Panel()->m_styleBox->count(), Doc().Styles.size());
        window.OpenSubtitle(m_dir.filePath(QStringLiteral("notes.txt")));
        QCOMPARE(dock->Model()->rowCount(), 0);
        QVERIFY(Doc().Events.isEmpty());
    }

    // A start shifted before 0 stays negative in the events, so the same
    // shift back restores every event; only a written file holds 0 there.
    void shiftKeepsNegativeTimesAndAddInsertsAfterCurrent()
    {
        ST_ASS_EVENT e;
        e.Start = 300;
        e.End = 900;
        e.Style = 1;
        Doc().Events = {e, e};
        m_dock->Reload();
        Shift(500, true, "radioButtonAll", "radioButtonSE");
        QCOMPARE(Doc().Events.at(0).Start, -200LL);
        QCOMPARE(Doc().Events.at(0).End, 400LL);
        QCOMPARE(Model()->index(1, 0).data().toString(), QStringLiteral("-00:00:00:200"));
        const QString written = m_dir.filePath(QStringLiteral("negative.srt"));
        QVERIFY(Doc().SaveSRT(written));
        QFile file(written);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("00:00:00,000 --> 00:00:00,400"));
        Shift(500, false, "radioButtonAll", "radioButtonSE");
        for (const ST_ASS_EVENT& back : qAsConst(Doc().Events)) {
            QCOMPARE(back.Start, 300LL);
            QCOMPARE(back.End, 900LL);
        }
        Table()->setCurrentIndex(Model()->index(0, 0));
        m_dock->onAdd();
        QCOMPARE(Doc().Events.size(), 3);
        QCOMPARE(m_dock->CurrentRow(), 1);
        QCOMPARE(Doc().Events.at(1).Style, 1);
        QCOMPARE(Doc().Events.at(1).End, 0LL);
    }

    void failedSaveSaysSoAndKeepsThePath()
    {
        Doc().Events = {ST_ASS_EVENT()};
        m_dock->Reload();
        Core::instance()->SetSubtitle(QStringLiteral("/nowhere/a.srt"));
        Core::instance()->SubtitleModified = true;
        AnswerFile(m_dir.filePath(QStringLiteral("missing/folder/out.ass")));
        bool told = false;
        Answer<QMessageBox>([](QMessageBox* box) { box->accept(); }, &told);
        m_dock->Panel()->m_btnSave->click();
        QTRY_VERIFY_WITH_TIMEOUT(told, 20000);
        QVERIFY(m_dock->LastMessage().contains(QStringLiteral("out.ass")));
        QCOMPARE(Core::instance()->SubtitlePath, QStringLiteral("/nowhere/a.srt"));
        QVERIFY(Core::instance()->SubtitleModified);
    }

    // A long file fills the table at once and scrolls to its end.
    void tenThousandEvents()
    {
        for (int i = 0; i < 10000; ++i) {
            ST_ASS_EVENT e;
            e.Start = i * 1000LL;
            e.End = i * 1000LL + 800;
            e.Style = 1;
            e.Text = QStringLiteral("Event number %1").arg(i);
            Doc().Events.append(e);
        }
        const QString path = m_dir.filePath(QStringLiteral("long.ass"));
        QVERIFY(Doc().SaveASS(path));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(Open(path));
        Table()->scrollToBottom();
        QCoreApplication::processEvents();
        QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(Model()->rowCount(), 10000);
        QCOMPARE(Table()->rowAt(Table()->viewport()->height() - 2), 9999);
        QCOMPARE(Model()->index(9999, 2).data().toString(), QStringLiteral("Event number 9999"));
    }
};

QTEST_MAIN(TestSubtitleDock)
#include "tst_subtitledock.moc"
