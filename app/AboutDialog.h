#pragma once

#include "platform/Shell.h"
#include "widgets/FormDialog.h"

class QLabel;
class QPushButton;

namespace marvane {

// The About box: name, version, what the program does, and where to find its maker. Only the web
// address reacts to a click.
class AboutDialog : public FormDialog
{
    Q_OBJECT

public:
    static const QString &webSite();
    static const QString &supportAddress();

    explicit AboutDialog(UrlOpener open, QWidget *parent = nullptr);

public Q_SLOTS:
    void openWebSite();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void layOut();

    UrlOpener m_open;

    QPushButton *m_okButton = nullptr;
    QLabel *m_nameLabel = nullptr;
    QLabel *m_descriptionLabel = nullptr;
    QLabel *m_webSiteCaption = nullptr;
    QLabel *m_supportCaption = nullptr;
    QLabel *m_supportAddressLabel = nullptr;
    QLabel *m_webSiteLink = nullptr;
    QLabel *m_iconLabel = nullptr;
};

} // namespace marvane
