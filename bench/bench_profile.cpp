// The twelve ini::readString calls of one refresh on an eleven-year todolist.ini (4,000 dates, twelve
// items each), beside twelve plain reads of the whole file into memory.
#include "bench/BenchTimer.h"
#include "bench/TodoFixture.h"
#include "ini/IniStrings.h"
#include "tests/support/IniReads.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

using namespace marvane;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("todolist.ini"));
    const QDate last(2026, 12, 7);
    const QString lastKey = QStringLiteral("2026-12-7");
    if (!bench::writeElevenYears(path, last))
        return 2;
    const qint64 bytes = QFileInfo(path).size();

    // Today's section is the newest, at the end: the whole file is scanned.
    const auto [reads, plain] = bench::pairedMedianMs(
        [&] {
            for (int n = 1; n <= 12; ++n)
                (void)marvane::test::readString(lastKey, QStringLiteral("TODO%1").arg(n), QString(), path);
        },
        [&] {
            for (int n = 1; n <= 12; ++n) {
                QFile in(path);
                (void)in.open(QIODevice::ReadOnly);
                (void)in.readAll();
            }
        });
    const double ratio = reads / plain;
    std::printf("todolist.ini %lld bytes: 12 ini::readString %.3f ms; 12 plain reads %.3f ms; ratio %.2f (goal <= 2: %s)\n",
                static_cast<long long>(bytes), reads, plain, ratio, ratio <= 2.0 ? "met" : "MISSED");
    return ratio <= 2.0 ? 0 : 1;
}
