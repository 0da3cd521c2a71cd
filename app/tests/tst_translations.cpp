#include "app/AboutDialog.h"
#include "app/Help.h"
#include "app/MainWindow.h"
#include "app/OptionsDialog.h"
#include "app/ToDoDialog.h"
#include "app/tests/RecordedServices.h"
#include "tests/support/TestMain.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <memory>

using namespace marvane;

namespace {

const QStringList kLanguages{QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"), QStringLiteral("it"),
                             QStringLiteral("pt_BR"), QStringLiteral("pl")};

struct Entry
{
    QString source;
    QString translation;
    bool finished = false;
};

QList<Entry> entriesOf(const QString &path)
{
    QFile file(path);
    QList<Entry> entries;
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"source")
            entries.append({xml.readElementText(), {}, false});
        else if (xml.isStartElement() && xml.name() == u"translation" && !entries.isEmpty()) {
            entries.last().finished = xml.attributes().value(QStringLiteral("type")).isEmpty();
            entries.last().translation = xml.readElementText();
        }
    }
    return entries;
}

QString tsFile(const QString &language)
{
    return QStringLiteral(TRANSLATIONS_DIR "/marvane_%1.ts").arg(language);
}

// The access keys a window's buttons and labels offer, each letter once.
QStringList clashingKeys(const QWidget *window)
{
    QStringList seen, clashes;
    QStringList texts;
    for (const QAbstractButton *b : window->findChildren<QAbstractButton *>())
        texts << b->text();
    for (const QLabel *l : window->findChildren<QLabel *>())
        texts << l->text();
    for (const QString &text : std::as_const(texts)) {
        const QString key = QKeySequence::mnemonic(text).toString().toLower();
        if (key.isEmpty())
            continue;
        (seen.contains(key) ? clashes : seen) << key;
    }
    return clashes;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every text of the sources is in every language, translated, with its placeholders and its
    // line breaks: lupdate over the sources finds nothing new.
    void complete_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : kLanguages)
            QTest::newRow(qPrintable(language)) << language;
    }
    void complete()
    {
        QFETCH(QString, language);
        const QList<Entry> entries = entriesOf(tsFile(language));
        QVERIFY(entries.size() > 50);
        static const QRegularExpression placeholder(QStringLiteral("%\\d"));
        for (const Entry &e : entries) {
            QVERIFY2(e.finished && !e.translation.isEmpty(), qPrintable(e.source));
            QStringList wanted, got;
            for (const auto &m : placeholder.globalMatch(e.source))
                wanted << m.captured();
            for (const auto &m : placeholder.globalMatch(e.translation))
                got << m.captured();
            wanted.sort();
            got.sort();
            QVERIFY2(wanted == got, qPrintable(e.translation));
            QCOMPARE(e.translation.endsWith(u'\n'), e.source.endsWith(u'\n'));
        }
        const QString lupdate = QStringLiteral(LUPDATE);
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("copy.ts"));
        QVERIFY(QFile::copy(tsFile(language), copy));
        QProcess run;
        run.setWorkingDirectory(QStringLiteral(PROJECT_DIR));
        run.start(lupdate, {QStringLiteral("-silent"), QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                            QStringLiteral("none"), QStringLiteral("-I"), QStringLiteral("."), QStringLiteral("app"),
                            QStringLiteral("calendar"), QStringLiteral("widgets"), QStringLiteral("-ts"), copy});
        QVERIFY(run.waitForFinished(60000) && run.exitCode() == 0);
        const QList<Entry> updated = entriesOf(copy);
        QCOMPARE(updated.size(), entries.size());
        for (const Entry &e : updated)
            QVERIFY2(e.finished, qPrintable(QStringLiteral("not in %1: %2").arg(tsFile(language), e.source)));
    }

    // Help opens the page in the user's language, as whole as the English one: the same
    // sections, entries and examples.
    void helpPageInEachLanguage_data() { complete_data(); }
    void helpPageInEachLanguage()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/marvane_%1.qm").arg(language)));
        QCoreApplication::installTranslator(&translator);
        const QString pages = QStringLiteral(PROJECT_DIR "/app");
        const QString page = Help::page(pages, QString());
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(page, QStringLiteral("%1/help_%2.htm").arg(pages, language));
        const auto read = [](const QString &path) {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
        };
        const QString english = read(pages + QStringLiteral("/help.htm"));
        const QString translated = read(page);
        QVERIFY(translated.contains(QStringLiteral("<html lang=\"%1\">").arg(language).replace(u'_', u'-')));
        for (const QString &tag : {QStringLiteral("<h2>"), QStringLiteral("<h3>"), QStringLiteral("<dt>"),
                                  QStringLiteral("<pre>"), QStringLiteral("<tr>"), QStringLiteral("<code>")})
            QVERIFY2(translated.count(tag) == english.count(tag), qPrintable(tag));
        QCOMPARE(Help::page(pages, QString()), pages + QStringLiteral("/help.htm"));
    }

    // No two controls of a window answer the same Alt key, in English and in every language.
    void accessKeysDoNotClash_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QString();
        for (const QString &language : kLanguages)
            QTest::newRow(qPrintable(language)) << language;
    }
    void accessKeysDoNotClash()
    {
        QFETCH(QString, language);
        QTranslator translator;
        if (!language.isEmpty()) {
            QVERIFY(translator.load(QStringLiteral(":/i18n/marvane_%1.qm").arg(language)));
            QCoreApplication::installTranslator(&translator);
        }
        test::RecordedServices rig;
        Options options = Options::defaults();
        const ToDoStore store(ToDoStore::fileIn(rig.dir.path()), rig.clock);
        std::vector<std::unique_ptr<QWidget>> windows;
        windows.push_back(std::make_unique<MainWindow>(rig.services()));
        windows.push_back(std::make_unique<OptionsDialog>(options, rig.dir.filePath(QStringLiteral("o.ini")),
                                                          [](bool) { return Result<>(); }));
        windows.push_back(std::make_unique<ToDoDialog>(store, rig.clock));
        windows.push_back(std::make_unique<AboutDialog>([](const QUrl &) { return true; }));
        for (const auto &window : windows)
            QVERIFY2(clashingKeys(window.get()).isEmpty(),
                     qPrintable(window->objectName() + QLatin1Char(' ') + clashingKeys(window.get()).join(u' ')));
        QCoreApplication::removeTranslator(&translator);
    }
};

MARVANE_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
