#include "uikit.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QTranslator>
#include <QWidget>
#include <QWindow>

namespace {

QString& titleStorage() {
    static QString title;
    return title;
}

// Keeps a window at its designed outer size: the client area is the outer size less the frame
// that the window manager draws, which is known only once the window has been framed.
class OuterSizeKeeper : public QObject {
public:
    OuterSizeKeeper(QWidget* window, QSize outer)
        : QObject(window)
        , window_(window)
        , outer_(outer) {
        window->installEventFilter(this);
        window->resize(outer);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Show) {
            // A window manager that frames the window in place sends no move; the frame is
            // known once the framed window is exposed.
            if (QWindow* handle = window_->windowHandle(); handle != nullptr && handle != handle_) {
                handle_ = handle;
                handle->installEventFilter(this);
            }
            apply(true);
        } else if ((watched == window_ && event->type() == QEvent::Move) ||
                   (watched == handle_ && event->type() == QEvent::Expose)) {
            apply(false);
        }
        return false;
    }

private:
    void apply(bool showing) {
        const QSize frame = window_->frameGeometry().size() - window_->geometry().size();
        if (!showing && frame == appliedFrame_)
            return; // the user moved the window; leave it where it is
        appliedFrame_ = frame;
        window_->resize(outer_ - frame);
        if (const QScreen* screen = window_->screen()) {
            const QRect area = screen->availableGeometry();
            window_->move(area.x() + (area.width() - outer_.width()) / 2,
                          area.y() + (area.height() - outer_.height()) / 2);
        }
    }

    QWidget* window_;
    QWindow* handle_ = nullptr;
    QSize outer_;
    QSize appliedFrame_{-1, -1};
};

QPixmap drawDoor(bool enabled) {
    QPixmap pixmap(18, 18);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const QColor frame = enabled ? QColor(64, 48, 32) : QColor(128, 128, 128);
    const QColor opening = enabled ? QColor(24, 24, 24) : QColor(160, 160, 160);
    const QColor leaf = enabled ? QColor(168, 104, 40) : QColor(192, 192, 192);
    // Door frame with the dark opening.
    p.fillRect(QRect(3, 1, 11, 16), frame);
    p.fillRect(QRect(5, 3, 7, 14), opening);
    // The leaf swung open towards the viewer.
    QPolygon door;
    door << QPoint(5, 3) << QPoint(10, 1) << QPoint(10, 17) << QPoint(5, 16);
    p.setPen(Qt::NoPen);
    p.setBrush(leaf);
    p.drawPolygon(door);
    p.fillRect(QRect(8, 9, 1, 2), enabled ? QColor(240, 208, 64) : QColor(224, 224, 224));
    // Floor line.
    p.fillRect(QRect(1, 17, 16, 1), frame);
    return pixmap;
}

} // namespace

QFont kalmirFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void applyWindowLayout(QWidget* window, QSize outer, const QString& caption) {
    window->setWindowTitle(caption);
    window->setFont(kalmirFont(11));
    window->setAutoFillBackground(true);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, Qt::white);
    window->setPalette(palette);
    new OuterSizeKeeper(window, outer);
}

QIcon closeDoorIcon() {
    QIcon icon;
    icon.addPixmap(drawDoor(true), QIcon::Normal);
    icon.addPixmap(drawDoor(false), QIcon::Disabled);
    return icon;
}

QIcon okCheckIcon() {
    QPixmap pixmap(18, 18);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 160, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygon{QPoint(3, 9), QPoint(7, 14), QPoint(15, 4)});
    p.end();
    QIcon icon(pixmap);
    return icon;
}

QPixmap makerLogo() {
    // A navy disc with a cream ring and the maker's initial, drawn at 160 x 160.
    QPixmap pixmap(160, 160);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    p.drawEllipse(QRectF(4, 4, 152, 152));
    p.setPen(QPen(QColor(255, 251, 240), 6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(18, 18, 124, 124));
    p.setPen(QColor(255, 251, 240));
    p.setFont(kalmirFont(84, true));
    p.drawText(QRectF(0, 0, 160, 150), Qt::AlignCenter, QStringLiteral("D"));
    p.setFont(kalmirFont(15, true));
    p.drawText(QRectF(0, 112, 160, 24), Qt::AlignCenter, QStringLiteral("DORNHAG"));
    return pixmap;
}

QPixmap fitIntoBox(const QPixmap& logo, int box) {
    QPixmap result(box, box);
    result.fill(Qt::transparent);
    QPixmap shown = logo;
    if (logo.width() > box || logo.height() > box) {
        const double scale = std::min(double(box) / logo.width(), double(box) / logo.height());
        shown = logo.scaled(int(logo.width() * scale), int(logo.height() * scale),
                            Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPainter p(&result);
    p.drawPixmap(0, 0, shown);
    return result;
}

QString makerNoticeText() {
    // Short enough for the single result window's notice line (422 pixels at 12 pixels).
    return QStringLiteral("KALMIR \u00a9 Dornhag Projektberatung \u2013 alle Rechte vorbehalten");
}

QString chartFooterText() {
    return QStringLiteral("Dornhag Projektberatung \u2013 Kompetenzanalyse im Projektmanagement");
}

QString areaNoticeText() {
    return QStringLiteral(
        "\u00a9 Dornhag Projektberatung \u2013 Auswertung der KALMIR-Selbstbewertung");
}

void setApplicationTitle(const QString& title) {
    titleStorage() = title;
    QCoreApplication::setApplicationName(title);
}

QString applicationTitle() {
    return titleStorage();
}

namespace {

void runBox(QWidget* parent, const QString& text, QMessageBox::Icon icon) {
    QMessageBox box(icon, applicationTitle(), text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

} // namespace

void showPlainMessage(QWidget* parent, const QString& text) {
    runBox(parent, text, QMessageBox::NoIcon);
}

void showErrorMessage(QWidget* parent, const QString& text) {
    runBox(parent, text, QMessageBox::Critical);
}

bool askConfirmation(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Bestätigung"), question,
                    QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void installGermanTranslation() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_de"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
