// The picture export of a result window of 808 x 609: capture, encode and write, and the parts
// alone. Runs on the offscreen platform unless a display (or QT_QPA_PLATFORM) is given.
#include "exporter.h"
#include "jpegwriter.h"
#include "uikit.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QWidget* window = nullptr;

// Something like the result chart: white, eight coloured bars, labels and a title.
QPixmap chartLikePicture(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setFont(kalmirFont(13, true));
    painter.drawText(QRect(0, 10, size.width(), 30), Qt::AlignCenter,
                     QStringLiteral("KALMIR-Einzelauswertung"));
    painter.setPen(Qt::gray);
    for (int percent = 0; percent <= 100; percent += 10)
        painter.drawLine(60, 480 - percent * 4, size.width() - 20, 480 - percent * 4);
    painter.setFont(kalmirFont(11));
    for (int bar = 0; bar < 8; ++bar) {
        const int height = 120 + bar * 37 % 260;
        const QRect rect(80 + bar * 90, 480 - height, 60, height);
        painter.fillRect(rect, QColor::fromHsv(bar * 45, 200, 220));
        painter.setPen(Qt::black);
        painter.drawText(QRect(rect.x() - 15, 485, 90, 40), Qt::AlignHCenter | Qt::TextWordWrap,
                         QStringLiteral("Kompetenz %1").arg(bar + 1));
    }
    return pixmap;
}

QImage capturedPicture() {
    QImage bitmap;
    CaptureActiveWindow(bitmap, 80, window);
    return bitmap;
}

void BM_CaptureEncodeWrite(benchmark::State& state) {
    QImage bitmap;
    for (auto _ : state) {
        CaptureActiveWindow(bitmap, 80, window);
        if (!WriteJpegFile(bitmap, QStringLiteral("KALMIR.jpg")))
            state.SkipWithError("picture not written");
    }
    state.counters["width"] = bitmap.width();
    state.counters["height"] = bitmap.height();
}
BENCHMARK(BM_CaptureEncodeWrite)->Unit(benchmark::kMillisecond);

void BM_Capture(benchmark::State& state) {
    QImage bitmap;
    for (auto _ : state) {
        CaptureActiveWindow(bitmap, 80, window);
        benchmark::DoNotOptimize(bitmap.constBits());
    }
}
BENCHMARK(BM_Capture)->Unit(benchmark::kMillisecond);

void BM_Encode(benchmark::State& state) {
    const QImage bitmap = capturedPicture();
    qsizetype size = 0;
    for (auto _ : state)
        size = encodeJpeg(bitmap).value_or(QByteArray()).size();
    state.counters["bytes"] = double(size);
}
BENCHMARK(BM_Encode)->Unit(benchmark::kMillisecond);

void BM_EncodeWrite(benchmark::State& state) {
    const QImage bitmap = capturedPicture();
    for (auto _ : state) {
        if (!WriteJpegFile(bitmap, QStringLiteral("KALMIR.jpg")))
            state.SkipWithError("picture not written");
    }
}
BENCHMARK(BM_EncodeWrite)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::AddCustomContext("platform", QApplication::platformName().toStdString());

    QTemporaryDir folder;
    if (!folder.isValid() || !QDir::setCurrent(folder.path()))
        return 1;
    QLabel label;
    label.setPixmap(chartLikePicture(QSize(808, 609)));
    label.setGeometry(40, 30, 808, 609);
    label.show();
    label.activateWindow();
    for (int i = 0; i < 50 && !label.isActiveWindow(); ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    window = &label;

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
