#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

namespace marvane {

// The bar along the bottom of the main window, shown until the user answers it, that says the
// calendar will be painted over their wallpaper at every log-on and after midnight: Keep, or
// Turn off the log-on run.
class LogonNotice : public QFrame
{
    Q_OBJECT

public:
    explicit LogonNotice(QWidget *parent = nullptr);
    // `picture`: the file under the calendar, empty for the desktop colour.
    void showFor(const QString &picture);

Q_SIGNALS:
    void kept();
    void turnedOff();

private:
    QLabel *m_noticeLabel = nullptr;
    QPushButton *m_keepButton = nullptr;
    QPushButton *m_turnOffButton = nullptr;
};

} // namespace marvane
