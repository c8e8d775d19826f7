// The subtitle table's delegates, the style editor and the save-name rule.
#include <QtTest>

#include "SubtitleTestTools.h"
#include "subtitles/QSubtitleDelegate.h"
#include "subtitles/QTimeDelegate.h"
#include "subtitles/StyleDialog.h"
#include "subtitles/SubtitleFileDialog.h"
#include "text/QColorCombox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTimeEdit>
#include <QToolButton>

using namespace SubtitleTest;

class TestSubtitleDialogs : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    template <typename T>
    static T* Child(QWidget* parent, const char* name)
    {
        return parent->findChild<T*>(QString::fromLatin1(name));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        InitLibass();
    }

    void delegates_data()
    {
        QTest::addColumn<bool>("time");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("typed"); // into the view's editor, left with Tab
        QTest::addColumn<QString>("written");
        QTest::newRow("milliseconds kept") << true << "01:02:03:004" << "" << "01:02:03:004";
        QTest::newRow("unreadable time") << true << "1:2" << "" << "00:00:00:000";
        QTest::newRow("several lines") << false << "first\nsecond" << "" << "first\nsecond";
        QTest::newRow("markup as text") << false << "<b>bold</b> {\\i1}" << "" << "<b>bold</b> {\\i1}";
        QTest::newRow("Tab commits") << false << "" << "world" << "world";
    }

    void delegates()
    {
        QFETCH(bool, time);
        QFETCH(QString, cell);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QStandardItemModel model(1, 2);
        model.setItem(0, 0, new QStandardItem(cell));
        QWidget parent;
        QTimeDelegate timeDelegate;
        QSubtitleDelegate textDelegate;
        QAbstractItemDelegate* delegate = time ? static_cast<QAbstractItemDelegate*>(&timeDelegate) : &textDelegate;
        const QModelIndex index = model.index(0, 0);
        if (!typed.isEmpty()) {
            // Tab moves on to the next cell with what was typed, as a click
            // elsewhere does; it is no part of the text.
            QTableView view;
            view.setModel(&model);
            view.setItemDelegateForColumn(0, delegate);
            view.show();
            QApplication::setActiveWindow(&view);
            QVERIFY(QTest::qWaitForWindowActive(&view));
            view.setCurrentIndex(index);
            view.edit(index);
            QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<QPlainTextEdit*>(QApplication::focusWidget()), 10000);
            QWidget* editor = QApplication::focusWidget();
            QTest::keyClicks(editor, typed);
            QTest::keyClick(editor, Qt::Key_Tab);
            view.setFocus();
            QCOMPARE(index.data().toString(), written);
            QCOMPARE(view.currentIndex(), model.index(0, 1));
            return;
        }
        QScopedPointer<QWidget> editor(delegate->createEditor(&parent, QStyleOptionViewItem(), index));
        QVERIFY(time ? qobject_cast<QTimeEdit*>(editor.data()) != nullptr
                     : qobject_cast<QPlainTextEdit*>(editor.data()) != nullptr);
        model.setData(index, QStringLiteral("changed"));
        delegate->setEditorData(editor.data(), model.index(0, 0));
        delegate->setModelData(editor.data(), &model, index);
        QCOMPARE(index.data().toString(), time ? written : QStringLiteral("changed"));
        if (!time) {
            model.setData(index, cell);
            delegate->setEditorData(editor.data(), index);
            delegate->setModelData(editor.data(), &model, index);
            QCOMPARE(index.data().toString(), written);
        }
    }

    void opacityAndAlpha()
    {
        for (int v = 0; v <= 100; ++v)
            QCOMPARE(StyleDialog::OpacityOfAlpha(StyleDialog::AlphaOfOpacity(v)), v);
        QCOMPARE(StyleDialog::AlphaOfOpacity(50), 128u);
        QCOMPARE(StyleDialog::AlphaOfOpacity(100), 1u);
        QCOMPARE(StyleDialog::AlphaOfOpacity(0), 255u);
    }

    void styleEditor()
    {
        StyleDialog dialog;
        dialog.styles = {SubtitleParser::MakeDefaultStyle()};
        dialog.InitDialog();
        auto* box = Child<QComboBox>(&dialog, "comboBoxStyle");
        QCOMPARE(Child<QComboBox>(&dialog, "comboBoxSize")->currentText(), QStringLiteral("18"));
        QCOMPARE(Child<QSpinBox>(&dialog, "spinBoxPA")->value(), 100);
        QVERIFY(Child<QCheckBox>(&dialog, "checkBoxBold")->isChecked());
        QVERIFY(Child<QRadioButton>(&dialog, "radioButton2")->isChecked());

        Child<QSpinBox>(&dialog, "spinBoxPA")->setValue(50);
        QCOMPARE(dialog.styles.at(0).PrimaryColour, 0xFFFFFF80u);
        Child<QRadioButton>(&dialog, "radioButton7")->click();
        QCOMPARE(dialog.styles.at(0).Alignment, 7);

        // Add refuses a name in use; a new name is added and selected.
        Child<QToolButton>(&dialog, "toolButtonAdd")->click();
        QCOMPARE(dialog.styles.size(), 1);
        box->lineEdit()->setText(QStringLiteral("Top"));
        Child<QToolButton>(&dialog, "toolButtonAdd")->click();
        QCOMPARE(dialog.styles.size(), 2);
        QCOMPARE(box->currentIndex(), 1);
        QCOMPARE(dialog.origins, (QList<int>{0, -1}));
        QCOMPARE(dialog.styles.at(1).BorderStyle, 1);

        // Return renames the selected style (and does not end the dialog);
        // the entries stay one per style.
        dialog.show();
        box->setCurrentIndex(0);
        box->lineEdit()->setText(QStringLiteral("Bottom"));
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QCOMPARE(box->count(), 2);
        QCOMPARE(dialog.styles.at(0).Name, QStringLiteral("Bottom"));
        QCOMPARE(dialog.styles.at(0).Alignment, 7);

        // Deleting the first style shows the one now selected; the last one stays.
        box->setCurrentIndex(0);
        Child<QToolButton>(&dialog, "toolButtonDel")->click();
        QCOMPARE(dialog.styles.size(), 1);
        QCOMPARE(dialog.styles.at(0).Name, QStringLiteral("Top"));
        QCOMPARE(dialog.origins, QList<int>{-1});
        QVERIFY(Child<QRadioButton>(&dialog, "radioButton2")->isChecked());
        Child<QToolButton>(&dialog, "toolButtonDel")->click();
        QCOMPARE(dialog.styles.size(), 1);
    }

    // Picking another style shows its colours on the buttons at once, not
    // when the buttons are next painted for another reason.
    void styleColoursShownAtOnce()
    {
        StyleDialog dialog;
        ST_ASS_STYLE red = SubtitleParser::MakeDefaultStyle();
        red.Name = QStringLiteral("Red");
        red.PrimaryColour = 0xFF000000u;
        dialog.styles = {red, SubtitleParser::MakeDefaultStyle()};
        dialog.InitDialog();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* button = Child<QColorCombox>(&dialog, "toolButtonPrimary");
        // What the window shows, not a fresh rendering of the button.
        const auto shown = [&dialog, button]() {
            const QPoint at = button->mapTo(&dialog, QPoint(8, button->height() / 2));
            return dialog.screen()->grabWindow(dialog.winId(), at.x(), at.y(), 1, 1).toImage().pixelColor(0, 0);
        };
        QTRY_COMPARE_WITH_TIMEOUT(shown(), QColor(Qt::white), 10000);
        Child<QComboBox>(&dialog, "comboBoxStyle")->setCurrentIndex(0);
        QTRY_COMPARE_WITH_TIMEOUT(shown(), QColor(Qt::red), 10000);
    }

    void styleFiles()
    {
        REQUIRE_CORPUS();
        StyleDialog dialog;
        ST_ASS_STYLE second = SubtitleParser::MakeDefaultStyle();
        second.Name = QStringLiteral("Second, with comma");
        dialog.styles = {SubtitleParser::MakeDefaultStyle(), second};
        dialog.InitDialog();
        QCOMPARE(Child<QComboBox>(&dialog, "comboBoxStyle")->currentIndex(), 1);

        const QString path = m_dir.filePath(QStringLiteral("styles"));
        AnswerFile(path);
        Child<QToolButton>(&dialog, "toolButtonSave")->click();
        SubtitleParser back;
        QVERIFY(ReadSubtitle(back, path + QStringLiteral(".sty")));
        QCOMPARE(back.Styles.size(), 2);
        QCOMPARE(back.Styles.at(1).Name, QStringLiteral("Second; with comma"));

        // A file without styles leaves the list as it is and says so.
        const QString empty = m_dir.filePath(QStringLiteral("empty.ass"));
        QFile file(empty);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Script Info]\nScriptType: v4.00+\n");
        file.close();
        AnswerFile(empty);
        Answer<QMessageBox>([](QMessageBox* box) { box->accept(); });
        Child<QToolButton>(&dialog, "toolButtonOpen")->click();
        QCOMPARE(dialog.styles.size(), 2);
        QVERIFY(dialog.lastMessage.contains(QStringLiteral("empty.ass")));

        const QString corpus = TestCorpus::SubtitleDir() + QStringLiteral("/ass/pysubs2-ttml_example.ass");
        SubtitleParser expected;
        QVERIFY(ReadSubtitle(expected, corpus));
        AnswerFile(corpus);
        Child<QToolButton>(&dialog, "toolButtonOpen")->click();
        QCOMPARE(dialog.styles.size(), expected.Styles.size());
        QCOMPARE(dialog.styles.at(0).Name, expected.Styles.at(0).Name);
        QCOMPARE(Child<QComboBox>(&dialog, "comboBoxStyle")->currentIndex(), 0);
        QVERIFY(!dialog.origins.contains(0));
    }

    void saveNameGetsTheFilterSuffix_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("result");
        QTest::newRow("none") << "/d/out" << "ASS File(*.ass)" << "/d/out.ass";
        QTest::newRow("other suffix") << "/d/movie.en" << "ASS File(*.ass)" << "/d/movie.en.ass";
        QTest::newRow("present") << "/d/out.ASS" << "ASS File(*.ass)" << "/d/out.ASS";
        QTest::newRow("style") << "/d.x/s" << "Style file(*.sty)" << "/d.x/s.sty";
        QTest::newRow("second of several") << "/d/s.ssa" << "Subtitle(*.ass *.ssa)" << "/d/s.ssa";
    }

    void saveNameGetsTheFilterSuffix()
    {
        QFETCH(QString, path);
        QFETCH(QString, filter);
        QFETCH(QString, result);
        QCOMPARE(SubtitleFileDialog::WithFilterSuffix(path, filter), result);
    }

    // The dialog asks about the file the save would replace, extension of
    // the type chosen in its list added.
    void saveAsksAboutTheFullName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("filters");
        QTest::addColumn<QString>("type"); // chosen in the dialog's list; empty: the first
        QTest::addColumn<QString>("replaced");
        QTest::newRow("none") << "kept" << "ASS File(*.ass)" << "" << "kept.ass";
        QTest::newRow("other suffix") << "kept.en" << "ASS File(*.ass)" << "" << "kept.en.ass";
        QTest::newRow("type chosen") << "chosen" << "ASS File(*.ass);;SRT File(*.srt)" << "SRT File(*.srt)"
                                     << "chosen.srt";
    }
    void saveAsksAboutTheFullName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, filters);
        QFETCH(QString, type);
        QFETCH(QString, replaced);
        QFile old(m_dir.filePath(replaced));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.close();
        QString asked;
        AnswerFileKeepingOld(m_dir.filePath(typed), &asked, type);
        QCOMPARE(SubtitleFileDialog::GetSaveFileName(nullptr, "Save", QString(), filters), QString());
        QVERIFY2(asked.startsWith(replaced + " already exists"), qPrintable(asked));
    }
};

QTEST_MAIN(TestSubtitleDialogs)
#include "tst_subtitledialogs.moc"
