// Checks of the window capture on a real X server without a window manager (outer size = client
// size): the picture's size, what covers the window, and the parts beyond the screen.
#include "exporter.h"
#include "kalmirGLOBAL.h"
#include "resultwindow.h"
#include "uikit.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <memory>

namespace {

// The result window without an evaluation flow.
class BareResultWindow : public ResultWindow {
public:
    BareResultWindow()
        : ResultWindow(ResultWindowLayout::single()) {}

protected:
    void FormActivate() override {}
};

const QColor WindowColour(40, 120, 200);
const QColor CoverColour(220, 30, 30);

// A plain window of outer size `size` at `position`, filled with `colour`.
std::unique_ptr<QWidget> makeWindow(QPoint position, QSize size, QColor colour,
                                    Qt::WindowFlags flags = {}) {
    auto window = std::make_unique<QWidget>(nullptr, flags);
    window->setAutoFillBackground(true);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, colour);
    window->setPalette(palette);
    window->setGeometry(QRect(position, size));
    return window;
}

bool showAndActivate(QWidget* window) {
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return false;
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Captures until the screen shows `colour` at `probe` of the picture (the window has been drawn).
QImage captureOnceDrawn(std::uint16_t cut, QWidget* window, QPoint probe, QColor colour) {
    QImage bitmap;
    QDeadlineTimer deadline(10000);
    do {
        CaptureActiveWindow(bitmap, cut, window);
        if (bitmap.rect().contains(probe) && bitmap.pixelColor(probe) == colour)
            break;
        QTest::qWait(20);
    } while (!deadline.hasExpired());
    return bitmap;
}

} // namespace

class X11CaptureTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    QString startDir_;

private slots:
    void initTestCase() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        setApplicationTitle(QStringLiteral("KALMIR Auswertung Dornhag"));
        startDir_ = QDir::currentPath();
        QVERIFY(folder_.isValid());
        QVERIFY(QDir::setCurrent(folder_.path()));
    }
    void cleanupTestCase() { QDir::setCurrent(startDir_); }
    void init() { resetProgramState(); }

    // The picture is as wide as the window and `cut` rows shorter; the file has the same size.
    void pictureSize_data() {
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<int>("cut");
        QTest::addColumn<QSize>("picture");
        QTest::newRow("result window") << QSize(808, 609) << 80 << QSize(808, 529);
        QTest::newRow("taller result window") << QSize(808, 760) << 80 << QSize(808, 680);
        QTest::newRow("wider result window") << QSize(1000, 609) << 80 << QSize(1000, 529);
        QTest::newRow("area window 3") << QSize(752, 579) << 82 << QSize(752, 497);
    }
    void pictureSize() {
        QFETCH(QSize, outer);
        QFETCH(int, cut);
        QFETCH(QSize, picture);
        const auto window = makeWindow(QPoint(40, 30), outer, WindowColour);
        QVERIFY(showAndActivate(window.get()));
        QCOMPARE(window->frameGeometry(), window->geometry()); // no window manager, no frame

        const QPoint lastRow(picture.width() - 1, picture.height() - 1);
        const QImage bitmap =
            captureOnceDrawn(std::uint16_t(cut), window.get(), lastRow, WindowColour);
        QCOMPARE(bitmap.size(), picture);
        QCOMPARE(bitmap.pixelColor(lastRow), WindowColour);
        QCOMPARE(bitmap.pixelColor(0, 0), WindowColour);

        saveGraphics = true;
        QImage buffer;
        QVERIFY(
            ExportOnClose(window.get(), buffer, std::uint16_t(cut), QStringLiteral("KALMIR.jpg")));
        QCOMPARE(buffer.size(), picture);
        QCOMPARE(QImageReader(QStringLiteral("KALMIR.jpg")).size(), picture);
    }

    // The result window's close button saves the top 529 rows of the 808 x 609 window and closes.
    void resultWindowCloseButton() {
        saveGraphics = true;
        graphicBaseName = QStringLiteral("ZARLIK");
        BareResultWindow window;
        QVERIFY(showAndActivate(&window));
        QTRY_COMPARE(window.frameGeometry().size(), QSize(808, 609));
        window.button_ende->click();
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(window.Image1->bitmap.size(), QSize(808, 529));
        QCOMPARE(QImageReader(QStringLiteral("ZARLIK.jpg")).size(), QSize(808, 529));
    }

    // The picture shows what the screen shows: a window in front is part of it.
    void coveringWindowIsInThePicture() {
        const auto window = makeWindow(QPoint(40, 30), QSize(808, 609), WindowColour);
        QVERIFY(showAndActivate(window.get()));
        // Mapped later, so in front; it takes no focus, so the window below stays active.
        const auto cover = makeWindow(QPoint(340, 230), QSize(200, 150), CoverColour,
                                      Qt::Window | Qt::WindowDoesNotAcceptFocus);
        cover->show();
        QVERIFY(QTest::qWaitForWindowExposed(cover.get()));
        QTRY_VERIFY(window->isActiveWindow());

        const QPoint insideCover(340 - 40 + 100, 230 - 30 + 75);
        const QImage bitmap = captureOnceDrawn(80, window.get(), insideCover, CoverColour);
        QCOMPARE(bitmap.size(), QSize(808, 529));
        QCOMPARE(bitmap.pixelColor(insideCover), CoverColour);
        QCOMPARE(bitmap.pixelColor(300 - 1, 200 - 1), WindowColour); // just outside the cover
        QCOMPARE(bitmap.pixelColor(500, 350), WindowColour);

        // The same in the saved picture, within the JPEG's loss.
        saveGraphics = true;
        QImage buffer;
        QVERIFY(ExportOnClose(window.get(), buffer, 80, QStringLiteral("KALMIR.jpg")));
        const QImage saved(QStringLiteral("KALMIR.jpg"));
        QCOMPARE(saved.size(), QSize(808, 529));
        const QColor seen = saved.pixelColor(insideCover);
        QVERIFY2(std::abs(seen.red() - CoverColour.red()) < 8 &&
                     std::abs(seen.green() - CoverColour.green()) < 8 &&
                     std::abs(seen.blue() - CoverColour.blue()) < 8,
                 qPrintable(seen.name()));
    }

    // The active window is captured, whichever window's button asked for it.
    void activeWindowIsCaptured() {
        const auto other = makeWindow(QPoint(900, 600), QSize(300, 200), CoverColour);
        other->show();
        QVERIFY(QTest::qWaitForWindowExposed(other.get()));
        const auto window = makeWindow(QPoint(40, 30), QSize(808, 609), WindowColour);
        QVERIFY(showAndActivate(window.get()));
        const QImage bitmap = captureOnceDrawn(80, other.get(), QPoint(10, 10), WindowColour);
        QCOMPARE(bitmap.size(), QSize(808, 529));
        QCOMPARE(bitmap.pixelColor(10, 10), WindowColour);
    }

    // Parts of the window beyond the screen's edge stay black; the picture keeps its size.
    void partBeyondTheScreen() {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const auto window =
            makeWindow(QPoint(screen.right() - 199, 100), QSize(808, 609), WindowColour);
        QVERIFY(showAndActivate(window.get()));
        QCOMPARE(window->frameGeometry().x(), screen.right() - 199);
        const QImage bitmap = captureOnceDrawn(80, window.get(), QPoint(199, 528), WindowColour);
        QCOMPARE(bitmap.size(), QSize(808, 529));
        QCOMPARE(bitmap.pixelColor(199, 528), WindowColour);
        QCOMPARE(bitmap.pixelColor(200, 0), QColor(Qt::black));
        QCOMPARE(bitmap.pixelColor(807, 528), QColor(Qt::black));
    }
};

QTEST_MAIN(X11CaptureTest)
#include "tst_x11_capture.moc"
