#include "storage/SaveFile.h"
#include "storage/TextFile.h"
#include "tests/support/TempProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <cerrno>
#include <sys/stat.h>

class TestTextFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("LF, as Linux editors save") << QByteArray("a\nb\nc") << QStringList{"a", "b", "c"};
        QTest::newRow("CR") << QByteArray("a\rb") << QStringList{"a", "b"};
        QTest::newRow("empty lines stay") << QByteArray("a\r\n\r\n\nb") << QStringList{"a", "", "", "b"};
        QTest::newRow("UTF-8") << QByteArray("Zo\xc3\xab\r\n") << QStringList{"Zoë"};
        QTest::newRow("byte order mark dropped") << QByteArray("\xef\xbb\xbf") + "a\r\n" << QStringList{"a"};
        QTest::newRow("Latin-1 when not UTF-8") << QByteArray("Zo\xeb\r\n") << QStringList{"Zoë"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
    }

    void reading()
    {
        QFETCH(QByteArray, bytes);
        TempProgramFolder folder;
        folder.write(QStringLiteral("f.ini"), bytes);
        const FileBytes read = readFileBytes(folder.file(QStringLiteral("f.ini")));
        QVERIFY(!read.error);
        QTEST(textLines(read.bytes), "lines");
    }

    void writingReplacesTheWholeFileAsUtf8WithCrLf()
    {
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("f.ini"));
        folder.write(QStringLiteral("f.ini"), "an older and longer content\r\n");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(!writeTextFile(path, {QStringLiteral("€1"), QString()}));
        QCOMPARE(folder.read(QStringLiteral("f.ini")), QByteArray("\xe2\x82\xac"
                                                                  "1\r\n\r\n"));
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
        QCOMPARE(QFile::permissions(path) & others, QFile::Permissions());
        // A file nobody could read is not made again that way: its owner may read and write it.
        QFile::setPermissions(path, {});
        QVERIFY(!writeTextFile(path, {}));
        QCOMPARE(QFile::permissions(path), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"f.ini"});
        // A byte order mark that starts the first line survives a second one the reader drops.
        const QStringList marked{QStringLiteral("\uFEFF1")};
        QCOMPARE(textLines(textFileBytes(marked)), marked);
    }

    // Links and special files are refused, read or written, and nothing outside is touched.
    void refused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("error");
        QTest::newRow("link") << "link" << ELOOP;
        QTest::newRow("pipe") << "pipe" << EINVAL;
        QTest::newRow("folder") << "folder" << EISDIR;
    }

    void refused()
    {
        QFETCH(QString, kind);

        TempProgramFolder folder;
        TempProgramFolder outside;
        outside.write(QStringLiteral("target"), "kept\r\n");
        const QString path = folder.file(QStringLiteral("f.ini"));
        if (kind == u"link") {
            QVERIFY(QFile::link(outside.file(QStringLiteral("target")), path));
        } else if (kind == u"pipe") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else {
            QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("f.ini")));
        }
        for (const std::optional<FileError>& error : {readFileBytes(path).error, writeTextFile(path, {"new"})}) {
            QCOMPARE(error.value_or(FileError()).description, "not a regular file");
            QTEST(error->number, "error");
        }
        QCOMPARE(outside.read(QStringLiteral("target")), QByteArray("kept\r\n"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                 QStringList{"f.ini"});
    }

    // What a save cut short by a kill leaves is swept away at the next start; nothing else is.
    void leftoverOfASaveIsSwept()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("list.ini"), "old\r\n");
        folder.write(QStringLiteral("list.ini.unread-20261205-100000"), "kept\r\n");
        const QStringList notOurs = {".hidden.saving-notours", ".list.ini.saving-ab_123", ".saving-abc123"};
        for (const QString& name : notOurs) {
            folder.write(name, "kept\r\n");
        }
        SaveFile save(folder.file(QStringLiteral("list.ini")));
        QVERIFY(!save.open());
        QVERIFY(!save.write("new\r\n"));
        removeLeftoverSaves(folder.path());
        QCOMPARE(save.commit().value_or(FileError()).number, ENOENT);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 (notOurs + QStringList{"list.ini", "list.ini.unread-20261205-100000"}));
        QCOMPARE(folder.read(QStringLiteral("list.ini")), "old\r\n");
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
