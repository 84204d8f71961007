// bench_equipment_screens FOLDER summary|total|export: opens one inventory screen over the
// "Attrezzature.pro" of FOLDER as the editor opens it (filled on showing, then painted), five
// times; prints the times, the rows shown and the process's peak memory.
#include "archive/ui/ResultList.h"
#include "equipment/ui/ExpAttrezzature.h"
#include "equipment/ui/ExportScreen.h"
#include "equipment/ui/Summaries.h"
#include "foundation/Formats.h"
#include "foundation/ProgramFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTableView>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

// The peak resident memory of the process so far, in MB (VmHWM).
double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// Shows a fresh screen, lets it fill, paints it; returns the seconds and the rows shown.
template <typename Screen>
double showOnce(const std::function<qsizetype(Screen &)> &rows, qsizetype *shown)
{
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<Screen> screen(new Screen(nullptr));
    screen->show();
    screen->repaint();
    QApplication::processEvents();
    const double s = timer.nsecsElapsed() / 1e9;
    *shown = rows(*screen);
    screen->close();
    return s;
}

template <typename Screen>
int measure(const char *what, const std::function<qsizetype(Screen &)> &rows)
{
    const double before = peakMegabytes();
    double best = 1e9;
    qsizetype shown = 0;
    for (int run = 1; run <= 5; ++run) {
        const double s = showOnce<Screen>(rows, &shown);
        best = qMin(best, s);
        std::printf("  %s run %d: %.4f s\n", what, run, s);
    }
    std::printf("%-40s %8.4f s   (goal: within 1) for %lld rows\n", (QByteArray(what) + ", best of 5:").constData(),
                best, static_cast<long long>(shown));
    std::printf("%-40s %8.1f MB (%.1f MB before the first screen)\n", "Peak memory of the process:", peakMegabytes(),
                before);
    return 0;
}

qsizetype listRows(SummaryScreen &screen) { return screen.panRiepilogo->lstRecords->count(); }

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "uso: bench_equipment_screens CARTELLA summary|total|export\n");
        return 2;
    }
    ProgramFolder::set(QString::fromLocal8Bit(argv[1]));
    Formats::apply();
    Formats::setToday(QDate(2030, 1, 1)); // every revision not done is due
    const QByteArray what = argv[2];
    if (what == "summary")
        return measure<TfrmScadenze>("Revision summary shown", [](TfrmScadenze &s) { return listRows(s); });
    if (what == "total")
        return measure<TfrmValoreTotale>("Total value shown", [](TfrmValoreTotale &s) { return listRows(s); });
    if (what == "export")
        return measure<TfrmExpAttrezzature>("Export grid shown",
                                            [](TfrmExpAttrezzature &s) { return qsizetype(s.grid()->rowCount()); });
    std::fprintf(stderr, "uso: bench_equipment_screens CARTELLA summary|total|export\n");
    return 2;
}
