#pragma once

#include "FormDialog.h"
#include "Shell.h"

#include <array>

class QLabel;
class QPushButton;

namespace marvane {

// The About box: name, version, what the program does, and where to find its maker. Only the web
// address reacts to a click.
class frmAbout : public FormDialog
{
    Q_OBJECT

public:
    static const QString &webSite();
    static const QString &supportAddress();

    explicit frmAbout(UrlOpener open, QWidget *parent = nullptr);

    QPushButton *OKButton = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    std::array<QLabel *, 2> Label3{};
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Image1 = nullptr;

public Q_SLOTS:
    void OKButton_Click();
    void Label5_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    UrlOpener m_open;
};

} // namespace marvane
