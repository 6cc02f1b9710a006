// Reading answer files: sizes, header and trailer, special files and permissions.
#include "answerfile.h"
#include "testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace testsupport;

class AnswerFileTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        resetProgramState();
        QVERIFY(dir_.isValid());
    }

    void sizes_data() {
        QTest::addColumn<qsizetype>("size");
        QTest::addColumn<bool>("readable");
        QTest::newRow("empty") << qsizetype(0) << false;
        QTest::newRow("431 bytes") << qsizetype(431) << false;
        QTest::newRow("432 bytes") << qsizetype(432) << true;
        QTest::newRow("433 bytes") << qsizetype(433) << true;
        QTest::newRow("500 bytes") << qsizetype(500) << true;
    }
    void sizes() {
        QFETCH(qsizetype, size);
        QFETCH(bool, readable);
        const AnswerRecord written = recordWith(2, {{1, 0}, {48, -1}, {96, 4}});
        const QString path = dir_.filePath(QStringLiteral("antwort.dat"));
        QVERIFY(writeAnswerFile(path, written, size));

        AnswerRecord read = recordWithAll(7);
        QCOMPARE(ReadAnswerRecord(path, read), readable);
        if (readable)
            QCOMPARE(read.answers, written.answers);
        else
            QCOMPARE(read.answers, recordWithAll(7).answers); // left untouched
    }

    void globalRead() {
        const QString path = dir_.filePath(QStringLiteral("KALMIR.dat"));
        QVERIFY(writeAnswerFile(path, recordWithAll(3)));
        QVERIFY(ReadAnswerFile(path));
        QCOMPARE(answerFile, path);
        QCOMPARE(answerBuffer.code(1), 3);
        QCOMPARE(answerBuffer.code(96), 3);
    }

    void codesAtTheirOffsets() {
        // Question n lies at offset 44 + 4 * (n - 1), little-endian.
        QByteArray bytes(432, '\0');
        for (int n = 1; n <= 96; ++n) {
            const qint32 code = n * 1000 - 7;
            for (int b = 0; b < 4; ++b)
                bytes[44 + 4 * (n - 1) + b] = char((code >> (8 * b)) & 0xFF);
        }
        const QString path = dir_.filePath(QStringLiteral("offsets.dat"));
        QVERIFY(writeFile(path, bytes));
        AnswerRecord read;
        QVERIFY(ReadAnswerRecord(path, read));
        for (int n = 1; n <= 96; ++n)
            QCOMPARE(read.code(n), n * 1000 - 7);
    }

    void headerAndTrailerIgnored_data() {
        QTest::addColumn<int>("offset");
        QTest::newRow("first header byte") << 0;
        QTest::newRow("last header byte") << 43;
        QTest::newRow("first trailer byte") << 428;
        QTest::newRow("last trailer byte") << 431;
    }
    void headerAndTrailerIgnored() {
        QFETCH(int, offset);
        const AnswerRecord record = recordWith(1, {{15, 4}, {94, 0}});
        QByteArray bytes = recordBytes(record);
        bytes[offset] = char(bytes[offset] ^ 0xFF);
        const QString path = dir_.filePath(QStringLiteral("changed.dat"));
        QVERIFY(writeFile(path, bytes));
        AnswerRecord read;
        QVERIFY(ReadAnswerRecord(path, read));
        QCOMPARE(read.answers, record.answers);
    }

    void unreadablePaths_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("empty path") << "empty";
        QTest::newRow("directory") << "directory";
        QTest::newRow("named pipe") << "fifo";
        QTest::newRow("socket") << "socket";
        QTest::newRow("device") << "device";
    }
    void unreadablePaths() {
        // None of these may block or be opened: each fails at once.
        QFETCH(QString, kind);
        QString path = dir_.filePath(kind);
        if (kind == QLatin1String("empty")) {
            path.clear();
        } else if (kind == QLatin1String("directory")) {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0666), 0);
        } else if (kind == QLatin1String("socket")) {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            QVERIFY(fd >= 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            const QByteArray native = QFile::encodeName(path);
            QVERIFY(size_t(native.size()) < sizeof address.sun_path);
            std::memcpy(address.sun_path, native.constData(), size_t(native.size()));
            QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
            ::close(fd);
        } else if (kind == QLatin1String("device")) {
            path = QStringLiteral("/dev/zero"); // would deliver endless zero records if opened
        }
        AnswerRecord read = recordWithAll(9);
        QVERIFY(!ReadAnswerRecord(path, read));
        QCOMPARE(read.code(1), 9);
    }

    void symbolicLinkToAnswerFile() {
        const QString target = dir_.filePath(QStringLiteral("echt.dat"));
        QVERIFY(writeAnswerFile(target, recordWithAll(4)));
        const QString link = dir_.filePath(QStringLiteral("verweis.dat"));
        QVERIFY(QFile::link(target, link));
        AnswerRecord read;
        QVERIFY(ReadAnswerRecord(link, read));
        QCOMPARE(read.code(50), 4);
    }

    void writeProtectedFile() {
        // A file that cannot be opened for writing is unreadable, even though it is never
        // written. Root may write anyway, so the check runs as an unprivileged user.
        QTemporaryDir shared(QDir::tempPath() + QStringLiteral("/kalmir-XXXXXX"));
        QVERIFY(shared.isValid());
        QFile::setPermissions(shared.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                 QFileDevice::ExeOther);
        const QString path = shared.filePath(QStringLiteral("geschuetzt.dat"));
        QVERIFY(writeAnswerFile(path, recordWithAll(4)));
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                QFileDevice::ReadOther));
        if (!runningAsRoot()) {
            AnswerRecord read;
            QVERIFY(!ReadAnswerRecord(path, read));
            return;
        }
        const auto readable = runUnprivileged([&] {
            AnswerRecord read;
            return ReadAnswerRecord(path, read);
        });
        if (!readable)
            QSKIP("cannot switch to an unprivileged user here");
        QVERIFY(!*readable);
        // The same file, writable for others, reads fine as that user.
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadOther |
                                                QFileDevice::WriteOther));
        const auto writable = runUnprivileged([&] {
            AnswerRecord read;
            return ReadAnswerRecord(path, read) && read.code(1) == 4;
        });
        QVERIFY(writable && *writable);
    }

private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(AnswerFileTest)
#include "tst_answerfile.moc"
