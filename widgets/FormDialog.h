#pragma once

#include <QDialog>

namespace marvane {

// A modal window laid out in fixed pixels with the forms' own font, and with no default or cancel
// button: Enter and Escape act only on the control that has the focus.
class FormDialog : public QDialog
{
    Q_OBJECT

public:
    FormDialog(const QString &objectName, const QString &caption, QSize clientSize, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace marvane
