#pragma once
// What the benchmark programs share: the widget application they run in, and
// long subtitle documents.
#include <benchmark/benchmark.h>

#include "SubtitleParser.h"

#include <QApplication>
#include <functional>

namespace BenchKit {

inline void QuietLog(QtMsgType, const QMessageLogContext&, const QString&) {}

// Runs the registered benchmarks in a widget application, off screen unless a
// platform is chosen, with Qt's log silenced: debug lines would measure the
// terminal. `setup` runs once the application exists.
inline int RunQuiet(int& argc, char** argv, const std::function<void()>& setup = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietLog);
    QApplication app(argc, argv);
    if (setup)
        setup();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

// `count` events of style 1, one every `every` milliseconds and `length`
// long, their text `pattern` with the event's number for %1.
inline void FillEvents(SubtitleParser& doc, int count, qint64 every, qint64 length, const QString& pattern)
{
    doc.Events.clear();
    for (int i = 0; i < count; ++i) {
        ST_ASS_EVENT e;
        e.Start = i * every;
        e.End = i * every + length;
        e.Style = 1;
        e.Text = pattern.arg(i);
        doc.Events.append(e);
    }
}

} // namespace BenchKit
