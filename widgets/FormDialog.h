#pragma once

#include <QDialog>

class QScrollArea;

namespace marvane {

// A modal window in the forms' own font, with no default or cancel button: Enter and Escape act
// only on the control that has the focus. Its controls live on content(), which the dialog lays
// out; where the screen is too small for it the window shrinks to fit and scrolls.
class FormDialog : public QDialog
{
    Q_OBJECT

public:
    FormDialog(const QString &objectName, const QString &caption, QWidget *parent);

    QWidget *content() const { return m_content; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QScrollArea *m_scrollArea = nullptr;
    QWidget *m_content = nullptr;
};

} // namespace marvane
