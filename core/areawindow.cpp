#include "areawindow.h"

#include "catalogue.h"
#include "evaluation.h"
#include "exporter.h"
#include "gauge.h"
#include "kalmirGLOBAL.h"
#include "uikit.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cassert>

const std::array<AreaWindowDesign, 8> AreaWindowDesigns{{
    {1, {752, 527}, 16, {327, 433}, {16, 476}},
    {2, {752, 539}, 24, {327, 449}, {24, 492}},
    {3, {752, 579}, 8, {327, 481}, {8, 536}},
    {4, {752, 349}, 16, {295, 257}, {8, 299}},
    {5, {752, 483}, 16, {327, 393}, {16, 436}},
    {6, {752, 402}, 16, {319, 305}, {16, 348}},
    {7, {752, 501}, 16, {327, 401}, {16, 452}},
    {8, {752, 382}, 16, {343, 289}, {16, 332}},
}};

namespace {

// Statement lines: the first one at the statement x, further lines indented and stacked.
constexpr int FirstLineTop = 20;
constexpr int LinePitch = 24;        // from one statement to the next after a one-line statement
constexpr int ContinuationStep = 17; // from one line of a statement to the next
constexpr int ContinuationIndent = 18;
constexpr int NarrowContinuationIndent = 16; // questions 2, 7 and 26
constexpr int LineHeight = 17;
constexpr int MaxLineWidth = 513;
constexpr int LineRightLimit = 530; // keeps every line clear of the gauges
constexpr int StatementFontSize = 13;
constexpr int NoticeFontSize = 12;

// Gauges: level with a one-line statement, centred on a longer one but at most 12 pixels down.
constexpr int GaugeLeft = 536;
constexpr QSize GaugeSize{160, 18};
constexpr int MaxGaugeDrop = 12;

constexpr QSize CloseButtonSize{121, 33};
constexpr QSize CloseIconSize{18, 18};

int continuationIndent(int question) {
    return (question == 2 || question == 7 || question == 26) ? NarrowContinuationIndent
                                                              : ContinuationIndent;
}

} // namespace

const AreaWindowDesign& areaWindowDesign(int area) {
    assert(area >= 1 && area <= 8);
    return AreaWindowDesigns[static_cast<std::size_t>(area - 1)];
}

QString areaWindowCaption(int area) {
    return QStringLiteral("KALMIR Velumar: ") + QString::fromUtf8(areaInfo(area).name);
}

AreaWindowLayout areaWindowLayout(int area) {
    AreaWindowLayout layout;
    const int statementX = areaWindowDesign(area).statementX;
    int top = FirstLineTop;
    for (const int question : questionsOfArea(area)) {
        const QuestionInfo& info = questionInfo(question);
        for (int line = 0; line < info.lineCount; ++line) {
            const int x = statementX + (line == 0 ? 0 : continuationIndent(question));
            const int width = std::min(MaxLineWidth, LineRightLimit - x);
            layout.lines.push_back(
                {question, line, QRect(x, top + line * ContinuationStep, width, LineHeight)});
        }
        const int drop = std::min(MaxGaugeDrop, (info.lineCount - 1) * ContinuationStep / 2);
        layout.gauges.push_back(QRect(QPoint(GaugeLeft, top + drop), GaugeSize));
        layout.gaugeQuestions.push_back(question);
        top += LinePitch + (info.lineCount - 1) * ContinuationStep;
    }
    return layout;
}

std::uint16_t areaPictureCut(int outerHeight, int closeButtonTop) {
    const auto height = static_cast<std::int16_t>(outerHeight);
    const auto top = static_cast<std::int16_t>(closeButtonTop);
    return static_cast<std::uint16_t>(height - top - 16);
}

void setSizeableFrame(QDialog* dialog) {
    dialog->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
}

KalmirAreaWindow::KalmirAreaWindow(int area, QWidget* owner)
    : NoEscapeDialog(owner)
    , area_(area) {
    const AreaWindowDesign& design = areaWindowDesign(area);
    setObjectName(QStringLiteral("Tkalmirausw%1frm").arg(area));
    setSizeableFrame(this);
    applyWindowLayout(this, design.outerSize, areaWindowCaption(area));

    const AreaWindowLayout layout = areaWindowLayout(area);
    const QFont statementFont = kalmirFont(StatementFontSize);
    int labelNumber = 0;
    for (const StatementLinePlacement& placement : layout.lines) {
        auto* label = new QLabel(
            QString::fromUtf8(questionInfo(placement.question).lines[placement.line]), this);
        label->setObjectName(QStringLiteral("Label%1").arg(++labelNumber));
        label->setFont(statementFont);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setGeometry(placement.rect);
    }
    for (std::size_t k = 0; k < layout.gauges.size(); ++k) {
        auto* gauge = new Gauge(this);
        gauge->setObjectName(QStringLiteral("Gauge%1").arg(k + 1));
        gauge->setGeometry(layout.gauges[k]);
        gauges_.push_back(gauge);
    }
    gaugeQuestions_ = layout.gaugeQuestions;

    BitBtn1 = new QPushButton(QStringLiteral("S&chließen"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setIcon(closeDoorIcon());
    BitBtn1->setIconSize(CloseIconSize);
    BitBtn1->setGeometry(QRect(design.closeButton, CloseButtonSize));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &KalmirAreaWindow::BitBtn1Click);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->hide();

    auto* notice = new QLabel(areaNoticeText(), this);
    notice->setObjectName(QStringLiteral("notice"));
    notice->setFont(kalmirFont(NoticeFontSize));
    notice->move(design.notice);
    notice->adjustSize();

    BitBtn1->setFocus();
    FormCreate();
}

void KalmirAreaWindow::FormCreate() {
    for (std::size_t k = 0; k < gauges_.size(); ++k) {
        const int question = gaugeQuestions_[k];
        gauges_[k]->setValue(gaugeValue(answerBuffer.code(question), questionAnswered[question]));
    }
}

void KalmirAreaWindow::BitBtn1Click() {
    const std::uint16_t cut = areaPictureCut(frameGeometry().height(), BitBtn1->y());
    // The window closes with OK also when the picture could not be written; the exporter has
    // told the user already.
    ExportOnClose(this, image1Bitmap_, cut, areaPictureName(graphicBaseName, area_));
    accept();
}

namespace {

template <int Area> std::unique_ptr<KalmirAreaWindow> makeAreaWindow(QWidget* owner) {
    return std::make_unique<KalmirAreaWindowOf<Area>>(owner);
}

} // namespace

std::unique_ptr<KalmirAreaWindow> createAreaWindow(int area, QWidget* owner) {
    using Factory = std::unique_ptr<KalmirAreaWindow> (*)(QWidget*);
    static constexpr std::array<Factory, 8> factories{
        makeAreaWindow<1>, makeAreaWindow<2>, makeAreaWindow<3>, makeAreaWindow<4>,
        makeAreaWindow<5>, makeAreaWindow<6>, makeAreaWindow<7>, makeAreaWindow<8>};
    assert(area >= 1 && area <= 8);
    return factories[static_cast<std::size_t>(area - 1)](owner);
}
