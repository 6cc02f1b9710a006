#include "gauge.h"

#include "uikit.h"

#include <QPainter>

#include <algorithm>

int gaugeFillWidth(int value, int innerWidth) {
    return innerWidth * std::clamp(value, 0, 100) / 100;
}

Gauge::Gauge(QWidget* parent)
    : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    // Crisp glyphs: every text pixel is the exact inverse of the bar beneath it.
    QFont textFont = kalmirFont(11);
    textFont.setStyleStrategy(QFont::NoAntialias);
    setFont(textFont);
    resize(sizeHint());
}

void Gauge::setValue(int value) {
    const int limited = std::clamp(value, 0, 100);
    if (limited == value_)
        return;
    value_ = limited;
    update();
}

void Gauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect outer = rect();
    const QRect inner = outer.adjusted(1, 1, -1, -1);

    p.setPen(Qt::black);
    p.drawRect(outer.adjusted(0, 0, -1, -1));
    p.fillRect(inner, Qt::white);
    p.fillRect(
        QRect(inner.left(), inner.top(), gaugeFillWidth(value_, inner.width()), inner.height()),
        QColor(255, 0, 0));

    // White in difference mode turns white into black and red into cyan.
    p.setCompositionMode(QPainter::CompositionMode_Difference);
    p.setPen(Qt::white);
    p.setFont(font());
    p.drawText(inner, Qt::AlignCenter, QStringLiteral("%1%").arg(value_));
}
