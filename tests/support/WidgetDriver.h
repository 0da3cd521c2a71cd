#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QTest>

namespace marvane::test {

// A window's control by its object name, as a user finds it by its caption; a missing one ends
// the test run with its name rather than a null dereference later.
template <typename T> T *child(const QObject *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

// Shows a window and makes it the active one, so that focus and typed keys reach it.
inline bool showActive(QWidget *window)
{
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

// Replaces a box's text by typing, as a user would.
inline void retype(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// Answers the next message box with OK as soon as it shows, and keeps its text in `text`.
inline void answerNextMessageBox(QString *text)
{
    QTimer::singleShot(0, [text] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return answerNextMessageBox(text); // not shown yet
        *text = box->text();
        box->accept();
    });
}

// Answers the next message box with `button` as soon as it shows, and keeps its text in `text`.
inline void answerNextQuestion(QString *text, QMessageBox::StandardButton button)
{
    QTimer::singleShot(0, [text, button] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return answerNextQuestion(text, button); // not shown yet
        *text = box->text();
        box->button(button)->click();
    });
}

// What Tab misses or visits twice in `window`, starting from the focus: every enabled, visible
// control that takes Tab is reached once before the focus comes back. Empty when all is well.
inline QString tabCycleFaults(QWidget *window)
{
    QWidget *const start = QApplication::focusWidget();
    QList<QWidget *> seen{start};
    for (int i = 0; i < 200; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == start)
            break;
        if (seen.contains(QApplication::focusWidget()))
            return QStringLiteral("%1 comes twice").arg(QApplication::focusWidget()->objectName());
        seen << QApplication::focusWidget();
    }
    for (QWidget *w : window->findChildren<QWidget *>())
        if (w->isVisibleTo(window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() &&
            !seen.contains(w))
            return QStringLiteral("%1 is never reached").arg(w->objectName());
    return {};
}

} // namespace marvane::test
