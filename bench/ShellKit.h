#pragma once
// What the benchmarks of the main window share.
#include "BenchKit.h"

#include "Core.h"
#include "MainWindow.h"

#include <QAction>
#include <QTableWidget>

namespace ShellKit {

// Adds the files of `folder` through a new main window's Add Folder action,
// timing until all `count` rows are in and the last one is selected, and
// then until `then` (when given, called on each turn of the loop) is done
// with the window.
inline BenchKit::Timed AddThroughWindow(const QString& folder, int count,
                                        const std::function<bool(MainWindow&)>& then = {})
{
    Core::instance()->Rows.clear();
    MainWindow window;
    window.resize(1280, 800);
    window.show();
    QCoreApplication::processEvents();
    MainWindow::SetFileQuestion([folder](const QString&, const QString&, bool) { return QStringList{folder}; });
    auto* table = window.findChild<QTableWidget*>(QStringLiteral("tableWidget"));
    QAction* add = window.findChild<QAction*>(QStringLiteral("actionAddFolder"));
    bool added = false;
    const BenchKit::Timed t = BenchKit::RunAndWatch([add] { add->trigger(); }, [&] {
        added = added || (table->rowCount() == count && table->currentRow() == count - 1);
        return added && (!then || then(window));
    });
    MainWindow::SetFileQuestion({});
    Core::instance()->Rows.clear();
    return t;
}

} // namespace ShellKit
