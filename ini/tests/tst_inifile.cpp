#include "ini/IniFile.h"
#include "ini/IniText.h"
#include "tests/support/KillRounds.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QObject>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace marvane;

namespace {

Result<> put(const std::string &path, std::string_view section, std::string_view key,
                        std::string_view value)
{
    return IniFile::write(QString::fromStdString(path), {IniEdit{std::string(section), std::string(key), std::string(value)}});
}

// The value the killed writer stores in its i-th write.
std::string nthValue(int i)
{
    std::string v(1, 'v');
    v += std::to_string(i);
    v.append(static_cast<std::size_t>(i % 97), 'x');
    return v;
}

std::string slurp(const std::string &path)
{
    const Result<FileContents> text = IniFile::readAll(QString::fromStdString(path));
    return text ? std::string(text->view()) : std::string("<unreadable>");
}

std::optional<std::string> readKey(const std::string &path, std::string_view section, std::string_view key)
{
    const Result<FileContents> text = IniFile::readAll(QString::fromStdString(path));
    return text ? IniText::lookup(text->view(), section, key) : std::nullopt;
}


QStringList leftovers(const QString &dir)
{
    // Anything hidden beside the file is a temporary file left behind.
    return QDir(dir).entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
}

} // namespace

class TestIniFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:

    void readsSeeTheFileNow()
    {
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("a.ini")).toStdString();
        QVERIFY(!readKey(path, "a", "k"));
        QVERIFY(!QFile::exists(QString::fromStdString(path)));
        MARVANE_VERIFY_WRITE(put(path, "a", "k", "1"));
        QCOMPARE(readKey(path, "a", "k").value(), "1");
        QFile f(QString::fromStdString(path));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[a]\nk=by hand\n");
        f.close();
        QCOMPARE(readKey(path, "a", "k").value(), "by hand");
    }

    void modeIsKept()
    {
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("a.ini")).toStdString();
        MARVANE_VERIFY_WRITE(put(path, "a", "k", "1"));
        QCOMPARE(::chmod(path.c_str(), 0640), 0);
        MARVANE_VERIFY_WRITE(put(path, "a", "k", "2"));
        struct stat st {};
        QCOMPARE(::stat(path.c_str(), &st), 0);
        QCOMPARE(st.st_mode & 07777, 0640u);
        QVERIFY(leftovers(dir.path()).isEmpty());
    }

    void writesThroughASymlink()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("real.ini"));
        const QString link = dir.filePath(QStringLiteral("link.ini"));
        MARVANE_VERIFY_WRITE(put(target.toStdString(), "a", "k", "1"));
        QVERIFY(QFile::link(QStringLiteral("real.ini"), link));
        MARVANE_VERIFY_WRITE(put(link.toStdString(), "a", "k", "2"));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(slurp(target.toStdString()), "[a]\nk=2\n");
    }

    void failuresLeaveTheFileAlone()
    {
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("a.ini")).toStdString();
        MARVANE_VERIFY_WRITE(put(path, "a", "k", "1"));

        QCOMPARE(::chmod(path.c_str(), 0444), 0);
        auto r = put(path, "a", "k", "2");
        QVERIFY(!r.has_value());
        QVERIFY2(test::reasonOf(r).contains(QString::fromStdString(path)), qPrintable(r.error().reason()));
        QCOMPARE(slurp(path), "[a]\nk=1\n");
        QCOMPARE(::chmod(path.c_str(), 0644), 0);

        QCOMPARE(::chmod(dir.path().toLocal8Bit().constData(), 0555), 0);
        r = put(path, "a", "k", "3");
        QVERIFY(!r.has_value());
        QCOMPARE(slurp(path), "[a]\nk=1\n");
        const std::string other = dir.filePath(QStringLiteral("new.ini")).toStdString();
        QVERIFY(!put(other, "a", "k", "1").has_value());
        QVERIFY(!QFile::exists(QString::fromStdString(other)));
        QCOMPARE(::chmod(dir.path().toLocal8Bit().constData(), 0755), 0);

        r = put(dir.filePath(QStringLiteral("no/such/dir/a.ini")).toStdString(), "a", "k", "1");
        QVERIFY(!r.has_value());
        QVERIFY(!put(path, "bad]section", "k", "1").has_value());
        QVERIFY(!put(path, "a", "bad=key", "1").has_value());
        QCOMPARE(slurp(path), "[a]\nk=1\n");
        QVERIFY(leftovers(dir.path()).isEmpty());
    }

    // A writer killed at any moment leaves the old file or the new one, never a torn one.
    void killedWriterNeverTearsTheFile()
    {
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("a.ini")).toStdString();
        MARVANE_VERIFY_WRITE(put(path, "keep", "sentinel", "intact"));
        MARVANE_VERIFY_WRITE(put(path, "work", "k", "v0"));
        const QString wrong = test::killRounds(
            150, 8000, [&](int i) { (void)put(path, "work", "k", nthValue(i + 1)); },
            [&]() -> QString {
                const std::string text = slurp(path);
                const std::string v = IniText::lookup(text, "work", "k").value_or("");
                const bool whole = IniText::lookup(text, "keep", "sentinel").value_or("") == "intact" &&
                                   v.size() >= 2 && v[0] == 'v' && v == nthValue(std::atoi(v.c_str() + 1));
                return whole ? QString() : QStringLiteral("a torn file");
            });
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }

    // An editor that rewrites the file in place, without the lock (truncate, then write), racing
    // the saves: what it keeps is never lost to a save that read the file in its gap.
    void inPlaceEditorKeepsItsSection()
    {
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("a.ini")).toStdString();
        MARVANE_VERIFY_WRITE(put(path, "keep", "k", "1"));
        const pid_t editor = ::fork();
        QVERIFY(editor >= 0);
        if (editor == 0) {
            for (int i = 0; i < 200; ++i) {
                const std::string text = slurp(path) + "; edit\n";
                FILE *f = std::fopen(path.c_str(), "r+");
                // An editor takes a moment between emptying the file and writing it.
                if (f && ::ftruncate(::fileno(f), 0) == 0 && ::usleep(500) == 0)
                    std::fwrite(text.data(), 1, text.size(), f);
                if (f)
                    std::fclose(f);
            }
            ::_exit(0);
        }
        for (int i = 0; i < 200; ++i)
            (void)put(path, "work", "k", nthValue(i));
        int status = 0;
        ::waitpid(editor, &status, 0);
        QCOMPARE(IniText::lookup(slurp(path), "keep", "k").value_or(""), "1");
    }

    // Two processes writing different keys at once lose none of them.
    void concurrentWritersLoseNothing()
    {
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("a.ini")).toStdString();
        constexpr int kWrites = 300;
        pid_t children[2];
        for (int c = 0; c < 2; ++c) {
            children[c] = ::fork();
            QVERIFY(children[c] >= 0);
            if (children[c] == 0) {
                bool ok = true;
                for (int i = 0; i < kWrites; ++i) {
                    const std::string key = std::string(1, 'k').append(std::to_string(i));
                    ok = put(path, c ? "b" : "a", key, std::to_string(i)).has_value() && ok;
                }
                ::_exit(ok ? 0 : 1);
            }
        }
        for (pid_t child : children) {
            int status = 0;
            ::waitpid(child, &status, 0);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        const std::string text = slurp(path);
        for (const char *section : {"a", "b"})
            for (int i = 0; i < kWrites; ++i)
                QCOMPARE(IniText::lookup(text, section, std::string(1, 'k').append(std::to_string(i))).value_or(""), std::to_string(i));
    }

    // Another program that writes its own copy and renames it over the file, without the lock,
    // while this one saves: none of its sections is lost to a save that read the file before.
    void handEditsMadeDuringSavesAreKept()
    {
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("todolist.ini")).toStdString();
        MARVANE_VERIFY_WRITE(put(path, "program", "k", "0"));
        constexpr int kEdits = 300;
        const pid_t editor = ::fork();
        QVERIFY(editor >= 0);
        if (editor == 0) {
            for (int i = 0; i < kEdits; ++i) {
                const std::string text = slurp(path) + "[hand-" + std::to_string(i) + "]\nk=v\n";
                const std::string temp = path + ".edit";
                FILE *out = std::fopen(temp.c_str(), "w");
                const bool ok = out && std::fwrite(text.data(), 1, text.size(), out) == text.size();
                if (!out || std::fclose(out) != 0 || !ok || std::rename(temp.c_str(), path.c_str()) != 0)
                    ::_exit(1);
                // As a person or a script edits: not again within the instant a save takes to
                // notice a file renamed under it and put it back.
                ::usleep(2000);
            }
            ::_exit(0);
        }
        int status = 0;
        for (int i = 1; ::waitpid(editor, &status, WNOHANG) == 0; ++i)
            (void)put(path, "program", "k", std::to_string(i));
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        const std::string text = slurp(path);
        for (int i = 0; i < kEdits; ++i)
            QVERIFY2(IniText::lookup(text, "hand-" + std::to_string(i), "k"), qPrintable(QString::number(i)));
    }
};

MARVANE_TEST_MAIN(TestIniFile)
#include "tst_inifile.moc"
