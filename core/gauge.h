// The percentage gauge beside each statement of the area windows.
#pragma once

#include <QWidget>

// A horizontal bar of 0 to 100: red fill from the left on white inside a single-line border,
// the value written in the middle as "NN%". The text inverts the pixels beneath it, so that it
// reads black on the empty part and cyan on the red part. Values outside 0..100 are limited.
class Gauge : public QWidget {
    Q_OBJECT

public:
    explicit Gauge(QWidget* parent = nullptr);

    int value() const { return value_; }
    void setValue(int value);

    QSize sizeHint() const override { return {160, 18}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int value_ = 0;
};

// Width in pixels of the red part of a gauge whose inner width is `innerWidth`.
int gaugeFillWidth(int value, int innerWidth);
