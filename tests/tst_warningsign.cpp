// The warning sign of the information windows, checked pixel by pixel.
#include "warningsign.h"

#include <QTest>

#include <algorithm>
#include <iterator>

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

struct Run {
    int first = -1; // -1: no red in the row
    int last = -1;
    int width() const { return first < 0 ? 0 : last - first + 1; }
};

// The red pixels of one row, which must form one unbroken run.
Run redRun(const QImage& image, int row, bool* contiguous) {
    Run run;
    for (int column = 0; column < image.width(); ++column) {
        if (image.pixel(column, row) != kRed)
            continue;
        if (run.first >= 0 && run.last != column - 1)
            *contiguous = false;
        if (run.first < 0)
            run.first = column;
        run.last = column;
    }
    return run;
}

} // namespace

class WarningSignTest : public QObject {
    Q_OBJECT

private slots:
    void onlyWhiteAndPureRed() {
        const QImage image = warningSignImage();
        QCOMPARE(image.size(), QSize(69, 97));
        for (int row = 0; row < image.height(); ++row) {
            for (int column = 0; column < image.width(); ++column) {
                const QRgb pixel = image.pixel(column, row);
                if (pixel != kRed && pixel != kWhite)
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is neither white nor red")
                                         .arg(column)
                                         .arg(row)));
            }
        }
    }

    // Which rows hold red: the stroke 24..54, nothing 55..59, the dot 60..70. Every red row is
    // one run, centred on column 32 and within columns 27..37.
    void rowsAndColumns() {
        const QImage image = warningSignImage();
        for (int row = 0; row < image.height(); ++row) {
            bool contiguous = true;
            const Run run = redRun(image, row, &contiguous);
            const bool marked = (row >= 24 && row <= 54) || (row >= 60 && row <= 70);
            QVERIFY2(marked == (run.width() > 0), qPrintable(QString::number(row)));
            if (!marked)
                continue;
            QVERIFY2(contiguous, qPrintable(QString::number(row)));
            QVERIFY2(run.first >= 27 && run.last <= 37, qPrintable(QString::number(row)));
            QVERIFY2(run.first + run.last == 64, qPrintable(QString::number(row)));
        }
    }

    void stroke() {
        const QImage image = warningSignImage();
        bool contiguous = true;
        QList<int> widths;
        for (int row = 24; row <= 54; ++row)
            widths << redRun(image, row, &contiguous).width();
        // 11 pixels at its widest, rounded at the top: narrower at row 24, widening to 11.
        QCOMPARE(*std::max_element(widths.begin(), widths.end()), 11);
        QVERIFY(widths.first() < 11);
        const auto widest = std::find(widths.begin(), widths.end(), 11);
        QVERIFY(std::is_sorted(widths.begin(), widest + 1));
        // Then narrowing, down to the single pixel in column 32 for rows 51 to 54.
        QVERIFY(std::is_sorted(widths.rbegin(), std::make_reverse_iterator(widest)));
        for (int row = 51; row <= 54; ++row) {
            QCOMPARE(redRun(image, row, &contiguous).first, 32);
            QCOMPARE(redRun(image, row, &contiguous).width(), 1);
        }
        QVERIFY(redRun(image, 50, &contiguous).width() > 1);
    }

    // The dot: a disc 11 pixels across in rows 60..70 and columns 27..37, centred on 32,65.
    void dot() {
        const QImage image = warningSignImage();
        for (int row = 60; row <= 70; ++row) {
            for (int column = 27; column <= 37; ++column) {
                const int dx = column - 32;
                const int dy = row - 65;
                const bool inside = 4 * (dx * dx + dy * dy) <= 121; // within 5.5 pixels
                QVERIFY2((image.pixel(column, row) == kRed) == inside,
                         qPrintable(QStringLiteral("%1,%2").arg(column).arg(row)));
            }
        }
        bool contiguous = true;
        QCOMPARE(redRun(image, 65, &contiguous).width(), 11);
        QVERIFY(redRun(image, 60, &contiguous).width() < 11);
        QVERIFY(redRun(image, 70, &contiguous).width() < 11);
    }
};

QTEST_GUILESS_MAIN(WarningSignTest)
#include "tst_warningsign.moc"
