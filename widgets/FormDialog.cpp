#include "widgets/FormDialog.h"

#include "platform/Fonts.h"
#include "widgets/ScreenFit.h"

#include <QKeyEvent>
#include <QScrollArea>
#include <QVBoxLayout>

namespace marvane {

FormDialog::FormDialog(const QString &objectName, const QString &caption, QWidget *parent) : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setFont(Fonts::formFont());
    m_scrollArea = new QScrollArea;
    m_scrollArea->setObjectName(QStringLiteral("scrollArea"));
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setFocusPolicy(Qt::NoFocus);
    m_scrollArea->setWidgetResizable(true);
    m_content = new QWidget;
    m_content->setObjectName(QStringLiteral("content"));
    m_scrollArea->setWidget(m_content);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scrollArea);
}

void FormDialog::showEvent(QShowEvent *event)
{
    // As large as the controls want, never larger; smaller where the screen is.
    const QSize wanted = m_content->sizeHint().expandedTo(m_content->minimumSizeHint());
    setMaximumSize(wanted);
    fitToScreen(this, wanted);
    QDialog::showEvent(event);
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
