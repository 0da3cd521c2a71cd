#pragma once

#include "platform/Result.h"
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

namespace marvane::test {

// What a result's failure says, empty when it succeeded.
inline QString reasonOf(const Result<> &result)
{
    return result.has_value() ? QString() : result.error().reason();
}
template <typename T>
QString messageOf(const Result<T> &result)
{
    return result.has_value() ? QString() : result.error().message();
}

} // namespace marvane::test

// A write that must succeed; its reason is shown when it does not.
#define MARVANE_VERIFY_WRITE(expression)                                                                     \
    do {                                                                                                     \
        const marvane::Result<> result_ = (expression);                                                      \
        QVERIFY2(result_.has_value(), qPrintable(marvane::test::messageOf(result_)));                        \
    } while (false)
