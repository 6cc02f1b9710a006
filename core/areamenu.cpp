#include "areamenu.h"

#include "areawindow.h"
#include "catalogue.h"
#include "uikit.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <memory>

namespace {

constexpr QSize MenuOuterSize{417, 442};
constexpr int AreaButtonLeft = 40;
constexpr int AreaButtonTop = 24;
constexpr int AreaButtonPitch = 48;
constexpr QSize AreaButtonSize{161, 33};
constexpr QRect CloseButtonRect{248, 264, 129, 33};
constexpr QRect LogoRect{248, 24, 129, 129};
constexpr QSize CloseIconSize{18, 18};

} // namespace

Tkalmirauswmenufrm::Tkalmirauswmenufrm(QWidget* owner)
    : QDialog(owner) {
    setObjectName(QStringLiteral("kalmirauswmenufrm"));
    setSizeableFrame(this);
    applyWindowLayout(this, MenuOuterSize, QStringLiteral("KALMIR Einzelauswertung Dornhag"));

    // Created in tab order: the area buttons, then the close button.
    using Handler = void (Tkalmirauswmenufrm::*)();
    const std::array<Handler, 8> handlers{
        &Tkalmirauswmenufrm::button1Click, &Tkalmirauswmenufrm::button2Click,
        &Tkalmirauswmenufrm::Button3Click, &Tkalmirauswmenufrm::Button4Click,
        &Tkalmirauswmenufrm::Button5Click, &Tkalmirauswmenufrm::button6Click,
        &Tkalmirauswmenufrm::button7Click, &Tkalmirauswmenufrm::button8Click};
    for (int area = 1; area <= 8; ++area) {
        auto* button = new QPushButton(QString::fromUtf8(areaInfo(area).name), this);
        button->setObjectName(QStringLiteral("button%1").arg(area));
        button->setGeometry(QRect(
            QPoint(AreaButtonLeft, AreaButtonTop + AreaButtonPitch * (area - 1)), AreaButtonSize));
        button->setToolTip(
            QStringLiteral("Bearbeitete Frageblöcke sind durch ein Häkchen gekennzeichnet"));
        // Enter presses whichever button has the focus.
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, handlers[static_cast<std::size_t>(area - 1)]);
        areaButtons_[static_cast<std::size_t>(area - 1)] = button;
    }

    BitBtn1 = new QPushButton(QStringLiteral("S&chließen"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setIcon(closeDoorIcon());
    BitBtn1->setIconSize(CloseIconSize);
    BitBtn1->setGeometry(CloseButtonRect);
    BitBtn1->setAutoDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::close);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(LogoRect);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(fitIntoBox(makerLogo(), LogoRect.width()));

    areaButton(1)->setFocus();
}

void Tkalmirauswmenufrm::keyPressEvent(QKeyEvent* event) {
    // button1 is the cancel button: Escape opens the first area wherever the focus is. Closing
    // through the frame does not come here and closes the menu.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        areaButton(1)->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Tkalmirauswmenufrm::button1Click() {
    openArea(1);
}
void Tkalmirauswmenufrm::button2Click() {
    openArea(2);
}
void Tkalmirauswmenufrm::Button3Click() {
    openArea(3);
}
void Tkalmirauswmenufrm::Button4Click() {
    openArea(4);
}
void Tkalmirauswmenufrm::Button5Click() {
    openArea(5);
}
void Tkalmirauswmenufrm::button6Click() {
    openArea(6);
}
void Tkalmirauswmenufrm::button7Click() {
    openArea(7);
}
void Tkalmirauswmenufrm::button8Click() {
    openArea(8);
}

void Tkalmirauswmenufrm::openArea(int area) {
    {
        const std::unique_ptr<KalmirAreaWindow> window = createAreaWindow(area, this);
        window->exec();
    }
    // Take the keyboard back from the closed window, also where no window manager hands it over,
    // so that the next Enter goes to the next area.
    activateWindow();
    QPushButton* next = area < 8 ? areaButton(area + 1) : BitBtn1;
    next->setFocus();
}

void openAreaMenu(QWidget* owner) {
    const auto menu = std::make_unique<Tkalmirauswmenufrm>(owner);
    menu->exec();
}
