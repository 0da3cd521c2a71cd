#include "app/Help.h"

#include "platform/AppPaths.h"
#include "platform/StandardError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QDialog>
#include <QMessageBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace marvane::Help {

QString page(const QString &currentDirectory, const QString &applicationDirectory)
{
    // The page in the user's language, as its translation names it, else the English one.
    QStringList names{QStringLiteral("help.htm")};
    const QString translated = QCoreApplication::translate("Help", "help.htm");
    if (translated != names.first() && !translated.contains(u'/') && translated.endsWith(u".htm"))
        names.prepend(translated);
    // Started from a launcher or at log-on the current directory is elsewhere, so the program's
    // own copy is the fallback: beside it, or where an installed program's data lies.
    const QString installed = applicationDirectory.isEmpty()
                                  ? QString()
                                  : QDir::cleanPath(applicationDirectory + QStringLiteral("/../share/marvane"));
    for (const QString &name : names)
        for (const QString &dir : {currentDirectory, applicationDirectory, installed}) {
            const QString path = AppPaths::join(dir, name);
            if (!dir.isEmpty() && QFileInfo(path).isFile())
                return QFileInfo(path).absoluteFilePath();
        }
    return {};
}

void reportOpenFailure(QWidget *owner, const Message &what, const Message &reason)
{
    const Message message = Message::of("Help", QT_TRANSLATE_NOOP("Help", "Could not open %1: %2.")).arg(what, reason);
    printError(message.english);
    QMessageBox::warning(owner, QStringLiteral("Marvane"), message.shown);
}

void open(QWidget *owner, const QString &currentDirectory, const QString &applicationDirectory,
          const UrlOpener &opener)
{
    const QString path = page(currentDirectory, applicationDirectory);
    if (path.isEmpty()) {
        reportOpenFailure(owner, Message::of("Help", QT_TRANSLATE_NOOP("Help", "the help page help.htm")),
                          Message::of("Help", QT_TRANSLATE_NOOP("Help", "it is neither in %1 nor in %2"))
                              .arg(Message::plain(currentDirectory), Message::plain(applicationDirectory)));
        return;
    }
    if (opener(QUrl::fromLocalFile(path)))
        return;
    // No program for web pages answered: the page in a window of the program's own, so Help is
    // never silent.
    printError(QStringLiteral("no program for web pages opened %1; showing it in Marvane's own window").arg(path));
    auto *window = new QDialog(owner);
    window->setObjectName(QStringLiteral("helpWindow"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    auto *browser = new QTextBrowser(window);
    browser->setObjectName(QStringLiteral("helpBrowser"));
    browser->setSource(QUrl::fromLocalFile(path));
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    window->setWindowTitle(browser->documentTitle().isEmpty() ? QStringLiteral("Marvane") : browser->documentTitle());
    window->resize(800, 600);
    window->show();
}

} // namespace marvane::Help
