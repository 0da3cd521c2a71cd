#include "widgets/FormDialog.h"

#include "platform/Fonts.h"
#include "widgets/ScreenFit.h"

#include <QKeyEvent>
#include <QScrollArea>

namespace marvane {

FormDialog::FormDialog(const QString &objectName, const QString &caption, QSize clientSize, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setFont(Fonts::formFont());
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setObjectName(QStringLiteral("scrollArea"));
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setFocusPolicy(Qt::NoFocus);
    m_content = new QWidget;
    m_content->setObjectName(QStringLiteral("content"));
    m_content->setFixedSize(clientSize);
    m_scrollArea->setWidget(m_content);
    setMaximumSize(clientSize);
    resize(clientSize);
}

void FormDialog::showEvent(QShowEvent *event)
{
    fitToScreen(this, maximumSize());
    QDialog::showEvent(event);
}

void FormDialog::resizeEvent(QResizeEvent *event)
{
    m_scrollArea->setGeometry(rect());
    QDialog::resizeEvent(event);
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
