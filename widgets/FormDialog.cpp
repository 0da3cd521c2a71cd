#include "widgets/FormDialog.h"

#include "platform/Fonts.h"

#include <QKeyEvent>

namespace marvane {

FormDialog::FormDialog(const QString &objectName, const QString &caption, QSize clientSize, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setFixedSize(clientSize);
    setFont(Fonts::formFont());
}

void FormDialog::keyPressEvent(QKeyEvent *event)
{
    // A focused button takes Enter itself before it gets here; what arrives came from elsewhere.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace marvane
