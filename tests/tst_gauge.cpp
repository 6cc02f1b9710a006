// The percentage gauge: value range, fill and the inverted text.
#include "gauge.h"

#include <QImage>
#include <QtTest>

namespace {

bool isRed(QRgb c) {
    return qRed(c) > 240 && qGreen(c) < 15 && qBlue(c) < 15;
}
bool isWhite(QRgb c) {
    return qRed(c) > 240 && qGreen(c) > 240 && qBlue(c) > 240;
}
bool isCyan(QRgb c) {
    return qRed(c) < 15 && qGreen(c) > 240 && qBlue(c) > 240;
}
bool isBlack(QRgb c) {
    return qRed(c) < 15 && qGreen(c) < 15 && qBlue(c) < 15;
}

QImage render(Gauge& gauge) {
    QImage image(gauge.size(), QImage::Format_RGB32);
    image.fill(Qt::gray);
    gauge.render(&image);
    return image;
}

} // namespace

class TestGauge : public QObject {
    Q_OBJECT

private slots:
    void limitsValue_data();
    void limitsValue();
    void fillWidth_data();
    void fillWidth();
    void takesNoFocus();
    void borderAndFill();
    void textInvertsWhatIsBeneath();
};

void TestGauge::limitsValue_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("shown");
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("inside") << 26 << 26;
    QTest::newRow("full") << 100 << 100;
    QTest::newRow("above") << 160 << 100;
    QTest::newRow("below") << -40 << 0;
}

void TestGauge::limitsValue() {
    QFETCH(int, value);
    QFETCH(int, shown);
    Gauge gauge;
    QCOMPARE(gauge.value(), 0);
    gauge.setValue(value);
    QCOMPARE(gauge.value(), shown);
}

void TestGauge::fillWidth_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("width");
    QTest::newRow("empty") << 0 << 0;
    QTest::newRow("half") << 50 << 79;
    QTest::newRow("truncated") << 26 << 41;
    QTest::newRow("full") << 100 << 158;
    QTest::newRow("above") << 120 << 158;
    QTest::newRow("below") << -5 << 0;
}

void TestGauge::fillWidth() {
    QFETCH(int, value);
    QFETCH(int, width);
    QCOMPARE(gaugeFillWidth(value, 158), width);
}

void TestGauge::takesNoFocus() {
    Gauge gauge;
    QCOMPARE(gauge.focusPolicy(), Qt::NoFocus);
    QCOMPARE(gauge.size(), QSize(160, 18));
}

void TestGauge::borderAndFill() {
    Gauge gauge;
    gauge.setValue(20);
    const QImage image = render(gauge);
    // Single-line border all round.
    for (int x = 0; x < 160; ++x) {
        QVERIFY(isBlack(image.pixel(x, 0)));
        QVERIFY(isBlack(image.pixel(x, 17)));
    }
    for (int y = 0; y < 18; ++y) {
        QVERIFY(isBlack(image.pixel(0, y)));
        QVERIFY(isBlack(image.pixel(159, y)));
    }
    // Red from the left up to a fifth of the inner width, white beyond (row 2 is clear of text).
    const int fill = gaugeFillWidth(20, 158);
    QVERIFY(isRed(image.pixel(1, 2)));
    QVERIFY(isRed(image.pixel(fill, 2)));
    QVERIFY(isWhite(image.pixel(fill + 1, 2)));
    QVERIFY(isWhite(image.pixel(158, 2)));
}

// At 50 % the "5" stands on the red half and the "%" on the white half: the glyphs invert what
// is beneath them, cyan on red and black on white, and nothing else appears.
void TestGauge::textInvertsWhatIsBeneath() {
    Gauge gauge;
    gauge.setValue(50);
    const QImage image = render(gauge);
    const int boundary = 1 + gaugeFillWidth(50, 158); // first white column
    int cyanOnRed = 0;
    int blackOnWhite = 0;
    for (int y = 1; y < 17; ++y) {
        for (int x = 1; x < 159; ++x) {
            const QRgb c = image.pixel(x, y);
            if (x < boundary) {
                QVERIFY2(isRed(c) || isCyan(c),
                         qPrintable(QStringLiteral("(%1,%2) on red").arg(x).arg(y)));
                cyanOnRed += isCyan(c);
            } else {
                QVERIFY2(isWhite(c) || isBlack(c),
                         qPrintable(QStringLiteral("(%1,%2) on white").arg(x).arg(y)));
                blackOnWhite += isBlack(c);
            }
        }
    }
    QVERIFY(cyanOnRed > 0);
    QVERIFY(blackOnWhite > 0);
}

QTEST_MAIN(TestGauge)
#include "tst_gauge.moc"
