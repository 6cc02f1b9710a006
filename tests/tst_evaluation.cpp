// Bar percentages, gauge values and picture names.
#include "evaluation.h"

#include <QTest>

class EvaluationTest : public QObject {
    Q_OBJECT

private slots:
    void singlePercent_data() {
        QTest::addColumn<int>("areaTotal");
        QTest::addColumn<int>("area");
        QTest::addColumn<int>("percent");
        QTest::newRow("52 of 70 truncates to 74") << 52 << 1 << 74;
        QTest::newRow("34 of 35 truncates to 97") << 34 << 4 << 97;
        QTest::newRow("all points") << 85 << 3 << 100;
        QTest::newRow("nothing") << 0 << 8 << 0;
        QTest::newRow("above the attainable points") << 80 << 8 << 200;
        QTest::newRow("largest total, no 32-bit overflow") << 65535 << 4 << 187242;
    }
    void singlePercent() {
        QFETCH(int, areaTotal);
        QFETCH(int, area);
        QFETCH(int, percent);
        QCOMPARE(singleAreaPercent(std::uint16_t(areaTotal), area), percent);
    }

    void groupPercent_data() {
        QTest::addColumn<quint32>("areaTotal");
        QTest::addColumn<quint32>("areaAnswered");
        QTest::addColumn<qint64>("percent");
        QTest::newRow("41 points from 12 answers") << 41u << 12u << qint64(68);
        QTest::newRow("all fives") << 500u << 100u << qint64(100);
        QTest::newRow("no answers") << 0u << 0u << qint64(0);
        QTest::newRow("100,000 records of area 3") << 8500000u << 1700000u << qint64(100);
        QTest::newRow("no 32-bit overflow of the product")
            << 4000000000u << 8000000u << qint64(10000);
    }
    void groupPercent() {
        QFETCH(quint32, areaTotal);
        QFETCH(quint32, areaAnswered);
        QFETCH(qint64, percent);
        QCOMPARE(groupAreaPercent(areaTotal, areaAnswered), percent);
    }

    void gauge_data() {
        QTest::addColumn<qint32>("value");
        QTest::addColumn<quint32>("count");
        QTest::addColumn<int>("gauge");
        QTest::newRow("code 0") << 0 << 1u << 20;
        QTest::newRow("code 1") << 1 << 1u << 40;
        QTest::newRow("code 2") << 2 << 1u << 60;
        QTest::newRow("code 3") << 3 << 1u << 80;
        QTest::newRow("code 4") << 4 << 1u << 100;
        QTest::newRow("code 7 limited to 100") << 7 << 1u << 100;
        QTest::newRow("code -3 limited to 0") << -3 << 1u << 0;
        QTest::newRow("unanswered") << -1 << 0u << 0;
        QTest::newRow("unanswered, count 0, any value") << 12345 << 0u << 0;
        QTest::newRow("sum 6 over 2") << 6 << 2u << 80;
        QTest::newRow("sum 1 over 3 truncates") << 1 << 3u << 26;
        QTest::newRow("largest sum, no overflow") << 2147483647 << 1u << 100;
        QTest::newRow("smallest sum, no overflow") << qint32(-2147483647 - 1) << 1u << 0;
        QTest::newRow("huge count") << 0 << 4000000000u << 20;
    }
    void gauge() {
        QFETCH(qint32, value);
        QFETCH(quint32, count);
        QFETCH(int, gauge);
        QCOMPARE(gaugeValue(value, count), gauge);
    }

    void baseName_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("baseName");
        QTest::newRow("plain") << "/daten/ZARLIK.dat"
                               << "ZARLIK";
        QTest::newRow("dots in folder and name") << "/team.a/Projekt.Stand.dat"
                                                 << "Projekt";
        QTest::newRow("no dot") << "/daten/ZARLIK"
                                << "ZARLIK";
        QTest::newRow("no folder") << "KALMIR.dat"
                                   << "KALMIR";
        QTest::newRow("umlauts") << "/home/jörg/Müller.dat"
                                 << "Müller";
        QTest::newRow("leading dot") << "/d/.versteckt.dat"
                                     << "";
        // 99 characters are deleted from the first dot; what follows them stays.
        QTest::newRow("99 characters") << "/d/A." + QString(98, QLatin1Char('x')) + "REST"
                                       << "AREST";
        QTest::newRow("exactly 99 from the dot") << "/d/B." + QString(98, QLatin1Char('y')) << "B";
    }
    void baseName() {
        QFETCH(QString, path);
        QFETCH(QString, baseName);
        QCOMPARE(graphicBaseNameFromPath(path), baseName);
    }

    void pictureNames_data() {
        QTest::addColumn<QString>("base");
        QTest::addColumn<int>("area");
        QTest::addColumn<QString>("name");
        QTest::newRow("result") << "KALMIR" << 0 << "KALMIR.jpg";
        QTest::newRow("area 1") << "KALMIR" << 1 << "KALMIR-1Struktur.jpg";
        QTest::newRow("area 2") << "KALMIR" << 2 << "KALMIR-2Prozess.jpg";
        QTest::newRow("area 3") << "KALMIR" << 3 << "KALMIR-3Umsetzung.jpg";
        QTest::newRow("area 4") << "KALMIR" << 4 << "KALMIR-4PM-Standards.jpg";
        QTest::newRow("area 5") << "KALMIR" << 5 << "KALMIR-5Lern.jpg";
        QTest::newRow("area 6") << "KALMIR" << 6 << "KALMIR-6TOOLing.jpg";
        QTest::newRow("area 7") << "KALMIR" << 7 << "KALMIR-7Linie-Projekt.jpg";
        QTest::newRow("area 8") << "KALMIR" << 8 << "KALMIR-8Technik.jpg";
        QTest::newRow("group result") << "KALMIR-Gruppe" << 0 << "KALMIR-Gruppe.jpg";
        QTest::newRow("group area 1") << "KALMIR-Gruppe" << 1 << "KALMIR-Gruppe-1Struktur.jpg";
    }
    void pictureNames() {
        QFETCH(QString, base);
        QFETCH(int, area);
        QFETCH(QString, name);
        QCOMPARE(area == 0 ? resultPictureName(base) : areaPictureName(base, area), name);
    }
};

QTEST_GUILESS_MAIN(EvaluationTest)
#include "tst_evaluation.moc"
