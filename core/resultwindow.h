// The result window of both programs: the bar chart of the eight competence areas, the button
// to the area menu, the close button and the maker's notice.
#pragma once

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>

class QChart;
class QChartView;
class QBarCategoryAxis;
class QGraphicsSimpleTextItem;
class QPushButton;
class QStackedBarSeries;
class QValueAxis;

// What differs between the single and the group result window.
struct ResultWindowLayout {
    QString caption;
    QString firstTitleLine;
    QRect noticeGeometry; // Label3, the maker's notice
    int noticePixelSize;  // its character height
    bool withChartNotice; // Label1, the red notice inside the chart

    static ResultWindowLayout single();
    static ResultWindowLayout group();
};

// A picture control that is never shown; its picture is the buffer the export captures into.
class CaptureImage : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    QImage bitmap;
};

class ResultWindow : public QWidget {
    Q_OBJECT
public:
    explicit ResultWindow(const ResultWindowLayout& layout, QWidget* parent = nullptr);

    // Components, in the order of the layout.
    QPushButton* button_ende;
    QChartView* Chart1;
    QStackedBarSeries* Series1;
    QPushButton* detail;
    CaptureImage* Image1;
    QLabel* Label3;
    QLabel* Label1; // the group window's notice inside the chart; nullptr in the single window

    // Runs the file dialog `OpenDialog1` for one existing "*.dat" file. Returns the chosen file's
    // full path, or nothing when the user cancelled. After a choice the file's folder is the
    // process's current directory: the picture files are written relative to it.
    std::optional<QString> runOpenDialog1();
    // The dialog itself; replaceable so that tests can answer it. Returns the chosen path.
    std::function<std::optional<QString>(QWidget* owner)> runOpenDialog;

    // Appends a bar with `value` (percent), the category `label` (a carriage return or line feed
    // starts a second line) and `color`. Bars are never removed.
    void addBar(double value, const QString& label, const QColor& color);
    // Adds the eight navy area bars in area order, each with its area's chart label and the
    // value `percentOf(area)`.
    void addAreaBars(const std::function<double(int area)>& percentOf);
    // Appends a line to the chart title.
    void appendTitleLine(const QString& line);
    // Sets the red notice inside the chart (group window).
    void setNotice(const QString& text);
    void disableDetail();

    // What the chart holds, in bar order.
    int barCount() const;
    double barValue(int index) const;
    QColor barColor(int index) const;
    QString barLabel(int index) const;
    QStringList titleLines() const;
    QChart* chart() const;
    QGraphicsSimpleTextItem* footerItem() const { return footer_; }

public slots:
    void detailClick();
    void button_endeClick();

protected:
    // Sets firstActivation; called once by the constructor.
    void FormCreate();
    // The program's evaluation flow; does its work only on the first activation.
    virtual void FormActivate() = 0;

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildChart(const ResultWindowLayout& layout);
    void scheduleFormActivate();
    void placeFooter();

    QChart* chart_ = nullptr;
    QBarCategoryAxis* categoryAxis_ = nullptr;
    QValueAxis* valueAxis_ = nullptr;
    QGraphicsSimpleTextItem* footer_ = nullptr;
    QStringList titleLines_;
    QStringList barLabels_;
    int footerMargin_ = 0;
};

// The chart's form of a category label: escaped for the label renderer, with a line break for
// every carriage return or line feed.
QString chartCategoryText(const QString& label);
// The chart's form of a title of several lines: escaped, centred, one line below the other.
QString chartTitleText(const QStringList& lines);
