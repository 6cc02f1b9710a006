#include "resultwindow.h"

#include "areamenu.h"
#include "catalogue.h"
#include "evaluation.h"
#include "exporter.h"
#include "kalmirGLOBAL.h"
#include "uikit.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <QWindow>

namespace {

constexpr QSize kWindowSize(808, 609);
const QColor kCream(255, 251, 240);
const QColor kNavy(0, 0, 128);
constexpr int kFooterPixelSize = 11;
constexpr int kFooterGap = 4;

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    // Enter on the focused button presses it, as on the platform's buttons.
    button->setAutoDefault(true);
    return button;
}

std::optional<QString> runFileDialog(QWidget* owner) {
    QFileDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(QStringLiteral("Auswertungsdatei (*.dat)"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

ResultWindowLayout ResultWindowLayout::single() {
    return {QStringLiteral("KALMIR Velumar Dornhag"), QStringLiteral("KALMIR-Auswertung"),
            QRect(16, 559, 422, 15), 12, false};
}

ResultWindowLayout ResultWindowLayout::group() {
    return {QStringLiteral("KALMIR Velumar: Gruppenauswertung Dornhag"),
            QStringLiteral("KALMIR-Gruppenauswertung"), QRect(147, 556, 477, 16), 13, true};
}

QString chartCategoryText(const QString& label) {
    QString text = label.toHtmlEscaped();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
    text.replace(QLatin1Char('\r'), QStringLiteral("<br>"));
    text.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return text;
}

QString chartTitleText(const QStringList& lines) {
    QStringList escaped;
    for (const QString& line : lines)
        escaped << line.toHtmlEscaped();
    return QStringLiteral("<center>") + escaped.join(QStringLiteral("<br>")) +
           QStringLiteral("</center>");
}

ResultWindow::ResultWindow(const ResultWindowLayout& layout, QWidget* parent)
    : QWidget(parent)
    , runOpenDialog(runFileDialog) {
    applyWindowLayout(this, kWindowSize, layout.caption);

    // button_ende comes first in the tab order and holds the focus when the window opens.
    button_ende =
        makeButton(this, "button_ende", QStringLiteral("S&chließen"), QRect(456, 512, 113, 33));
    button_ende->setIcon(closeDoorIcon());
    button_ende->setIconSize(QSize(18, 18));
    connect(button_ende, &QPushButton::clicked, this, &ResultWindow::button_endeClick);

    Label3 = new QLabel(makerNoticeText(), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(layout.noticeGeometry);
    Label3->setFont(kalmirFont(layout.noticePixelSize));
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    buildChart(layout);

    detail =
        makeButton(this, "detail", QStringLiteral("&Einzelauswertung"), QRect(280, 512, 113, 33));
    connect(detail, &QPushButton::clicked, this, &ResultWindow::detailClick);

    Label1 = nullptr;
    if (layout.withChartNotice) {
        Label1 = new QLabel(Chart1);
        Label1->setObjectName(QStringLiteral("Label1"));
        Label1->setFont(kalmirFont(15, true));
        QPalette palette = Label1->palette();
        palette.setColor(QPalette::WindowText, Qt::red);
        // The notice stands on the chart's cream, so that it reads over the bars as well.
        palette.setColor(QPalette::Window, kCream);
        Label1->setPalette(palette);
        Label1->setAutoFillBackground(true);
        Label1->move(120, 144);
        Label1->adjustSize();
        Label1->raise();
    }

    Image1 = new CaptureImage(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->hide();

    setTabOrder(button_ende, detail);
    button_ende->setFocus();

    FormCreate();
}

void ResultWindow::buildChart(const ResultWindowLayout& layout) {
    chart_ = new QChart;
    chart_->setBackgroundBrush(kCream);
    chart_->setBackgroundRoundness(0);
    chart_->setDropShadowEnabled(false);
    chart_->setPlotAreaBackgroundVisible(false);
    chart_->legend()->hide();
    chart_->layout()->setContentsMargins(0, 0, 0, 0);

    chart_->setTitleFont(kalmirFont(15, true));
    chart_->setTitleBrush(kNavy);
    titleLines_ << layout.firstTitleLine;
    chart_->setTitle(chartTitleText(titleLines_));

    Series1 = new QStackedBarSeries;
    Series1->setObjectName(QStringLiteral("Series1"));
    Series1->setBarWidth(0.8);
    Series1->setLabelsVisible(false);
    chart_->addSeries(Series1);

    categoryAxis_ = new QBarCategoryAxis;
    categoryAxis_->setLabelsAngle(-90);
    categoryAxis_->setLabelsFont(kalmirFont(11));
    chart_->addAxis(categoryAxis_, Qt::AlignBottom);
    Series1->attachAxis(categoryAxis_);

    valueAxis_ = new QValueAxis;
    valueAxis_->setRange(0, 100);
    valueAxis_->setTickCount(11);
    valueAxis_->setMinorTickCount(0);
    valueAxis_->setLabelFormat(QStringLiteral("%d%%"));
    valueAxis_->setLabelsFont(kalmirFont(11));
    chart_->addAxis(valueAxis_, Qt::AlignLeft);
    Series1->attachAxis(valueAxis_);

    // The footer below the plot area, in room kept free at the bottom of the chart.
    footer_ = new QGraphicsSimpleTextItem(chartFooterText(), chart_);
    footer_->setFont(kalmirFont(kFooterPixelSize));
    footer_->setBrush(Qt::black);
    footerMargin_ = QFontMetrics(footer_->font()).height() + kFooterGap;
    QMargins margins = chart_->margins();
    margins.setBottom(margins.bottom() + footerMargin_);
    chart_->setMargins(margins);
    connect(chart_, &QChart::plotAreaChanged, this, &ResultWindow::placeFooter);
    connect(chart_, &QChart::geometryChanged, this, &ResultWindow::placeFooter);

    Chart1 = new QChartView(chart_, this);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setFrameShape(QFrame::NoFrame);
    Chart1->setRenderHint(QPainter::Antialiasing, false);
    Chart1->setBackgroundBrush(kCream);
    Chart1->setFocusPolicy(Qt::NoFocus);
    Chart1->setGeometry(8, 11, 761, 489);
    placeFooter();
}

void ResultWindow::placeFooter() {
    const QRectF plot = chart_->plotArea();
    const QRectF text = footer_->boundingRect();
    const qreal bottom = chart_->size().height() - (chart_->margins().bottom() - footerMargin_);
    footer_->setPos(plot.center().x() - text.width() / 2, bottom - text.height());
}

std::optional<QString> ResultWindow::runOpenDialog1() {
    std::optional<QString> path = runOpenDialog(this);
    if (path)
        QDir::setCurrent(QFileInfo(*path).absolutePath());
    return path;
}

void ResultWindow::addAreaBars(const std::function<double(int area)>& percentOf) {
    const QColor navy(0, 0, 128);
    for (const AreaInfo& area : AreaTable)
        addBar(percentOf(area.number), QString::fromUtf8(area.chartLabel), navy);
}

void ResultWindow::addBar(double value, const QString& label, const QColor& color) {
    // One bar set per colour, stacked: each bar holds its value in the set of its colour and
    // nothing in the others, so every bar is drawn in the colour it was given.
    const int index = barCount();
    QBarSet* target = nullptr;
    for (QBarSet* set : Series1->barSets()) {
        if (set->color() == color)
            target = set;
    }
    if (target == nullptr) {
        target = new QBarSet(QString());
        target->setColor(color);
        target->setPen(Qt::NoPen);
        for (int i = 0; i < index; ++i)
            target->append(0.0);
        Series1->append(target);
    }
    for (QBarSet* set : Series1->barSets())
        set->append(set == target ? value : 0.0);
    barLabels_ << label;
    categoryAxis_->append(chartCategoryText(label));
}

void ResultWindow::appendTitleLine(const QString& line) {
    titleLines_ << line;
    chart_->setTitle(chartTitleText(titleLines_));
    Chart1->update();
}

void ResultWindow::setNotice(const QString& text) {
    if (Label1 == nullptr)
        return;
    Label1->setText(text);
    Label1->adjustSize();
}

void ResultWindow::disableDetail() {
    detail->setEnabled(false);
}

int ResultWindow::barCount() const {
    return int(barLabels_.size());
}

double ResultWindow::barValue(int index) const {
    double value = 0.0;
    for (const QBarSet* set : Series1->barSets())
        value += set->at(index);
    return value;
}

QColor ResultWindow::barColor(int index) const {
    for (QBarSet* set : Series1->barSets()) {
        if (set->at(index) != 0.0)
            return set->color();
    }
    return Series1->barSets().isEmpty() ? QColor() : Series1->barSets().constFirst()->color();
}

QString ResultWindow::barLabel(int index) const {
    return barLabels_.value(index);
}

QStringList ResultWindow::titleLines() const {
    return titleLines_;
}

QChart* ResultWindow::chart() const {
    return chart_;
}

void ResultWindow::detailClick() {
    openAreaMenu(this);
    // Take the keyboard back from the closed menu, also where no window manager hands it over,
    // so that Alt+C and Enter reach the close button.
    activateWindow();
}

void ResultWindow::button_endeClick() {
    if (ExportOnClose(this, Image1->bitmap, 80, resultPictureName(graphicBaseName)))
        close();
}

void ResultWindow::FormCreate() {
    firstActivation = true;
}

bool ResultWindow::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
        // Where no window manager activates the window, the flow starts once it is on screen.
        if (QWindow* handle = windowHandle())
            handle->installEventFilter(this);
        break;
    case QEvent::WindowActivate:
        scheduleFormActivate();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

bool ResultWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed())
        scheduleFormActivate();
    return QWidget::eventFilter(watched, event);
}

void ResultWindow::scheduleFormActivate() {
    // The flow runs its modal dialogs from the event loop, not from inside the event that
    // started it; it returns at once on every call after the first.
    if (!firstActivation)
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            const bool first = firstActivation;
            FormActivate();
            // Once the flow's dialogs have closed, the keyboard belongs to the result window
            // again, also where no window manager hands it back.
            if (first && isVisible())
                activateWindow();
        },
        Qt::QueuedConnection);
}
