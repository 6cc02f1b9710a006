#include "infowindow.h"

#include "uikit.h"
#include "warningsign.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

InfoWindow::InfoWindow(QWidget* parent, QSize outerSize, const QString& caption)
    : NoEscapeDialog(parent) {
    applyWindowLayout(this, outerSize, caption);
}

QLabel* InfoWindow::addTextLabel(const char* name, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setFont(kalmirFont(15));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A notice never loses its last line: where the wrapped text needs more room than laid out
    // (the single window's Label2 takes four lines), the label grows into the gap below it.
    label->resize(geometry.width(),
                  std::max(geometry.height(), label->heightForWidth(geometry.width())));
    return label;
}

QLabel* InfoWindow::addPicture(const char* name, const QPixmap& picture, QPoint at) {
    auto* image = new QLabel(this);
    image->setObjectName(QString::fromLatin1(name));
    image->setPixmap(picture);
    image->setGeometry(QRect(at, picture.size()));
    return image;
}

QLabel* InfoWindow::addWarningSign(QPoint at) {
    return addPicture("Image1", QPixmap::fromImage(warningSignImage()), at);
}

QPushButton* InfoWindow::addOkButton(const QRect& geometry) {
    BitBtn1 = new QPushButton(okCheckIcon(), QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(geometry);
    BitBtn1->setIconSize(QSize(18, 18));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &InfoWindow::BitBtn1Click);
    BitBtn1->setFocus();
    return BitBtn1;
}

void InfoWindow::BitBtn1Click() {
    accept();
}
