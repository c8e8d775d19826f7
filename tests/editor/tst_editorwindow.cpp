// The editor window offscreen with its real canvas, docks and player: layers
// added by the actions and listed by the dock, projects saved and opened,
// source-frame edits written twice, subtitles loaded, and the preview's
// states including the starts that cannot play.
#include <QtTest>

#include "AssLibrary.h"
#include "CLayerInfo.h"
#include "Corpus.h"
#include "EditorTestTools.h"
#include "FifoGuard.h"
#include "FileFolders.h"
#include "ImageChecks.h"
#include "JxOFile.h"
#include "LumacrestResources.h"
#include "QWatermarkBase.h"
#include "ST_CROP_THICK.h"
#include "TestMedia.h"
#include "canvas/QCanvasItem.h"
#include "canvas/QWatermarkScene.h"
#include "canvas/QWatermarkView.h"
#include "dialogs/CropDialog.h"
#include "dialogs/LayerDialog.h"
#include "text/VTextPropSheetDialog.h"
#include "docks/LayeredManageWidget.h"
#include "ffplay.h"
#include "subtitles/SubtitleTestTools.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QDirIterator>
#include <QDockWidget>
#include <QPushButton>
#include <QScreen>
#include "Slider.h"
#include <QStandardItemModel>
#include <QTableWidget>
#include <QTimeEdit>
#include <QToolBar>
#include <QToolButton>
#include <unistd.h>

using namespace EditorTest;
using namespace ImageChecks;

namespace {
bool IsRed(QColor c) { return c.red() > 150 && c.green() < 90 && c.blue() < 90; }
bool IsBlue(QColor c) { return c.blue() > 150 && c.red() < 90 && c.green() < 90; }
} // namespace

// Another owner of the player, as the main window's player widget is.
class StopOwner : public QWidget
{
    Q_OBJECT
public slots:
    void OnStop()
    {
        g_nPlayWindow = 0;
        JxPlayerStop();
    }
};

class TestEditorWindow : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_clip;  // 320 x 240 grey with a red box at its top-left, 2 s
    QString m_png;   // blue 60 x 40
    QString m_video; // green 64 x 48
    QScopedPointer<EditorMainWindow> m_window;

    QAction* Action(const char* name) { return m_window->findChild<QAction*>(name); }
    QTableWidget* LayerTable() { return m_window->LayerDock()->Panel()->m_table; }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        InitLumacrestResources();
        if (!g_ass_library)
            g_ass_library = ass_library_init(); // main's handle
        m_clip = m_dir.path() + "/frame.mp4";
        QVERIFY(TestMedia::RunConverter({"-f", "lavfi", "-i", "color=c=gray:s=320x240:d=2:r=25", "-vf",
                                         "drawbox=x=0:y=0:w=80:h=60:color=red:t=fill", "-pix_fmt", "yuv420p",
                                         m_clip}));
        m_png = TestMedia::MakeImage(m_dir.path(), "blue.png", 60, 40, "blue");
        QVERIFY(!m_png.isEmpty());
        m_video = TestMedia::MakeSolidVideo(m_dir.path(), "green", "green.mp4", 1.0, 64, 48);
        QVERIFY(!m_video.isEmpty());
    }

    void init()
    {
        ResetCore(m_clip, 320, 240);
        m_window.reset(new EditorMainWindow);
        m_window->resize(1000, 700);
        m_window->InitCanvas(m_clip);
    }

    void cleanup()
    {
        m_window.reset();
        Core::instance()->Layers.clear();
    }

    void formAndLayout()
    {
        EditorMainWindow* w = m_window.data();
        QVERIFY(w->isHidden());
        QCOMPARE(w->windowTitle(), QString("Editor"));
        const auto* bar = w->findChild<QToolBar*>("toolBar");
        QVERIFY(bar);
        QStringList names;
        for (QAction* a : bar->actions())
            names << (a->isSeparator() ? QString("|") : a->objectName());
        QCOMPARE(names.join(' '), QString("actionOpen actionSave | actionAdd_Video actionAdd_Image actionAdd_Text "
                                          "actionAdd_Subtitle | actionCrop actionRotate_left actionRotate_right "
                                          "actionFlip_horizontal actionFlip_vertical"));
        QCOMPARE(Action("actionFlip_horizontal")->text(), QString("Flip horizontal "));
        QCOMPARE(w->dockWidgetArea(w->LayerDock()), Qt::RightDockWidgetArea);
        QCOMPARE(w->LayerDock()->windowTitle(), QString("Watermark"));
        QVERIFY(Core::instance()->EditorWindow() == w);
        QCOMPARE(Core::instance()->CanvasSize(), QSize(320, 240));
        // The slider spans the source in milliseconds and waits for a preview.
        Slider* slider = w->PlayerBar()->m_slider;
        QVERIFY(qAbs(slider->maximum() - 2000) <= 100);
        QVERIFY(!slider->isEnabled());
    }

    void zoomFollowsTheScreen_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("small") << 160 << 120;
        QTest::newRow("wide") << 1920 << 192;
        QTest::newRow("tall") << 192 << 1920;
    }
    void zoomFollowsTheScreen()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        const QString clip = TestMedia::MakeVideo(m_dir.path(), QString("z%1x%2.mp4").arg(width).arg(height), 0.2,
                                                  width, height);
        QVERIFY(!clip.isEmpty());
        m_window->InitCanvas(clip);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const float rw = float(width) / (float(screen.width()) * 0.7f);
        const float rh = float(height) / (float(screen.height()) * 0.7f);
        const double expected = (rw > 0.9f || rh > 0.9f) ? double(100.0f / qMax(rw, rh) * 0.8f) : 100.0;
        QCOMPARE(m_window->View()->zoom(), expected);
    }

    // Layers added through the actions, listed, edited in the dock, saved,
    // then changed and the project opened again: the saved state returns.
    void layersListedSavedAndOpened()
    {
        BoxCloser boxes;
        QStringList answers = {m_png, m_video};
        AnswerFiles(m_window.data(), &answers);
        Action("actionAdd_Image")->trigger();
        Action("actionAdd_Video")->trigger();
        QTimer::singleShot(0, this, [&]() {
            auto* dialog = qobject_cast<VTextPropSheetDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            dialog->WordArt.Text = "Mark";
            dialog->accept();
        });
        Action("actionAdd_Text")->trigger();
        QList<QWatermarkBase*> layers = Core::instance()->Layers;
        QCOMPARE(layers.size(), 3);
        QCOMPARE(layers[2]->GetLayer()->Type, 3);
        layers[0]->setPos(30, 40);
        // Resized out of its own shape: opened again, it keeps that size.
        layers[0]->GetLayer()->Keep = false;
        layers[0]->SetSize(100, 30);
        layers[1]->setPos(200, 120);
        layers[2]->setPos(12, 150);
        QCOMPARE(LayerTable()->rowCount(), 3);
        QCOMPARE(m_window->LayerDock()->RowOf(layers[0]), 0);
        QCOMPARE(m_window->LayerDock()->RowOf(layers[1]), 1);

        // The dock edits exactly the selected layer; the row's own times.
        LayerTable()->selectRow(1);
        m_window->LayerDock()->Panel()->m_spinTransparent.setValue(55);
        m_window->LayerDock()->Panel()->m_comboFade.setCurrentIndex(3);
        qobject_cast<QTimeEdit*>(LayerTable()->cellWidget(1, 1))->setTime(QTime(0, 0, 0, 500));
        qobject_cast<QTimeEdit*>(LayerTable()->cellWidget(1, 2))->setTime(QTime(0, 0, 1, 500));
        QCOMPARE(layers[1]->GetLayer()->Transparent, 55);
        QCOMPARE(layers[1]->GetLayer()->Fade, 3);
        QCOMPARE(layers[1]->GetLayer()->StartTime, 500000LL);
        QCOMPARE(layers[1]->GetLayer()->EndTime, 1500000LL);
        QCOMPARE(layers[0]->GetLayer()->Transparent, 100);
        QCOMPARE(layers[0]->GetLayer()->Fade, 0);

        Core* core = Core::instance();
        const QString graph = core->GetCommandArg(0);
        QVERIFY(!graph.isEmpty());
        const QString project = m_dir.path() + "/project";
        answers = QStringList{project};
        Action("actionSave")->trigger();
        QVERIFY(QFileInfo::exists(project) || QFileInfo::exists(project + ".jxo"));
        const QString saved = QFileInfo::exists(project) ? project : project + ".jxo";

        // Close, change things, reopen the row, open the project.
        m_window->close();
        QVERIFY(m_window->isHidden());
        m_window->Scene()->DeleteLayers({layers[0]});
        layers[1]->setPos(5, 5);
        m_window->InitCanvas(m_clip);
        answers = QStringList{saved};
        Action("actionOpen")->trigger();
        QTRY_COMPARE(core->Layers.size(), 3);
        const QList<QWatermarkBase*> opened = core->Layers;
        QCOMPARE(opened[0]->GetLayer()->Type, 2);
        QCOMPARE(opened[0]->pos(), QPointF(30, 40));
        QCOMPARE(opened[0]->GetPosRect(), QRectF(30, 40, 100, 30));
        QCOMPARE(opened[1]->opacity(), 0.55);
        QCOMPARE(opened[1]->GetLayer()->Type, 1);
        QCOMPARE(opened[1]->pos(), QPointF(200, 120));
        QCOMPARE(opened[1]->GetLayer()->Fade, 3);
        QCOMPARE(opened[2]->GetLayer()->Type, 3);
        QCOMPARE(opened[2]->GetLayer()->WordArt.Text, QString("Mark"));
        QCOMPARE(opened[2]->pos(), QPointF(12, 150));
        QCOMPARE(LayerTable()->rowCount(), 3);
        QCOMPARE(m_window->LayerDock()->RowOf(opened[0]), 0);
        QCOMPARE(qobject_cast<QTimeEdit*>(LayerTable()->cellWidget(1, 1))->time(), QTime(0, 0, 0, 500));
        QCOMPARE(core->GetCommandArg(0), graph);

        // A layer moved to a fraction of a pixel is saved at the whole pixel.
        opened[0]->setPos(10.7, 20.2);
        QVERIFY(m_window->SaveProject(saved));
        JxOFile file;
        file.ProjectPath = saved;
        QVERIFY(file.Open());
        QCOMPARE(file.LayerList.size(), 3);
        QCOMPARE(QPoint(file.LayerList[0].x, file.LayerList[0].y), QPoint(10, 20));
        QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join('\n')));
    }

    // The Options dialog's changes show in the layer's row and panel at once.
    void optionsShowInTheDock()
    {
        BoxCloser boxes;
        QStringList answers = {m_png};
        AnswerFiles(m_window.data(), &answers);
        Action("actionAdd_Image")->trigger();
        QCOMPARE(Core::instance()->Layers.size(), 1);
        QWatermarkBase* layer = Core::instance()->Layers.first();
        LayerTable()->selectRow(0);
        layer->setSelected(true);
        QTimer::singleShot(0, this, [] {
            auto* dialog = qobject_cast<LayerDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            dialog->findChild<QSpinBox*>("spinBoxOpacity")->setValue(40);
            dialog->findChild<QTimeEdit*>("timeEditStart")->setTime(QTime(0, 0, 1, 250));
            dialog->accept();
        });
        m_window->Scene()->OnItemOptions();
        QCOMPARE(layer->GetLayer()->Transparent, 40);
        QCOMPARE(m_window->LayerDock()->Panel()->m_spinTransparent.value(), 40);
        QCOMPARE(qobject_cast<QTimeEdit*>(LayerTable()->cellWidget(0, 1))->time(), QTime(0, 0, 1, 250));
        QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join('\n')));
    }

    void failedProjectReadAndSaveAreSaid()
    {
        QVERIFY(m_window->Scene()->AddLayerImage(m_png));
        const QString junk = m_dir.path() + "/junk.jxo";
        QFile file(junk);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\x01\x02 not a project");
        file.close();
        BoxCloser boxes;
        QVERIFY(!m_window->OpenProject(junk));
        QCOMPARE(Core::instance()->Layers.size(), 1);
        QCOMPARE(LayerTable()->rowCount(), 1);
        QVERIFY(m_window->LastMessage().contains("junk.jxo"));
        QVERIFY(!m_window->SaveProject(m_dir.path() + "/no/such/folder/p.jxo"));
        QVERIFY(m_window->LastMessage().contains("p.jxo"));
        QTRY_COMPARE(boxes.texts.size(), 2);
    }

    // Save adds .jxo to every name that does not end in it (Open lists only
    // those), and asks about replacing only the completed name, when that
    // file exists.
    void projectSaveAsksAboutTheFullName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("existing");
        QTest::addColumn<QString>("saved"); // empty: the user kept the existing file
        QTest::newRow("no extension, replacing") << "proj" << "proj.jxo" << "";
        QTest::newRow("language ending, replacing") << "show.fr" << "show.fr.jxo" << "";
        QTest::newRow("language ending") << "movie.en" << "" << "movie.en.jxo";
        QTest::newRow("other extension") << "proj.txt" << "proj.txt" << "proj.txt.jxo";
        QTest::newRow("folder with a dot") << "v1.2/proj" << "" << "v1.2/proj.jxo";
        QTest::newRow("extension typed") << "done.jxo" << "" << "done.jxo";
    }
    void projectSaveAsksAboutTheFullName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, existing);
        QFETCH(QString, saved);
        QTemporaryDir dir(m_dir.path() + "/saveXXXXXX");
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkpath("v1.2"));
        if (!existing.isEmpty()) {
            QFile old(dir.filePath(existing));
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        const auto files = [&dir]() {
            QStringList names;
            QDirIterator it(dir.path(), QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                names << QDir(dir.path()).relativeFilePath(it.next());
            names.sort();
            return names;
        };
        QStringList expected = files();
        if (!saved.isEmpty())
            expected << saved;
        expected.sort();

        // Types the whole path into the name field and clicks Save, which
        // takes the focus from the field; a question about replacing is kept
        // and answered No, which leaves the dialog open to be cancelled. The
        // dialog starts in a folder of the test's own.
        QString asked;
        bool answered = false;
        SubtitleTest::Answer<QFileDialog>([&](QFileDialog* dialog) {
            struct Closer {
                QFileDialog* dialog;
                ~Closer()
                {
                    if (dialog->isVisible())
                        dialog->reject();
                }
            } closer{dialog};
            dialog->setDirectory(m_dir.path());
            QApplication::setActiveWindow(dialog);
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
            QVERIFY(name && buttons && buttons->button(QDialogButtonBox::Save));
            name->setFocus();
            QTRY_VERIFY_WITH_TIMEOUT(name->hasFocus(), 10000);
            QTest::keyClicks(name, dir.filePath(typed));
            QTimer no;
            no.setInterval(10);
            QObject::connect(&no, &QTimer::timeout, [&asked]() {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    asked = box->text();
                    box->button(QMessageBox::No)->click();
                }
            });
            no.start();
            QTest::mouseClick(buttons->button(QDialogButtonBox::Save), Qt::LeftButton);
        }, &answered);
        Action("actionSave")->trigger();
        QVERIFY(answered);

        QCOMPARE(files(), expected);
        if (saved.isEmpty()) {
            QVERIFY2(asked.startsWith(existing + " already exists"), qPrintable(asked));
        } else {
            QVERIFY2(asked.isEmpty(), qPrintable(asked));
            JxOFile project;
            project.ProjectPath = dir.filePath(saved);
            QVERIFY(project.Open());
        }
        if (!existing.isEmpty()) {
            QFile old(dir.filePath(existing));
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), QByteArray("old"));
        }
    }

    // Opening never loses a layer: unreadable pictures stand as placeholders
    // of their saved size, named once in one message (long names cut), and
    // every record is saved again as it was read.
    void projectKeepsEveryLayer()
    {
        const QString text = m_dir.path() + "/notes.txt";
        QFile notes(text);
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("not a picture");
        notes.close();
        const QString longName = "/" + QString(2000000, 'n') + ".png";
        JxOFile original;
        original.ProjectPath = m_dir.path() + "/keep.jxo";
        const auto layer = [](int type, const QString& file, int x, int y, int w, int h, float angle) {
            CLayerInfo l;
            l.Type = type;
            l.FileName = file;
            l.x = x;
            l.y = y;
            l.Width = w;
            l.Height = h;
            l.Angle = angle;
            l.Transparent = 60;
            l.StartTime = 500000;
            return l;
        };
        original.LayerList << layer(2, m_png, 30, 40, 60, 40, 30.0f)
                           << layer(2, "/no/such/logo.png", 10, 20, 120, 80, 45.0f)
                           << layer(2, text, 100, 100, 64, 48, 0.0f) << layer(2, m_video, 5, 5, 50, 50, -20.0f)
                           << layer(1, "/no/such/clip.mp4", 0, 0, 33, 200, 0.0f)
                           << layer(2, longName, 1, 2, 10, 10, 0.0f);
        QVERIFY(original.Save());

        BoxCloser boxes;
        QVERIFY(m_window->OpenProject(original.ProjectPath));
        QTRY_COMPARE(boxes.texts.size(), 1);
        const QList<QWatermarkBase*> layers = Core::instance()->Layers;
        QCOMPARE(layers.size(), 6);
        QCOMPARE(LayerTable()->rowCount(), 6);
        QVERIFY(LayerTable()->selectionModel()->isRowSelected(5, QModelIndex()));
        QCOMPARE(layers[1]->ImageRect().size(), QSizeF(120, 80));
        QCOMPARE(layers[4]->GetPosRect(), QRectF(0, 0, 33, 200));
        QVERIFY(!layers[4]->GetLayer()->Image.isNull());
        const QString message = boxes.texts.first();
        for (const char* named : {"Layer 2: /no/such/logo.png", "Layer 3: ", "Layer 4: ", "Layer 5: /no/such/clip.mp4",
                                  "Layer 6: /nnn"})
            QVERIFY2(message.contains(named), qPrintable(named));
        QVERIFY(!message.contains("Layer 1:"));
        QVERIFY2(message.size() < 3000, qPrintable(QString::number(message.size())));

        const QString saved = m_dir.path() + "/saved.jxo";
        QVERIFY(m_window->SaveProject(saved));
        JxOFile again;
        again.ProjectPath = saved;
        QVERIFY(again.Open());
        QCOMPARE(again.LayerList.size(), 6);
        for (int i = 0; i < 6; ++i) {
            const CLayerInfo& a = original.LayerList.at(i);
            const CLayerInfo& b = again.LayerList.at(i);
            QCOMPARE(b.Type, a.Type);
            QCOMPARE(b.FileName, a.FileName);
            QCOMPARE(QRect(b.x, b.y, b.Width, b.Height), QRect(a.x, a.y, a.Width, a.Height));
            QCOMPARE(b.Angle, a.Angle);
            QCOMPARE(b.Transparent, a.Transparent);
            QCOMPARE(b.StartTime, a.StartTime);
        }
        QFile a(original.ProjectPath);
        QFile b(saved);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        // Saved without the frames its layers were placed on, they were placed on this canvas.
        const QByteArray framed = "</Fade>\n        <FrameWidth>320</FrameWidth>\n        <FrameHeight>240</FrameHeight>\n";
        QCOMPARE(b.readAll(), a.readAll().replace("</Fade>\n", framed));
    }

    // A project's picture replaced by another file: the canvas and the
    // conversion take it alike, as the picture it holds now or not at all.
    void projectPictureReplacedIsTakenAlike_data()
    {
        QTest::addColumn<QStringList>("encoding"); // of the blue picture; none: the green video
        QTest::addColumn<bool>("drawn");
        QTest::newRow("by a video") << QStringList() << false;
        QTest::newRow("by a picture of another kind") << QStringList{"-c:v", "libwebp", "-f", "webp"} << true;
        QTest::newRow("by a GIF") << QStringList{"-f", "gif"} << true;
    }
    void projectPictureReplacedIsTakenAlike()
    {
        QFETCH(QStringList, encoding);
        QFETCH(bool, drawn);
        const QString logo = m_dir.path() + "/logo.png";
        QFile::remove(logo);
        if (encoding.isEmpty())
            QVERIFY(QFile::copy(m_video, logo));
        else
            QVERIFY(TestMedia::RunConverter(QStringList{"-i", m_png, "-frames:v", "1"} + encoding + QStringList{logo}));
        JxOFile project;
        project.ProjectPath = m_dir.path() + "/replaced.jxo";
        CLayerInfo record;
        record.Type = 2;
        record.FileName = logo;
        record.x = 120;
        record.y = 100;
        record.Width = 60;
        record.Height = 40;
        project.LayerList << record;
        QVERIFY(project.Save());

        BoxCloser boxes;
        QVERIFY(m_window->OpenProject(project.ProjectPath));
        QCOMPARE(Core::instance()->Layers.size(), 1);
        const QImage shown = Core::instance()->Layers.first()->GetLayer()->Image;
        ST_ROW_PROBLEM problem;
        const QString graph = Core::instance()->GetCommandArg(0, &problem);
        if (!drawn) {
            QTRY_COMPARE(boxes.texts.size(), 1);
            QVERIFY2(boxes.texts.first().contains("Layer 1: "), qPrintable(boxes.texts.first()));
            QCOMPARE(graph, QString());
            QCOMPARE(problem.text, QString("Cannot read the picture: logo.png"));
            return;
        }
        QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join('\n')));
        QVERIFY(IsBlue(shown.pixelColor(30, 20)));
        QVERIFY2(!graph.isEmpty(), qPrintable(problem.text));
        const QString out = m_dir.path() + "/replaced.png";
        QVERIFY(TestMedia::RunConverter({"-i", m_clip, "-vf", graph, "-frames:v", "1", out}));
        const QRect blue = Box(QImage(out), IsBlue);
        QVERIFY2(Near(blue, QRect(120, 100, 60, 40), 2), qPrintable(Text(blue)));
    }

    // Damaged values leave the layer in place and are named in one message.
    void projectDamagedValuesAreSaid()
    {
        const QString path = m_dir.path() + "/values.jxo";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<Layers><Layer><Type>3</Type><WordArt><Text>ok</Text></WordArt></Layer>"
                   "<Layer><Type>9</Type><FileName>" + m_png.toUtf8() + "</FileName><Animation>7</Animation>"
                   "<x>abc</x></Layer></Layers>");
        file.close();
        BoxCloser boxes;
        QVERIFY(m_window->OpenProject(path));
        QTRY_COMPARE(boxes.texts.size(), 1);
        QVERIFY2(boxes.texts.first().contains("Layer 2: Type, Animation, x"), qPrintable(boxes.texts.first()));
        QVERIFY(!boxes.texts.first().contains("Layer 1"));
        const QList<QWatermarkBase*> layers = Core::instance()->Layers;
        QCOMPARE(layers.size(), 2);
        QCOMPARE(layers[1]->GetLayer()->Type, 2);
        QCOMPARE(layers[1]->GetLayer()->Animation, 7);
        QCOMPARE(layers[1]->pos(), QPointF(0, 0));
    }

    void rotationCodes_data()
    {
        QTest::addColumn<QString>("presses");
        QTest::addColumn<int>("code");
        QTest::newRow("left") << "L" << 2;
        QTest::newRow("left twice") << "LL" << 2;
        QTest::newRow("left right") << "LR" << -1;
        QTest::newRow("right") << "R" << 1;
        QTest::newRow("right twice") << "RR" << 1;
        QTest::newRow("right left") << "RL" << -1;
        QTest::newRow("left right right") << "LRR" << 1;
    }
    void rotationCodes()
    {
        QFETCH(QString, presses);
        QFETCH(int, code);
        for (QChar c : presses)
            Action(c == 'L' ? "actionRotate_left" : "actionRotate_right")->trigger();
        const CLayerInfo* frame = m_window->Scene()->CanvasItem()->GetLayer();
        QCOMPARE(frame->Rotation, code);
        QCOMPARE(Core::instance()->Rows[0].rotate, code);
        const QSize size = code == -1 ? QSize(320, 240) : QSize(240, 320);
        QCOMPARE(QSize(frame->Width, frame->Height), size);
        QCOMPARE(m_window->Scene()->sceneRect(), QRectF(QPointF(0, 0), QSizeF(size)));
        QCOMPARE(m_window->View()->sceneRect(), QRectF(QPointF(0, 0), QSizeF(size)));
    }

    void flipsAndCropWriteBothRecords()
    {
        const CLayerInfo* frame = m_window->Scene()->CanvasItem()->GetLayer();
        ST_OPTS& row = Core::instance()->Rows[0];
        Action("actionFlip_horizontal")->trigger();
        QVERIFY(frame->FlipHorizontal && row.hflip);
        Action("actionFlip_vertical")->trigger();
        QVERIFY(frame->FlipVertical && row.vflip);
        Action("actionFlip_vertical")->trigger();
        QVERIFY(!frame->FlipVertical && !row.vflip);

        // A layer placed at 10 from the bottom-right corner stays there on the turned frame, 3/4 as large.
        QWatermarkBase* logo = m_window->Scene()->AddLayerImage(m_png);
        logo->setPos(250, 190);
        Action("actionRotate_right")->trigger();
        QCOMPARE(logo->GetPosRect(), QRectF(187.5, 282.5, 45, 30));
        // The crop dialog shows the turned frame and its result is written twice.
        QSize shown;
        QTimer::singleShot(0, this, [&]() {
            auto* dialog = qobject_cast<CropDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            shown = dialog->PixelRect().size();
            ST_CROP_THICK crop;
            crop.left = 0.1;
            crop.top = 0.25;
            crop.bottom = 0.25;
            crop.changed = true;
            dialog->OnCrop(crop);
            dialog->accept();
        });
        Action("actionCrop")->trigger();
        QCOMPARE(shown, QSize(240, 320));
        QVERIFY(row.crop && frame->CropOn);
        QCOMPARE(row.cropTop, 0.25);
        QCOMPARE(frame->CropLeft, 0.1);
        QCOMPARE(QSize(frame->Width, frame->Height), QSize(216, 160));
        QCOMPARE(m_window->Scene()->sceneRect(), QRectF(0, 0, 216, 160));
    }

    // The converted first frame of the row is the frame the canvas shows.
    void conversionMatchesTheCanvasFrame()
    {
        Action("actionFlip_horizontal")->trigger();
        Action("actionRotate_left")->trigger();
        ST_CROP_THICK crop;
        crop.left = 0.125;
        crop.bottom = 0.25;
        crop.changed = true;
        m_window->ApplyCrop(crop);
        const QString graph = Core::instance()->GetCommandArg(0);
        QVERIFY(!graph.isEmpty());
        const QString out = m_dir.path() + "/converted.png";
        QVERIFY(TestMedia::RunConverter({"-i", m_clip, "-vf", graph, "-frames:v", "1", out}));
        const QImage converted(out);
        const QImage canvas = m_window->Scene()->CanvasItem()->DisplayedFrame();
        QCOMPARE(converted.size(), canvas.size());
        const QRect a = Box(converted, IsRed);
        const QRect b = Box(canvas, IsRed);
        QVERIFY2(!b.isEmpty() && Near(a, b, 2), qPrintable(Text(a) + " vs " + Text(b)));
    }

    // Every kind of picture the Add Image dialog offers, and kinds "All Files"
    // lets through, becomes a layer with its transparency and is drawn in the
    // output where it stands. The picture: 64 x 48 blue, its left 16 columns
    // transparent where the kind keeps transparency (black where it does not).
    void everyOfferedPictureIsDrawn_data()
    {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QStringList>("encoding");
        QTest::addColumn<bool>("transparent");
        const QString filter = GetImageFileFilter();
        QCOMPARE(filter.count(QStringLiteral(";;")), 1);
        const QRegularExpression pattern(QStringLiteral("\\*\\.([^ )]+)"));
        QStringList offered;
        for (auto m = pattern.globalMatch(filter.section(QStringLiteral(";;"), 0, 0)); m.hasNext();)
            offered << m.next().captured(1);
        QCOMPARE(offered, (QStringList{"png", "webp", "bmp"}));
        // How each kind is made; kinds that keep no transparency without it.
        const QHash<QString, QStringList> encodings = {
            {"webp", {"-pix_fmt", "yuva420p", "-c:v", "libwebp"}},
            {"bmp", {"-pix_fmt", "bgr24"}},
            {"jpg", {"-pix_fmt", "yuvj420p"}},
        };
        const QStringList rgba = {"-pix_fmt", "rgba"};
        const QStringList opaque = {"bmp", "jpg"};
        for (const QString& ext : qAsConst(offered))
            QTest::newRow(qPrintable(ext)) << ext << encodings.value(ext, rgba) << !opaque.contains(ext);
        QVERIFY(filter.section(QStringLiteral(";;"), 1).endsWith(QStringLiteral("(*.*)")));
        QTest::newRow("all files: tif") << "tif" << rgba << true;
        QTest::newRow("all files: sgi") << "sgi" << rgba << true;
        QTest::newRow("all files: jpg") << "jpg" << encodings.value("jpg") << false;
        // The toolkit's reader takes it for its own and cannot decode it.
        QTest::newRow("all files: lossless jpg") << "jpg" << QStringList{"-c:v", "ljpeg", "-pix_fmt", "bgr24"} << false;
    }
    void everyOfferedPictureIsDrawn()
    {
        QFETCH(QString, extension);
        QFETCH(QStringList, encoding);
        QFETCH(bool, transparent);
        const QString made = m_dir.path() + "/made." + extension;
        QVERIFY(TestMedia::RunConverter(QStringList{"-f", "lavfi", "-i",
                                                    "color=c=blue:s=64x48,format=rgba,"
                                                    "geq=r=0:g=0:b='if(lt(X,16),0,255)':a='if(lt(X,16),0,255)'",
                                                    "-frames:v", "1"}
                                        + encoding + QStringList{made}));
        const QString picture = m_dir.path() + "/offered." + extension;
        QFile::remove(picture);
        QVERIFY(QFile::copy(made, picture));
        BoxCloser boxes;
        QStringList answers = {picture};
        AnswerFiles(m_window.data(), &answers);
        {
            // What was opened is what is read: the name holds a pipe then.
            PipeSwap swap(picture);
            Action("actionAdd_Image")->trigger();
            QVERIFY(swap.Pipe() && !swap.Pipe()->WasOpened());
        }
        QVERIFY(QFile::remove(picture) && QFile::copy(made, picture));
        QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join('\n')));
        QCOMPARE(Core::instance()->Layers.size(), 1);
        QWatermarkBase* layer = Core::instance()->Layers.first();
        QCOMPARE(layer->GetLayer()->Type, 2);
        QCOMPARE(layer->GetLayer()->FileName, picture);
        const QImage shown = layer->GetLayer()->Image;
        QCOMPARE(shown.size(), QSize(64, 48));
        QCOMPARE(QSize(layer->GetLayer()->Width, layer->GetLayer()->Height), QSize(64, 48));
        QVERIFY(IsBlue(shown.pixelColor(40, 24)));
        QCOMPARE(shown.pixelColor(8, 24).alpha(), transparent ? 0 : 255);
        layer->setPos(120, 100);

        const QString graph = Core::instance()->GetCommandArg(0);
        QVERIFY(!graph.isEmpty());
        const QString out = m_dir.path() + "/offered-" + extension + ".png";
        QVERIFY(TestMedia::RunConverter({"-i", m_clip, "-vf", graph, "-frames:v", "1", out}));
        const QImage converted(out);
        QCOMPARE(converted.size(), QSize(320, 240));
        const QRect blue = Box(converted, IsBlue);
        QVERIFY2(Near(blue, QRect(136, 100, 48, 48), 2), qPrintable(Text(blue)));
        // The clip's grey shows through the transparent columns.
        const QColor strip = converted.pixelColor(128, 124);
        if (transparent)
            QVERIFY2(qAbs(strip.red() - 128) < 24 && qAbs(strip.blue() - 128) < 24, qPrintable(strip.name()));
        else
            QVERIFY2(strip.red() < 40 && strip.green() < 40 && strip.blue() < 40, qPrintable(strip.name()));
    }

    void subtitlesLoadReadOnly()
    {
        REQUIRE_CORPUS();
        const QString srt = m_dir.path() + "/cues.SRT";
        QFile file(srt);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("1\n00:00:01,500 --> 00:00:03,250\nHello\n\n2\n00:00:04,000 --> 00:00:05,000\nWorld\n");
        file.close();
        QVERIFY(QFile::setPermissions(srt, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        // Root writes to read-only files: an immutable file stands in there.
        bool immutable = false;
        if (geteuid() == 0)
            immutable = QProcess::execute("chattr", {"+i", srt}) == 0;
        QStringList answers = {srt};
        AnswerFiles(m_window.data(), &answers);
        Action("actionAdd_Subtitle")->trigger();
        if (immutable)
            QProcess::execute("chattr", {"-i", srt});
        QStandardItemModel* model = m_window->SubtitleModel();
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(model->item(0, 0)->text(), QString("00:00:01:500"));
        QCOMPARE(model->item(0, 1)->text(), QString("00:00:03:250"));
        QCOMPARE(model->item(0, 2)->text(), QString("Hello"));
        QCOMPARE(model->horizontalHeaderItem(1)->text(), QString("Stop Time"));
        QCOMPARE(Core::instance()->SubtitlePath, srt);
        QCOMPARE(Core::instance()->Rows[0].subtitlePath, srt);
        QVERIFY(Core::instance()->Rows[0].subtitle);

        const QString ass = TestCorpus::SubtitleDir() + "/ass/libass-sub1.ass";
        m_window->OpenSubtitle(ass);
        QCOMPARE(model->rowCount(), Core::instance()->Subtitle.Events.size());
        QVERIFY(model->rowCount() > 0);
        QCOMPARE(m_window->SubtitleStyleNames().size(), Core::instance()->Subtitle.Styles.size());

        m_window->OpenSubtitle(m_dir.path() + "/notes.txt");
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(Core::instance()->SubtitlePath, m_dir.path() + "/notes.txt");

        // A file that cannot be read is said, and leaves an empty table.
        BoxCloser boxes;
        m_window->OpenSubtitle(m_dir.path() + "/missing.srt");
        QCOMPARE(model->rowCount(), 0);
        QTRY_COMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts.first().contains("missing.srt"));

        // Nor is a pipe, opened from the dock, ever waited on.
        FifoGuard pipe(m_dir.path() + "/pipe.srt");
        QVERIFY(pipe.Made());
        answers = QStringList{m_dir.path() + "/pipe.srt"};
        m_window->SubtitlePanel()->Panel()->m_btnOpen->click();
        QTRY_COMPARE(boxes.texts.size(), 2);
        QVERIFY(boxes.texts.last().contains("pipe.srt"));
        QVERIFY(!pipe.WasOpened());
    }

    void closeOnlyHides()
    {
        QVERIFY(m_window->Scene()->AddLayerImage(m_png));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.data()));
        QVERIFY(!m_window->close());
        QVERIFY(m_window->isHidden());
        QCOMPARE(Core::instance()->Layers.size(), 1);
        QVERIFY(m_window->Scene()->CanvasItem());
    }

    void copyTimeCopiesTheShownText()
    {
        m_window->PlayerBar()->m_timeEdit->setTime(QTime(0, 1, 2, 345));
        m_window->PlayerBar()->m_btnCopyTime->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("00:01:02:345"));
    }

    // Play, pause (the paused picture goes on the canvas, turned as the
    // conversion turns it), play, stop.
    void previewStates()
    {
        Action("actionFlip_horizontal")->trigger();
        Action("actionRotate_left")->trigger();
        QWatermarkBase* layer = m_window->Scene()->AddLayerImage(m_png);
        QVERIFY(layer);
        layer->setPos(150, 200); // clear of the red box
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.data()));
        QCanvasItem* frame = m_window->Scene()->CanvasItem();
        // Paint the stored frame black: the paused picture must replace it.
        frame->GetLayer()->Image.fill(Qt::black);
        frame->ItemUpdate();

        int step = 0;
        bool viewHiddenWhilePlaying = false, pictureOnCanvas = false, viewShownWhilePaused = false;
        bool sliderEnabled = false, hostCentred = false;
        int areaWidth = 0;
        QTimer driver;
        QElapsedTimer clock;
        clock.start();
        connect(&driver, &QTimer::timeout, this, [&]() {
            if (clock.elapsed() > 20000) {
                m_window->OnStop();
                return;
            }
            switch (step) {
            case 0:
                if (JxPlayerGetPosition() > 200000) {
                    viewHiddenWhilePlaying = m_window->View()->isHidden() && !m_window->PlayerArea()->isHidden();
                    sliderEnabled = m_window->PlayerBar()->m_slider->isEnabled();
                    areaWidth = m_window->PlayerArea()->width();
                    m_window->resize(1200, 760);
                    step = 10;
                }
                break;
            case 10:
                // Resized while playing: the picture stays centred in its area.
                if (m_window->PlayerArea()->width() != areaWidth) {
                    const QPoint offset = m_window->PlayerHost()->geometry().center()
                        - m_window->PlayerArea()->rect().center();
                    hostCentred = qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2;
                    m_window->PlayerBar()->m_btnPlay->click();
                    step = 1;
                }
                break;
            case 1:
                pictureOnCanvas = IsRed(frame->GetLayer()->Image.pixelColor(10, 10));
                viewShownWhilePaused = !m_window->View()->isHidden() && !m_window->IsPlaying();
                m_window->PlayerBar()->m_btnPlay->click();
                step = 2;
                break;
            case 2:
                if (m_window->IsPlaying() && m_window->View()->isHidden()) {
                    m_window->PlayerBar()->m_btnStop->click();
                    step = 3;
                }
                break;
            default:
                break;
            }
        });
        driver.start(20);
        m_window->PlayerBar()->m_btnPlay->click();
        driver.stop();
        QCOMPARE(step, 3);
        QVERIFY(viewHiddenWhilePlaying);
        QVERIFY(sliderEnabled);
        QVERIFY(hostCentred);
        QVERIFY(pictureOnCanvas);
        QVERIFY(viewShownWhilePaused);
        QVERIFY(m_window->IsPreviewIdle());
        QVERIFY(!m_window->View()->isHidden());
        QVERIFY(!m_window->PlayerBar()->m_slider->isEnabled());
        QCOMPARE(m_window->PlayerBar()->m_btnPlay->toolTip(), QString("Play"));

        const QString out = m_dir.path() + "/turned.png";
        QVERIFY(TestMedia::RunConverter({"-i", m_clip, "-vf", Core::instance()->GetCommandArg(0), "-frames:v", "1", out}));
        const QRect converted = Box(QImage(out), IsRed);
        const QRect paused = Box(frame->DisplayedFrame(), IsRed);
        QVERIFY(!converted.isEmpty());
        QVERIFY2(Near(converted, paused, 2), qPrintable(Text(converted) + " vs " + Text(paused)));
    }

    // The play flag and the player are shared: closing or stopping the idle
    // editor leaves another owner's preview playing.
    void idleEditorLeavesAnotherPreview()
    {
        StopOwner other;
        QWidget host;
        bool stillPlaying = false;
        QTimer driver;
        QElapsedTimer clock;
        clock.start();
        connect(&driver, &QTimer::timeout, this, [&]() {
            if (JxPlayerGetPosition() > 200000 || clock.elapsed() > 20000) {
                m_window->close();
                m_window->PlayerBar()->m_btnStop->click();
                stillPlaying = g_nPlayWindow == 1 && JxPlayerGetPlayState() == 1;
                other.OnStop();
            }
        });
        driver.start(20);
        g_nPlayWindow = 1;
        const QByteArray clip = m_clip.toUtf8();
        JxPlayerStart(clip.constData(), &host, &other, nullptr, 0, 0, 320, 240);
        driver.stop();
        QVERIFY(stillPlaying);
        QVERIFY(m_window->IsPreviewIdle());
    }

    // Starts that cannot play come back idle with the controls reset.
    void unplayableSourcesReturnToIdle_data()
    {
        QTest::addColumn<QString>("broken");
        QTest::newRow("missing source") << "source";
        QTest::newRow("missing layer file") << "layer";
        QTest::newRow("no canvas") << "canvas";
    }
    void unplayableSourcesReturnToIdle()
    {
        QFETCH(QString, broken);
        const QString copy = m_dir.path() + "/gone.mp4";
        QFile::remove(copy);
        QVERIFY(QFile::copy(m_clip, copy));
        const QString png = m_dir.path() + "/gone.png";
        QFile::remove(png);
        QVERIFY(QFile::copy(m_png, png));
        BoxCloser boxes;
        if (broken == "canvas") {
            m_window.reset(new EditorMainWindow);
        } else {
            Core::instance()->Rows[0].path = copy;
            m_window->InitCanvas(copy);
            QVERIFY(m_window->Scene()->AddLayerImage(png));
            QFile::remove(broken == "source" ? copy : png);
        }
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, m_window.data(), &EditorMainWindow::OnStop);
        watchdog.start(20000);
        m_window->PlayerBar()->m_btnPlay->click();
        QVERIFY2(watchdog.isActive(), "the start had to be stopped from outside");
        QVERIFY(m_window->IsPreviewIdle());
        QCOMPARE(g_nPlayWindow, 0);
        QVERIFY(!m_window->PlayerBar()->m_slider->isEnabled());
        QCOMPARE(m_window->PlayerBar()->m_btnPlay->toolTip(), QString("Play"));
        QVERIFY(!m_window->View()->isHidden());
        if (broken == "canvas")
            QTRY_COMPARE(boxes.texts.size(), 1);
        // nothing plays without the layer: the user hears why
        if (broken == "layer")
            QTRY_COMPARE(boxes.texts, QStringList{"File missing: " + png});
    }
};

QTEST_MAIN(TestEditorWindow)
#include "tst_editorwindow.moc"
