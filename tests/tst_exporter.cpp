// Checks of the picture export: the capture rectangle, the JPEG stream and its settings, the
// file handling with its failures, and the export step of the close buttons.
#include "exporter.h"
#include "jpegwriter.h"
#include "kalmirGLOBAL.h"
#include "testsupport.h"
#include "uikit.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <array>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A picture with smooth areas, hard edges, text and every colour channel at work.
QImage testPattern(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y,
                           qRgb(x * 255 / std::max(1, size.width() - 1),
                                y * 255 / std::max(1, size.height() - 1),
                                (x + y) * 255 / std::max(1, size.width() + size.height() - 2)));
    QPainter painter(&image);
    painter.fillRect(
        QRect(size.width() / 8, size.height() / 4, size.width() / 5, size.height() / 2),
        QColor(0, 0, 128));
    painter.setPen(Qt::black);
    painter.setFont(kalmirFont(13, true));
    painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, QStringLiteral("Technik 57 %"));
    return image;
}

// The picture with grain that compresses badly, for large files.
QImage noisy(QImage image) {
    QRandomGenerator random(4711);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, image.pixel(x, y) ^ (random.generate() & 0x3F3F3F));
    return image;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every entry of `dir`, hidden ones included.
QStringList entries(const QString& dir) {
    return QDir(dir).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// --- The JPEG stream, marker by marker -----------------------------------------------------

constexpr std::uint8_t SOI = 0xD8, EOI = 0xD9, SOF0 = 0xC0, DHT = 0xC4, DQT = 0xDB, DRI = 0xDD,
                       SOS = 0xDA, APP0 = 0xE0;

struct Segment {
    std::uint8_t marker;
    QByteArray payload; // without marker and length
};

// The marker segments of a JPEG stream in order; the entropy-coded data after each SOS is
// skipped up to the next marker. `ok` is false when the stream is malformed.
QList<Segment> segments(const QByteArray& data, bool* ok) {
    QList<Segment> result;
    *ok = false;
    auto byte = [&](qsizetype i) { return std::uint8_t(data.at(i)); };
    if (data.size() < 4 || byte(0) != 0xFF || byte(1) != SOI)
        return result;
    qsizetype pos = 2;
    while (pos + 1 < data.size()) {
        if (byte(pos) != 0xFF)
            return result;
        const std::uint8_t marker = byte(pos + 1);
        if (marker == EOI) {
            result.append(Segment{marker, QByteArray()});
            *ok = pos + 2 == data.size();
            return result;
        }
        if (pos + 3 >= data.size())
            return result;
        const int length = byte(pos + 2) << 8 | byte(pos + 3);
        if (length < 2 || pos + 2 + length > data.size())
            return result;
        result.append(Segment{marker, data.mid(pos + 4, length - 2)});
        pos += 2 + length;
        if (marker == SOS) {
            // Entropy-coded data: 0xFF 0x00 is a stuffed byte, 0xFF 0xD0..0xD7 a restart marker.
            while (pos + 1 < data.size() && !(byte(pos) == 0xFF && byte(pos + 1) != 0x00 &&
                                              (byte(pos + 1) < 0xD0 || byte(pos + 1) > 0xD7)))
                ++pos;
        }
    }
    return result;
}

QList<Segment> segmentsWith(const QList<Segment>& all, std::uint8_t marker) {
    QList<Segment> found;
    for (const Segment& segment : all)
        if (segment.marker == marker)
            found.append(segment);
    return found;
}

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray result;
    for (int value : values)
        result.append(char(value));
    return result;
}

// The quantisation tables of the JPEG standard's Annex K, in natural (row by row) order.
constexpr std::array<int, 64> LuminanceQuantisation = {
    16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
    14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
    18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
constexpr std::array<int, 64> ChrominanceQuantisation = {
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99, 24, 26, 56, 99, 99, 99,
    99, 99, 47, 66, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};

// Positions in natural order, listed in the zigzag order in which DQT stores the table.
std::array<int, 64> zigzagOrder() {
    std::array<int, 64> order{};
    int k = 0;
    for (int diagonal = 0; diagonal < 15; ++diagonal) {
        const int first = std::max(0, diagonal - 7), last = std::min(diagonal, 7);
        for (int i = 0; i <= last - first; ++i) {
            const int row = diagonal % 2 == 0 ? last - i : first + i;
            order[std::size_t(k++)] = row * 8 + (diagonal - row);
        }
    }
    return order;
}

// A DQT table as libjpeg builds it for `quality` with baseline limits (IJG scaling), zigzag order.
QByteArray scaledTable(const std::array<int, 64>& base, int quality) {
    const int scale = quality < 50 ? 5000 / quality : 200 - quality * 2;
    QByteArray table;
    for (int position : zigzagOrder()) {
        const int value = (base[std::size_t(position)] * scale + 50) / 100;
        table.append(char(std::clamp(value, 1, 255)));
    }
    return table;
}

// The Huffman tables of Annex K: 16 code counts, then the symbols.
const QByteArray DcLuminance =
    bytes({0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
const QByteArray DcChrominance =
    bytes({0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
const QByteArray AcLuminance =
    bytes({0,    2,    1,    3,    3,    2,    4,    3,    5,    5,    4,    4,    0,    0,    1,
           0x7d, 0x01, 0x02, 0x03, 0x00, 0x04, 0x11, 0x05, 0x12, 0x21, 0x31, 0x41, 0x06, 0x13, 0x51,
           0x61, 0x07, 0x22, 0x71, 0x14, 0x32, 0x81, 0x91, 0xa1, 0x08, 0x23, 0x42, 0xb1, 0xc1, 0x15,
           0x52, 0xd1, 0xf0, 0x24, 0x33, 0x62, 0x72, 0x82, 0x09, 0x0a, 0x16, 0x17, 0x18, 0x19, 0x1a,
           0x25, 0x26, 0x27, 0x28, 0x29, 0x2a, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3a, 0x43, 0x44,
           0x45, 0x46, 0x47, 0x48, 0x49, 0x4a, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5a, 0x63,
           0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6a, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7a,
           0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8a, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98,
           0x99, 0x9a, 0xa2, 0xa3, 0xa4, 0xa5, 0xa6, 0xa7, 0xa8, 0xa9, 0xaa, 0xb2, 0xb3, 0xb4, 0xb5,
           0xb6, 0xb7, 0xb8, 0xb9, 0xba, 0xc2, 0xc3, 0xc4, 0xc5, 0xc6, 0xc7, 0xc8, 0xc9, 0xca, 0xd2,
           0xd3, 0xd4, 0xd5, 0xd6, 0xd7, 0xd8, 0xd9, 0xda, 0xe1, 0xe2, 0xe3, 0xe4, 0xe5, 0xe6, 0xe7,
           0xe8, 0xe9, 0xea, 0xf1, 0xf2, 0xf3, 0xf4, 0xf5, 0xf6, 0xf7, 0xf8, 0xf9, 0xfa});
const QByteArray AcChrominance =
    bytes({0,    2,    1,    2,    4,    4,    3,    4,    7,    5,    4,    4,    0,    1,    2,
           0x77, 0x00, 0x01, 0x02, 0x03, 0x11, 0x04, 0x05, 0x21, 0x31, 0x06, 0x12, 0x41, 0x51, 0x07,
           0x61, 0x71, 0x13, 0x22, 0x32, 0x81, 0x08, 0x14, 0x42, 0x91, 0xa1, 0xb1, 0xc1, 0x09, 0x23,
           0x33, 0x52, 0xf0, 0x15, 0x62, 0x72, 0xd1, 0x0a, 0x16, 0x24, 0x34, 0xe1, 0x25, 0xf1, 0x17,
           0x18, 0x19, 0x1a, 0x26, 0x27, 0x28, 0x29, 0x2a, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3a, 0x43,
           0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4a, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5a,
           0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6a, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79,
           0x7a, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8a, 0x92, 0x93, 0x94, 0x95, 0x96,
           0x97, 0x98, 0x99, 0x9a, 0xa2, 0xa3, 0xa4, 0xa5, 0xa6, 0xa7, 0xa8, 0xa9, 0xaa, 0xb2, 0xb3,
           0xb4, 0xb5, 0xb6, 0xb7, 0xb8, 0xb9, 0xba, 0xc2, 0xc3, 0xc4, 0xc5, 0xc6, 0xc7, 0xc8, 0xc9,
           0xca, 0xd2, 0xd3, 0xd4, 0xd5, 0xd6, 0xd7, 0xd8, 0xd9, 0xda, 0xe2, 0xe3, 0xe4, 0xe5, 0xe6,
           0xe7, 0xe8, 0xe9, 0xea, 0xf2, 0xf3, 0xf4, 0xf5, 0xf6, 0xf7, 0xf8, 0xf9, 0xfa});

// Splits DQT or DHT payloads into their tables, keyed by the table's class/number byte.
QMap<int, QByteArray> quantisationTables(const QList<Segment>& dqt) {
    QMap<int, QByteArray> tables;
    for (const Segment& segment : dqt) {
        for (qsizetype pos = 0; pos + 65 <= segment.payload.size(); pos += 65)
            tables.insert(std::uint8_t(segment.payload.at(pos)), segment.payload.mid(pos + 1, 64));
    }
    return tables;
}

QMap<int, QByteArray> huffmanTables(const QList<Segment>& dht) {
    QMap<int, QByteArray> tables;
    for (const Segment& segment : dht) {
        qsizetype pos = 0;
        while (pos + 17 <= segment.payload.size()) {
            int symbols = 0;
            for (int i = 1; i <= 16; ++i)
                symbols += std::uint8_t(segment.payload.at(pos + i));
            tables.insert(std::uint8_t(segment.payload.at(pos)),
                          segment.payload.mid(pos + 1, 16 + symbols));
            pos += 17 + symbols;
        }
    }
    return tables;
}

// --- Answers to the error box ---------------------------------------------------------------

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Records the next message box and presses its "OK".
void acknowledgeNextBox(SeenBox* seen) {
    testsupport::answerNextModal([seen](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            modal->close();
            return;
        }
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            seen->buttons.append(button->text());
        box->button(QMessageBox::Ok)->click();
    });
}

// A plain window of outer size `size` filled with `colour`.
std::unique_ptr<QWidget> showWindow(QSize size, QColor colour) {
    auto window = std::make_unique<QWidget>();
    window->setAutoFillBackground(true);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, colour);
    window->setPalette(palette);
    window->resize(size);
    window->show();
    window->activateWindow();
    return window;
}

// Runs `step` in a child process under the given file size limit; true when it returned true.
bool runWithFileSizeLimit(rlim_t limit, const std::function<bool()>& step) {
    const pid_t child = ::fork();
    if (child == 0) {
        // A write past the limit then fails with EFBIG, just like one to a full disk.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit rl{limit, limit};
        if (::setrlimit(RLIMIT_FSIZE, &rl) != 0)
            ::_exit(3);
        ::_exit(step() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return false;
    return WEXITSTATUS(status) == 0;
}

const QString PictureName = QStringLiteral("KALMIR.jpg");

} // namespace

class ExporterTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    QString startDir_;

private slots:
    void initTestCase() {
        setApplicationTitle(QStringLiteral("KALMIR Auswertung Dornhag"));
        startDir_ = QDir::currentPath();
    }

    void init() {
        resetProgramState();
        QVERIFY(folder_.isValid());
        for (const QString& entry : entries(folder_.path())) {
            const QString path = folder_.filePath(entry);
            ::chmod(QFile::encodeName(path).constData(), 0755);
            QFileInfo(path).isDir() ? QDir(path).removeRecursively() : QFile::remove(path);
        }
        QVERIFY(QDir::setCurrent(folder_.path()));
    }

    void cleanup() {
        QDir::setCurrent(startDir_);
        for (QWidget* window : QApplication::topLevelWidgets())
            window->close();
    }

    void captureRectangle_data() {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<int>("cut");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("result window")
            << QRect(236, 207, 808, 609) << 80 << QRect(236, 207, 808, 529);
        QTest::newRow("area window 1") << QRect(0, 0, 752, 527) << 78 << QRect(0, 0, 752, 449);
        QTest::newRow("no cut") << QRect(5, 6, 30, 40) << 0 << QRect(5, 6, 30, 40);
        QTest::newRow("one row left") << QRect(5, 6, 30, 81) << 80 << QRect(5, 6, 30, 1);
        QTest::newRow("as tall as the cut") << QRect(5, 6, 30, 80) << 80 << QRect();
        QTest::newRow("shorter than the cut") << QRect(5, 6, 30, 40) << 80 << QRect();
        QTest::newRow("cut from a negative 16-bit height")
            << QRect(0, 0, 752, 200) << 65535 << QRect();
        QTest::newRow("no window") << QRect() << 80 << QRect();
    }
    void captureRectangle() {
        QFETCH(QRect, frame);
        QFETCH(int, cut);
        QFETCH(QRect, expected);
        QCOMPARE(captureRect(frame, std::uint16_t(cut)), expected);
    }

    void plainFileNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("plain");
        QTest::newRow("result picture") << QStringLiteral("KALMIR.jpg") << true;
        QTest::newRow("area picture") << QStringLiteral("KALMIR-Gruppe-7Linie-Projekt.jpg") << true;
        QTest::newRow("umlaut") << QStringLiteral("Prüfung.jpg") << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("dot") << QStringLiteral(".") << false;
        QTest::newRow("dot dot") << QStringLiteral("..") << false;
        QTest::newRow("sub folder") << QStringLiteral("sub/KALMIR.jpg") << false;
        QTest::newRow("absolute") << QStringLiteral("/tmp/KALMIR.jpg") << false;
        QTest::newRow("parent") << QStringLiteral("../KALMIR.jpg") << false;
        QTest::newRow("NUL") << QStringLiteral("KALMIR.jpg").insert(3, QChar(0)) << false;
    }
    void plainFileNames() {
        QFETCH(QString, name);
        QFETCH(bool, plain);
        QCOMPARE(isPlainFileName(name), plain);
    }

    void errorText() {
        QCOMPARE(exportErrorText(PictureName),
                 QStringLiteral("Datei KALMIR.jpg kann nicht erstellt werden."));
        QCOMPARE(exportErrorText(QStringLiteral("KALMIR-Gruppe-8Technik.jpg")),
                 QStringLiteral("Datei KALMIR-Gruppe-8Technik.jpg kann nicht erstellt werden."));
        QCOMPARE(exportErrorText(QStringLiteral("%1.jpg")),
                 QStringLiteral("Datei %1.jpg kann nicht erstellt werden."));
    }

    // The written file carries exactly the settings of the picture export.
    void streamSettings_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("result window") << QSize(808, 529);
        QTest::newRow("area window 4") << QSize(752, 273);
        QTest::newRow("one pixel") << QSize(1, 1);
    }
    void streamSettings() {
        QFETCH(QSize, size);
        const QImage bitmap = testPattern(size);
        QVERIFY(WriteJpegFile(bitmap, PictureName));
        const QByteArray file = readAll(PictureName);
        QCOMPARE(file, encodeJpeg(bitmap).value_or(QByteArray()));

        bool ok = false;
        const QList<Segment> all = segments(file, &ok);
        QVERIFY2(ok, "malformed JPEG stream");

        // JFIF 1.01, no density unit, density 1:1, no thumbnail; the first segment.
        QCOMPARE(all.first().marker, APP0);
        QCOMPARE(all.first().payload, QByteArray("JFIF\0", 5) + bytes({1, 1, 0, 0, 1, 0, 1, 0, 0}));

        // Baseline, 8 bits, the bitmap's size, Y 2x2 with table 0, Cb and Cr 1x1 with table 1.
        const QList<Segment> frames = segmentsWith(all, SOF0);
        QCOMPARE(frames.size(), 1);
        QCOMPARE(frames.first().payload,
                 bytes({8, size.height() >> 8, size.height() & 0xFF, size.width() >> 8,
                        size.width() & 0xFF, 3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1}));
        for (std::uint8_t other : {0xC1, 0xC2, 0xC3, 0xC9, 0xCA})
            QVERIFY2(segmentsWith(all, other).isEmpty(), "not a baseline frame");

        const QMap<int, QByteArray> quant = quantisationTables(segmentsWith(all, DQT));
        QCOMPARE(quant.keys(), QList<int>({0, 1}));
        QCOMPARE(quant.value(0), scaledTable(LuminanceQuantisation, 90));
        QCOMPARE(quant.value(1), scaledTable(ChrominanceQuantisation, 90));

        const QMap<int, QByteArray> huffman = huffmanTables(segmentsWith(all, DHT));
        QCOMPARE(huffman.keys(), QList<int>({0x00, 0x01, 0x10, 0x11}));
        QCOMPARE(huffman.value(0x00), DcLuminance);
        QCOMPARE(huffman.value(0x10), AcLuminance);
        QCOMPARE(huffman.value(0x01), DcChrominance);
        QCOMPARE(huffman.value(0x11), AcChrominance);

        QVERIFY(segmentsWith(all, DRI).isEmpty());
        // One sequential scan over all three components, whole spectrum, no approximation.
        const QList<Segment> scans = segmentsWith(all, SOS);
        QCOMPARE(scans.size(), 1);
        QCOMPARE(scans.first().payload, bytes({3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0}));
        QCOMPARE(all.last().marker, EOI);
    }

    void decodesCloseToOriginal() {
        const QImage bitmap = testPattern(QSize(808, 529));
        QVERIFY(WriteJpegFile(bitmap, PictureName));
        QImage decoded(PictureName, "JPEG");
        QVERIFY(!decoded.isNull());
        QCOMPARE(decoded.size(), bitmap.size());
        decoded = decoded.convertToFormat(QImage::Format_RGB32);
        // Smooth areas come back almost exact; only sharp colour edges lose more, because the
        // colour is kept at half resolution.
        double total = 0;
        int far = 0;
        for (int y = 0; y < bitmap.height(); ++y) {
            for (int x = 0; x < bitmap.width(); ++x) {
                const QRgb a = bitmap.pixel(x, y), b = decoded.pixel(x, y);
                for (int d : {qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b)}) {
                    total += std::abs(d);
                    far += std::abs(d) > 24 ? 1 : 0;
                }
            }
        }
        const double samples = 3.0 * bitmap.width() * bitmap.height();
        qInfo("mean deviation %.3f, %.4f%% of samples off by more than 24", total / samples,
              100.0 * far / samples);
        QVERIFY(total / samples < 1.5);
        QVERIFY(far / samples < 0.005);
    }

    // The stream is the one libjpeg's own cjpeg makes from the same pixels with these options.
    void identicalToReferenceEncoder_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("result window") << QSize(808, 529);
        QTest::newRow("odd size") << QSize(17, 9);
    }
    void identicalToReferenceEncoder() {
        QFETCH(QSize, size);
        const QString cjpeg = QStandardPaths::findExecutable(QStringLiteral("cjpeg"));
        if (cjpeg.isEmpty())
            QSKIP("cjpeg (package libjpeg-turbo-progs) is not installed");
        const QImage bitmap = testPattern(size);
        const QImage rgb = bitmap.convertToFormat(QImage::Format_RGB888);
        QByteArray ppm =
            QStringLiteral("P6\n%1 %2\n255\n").arg(rgb.width()).arg(rgb.height()).toLatin1();
        for (int y = 0; y < rgb.height(); ++y)
            ppm.append(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 3);
        QVERIFY(testsupport::writeFile(QStringLiteral("pattern.ppm"), ppm));

        QProcess process;
        process.start(cjpeg, {QStringLiteral("-quality"), QStringLiteral("90"),
                              QStringLiteral("-dct"), QStringLiteral("float"),
                              QStringLiteral("-baseline"), QStringLiteral("pattern.ppm")});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        const QByteArray reference = process.readAllStandardOutput();

        QVERIFY(WriteJpegFile(bitmap, PictureName));
        QCOMPARE(readAll(PictureName), reference);
    }

    void replacesExistingPicture() {
        QVERIFY(testsupport::writeFile(PictureName, QByteArray(100000, 'x')));
        const QImage bitmap = testPattern(QSize(64, 48));
        QVERIFY(WriteJpegFile(bitmap, PictureName));
        QCOMPARE(readAll(PictureName), encodeJpeg(bitmap).value_or(QByteArray()));
        QCOMPARE(entries(QStringLiteral(".")), QStringList{PictureName});
        // A new picture is readable by everyone, as far as the umask allows.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        struct stat status {};
        QCOMPARE(::stat("KALMIR.jpg", &status), 0);
        QCOMPARE(status.st_mode & 0777, 0644 & ~mask);
    }

    // A link of the picture's name is replaced by the picture; what it points to stays as it was.
    void linkIsReplacedNotFollowed() {
        QTemporaryDir elsewhere;
        QVERIFY(elsewhere.isValid());
        const QString outside = elsewhere.filePath(QStringLiteral("outside.jpg"));
        QVERIFY(testsupport::writeFile(outside, "outside"));
        QVERIFY(QFile::link(outside, PictureName));
        const QImage bitmap = testPattern(QSize(64, 48));
        QVERIFY(WriteJpegFile(bitmap, PictureName));
        QVERIFY(!QFileInfo(PictureName).isSymLink());
        QCOMPARE(readAll(PictureName), encodeJpeg(bitmap).value_or(QByteArray()));
        QCOMPARE(readAll(outside), QByteArray("outside"));
    }

    // Each failure writes nothing, leaves no temporary file and keeps what was there.
    void failedWriteChangesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("folderOccupiesName");
        QTest::newRow("folder of the picture's name") << PictureName << QSize(64, 48) << true;
        QTest::newRow("name in a sub folder")
            << QStringLiteral("sub/KALMIR.jpg") << QSize(64, 48) << false;
        QTest::newRow("name in the parent folder")
            << QStringLiteral("../KALMIR.jpg") << QSize(64, 48) << false;
        QTest::newRow("dot dot") << QStringLiteral("..") << QSize(64, 48) << false;
        QTest::newRow("empty name") << QString() << QSize(64, 48) << false;
        QTest::newRow("empty picture") << PictureName << QSize() << false;
        QTest::newRow("name too long for the file system")
            << QString(300, QLatin1Char('K')) + QStringLiteral(".jpg") << QSize(64, 48) << false;
    }
    void failedWriteChangesNothing() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(bool, folderOccupiesName);
        QVERIFY(QDir().mkdir(QStringLiteral("sub")));
        if (folderOccupiesName)
            QVERIFY(QDir().mkdir(name));
        QVERIFY(testsupport::writeFile(QStringLiteral("KALMIR.dat"), QByteArray(432, 'a')));
        const QStringList before = entries(QStringLiteral("."));

        QVERIFY(!WriteJpegFile(size.isValid() ? testPattern(size) : QImage(), name));
        QCOMPARE(entries(QStringLiteral(".")), before);
        QCOMPARE(entries(QStringLiteral("sub")), QStringList());
        // The parent folder is shared with other programs: look only for what a write leaves.
        const QStringList written =
            QDir(QStringLiteral(".."))
                .entryList({QStringLiteral("KALMIR.jpg"), QStringLiteral(".kalmir-*")},
                           QDir::AllEntries | QDir::Hidden | QDir::System);
        QCOMPARE(written, QStringList());
        QCOMPARE(readAll(QStringLiteral("KALMIR.dat")), QByteArray(432, 'a'));
    }

    // A write that breaks off half-way (a full disk) keeps the earlier picture byte for byte.
    void fullDiskKeepsEarlierPicture() {
        const QByteArray earlier = encodeJpeg(testPattern(QSize(80, 60))).value_or(QByteArray());
        QVERIFY(testsupport::writeFile(PictureName, earlier));
        const QImage bitmap = noisy(testPattern(QSize(808, 529)));
        QVERIFY(encodeJpeg(bitmap)->size() > 128 * 1024); // several buffers, far over the limit

        QVERIFY(
            !runWithFileSizeLimit(16 * 1024, [&] { return WriteJpegFile(bitmap, PictureName); }));
        QCOMPARE(readAll(PictureName), earlier);
        QCOMPARE(entries(QStringLiteral(".")), QStringList{PictureName});

        // The same write within the limit goes through, so the limit was what failed it.
        QVERIFY(runWithFileSizeLimit(4 * 1024 * 1024,
                                     [&] { return WriteJpegFile(bitmap, PictureName); }));
        QCOMPARE(readAll(PictureName), encodeJpeg(bitmap).value_or(QByteArray()));
    }

    // Permissions as an ordinary user: root may write anywhere.
    void permissions_data() {
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<bool>("earlierPicture");
        QTest::addColumn<int>("pictureMode");
        QTest::addColumn<bool>("written");
        QTest::newRow("writable folder") << 0777 << false << 0 << true;
        QTest::newRow("writable folder, earlier picture") << 0777 << true << 0666 << true;
        QTest::newRow("write-protected folder") << 0755 << false << 0 << false;
        QTest::newRow("write-protected folder, earlier picture") << 0755 << true << 0666 << false;
        QTest::newRow("write-protected picture") << 0777 << true << 0444 << false;
    }
    void permissions() {
        QFETCH(int, folderMode);
        QFETCH(bool, earlierPicture);
        QFETCH(int, pictureMode);
        QFETCH(bool, written);
        if (!testsupport::runningAsRoot())
            QSKIP("needs root to switch to the unprivileged user");
        const QByteArray earlier("earlier picture");
        if (earlierPicture) {
            QVERIFY(testsupport::writeFile(PictureName, earlier));
            QCOMPARE(::chmod("KALMIR.jpg", mode_t(pictureMode)), 0);
        }
        QCOMPARE(::chmod(QFile::encodeName(folder_.path()).constData(), mode_t(folderMode)), 0);
        const QStringList before = entries(QStringLiteral("."));
        const QImage bitmap = testPattern(QSize(64, 48));

        const std::optional<bool> result =
            testsupport::runUnprivileged([&] { return WriteJpegFile(bitmap, PictureName); });
        ::chmod(QFile::encodeName(folder_.path()).constData(), 0700);
        if (!result.has_value())
            QSKIP("cannot switch to the user nobody");
        QCOMPARE(*result, written);
        if (written) {
            QCOMPARE(readAll(PictureName), encodeJpeg(bitmap).value_or(QByteArray()));
            QCOMPARE(entries(QStringLiteral(".")), QStringList{PictureName});
        } else {
            QCOMPARE(entries(QStringLiteral(".")), before);
            if (earlierPicture)
                QCOMPARE(readAll(PictureName), earlier);
        }
    }

    void exportSkippedWithoutSaveGraphics() {
        const auto window = showWindow(QSize(808, 609), Qt::white);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QImage bitmap(3, 3, QImage::Format_RGB32);
        bitmap.fill(Qt::red);
        const QImage before = bitmap;
        QVERIFY(ExportOnClose(window.get(), bitmap, 80, PictureName));
        QCOMPARE(bitmap, before);
        QCOMPARE(entries(QStringLiteral(".")), QStringList());
    }

    void exportSavesCapturedWindow() {
        saveGraphics = true;
        const QColor colour(40, 120, 200);
        const auto window = showWindow(QSize(808, 609), colour);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTRY_VERIFY(window->isActiveWindow());
        QImage bitmap;
        QVERIFY(ExportOnClose(window.get(), bitmap, 80, PictureName));
        QCOMPARE(bitmap.size(), captureRect(window->frameGeometry(), 80).size());
        QCOMPARE(bitmap.width(), window->frameGeometry().width());
        QCOMPARE(bitmap.pixel(bitmap.width() / 2, bitmap.height() - 1), colour.rgb());
        const QImage saved(PictureName, "JPEG");
        QCOMPARE(saved.size(), bitmap.size());
        QCOMPARE(entries(QStringLiteral(".")), QStringList{PictureName});

        // A second export of the same window overwrites the buffer and replaces the file.
        window->resize(600, 300);
        QTRY_COMPARE(window->frameGeometry().height(),
                     300 + window->frameGeometry().height() - window->geometry().height());
        QVERIFY(ExportOnClose(window.get(), bitmap, 80, PictureName));
        QCOMPARE(bitmap.width(), window->frameGeometry().width());
        QCOMPARE(QImage(PictureName, "JPEG").size(), bitmap.size());
    }

    // A picture that cannot be written is reported in the error box, and the caller learns it.
    void exportFailureShowsErrorBox_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("height");
        QTest::newRow("folder of the picture's name") << PictureName << 609;
        QTest::newRow("window shorter than the cut") << PictureName << 60;
        QTest::newRow("name outside the folder") << QStringLiteral("../KALMIR.jpg") << 609;
    }
    void exportFailureShowsErrorBox() {
        QFETCH(QString, name);
        QFETCH(int, height);
        saveGraphics = true;
        QVERIFY(QDir().mkdir(PictureName));
        const auto window = showWindow(QSize(808, height), Qt::white);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QStringList before = entries(QStringLiteral("."));

        SeenBox seen;
        acknowledgeNextBox(&seen);
        QImage bitmap;
        QVERIFY(!ExportOnClose(window.get(), bitmap, 80, name));
        QCOMPARE(seen.title, QStringLiteral("KALMIR Auswertung Dornhag"));
        QCOMPARE(seen.text, exportErrorText(name));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
        QCOMPARE(entries(QStringLiteral(".")), before);
        QVERIFY(window->isVisible());
    }

    // Without any window there is nothing to capture; that is reported like any failed picture.
    void exportWithoutWindow() {
        saveGraphics = true;
        QVERIFY(QApplication::activeWindow() == nullptr);
        QImage bitmap(3, 3, QImage::Format_RGB32);
        CaptureActiveWindow(bitmap, 80, nullptr);
        QVERIFY(bitmap.isNull());
        SeenBox seen;
        acknowledgeNextBox(&seen);
        QVERIFY(!ExportOnClose(nullptr, bitmap, 80, PictureName));
        QCOMPARE(seen.text, QStringLiteral("Datei KALMIR.jpg kann nicht erstellt werden."));
        QCOMPARE(entries(QStringLiteral(".")), QStringList());
    }
};

QTEST_MAIN(ExporterTest)
#include "tst_exporter.moc"
