#include "app/AboutDialog.h"

#include "app/AppIcon.h"
#include "app/Help.h"
#include "widgets/FormControls.h"
#include "platform/Fonts.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>


namespace marvane {

namespace {

using namespace Qt::StringLiterals;

QFont verdana(double points, bool bold, bool underline)
{
    return Fonts::font(FontSpec{u"verdana"_s, points, bold, false, underline});
}

} // namespace

const QString &AboutDialog::webSite()
{
    static const QString site = u"https://www.marvane.example/"_s;
    return site;
}

const QString &AboutDialog::supportAddress()
{
    static const QString address = u"support@marvane.example"_s;
    return address;
}

AboutDialog::AboutDialog(UrlOpener open, QWidget *parent)
    : FormDialog(u"aboutDialog"_s, tr("About Marvane"), parent), m_open(std::move(open))
{
    using controls::label;

    m_okButton = controls::button(content(), u"okButton"_s, tr("OK"));
    m_nameLabel = label(content(), u"nameLabel"_s, u"Marvane 1.0"_s);
    m_nameLabel->setFont(verdana(9.75, true, false));
    m_nameLabel->adjustSize();
    m_descriptionLabel = new QLabel(
        tr("This free software adds a calendar to your screen's desktop. And you may also arrange and "
           "include your to-do-list."),
        content());
    m_descriptionLabel->setObjectName(u"descriptionLabel"_s);
    m_descriptionLabel->setMinimumWidth(201);
    m_descriptionLabel->setWordWrap(true);
    m_descriptionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_webSiteCaption = label(content(), u"webSiteCaption"_s, tr("Website:"));
    m_supportCaption = label(content(), u"supportCaption"_s, tr("Support:"));
    m_supportAddressLabel = new QLabel(supportAddress(), content());
    m_supportAddressLabel->setObjectName(u"supportAddressLabel"_s);

    m_supportAddressLabel->setFont(verdana(8.25, false, false));
    // Shown without its scheme and trailing slash, as people write it.
    m_webSiteLink = new QLabel(QUrl(webSite()).host(), content());
    m_webSiteLink->setObjectName(u"webSiteLink"_s);

    m_webSiteLink->setFont(verdana(8.25, false, true));
    QPalette blue = m_webSiteLink->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    m_webSiteLink->setPalette(blue);
    m_webSiteLink->setCursor(Qt::PointingHandCursor);
    m_webSiteLink->installEventFilter(this);
    m_iconLabel = new QLabel(content());
    m_iconLabel->setObjectName(u"iconLabel"_s);
    m_iconLabel->setFixedSize(32, 32);
    m_iconLabel->setPixmap(QPixmap::fromImage(AppIcon::image(devicePixelRatio())));
    m_iconLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    layOut();
    m_okButton->setFocus();
    connect(m_okButton, &QPushButton::clicked, this, &AboutDialog::accept);
}

// The icon on the left, the name and description beside it, the web site and support address
// below them, OK at the top right.
void AboutDialog::layOut()
{
    auto *grid = new QGridLayout(content());
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(10);
    grid->setColumnMinimumWidth(0, 48);
    grid->addWidget(m_iconLabel, 0, 0, 2, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(m_nameLabel, 0, 1, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(m_descriptionLabel, 1, 1, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(m_webSiteCaption, 2, 1);
    grid->addWidget(m_webSiteLink, 2, 2);
    grid->addWidget(m_supportCaption, 3, 1);
    grid->addWidget(m_supportAddressLabel, 3, 2);
    grid->setColumnMinimumWidth(3, 15);
    grid->addWidget(m_okButton, 0, 4, Qt::AlignTop);
    grid->setRowStretch(4, 1);
}

bool AboutDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_webSiteLink && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        openWebSite();
        return true;
    }
    return FormDialog::eventFilter(watched, event);
}

void AboutDialog::openWebSite()
{
    if (!m_open(QUrl(webSite())))
        Help::reportOpenFailure(this, Message::plain(webSite()),
                                Message::of("AboutDialog", QT_TRANSLATE_NOOP("AboutDialog", "no web browser is "
                                                                                            "installed, or it did not start")));
}

} // namespace marvane
