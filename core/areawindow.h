// The detail windows of the eight competence areas: every statement of the area with a gauge
// beside it showing the points reached in percent.
#pragma once

#include "noescapedialog.h"
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class Gauge;
class QLabel;
class QPushButton;

// Design data of one area window; positions in client coordinates, the size is the outer size.
struct AreaWindowDesign {
    int area;
    QSize outerSize;
    int statementX;     // left edge of every statement's first line
    QPoint closeButton; // BitBtn1
    QPoint notice;      // the maker's notice
};
extern const std::array<AreaWindowDesign, 8> AreaWindowDesigns;
const AreaWindowDesign& areaWindowDesign(int area);

// "KALMIR Velumar: " followed by the area name.
QString areaWindowCaption(int area);

// One display line of a statement and where it stands.
struct StatementLinePlacement {
    int question;
    int line; // 0-based display line of the question
    QRect rect;
};

// Where the statements and gauges of an area window stand, in display order; gauges[k - 1] is
// Gauge k and belongs to gaugeQuestions[k - 1].
struct AreaWindowLayout {
    std::vector<StatementLinePlacement> lines;
    std::vector<QRect> gauges;
    std::vector<int> gaugeQuestions;
};
AreaWindowLayout areaWindowLayout(int area);

// Rows left off the bottom of an area window's picture: outer height - top of BitBtn1 - 16,
// computed in 16 bits as the capture takes it.
std::uint16_t areaPictureCut(int outerHeight, int closeButtonTop);

// Gives a dialog the ordinary sizeable frame with minimise and maximise boxes.
void setSizeableFrame(QDialog* dialog);

// One area's detail window. The gauges are computed once, when the window is created, from
// answerBuffer and questionAnswered.
class KalmirAreaWindow : public NoEscapeDialog {
    Q_OBJECT

public:
    KalmirAreaWindow(int area, QWidget* owner);

    int area() const { return area_; }
    int gaugeCount() const { return static_cast<int>(gauges_.size()); }
    Gauge* gauge(int k) const { return gauges_[static_cast<std::size_t>(k - 1)]; }
    int gaugeQuestion(int k) const { return gaugeQuestions_[static_cast<std::size_t>(k - 1)]; }

    QPushButton* BitBtn1 = nullptr;
    QLabel* Image1 = nullptr; // never shown; its bitmap receives the capture

private:
    void FormCreate();
    void BitBtn1Click();

    int area_;
    std::vector<Gauge*> gauges_;
    std::vector<int> gaugeQuestions_;
    QImage image1Bitmap_;
};

// The window of one area, fixed at compile time; the eight areas by their own names below.
template <int Area> class KalmirAreaWindowOf : public KalmirAreaWindow {
    static_assert(Area >= 1 && Area <= 8);

public:
    explicit KalmirAreaWindowOf(QWidget* owner)
        : KalmirAreaWindow(Area, owner) {}
};

using Tkalmirausw1frm = KalmirAreaWindowOf<1>;
using Tkalmirausw2frm = KalmirAreaWindowOf<2>;
using Tkalmirausw3frm = KalmirAreaWindowOf<3>;
using Tkalmirausw4frm = KalmirAreaWindowOf<4>;
using Tkalmirausw5frm = KalmirAreaWindowOf<5>;
using Tkalmirausw6frm = KalmirAreaWindowOf<6>;
using Tkalmirausw7frm = KalmirAreaWindowOf<7>;
using Tkalmirausw8frm = KalmirAreaWindowOf<8>;

// Creates the detail window of `area` (1..8) owned by `owner`.
std::unique_ptr<KalmirAreaWindow> createAreaWindow(int area, QWidget* owner);
