#include "exporter.h"

#include "jpegwriter.h"
#include "kalmirGLOBAL.h"
#include "uikit.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QRandomGenerator>
#include <QScreen>
#include <QWidget>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A black picture of `size` with `image` (physical pixels) at `offset`, cut to the size.
QImage placedOnBlack(QSize size, QImage image, QPoint offset) {
    QImage bitmap(size, QImage::Format_RGB32);
    bitmap.fill(Qt::black);
    image.setDevicePixelRatio(1);
    QPainter painter(&bitmap);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(offset, image);
    painter.end();
    return bitmap;
}

// Copies the screen inside `rect` into `bitmap`; parts of the rectangle beyond the screen are
// black. Returns false where the screen cannot be read.
bool copyFromScreen(QImage& bitmap, const QRect& rect, const QWidget* window) {
    QScreen* screen = window->screen();
    if (screen == nullptr)
        return false;
    const QRect visible = rect & screen->virtualGeometry();
    if (visible.isEmpty())
        return false;
    const QPixmap shot =
        screen->grabWindow(0, visible.x(), visible.y(), visible.width(), visible.height());
    if (shot.isNull())
        return false;
    QImage image = shot.toImage();
    if (visible == rect && image.size() == rect.size()) { // all of it on the screen
        bitmap = image.convertToFormat(QImage::Format_RGB32);
        bitmap.setDevicePixelRatio(1);
    } else {
        bitmap = placedOnBlack(rect.size(), std::move(image), visible.topLeft() - rect.topLeft());
    }
    return true;
}

// The window draws its client area itself, placed where it sits inside the frame; the frame
// stays black.
QImage renderedWindow(QSize size, const QRect& frame, QWidget* window) {
    return placedOnBlack(size, window->grab().toImage(),
                         window->geometry().topLeft() - frame.topLeft());
}

// Whether an existing entry `name` may be replaced: a folder may not, and neither may a file
// that is write-protected for this user, just as creating it over the old one would fail.
bool replaceable(const QByteArray& name) {
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0)
        return errno == ENOENT;
    if (S_ISDIR(status.st_mode))
        return false;
    if (S_ISLNK(status.st_mode))
        return true; // the link itself is replaced, never what it points to
    return ::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) == 0;
}

// A new, hidden file in the current directory that the picture is written into before it takes
// its name. Its name contains ".jpg" so that a group scan running meanwhile skips it, too.
struct TemporaryFile {
    QByteArray name;
    int fd = -1;
};

TemporaryFile createTemporaryFile() {
    static const char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    constexpr int Attempts = 100;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        QByteArray name(".kalmir-");
        for (int i = 0; i < 10; ++i)
            name += Letters[QRandomGenerator::global()->bounded(int(sizeof Letters) - 1)];
        name += ".jpg.part";
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                              S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH);
        if (fd >= 0)
            return {name, fd};
        if (errno != EEXIST)
            break;
    }
    return {};
}

} // namespace

QRect captureRect(const QRect& frame, std::uint16_t cut) {
    const int height = frame.height() - int(cut);
    if (frame.width() <= 0 || height <= 0)
        return {};
    return {frame.topLeft(), QSize(frame.width(), height)};
}

bool isPlainFileName(const QString& fileName) {
    return !fileName.isEmpty() && fileName != QLatin1String(".") &&
           fileName != QLatin1String("..") && !fileName.contains(QLatin1Char('/')) &&
           !fileName.contains(QChar(0));
}

QString exportErrorText(const QString& fileName) {
    return QStringLiteral("Datei %1 kann nicht erstellt werden").arg(fileName) + QLatin1Char('.');
}

void CaptureActiveWindow(QImage& bitmap, std::uint16_t cut, QWidget* window) {
    QWidget* target = QApplication::activeWindow();
    if (target == nullptr && window != nullptr)
        target = window->window();
    const QRect frame = target != nullptr ? target->frameGeometry() : QRect();
    const QRect rect = captureRect(frame, cut);
    if (rect.isEmpty()) {
        bitmap = QImage();
        return;
    }
    if (!copyFromScreen(bitmap, rect, target))
        bitmap = renderedWindow(rect.size(), frame, target);
}

bool WriteJpegFile(const QImage& bitmap, const QString& fileName) {
    if (bitmap.isNull() || !isPlainFileName(fileName))
        return false;
    const QByteArray target = QFile::encodeName(fileName);
    if (!replaceable(target))
        return false;
    const TemporaryFile temporary = createTemporaryFile();
    if (temporary.fd < 0)
        return false;
    bool written = writeJpegStream(bitmap, temporary.fd);
    written = ::close(temporary.fd) == 0 && written;
    if (written && ::rename(temporary.name.constData(), target.constData()) == 0)
        return true;
    ::unlink(temporary.name.constData());
    return false;
}

bool ExportOnClose(QWidget* window, QImage& bitmap, std::uint16_t cut, const QString& fileName) {
    if (!saveGraphics)
        return true;
    CaptureActiveWindow(bitmap, cut, window);
    if (WriteJpegFile(bitmap, fileName))
        return true;
    showErrorMessage(window, exportErrorText(fileName));
    return false;
}
