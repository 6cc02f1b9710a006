// The group scan over folders built in a temporary directory.
#include "evaluation.h"
#include "groupscan.h"
#include "testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace testsupport;

namespace {

using FolderBuilder = std::function<bool(const QDir&)>;

std::array<std::int64_t, kAreaCount> bars(const GroupScanResult& result) {
    std::array<std::int64_t, kAreaCount> values{};
    for (int a = 0; a < kAreaCount; ++a)
        values[std::size_t(a)] = groupAreaPercent(result.scores.areaTotal[std::size_t(a)],
                                                  result.scores.areaAnswered[std::size_t(a)]);
    return values;
}

// A record that answers nothing in area 4 (questions 8, 26, 27, 53, 78, 85, 91).
AnswerRecord withoutArea4(std::int32_t fill) {
    return recordWith(fill, {{8, -1}, {26, -1}, {27, -1}, {53, -1}, {78, -1}, {85, -1}, {91, -1}});
}

} // namespace

Q_DECLARE_METATYPE(FolderBuilder)

class GroupScanTest : public QObject {
    Q_OBJECT

private slots:
    void folders_data() {
        QTest::addColumn<FolderBuilder>("build");
        QTest::addColumn<int>("participants");
        QTest::addColumn<QStringList>("unreadable");
        QTest::addColumn<bool>("allAnswered");

        QTest::newRow("one file") << FolderBuilder([](const QDir& d) {
            return writeAnswerFile(d, "KALMIR.dat", recordWithAll(3));
        }) << 1 << QStringList{} << true;
        QTest::newRow("three readable, one of 431 bytes") << FolderBuilder([](const QDir& d) {
            return writeAnswerFile(d, "a.dat", recordWithAll(1)) &&
                   writeAnswerFile(d, "b.dat", recordWithAll(2)) &&
                   writeAnswerFile(d, "c.dat", recordWithAll(3)) &&
                   writeAnswerFile(d, "kurz.dat", recordWithAll(4), 431);
        }) << 3 << QStringList{"kurz.dat"} << true;
        QTest::newRow("pictures skipped, capital JPG pooled") << FolderBuilder([](const QDir& d) {
            return writeAnswerFile(d, "KALMIR-Gruppe.jpg", recordWithAll(0)) &&
                   writeAnswerFile(d, "KALMIR-Gruppe-1Struktur.jpg", recordWithAll(0)) &&
                   writeAnswerFile(d, "a.jpg.dat", recordWithAll(0)) &&
                   writeAnswerFile(d, "B.JPG", recordWithAll(4)) &&
                   writeAnswerFile(d, "c.dat", recordWithAll(4));
        }) << 2 << QStringList{} << true;
        QTest::newRow("500 bytes pooled, empty file reported") << FolderBuilder([](const QDir& d) {
            return writeAnswerFile(d, "lang.dat", recordWithAll(4), 500) &&
                   writeAnswerFile(d, "leer.dat", recordWithAll(4), 0);
        }) << 1 << QStringList{"leer.dat"} << true;
        QTest::newRow("hidden file, subfolder and named pipe left out")
            << FolderBuilder([](const QDir& d) {
                   return writeAnswerFile(d, ".versteckt.dat", recordWithAll(0)) &&
                          d.mkdir("unter") &&
                          writeAnswerFile(QDir(d.filePath("unter")), "x.dat", recordWithAll(0)) &&
                          ::mkfifo(QFile::encodeName(d.filePath("rohr.dat")).constData(), 0666) ==
                              0 &&
                          writeAnswerFile(d, "z.dat", recordWithAll(4));
               })
            << 1 << QStringList{} << true;
        QTest::newRow("link to an answer file counts, broken link does not")
            << FolderBuilder([](const QDir& d) {
                   return writeAnswerFile(d, "a.dat", recordWithAll(4)) &&
                          QFile::link(d.filePath("a.dat"), d.filePath("b.dat")) &&
                          QFile::link(d.filePath("fehlt.dat"), d.filePath("c.dat"));
               })
            << 2 << QStringList{} << true;
        QTest::newRow("one missing answer") << FolderBuilder([](const QDir& d) {
            return writeAnswerFile(d, "a.dat", recordWithAll(2)) &&
                   writeAnswerFile(d, "b.dat", recordWith(2, {{37, -1}}));
        }) << 2 << QStringList{} << false;
        QTest::newRow("code -2 counts as missing") << FolderBuilder([](const QDir& d) {
            return writeAnswerFile(d, "a.dat", recordWith(2, {{5, -2}}));
        }) << 1 << QStringList{} << false;
        QTest::newRow("nothing readable") << FolderBuilder([](const QDir& d) {
            return writeAnswerFile(d, "a.dat", recordWithAll(2), 100);
        }) << 0 << QStringList{"a.dat"} << true;
        QTest::newRow("empty folder")
            << FolderBuilder([](const QDir&) { return true; }) << 0 << QStringList{} << true;
    }
    void folders() {
        QFETCH(FolderBuilder, build);
        QFETCH(int, participants);
        QFETCH(QStringList, unreadable);
        QFETCH(bool, allAnswered);
        QTemporaryDir dir;
        QVERIFY(build(QDir(dir.path())));
        QStringList reported;
        const GroupScanResult result =
            ScanGroupFolder(dir.path(), [&](const QString& name) { reported << name; });
        QCOMPARE(result.participantCount, std::uint64_t(participants));
        QCOMPARE(reported, unreadable);
        QCOMPARE(result.allAnswered, allAnswered);
    }

    void oneFileGivesItsPointsOverItsAnswers() {
        QTemporaryDir dir;
        // Area 4: codes 4, 3, 2 and four unanswered: 12 points of 15 attainable = 80.
        AnswerRecord record = withoutArea4(1);
        record.code(8) = 4;
        record.code(26) = 3;
        record.code(27) = 2;
        QVERIFY(writeAnswerFile(QDir(dir.path()), "KALMIR.dat", record));
        const GroupScanResult result = ScanGroupFolder(dir.path());
        const auto values = bars(result);
        QCOMPARE(values[3], 80);
        for (int a : {0, 1, 2, 4, 5, 6, 7})
            QCOMPARE(values[std::size_t(a)], 40);
    }

    void truncatedBar() {
        // 41 points from 12 answers in area 4 gives 68, not 68.3 or 69.
        QTemporaryDir dir;
        const QDir d(dir.path());
        QVERIFY(writeAnswerFile(
            d, "a.dat",
            recordWith(2, {{8, 4}, {26, 4}, {27, 4}, {53, 4}, {78, 4}, {85, 4}, {91, 4}})));
        QVERIFY(writeAnswerFile(
            d, "b.dat",
            recordWith(2, {{8, 0}, {26, 0}, {27, 0}, {53, 0}, {78, 1}, {85, -1}, {91, -1}})));
        const GroupScanResult result = ScanGroupFolder(dir.path());
        QCOMPARE(result.scores.areaTotal[3], 41u);
        QCOMPARE(result.scores.areaAnswered[3], 12u);
        QCOMPARE(bars(result)[3], 68);
    }

    void orderIndependence_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("sorts first") << "0-erster.dat";
        QTest::newRow("sorts in the middle") << "m-mitte.dat";
        QTest::newRow("sorts last") << "z-letzter.dat";
    }
    void orderIndependence() {
        // A file that leaves area 4 unanswered is pooled like any other, wherever it sorts.
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QDir d(dir.path());
        QVERIFY(writeAnswerFile(d, "f-voll.dat", recordWithAll(4)));
        QVERIFY(writeAnswerFile(d, "s-voll.dat", recordWithAll(2)));
        QVERIFY(writeAnswerFile(d, name, withoutArea4(0)));
        const GroupScanResult result = ScanGroupFolder(dir.path());
        QCOMPARE(result.participantCount, 3u);
        QVERIFY(!hasUnansweredArea(result.scores));
        QVERIFY(!result.allAnswered);
        QCOMPARE(bars(result)[3], 80); // (35 + 21) * 100 / 70
        QCOMPARE(bars(result)[0], (70 + 42 + 14) * 100 / 210);
    }

    void areaWithoutAnyAnswer() {
        QTemporaryDir dir;
        const QDir d(dir.path());
        QVERIFY(writeAnswerFile(d, "a.dat", withoutArea4(3)));
        QVERIFY(writeAnswerFile(d, "b.dat", withoutArea4(1)));
        const GroupScanResult result = ScanGroupFolder(dir.path());
        QCOMPARE(result.participantCount, 2u);
        QVERIFY(hasUnansweredArea(result.scores));
    }

    void groupMeans_data() {
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<int>("gauge");
        QTest::newRow("4, 2 and unanswered") << QList<int>{4, 2, -1} << 80;
        QTest::newRow("0, 0 and 1") << QList<int>{0, 0, 1} << 26;
        QTest::newRow("-2 counted, not summed") << QList<int>{4, -2} << 60;
    }
    void groupMeans() {
        QFETCH(QList<int>, codes);
        QFETCH(int, gauge);
        QTemporaryDir dir;
        for (qsizetype i = 0; i < codes.size(); ++i)
            QVERIFY(writeAnswerFile(QDir(dir.path()), QStringLiteral("t%1.dat").arg(i),
                                    recordWith(2, {{42, codes[i]}})));
        const GroupScanResult result = ScanGroupFolder(dir.path());
        QCOMPARE(gaugeValue(result.questionSum.code(42), result.answered[42]), gauge);
        // Header and trailer of the sums stay zero.
        QCOMPARE(result.questionSum.header, (std::array<std::uint8_t, 44>{}));
        QCOMPARE(result.questionSum.trailer, (std::array<std::uint8_t, 4>{}));
    }

    void writeProtectedFileLeftOut() {
        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/kalmir-XXXXXX"));
        QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0);
        const QDir d(dir.path());
        QVERIFY(writeAnswerFile(d, "a.dat", recordWithAll(4)));
        QVERIFY(writeAnswerFile(d, "b.dat", recordWithAll(4)));
        QVERIFY(::chmod(QFile::encodeName(d.filePath("a.dat")).constData(), 0444) == 0);
        QVERIFY(::chmod(QFile::encodeName(d.filePath("b.dat")).constData(), 0666) == 0);
        const auto check = [&] {
            QStringList reported;
            const GroupScanResult result =
                ScanGroupFolder(dir.path(), [&](const QString& name) { reported << name; });
            return result.participantCount == 1 && reported == QStringList{"a.dat"};
        };
        if (!runningAsRoot()) {
            QVERIFY(check());
            return;
        }
        const auto outcome = runUnprivileged(check);
        if (!outcome)
            QSKIP("cannot switch to an unprivileged user here");
        QVERIFY(*outcome);
    }

    void largeGroupsStayExact_data() {
        QTest::addColumn<int>("files");
        QTest::newRow("300 files") << 300;
        QTest::newRow("1000 files") << 1000;
    }
    void largeGroupsStayExact() {
        QFETCH(int, files);
        QTemporaryDir dir;
        const QDir d(dir.path());
        // Half the files answer everything with 4, half with 1: every bar is (5 + 2) / 10 = 70.
        for (int i = 0; i < files; ++i)
            QVERIFY(writeAnswerFile(d, QStringLiteral("p%1.dat").arg(i, 4, 10, QLatin1Char('0')),
                                    recordWithAll(i % 2 == 0 ? 4 : 1)));
        const GroupScanResult result = ScanGroupFolder(dir.path());
        QCOMPARE(result.participantCount, std::uint64_t(files));
        for (std::int64_t bar : bars(result))
            QCOMPARE(bar, 70);
        QCOMPARE(result.answered[1], std::uint32_t(files));
        QCOMPARE(gaugeValue(result.questionSum.code(1), result.answered[1]), 70);
    }
};

QTEST_GUILESS_MAIN(GroupScanTest)
#include "tst_group_scan.moc"
