// The time a test program takes against another build of it (an earlier
// commit's, built the same way): both run in the same loop, the order swapped
// every pair, each run in a home of its own, off screen, as CI runs them;
// min/median/max of the ratios.
//
//   ./bench_testprograms <program> <reference program> [pairs]   (default 5)
#include "BenchKit.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {

// Seconds one run takes, or -1 when it fails.
double Run(const QString& program)
{
    QTemporaryDir home;
    const QString runtime = home.filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    QProcess child;
    child.setProcessEnvironment(env);
    child.setWorkingDirectory(QFileInfo(program).absolutePath());
    child.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer clock;
    clock.start();
    child.start(program, {QStringLiteral("-silent")});
    const bool ended = child.waitForFinished(-1);
    const QByteArray said = child.readAll();
    const double seconds = clock.nsecsElapsed() / 1e9;
    if (!ended || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        std::fprintf(stderr, "%s failed:\n%s\n", qPrintable(program), said.right(4000).constData());
        return -1;
    }
    return seconds;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <program> <reference program> [pairs]\n", argv[0]);
        return 2;
    }
    const QString program = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString reference = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    const int pairs = argc > 3 ? qMax(1, atoi(argv[3])) : 5;
    std::vector<double> ratios;
    for (int pair = 0; pair < pairs; ++pair) {
        double ours = -1, theirs = -1;
        BenchKit::RunPair(pair, [&] { ours = Run(program); }, [&] { theirs = Run(reference); });
        if (ours < 0 || theirs < 0)
            return 1;
        ratios.push_back(ours / theirs);
        std::printf("pair %2d: %.2f s against %.2f s\n", pair, ours, theirs);
        std::fflush(stdout);
    }
    BenchKit::PrintSpread("time over the reference's", ratios);
    return 0;
}
