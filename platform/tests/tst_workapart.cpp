#include "platform/WorkApart.h"
#include "tests/support/TestMain.h"

#include <QObject>

#include <csignal>
#include <cstdlib>
#include <vector>

using namespace marvane;
using namespace std::chrono_literals;

namespace {

enum class Work { Pieces, Fails, Crashes, Sleeps, MakesTooMuch, TakesTooMuchMemory };

Result<bool> doWork(Work work, const ApartSend &send)
{
    const QByteArray piece(1 << 20, 'x');
    switch (work) {
    case Work::Pieces:
        return send("head") && send(piece) && send(QByteArrayView("\1\0tail", 6));
    case Work::Fails:
        send(piece); // what was sent before the failure is not taken for the answer
        return fail(QStringLiteral("/x/picture.svg"), QStringLiteral("cannot read /x/picture.svg: damaged"));
    case Work::Crashes:
        std::signal(SIGABRT, SIG_DFL); // not the test's own handler
        std::abort();
    case Work::Sleeps:
        for (;;)
            QThread::sleep(1);
    case Work::MakesTooMuch:
        return send(piece) && send(piece) && send(piece);
    case Work::TakesTooMuchMemory: {
        std::vector<QByteArray> held;
        for (int i = 0; i < 64; ++i)
            held.emplace_back(8 << 20, 'm');
        return true;
    }
    }
    return false;
}

} // namespace

class TestWorkApart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The child's bytes come back whole; whatever keeps it from ending well is its failure, and
    // the parent is never left waiting past the time allowed.
    void answers_data()
    {
        QTest::addColumn<int>("work");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("reason");
        QTest::newRow("pieces") << int(Work::Pieces) << QString() << QString();
        QTest::newRow("its own failure") << int(Work::Fails) << QStringLiteral("/x/picture.svg")
                                         << QStringLiteral("cannot read /x/picture.svg: damaged");
        QTest::newRow("a crash") << int(Work::Crashes) << QString() << QStringLiteral("it failed");
        QTest::newRow("past its time") << int(Work::Sleeps) << QString() << QStringLiteral("it took longer than 0.3 s");
        QTest::newRow("past its size") << int(Work::MakesTooMuch) << QString() << QStringLiteral("it made more than 2 MB");
#ifndef __SANITIZE_ADDRESS__
        QTest::newRow("past its memory") << int(Work::TakesTooMuchMemory) << QString()
                                         << QStringLiteral("it needs more memory than is allowed");
#endif
    }
    void answers()
    {
        QFETCH(int, work);
        QFETCH(QString, subject);
        QFETCH(QString, reason);
        const ApartBounds bounds{300ms, qint64(64) << 20, qint64(2) << 20};
        const Result<QByteArray> got = doApart([work](const ApartSend &send) { return doWork(Work(work), send); }, bounds);
        if (reason.isEmpty()) {
            QVERIFY2(got, qPrintable(test::messageOf(got)));
            QCOMPARE(*got, "head" + QByteArray(1 << 20, 'x') + QByteArray("\1\0tail", 6));
            return;
        }
        QVERIFY(!got);
        QCOMPARE(got.error().subject(), subject);
        QVERIFY2(got.error().reason().startsWith(reason), qPrintable(got.error().reason()));
    }
};

MARVANE_TEST_MAIN(TestWorkApart)
#include "tst_workapart.moc"
