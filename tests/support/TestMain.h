#pragma once

#include "platform/WriteError.h"
#include "tests/support/IsolatedEnvironment.h"

#include <QApplication>
#include <QLocale>
#include <QTest>

// Like QTEST_MAIN, but inside an isolated HOME / XDG / D-Bus / display and a pinned locale.
#define MARVANE_TEST_MAIN(TestObject)                                                                        \
    int main(int argc, char *argv[])                                                                         \
    {                                                                                                        \
        marvane::test::IsolatedEnvironment isolated;                                                         \
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));                               \
        QApplication app(argc, argv);                                                                        \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                             \
        TestObject tc;                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }

// A write that must succeed; its reason is shown when it does not.
#define MARVANE_VERIFY_WRITE(expression)                                                                     \
    do {                                                                                                     \
        const marvane::WriteError writeError_ = (expression);                                                \
        QVERIFY2(!writeError_, qPrintable(writeError_.message()));                                           \
    } while (false)
