#include "frmAbout.h"

#include "AppIcon.h"
#include "Controls.h"
#include "Fonts.h"
#include "Twips.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <cstdio>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

QFont verdana(double points, bool bold, bool underline)
{
    return Fonts::font(FontSpec{u"verdana"_s, points, bold, false, underline});
}

} // namespace

const QString &frmAbout::webSite()
{
    static const QString site = u"https://www.marvane.example/"_s;
    return site;
}

const QString &frmAbout::supportAddress()
{
    static const QString address = u"support@marvane.example"_s;
    return address;
}

frmAbout::frmAbout(UrlOpener open, QWidget *parent)
    : FormDialog(u"frmAbout"_s, u"About Marvane"_s, QSize(twips(6030), twips(3195)), parent),
      m_open(std::move(open))
{
    using controls::label;

    OKButton = controls::button(this, u"OKButton"_s, u"OK"_s, twipsRect(4560, 240, 1215, 375));
    Label1 = label(this, u"Label1"_s, u"Marvane 1.0"_s, {twips(1080), twips(240)});
    Label1->setFont(verdana(9.75, true, false));
    Label1->adjustSize();
    Label2 = new QLabel(
        u"This free software adds a calendar to your screen's desktop. And you may also arrange and "
        "include your to-do-list."_s,
        this);
    Label2->setObjectName(u"Label2"_s);
    Label2->setGeometry(twipsRect(1080, 720, 3015, 735));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3[0] = label(this, u"Label3(0)"_s, u"Website:"_s, {twips(1080), twips(1680)});
    Label3[1] = label(this, u"Label3(1)"_s, u"Support:"_s, {twips(1080), twips(2040)});
    Label4 = new QLabel(supportAddress(), this);
    Label4->setObjectName(u"Label4"_s);
    Label4->setGeometry(twipsRect(1920, 2040, 2385, 195));
    Label4->setFont(verdana(8.25, false, false));
    // Shown without its scheme and trailing slash, as people write it.
    Label5 = new QLabel(QUrl(webSite()).host(), this);
    Label5->setObjectName(u"Label5"_s);
    Label5->setGeometry(twipsRect(1920, 1680, 2610, 195));
    Label5->setFont(verdana(8.25, false, true));
    QPalette blue = Label5->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    Label5->setPalette(blue);
    Label5->setCursor(Qt::PointingHandCursor);
    Label5->installEventFilter(this);
    Image1 = new QLabel(this);
    Image1->setObjectName(u"Image1"_s);
    Image1->setGeometry(twipsRect(240, 240, 480, 480));
    Image1->setPixmap(QPixmap::fromImage(AppIcon::image()));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    OKButton->setFocus();
    connect(OKButton, &QPushButton::clicked, this, &frmAbout::OKButton_Click);
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label5 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Label5_Click();
        return true;
    }
    return FormDialog::eventFilter(watched, event);
}

void frmAbout::OKButton_Click()
{
    accept();
}

void frmAbout::Label5_Click()
{
    if (!m_open(QUrl(webSite())))
        std::fprintf(stderr, "pendrel: no web browser could open %s\n", qPrintable(webSite()));
}

} // namespace marvane
