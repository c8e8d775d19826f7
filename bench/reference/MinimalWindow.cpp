// The reference of the start-up benchmark: a plain Qt Widgets window with a
// tool bar and a table, and nothing of ours. Started with --first-paint it
// prints the monotonic clock (ns) once its first paint is over, and, with
// --idle-memory as well, its resident memory (kB) a second later.
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QMainWindow>
#include <QTableWidget>
#include <QToolBar>

#include "StartupFigures.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    QToolBar* bar = window.addToolBar(QStringLiteral("Main"));
    for (const char* name : {"Add", "Delete", "Run", "Stop", "Options"})
        bar->addAction(QString::fromLatin1(name));
    auto* table = new QTableWidget(0, 3, &window);
    table->setHorizontalHeaderLabels({QStringLiteral("Source File"), QStringLiteral("File Size"), QStringLiteral("Status")});
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    window.setCentralWidget(table);
    window.resize(1024, 700);
    StartupFigures::ReportStart(&window, QCoreApplication::arguments().contains(QStringLiteral("--idle-memory")));
    window.show();
    return app.exec();
}
