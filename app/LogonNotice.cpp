#include "app/LogonNotice.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace marvane {

using namespace Qt::StringLiterals;

LogonNotice::LogonNotice(QWidget *parent) : QFrame(parent)
{
    setObjectName(u"logonNotice"_s);
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(255, 250, 205));
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    m_noticeLabel = new QLabel(this);
    m_noticeLabel->setObjectName(u"noticeLabel"_s);
    m_noticeLabel->setWordWrap(true);
    m_keepButton = new QPushButton(tr("&Keep"), this);
    m_keepButton->setObjectName(u"keepButton"_s);
    m_turnOffButton = new QPushButton(tr("Turn o&ff"), this);
    m_turnOffButton->setObjectName(u"turnOffButton"_s);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(8, 4, 8, 4);
    row->addWidget(m_noticeLabel, 1);
    row->addWidget(m_keepButton);
    row->addWidget(m_turnOffButton);
    connect(m_keepButton, &QPushButton::clicked, this, [this] {
        hide();
        Q_EMIT kept();
    });
    connect(m_turnOffButton, &QPushButton::clicked, this, [this] {
        hide();
        Q_EMIT turnedOff();
    });
    hide();
}

void LogonNotice::showFor(const QString &picture)
{
    const QString over = picture.isEmpty() ? tr("the desktop colour") : QFileInfo(picture).fileName();
    m_noticeLabel->setText(tr("At every log-on and after midnight, Marvane paints the calendar over %1 "
                              "and makes it your wallpaper.").arg(over));
    show();
}

} // namespace marvane
