// The result window both programs share: layout, chart, the operations of the flows, the
// activation that starts a flow once, and the two buttons.
#include "areamenu.h"
#include "catalogue.h"
#include "kalmirGLOBAL.h"
#include "resultwindow.h"
#include "testsupport.h"
#include "uikit.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileDialog>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>

using namespace testsupport;

namespace {

// A result window whose flow only counts how often it is started and how often it runs.
class ProbeWindow : public ResultWindow {
public:
    explicit ProbeWindow(const ResultWindowLayout& layout = ResultWindowLayout::single())
        : ResultWindow(layout) {}
    int calls = 0;
    int runs = 0;

protected:
    void FormActivate() override {
        ++calls;
        if (!firstActivation)
            return;
        firstActivation = false;
        ++runs;
    }
};

// The texts the chart has drawn, as plain text (a drawn line break reads as "\n").
QStringList drawnTexts(const ResultWindow& window) {
    QStringList texts;
    for (QGraphicsItem* item : window.Chart1->scene()->items()) {
        if (auto* text = dynamic_cast<QGraphicsTextItem*>(item); text && text->isVisible())
            texts << text->toPlainText();
    }
    return texts;
}

QValueAxis* valueAxis(const ResultWindow& window) {
    return qobject_cast<QValueAxis*>(window.chart()->axes(Qt::Vertical).value(0));
}

QBarCategoryAxis* categoryAxis(const ResultWindow& window) {
    return qobject_cast<QBarCategoryAxis*>(window.chart()->axes(Qt::Horizontal).value(0));
}

const QColor kNavy(0, 0, 128);

} // namespace

Q_DECLARE_METATYPE(ResultWindowLayout)

class ResultWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setApplicationTitle(QStringLiteral("KALMIR Auswertung Dornhag")); }
    void init() {
        resetProgramState();
        home_ = QDir::currentPath();
    }
    void cleanup() { QDir::setCurrent(home_); }

    void layout_data() {
        QTest::addColumn<ResultWindowLayout>("layout");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QRect>("notice");
        QTest::addColumn<int>("noticePixels");
        QTest::addColumn<bool>("chartNotice");
        QTest::newRow("single") << ResultWindowLayout::single() << "KALMIR Velumar Dornhag"
                                << "KALMIR-Auswertung" << QRect(16, 559, 422, 15) << 12 << false;
        QTest::newRow("group") << ResultWindowLayout::group()
                               << "KALMIR Velumar: Gruppenauswertung Dornhag"
                               << "KALMIR-Gruppenauswertung" << QRect(147, 556, 477, 16) << 13
                               << true;
    }
    void layout() {
        QFETCH(ResultWindowLayout, layout);
        QFETCH(QString, caption);
        QFETCH(QString, title);
        QFETCH(QRect, notice);
        QFETCH(int, noticePixels);
        QFETCH(bool, chartNotice);

        ProbeWindow window(layout);
        QVERIFY(firstActivation); // FormCreate
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        QCOMPARE(window.windowTitle(), caption);
        QCOMPARE(window.frameGeometry().size(), QSize(808, 609));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(window.windowFlags() & Qt::WindowMaximizeButtonHint);

        QCOMPARE(window.Chart1->objectName(), QStringLiteral("Chart1"));
        QCOMPARE(window.Chart1->geometry(), QRect(8, 11, 761, 489));
        QCOMPARE(window.Series1->objectName(), QStringLiteral("Series1"));
        QCOMPARE(window.detail->objectName(), QStringLiteral("detail"));
        QCOMPARE(window.detail->geometry(), QRect(280, 512, 113, 33));
        QCOMPARE(window.detail->text(), QStringLiteral("&Einzelauswertung"));
        QVERIFY(window.detail->icon().isNull());
        QCOMPARE(window.button_ende->objectName(), QStringLiteral("button_ende"));
        QCOMPARE(window.button_ende->geometry(), QRect(456, 512, 113, 33));
        QCOMPARE(window.button_ende->text(), QStringLiteral("S&chließen"));
        QVERIFY(!window.button_ende->icon().isNull());
        QCOMPARE(window.Label3->objectName(), QStringLiteral("Label3"));
        QCOMPARE(window.Label3->geometry(), notice);
        QCOMPARE(window.Label3->font().pixelSize(), noticePixels);
        QCOMPARE(window.Label3->text(), makerNoticeText());
        QCOMPARE(window.Image1->objectName(), QStringLiteral("Image1"));
        QVERIFY(!window.Image1->isVisible());

        // The close button comes first in the tab order and holds the focus.
        QTRY_COMPARE(QApplication::focusWidget(), window.button_ende);
        QCOMPARE(window.button_ende->nextInFocusChain(), window.detail);

        QCOMPARE(window.titleLines(), QStringList{title});
        QVERIFY(drawnTexts(window).contains(title));

        QCOMPARE(window.Label1 != nullptr, chartNotice);
        if (chartNotice) {
            QCOMPARE(window.Label1->objectName(), QStringLiteral("Label1"));
            QCOMPARE(window.Label1->parentWidget(), window.Chart1);
            QCOMPARE(window.Label1->pos(), QPoint(120, 144));
            QCOMPARE(window.Label1->font().pixelSize(), 15);
            QVERIFY(window.Label1->font().bold());
            QCOMPARE(window.Label1->palette().color(QPalette::WindowText), QColor(Qt::red));
            QVERIFY(window.Label1->text().isEmpty());
        }

        // The controls keep their places when the window grows.
        window.resize(1000, 800);
        QTRY_COMPARE(window.size(), QSize(1000, 800));
        QCOMPARE(window.Chart1->geometry(), QRect(8, 11, 761, 489));
        QCOMPARE(window.button_ende->geometry(), QRect(456, 512, 113, 33));
    }

    // Without bars: title, the fixed 0..100 % axis and no area labels.
    void emptyChart() {
        ProbeWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QChart* chart = window.chart();
        QCOMPARE(chart->backgroundBrush().color(), QColor(255, 251, 240));
        QVERIFY(!chart->isPlotAreaBackgroundVisible());
        QVERIFY(!chart->legend()->isVisible());
        QCOMPARE(chart->titleFont().pixelSize(), 15);
        QVERIFY(chart->titleFont().bold());
        QCOMPARE(chart->titleBrush().color(), kNavy);

        QValueAxis* values = valueAxis(window);
        QVERIFY(values != nullptr);
        QCOMPARE(values->min(), 0.0);
        QCOMPARE(values->max(), 100.0);
        QCOMPARE(values->minorTickCount(), 0);
        const QStringList drawn = drawnTexts(window);
        for (const char* label : {"0%", "50%", "100%"})
            QVERIFY2(drawn.contains(QLatin1String(label)), label);

        QCOMPARE(window.barCount(), 0);
        QVERIFY(categoryAxis(window)->categories().isEmpty());
        QCOMPARE(window.Series1->barWidth(), 0.8);
        QVERIFY(!window.Series1->isLabelsVisible());
    }

    // The footer: the maker's line, centred below the plot area.
    void footer() {
        ProbeWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QGraphicsSimpleTextItem* footer = window.footerItem();
        QCOMPARE(footer->text(), chartFooterText());
        QCOMPARE(footer->font().pixelSize(), 11);
        QCOMPARE(footer->brush().color(), QColor(Qt::black));
        const QRectF plot = window.chart()->plotArea();
        const QRectF placed = footer->mapRectToScene(footer->boundingRect());
        QVERIFY(qAbs(placed.center().x() - plot.center().x()) <= 1.0);
        QVERIFY(placed.top() > plot.bottom());
        QVERIFY(placed.bottom() <= window.Chart1->height());
    }

    // Bars are appended in order with value, label and colour; a value above 100 leaves the
    // axis at 0..100.
    void addBars() {
        ProbeWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.addBar(74, QStringLiteral("Strukturkompetenz"), kNavy);
        window.addBar(150, QStringLiteral("Prozesskompetenz"), kNavy);
        window.addBar(0, QStringLiteral("Umsetzungskompetenz"), kNavy);
        QCOMPARE(window.barCount(), 3);
        QCOMPARE(window.barValue(0), 74.0);
        QCOMPARE(window.barValue(1), 150.0);
        QCOMPARE(window.barValue(2), 0.0);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(window.barColor(i), kNavy);
        QCOMPARE(window.Series1->barSets().size(), 1);
        QCOMPARE(window.barLabel(1), QStringLiteral("Prozesskompetenz"));
        QCOMPARE(categoryAxis(window)->categories(),
                 (QStringList{"Strukturkompetenz", "Prozesskompetenz", "Umsetzungskompetenz"}));
        QCOMPARE(valueAxis(window)->max(), 100.0);
        QCOMPARE(valueAxis(window)->min(), 0.0);
    }

    // Each bar is drawn in the colour it was given.
    void barColours() {
        ProbeWindow window;
        window.addBar(40, QStringLiteral("a"), kNavy);
        window.addBar(60, QStringLiteral("b"), Qt::red);
        window.addBar(80, QStringLiteral("c"), kNavy);
        QCOMPARE(window.barColor(0), kNavy);
        QCOMPARE(window.barColor(1), QColor(Qt::red));
        QCOMPARE(window.barColor(2), kNavy);
        QCOMPARE(window.barValue(1), 60.0);
        QCOMPARE(window.barValue(2), 80.0);
    }

    // The eight area labels turned upwards, area 7 on two lines.
    void areaLabels() {
        ProbeWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const AreaInfo& area : AreaTable)
            window.addBar(50, QString::fromUtf8(area.chartLabel), kNavy);
        QCOMPARE(categoryAxis(window)->labelsAngle(), -90);
        QCOMPARE(window.barLabel(6), QStringLiteral("Schnittstelle\rLinie-Projekt"));
        const QStringList expected{
            "Strukturkompetenz", "Prozesskompetenz", "Umsetzungskompetenz",          "PM-Standards",
            "Lernkompetenz",     "TOOLing",          "Schnittstelle\nLinie-Projekt", "Technik"};
        // Once the chart has made room for them, every label is drawn whole.
        for (const QString& label : expected)
            QTRY_VERIFY2(drawnTexts(window).contains(label), qPrintable(label));
    }

    void titleLines() {
        ProbeWindow window(ResultWindowLayout::group());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.appendTitleLine(QStringLiteral("12 Teilnehmer"));
        QCOMPARE(window.titleLines(), (QStringList{"KALMIR-Gruppenauswertung", "12 Teilnehmer"}));
        QTRY_VERIFY(drawnTexts(window).contains("KALMIR-Gruppenauswertung\n12 Teilnehmer"));
    }

    void labelTexts() {
        QCOMPARE(chartCategoryText(QStringLiteral("Schnittstelle\rLinie-Projekt")),
                 QStringLiteral("Schnittstelle<br>Linie-Projekt"));
        QCOMPARE(chartCategoryText(QStringLiteral("A\r\nB\nC")), QStringLiteral("A<br>B<br>C"));
        QCOMPARE(chartCategoryText(QStringLiteral("<b>&")), QStringLiteral("&lt;b&gt;&amp;"));
        QCOMPARE(chartTitleText({"KALMIR-Gruppenauswertung", "3 Teilnehmer"}),
                 QStringLiteral("<center>KALMIR-Gruppenauswertung<br>3 Teilnehmer</center>"));
    }

    void noticeAndDetail() {
        ProbeWindow group(ResultWindowLayout::group());
        const QString notice =
            QStringLiteral("Es wurden nicht alle Fragen beantwortet, daher ist diese Grafik "
                           "nicht genau");
        group.setNotice(notice);
        QCOMPARE(group.Label1->text(), notice);
        // One line that grows with its text.
        QVERIFY(group.Label1->width() >= group.Label1->sizeHint().width());
        QCOMPARE(group.Label1->pos(), QPoint(120, 144));
        group.disableDetail();
        QVERIFY(!group.detail->isEnabled());

        ProbeWindow single;
        single.setNotice(notice); // the single window has no notice; nothing happens
        QVERIFY(single.Label1 == nullptr);
    }

    // The flow starts once, from the first activation; later activations run nothing.
    void activationRunsFlowOnce() {
        ProbeWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_COMPARE(window.runs, 1);
        QVERIFY(!firstActivation);
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(&window, &deactivate);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&window, &activate);
        QApplication::sendEvent(&window, &activate);
        QCoreApplication::processEvents();
        QCOMPARE(window.runs, 1);
    }

    // The production file dialog: one existing "*.dat" file; a choice makes its folder the
    // current directory, a cancel leaves it.
    void openDialog() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ZARLIK.dat"));
        QVERIFY(writeAnswerFile(path, recordWithAll(2)));
        ProbeWindow window;

        QString name;
        QFileDialog::FileMode mode = QFileDialog::AnyFile;
        QStringList filters;
        answerNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (dialog == nullptr || edit == nullptr) {
                modal->close(); // not the dialog expected; the checks below fail
                return;
            }
            name = dialog->objectName();
            mode = dialog->fileMode();
            filters = dialog->nameFilters();
            // Typed into the file name field, as a user would.
            edit->setText(path);
            static_cast<QDialog*>(dialog)->accept();
        });
        const std::optional<QString> chosen = window.runOpenDialog1();
        QCOMPARE(name, QStringLiteral("OpenDialog1"));
        QCOMPARE(mode, QFileDialog::ExistingFile);
        QCOMPARE(filters, QStringList{"Auswertungsdatei (*.dat)"});
        QVERIFY(chosen.has_value());
        QCOMPARE(QFileInfo(*chosen).canonicalFilePath(), QFileInfo(path).canonicalFilePath());
        QCOMPARE(QDir::current().canonicalPath(), QDir(dir.path()).canonicalPath());

        QDir::setCurrent(home_);
        answerNextModal([](QWidget* modal) { modal->close(); });
        QVERIFY(!window.runOpenDialog1().has_value());
        QCOMPARE(QDir::currentPath(), home_);
    }

    // The close button ends the program (after the export, when pictures are wanted); Enter
    // on the focused button and Alt+C do the same. The frame's close box writes nothing.
    void closeButton_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("save");
        QTest::addColumn<bool>("pictureWritten");
        QTest::newRow("click") << "click" << false << false;
        QTest::newRow("Enter") << "enter" << false << false;
        QTest::newRow("Alt+C") << "alt" << false << false;
        QTest::newRow("click, pictures wanted") << "click" << true << true;
        QTest::newRow("frame, pictures wanted") << "frame" << true << false;
    }
    void closeButton() {
        QFETCH(QString, how);
        QFETCH(bool, save);
        QFETCH(bool, pictureWritten);
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        saveGraphics = save;
        graphicBaseName = QStringLiteral("ZARLIK");

        ProbeWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_COMPARE(window.runs, 1);
        if (how == "click")
            window.button_ende->click();
        else if (how == "enter")
            QTest::keyClick(window.button_ende, Qt::Key_Return);
        else if (how == "alt")
            QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
        else
            window.close();
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(QFileInfo::exists(dir.filePath(QStringLiteral("ZARLIK.jpg"))), pictureWritten);
    }

    // A picture that cannot be written is reported, and the window stays open.
    void failedExportKeepsWindowOpen() {
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        saveGraphics = true;
        graphicBaseName = QStringLiteral("fehlt/ZARLIK"); // a folder that does not exist
        ProbeWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QString title;
        pressOnNextModal(QStringLiteral("OK"), &title);
        window.button_ende->click();
        QCOMPARE(title, applicationTitle());
        QVERIFY(window.isVisible());
    }

    // Alt+E opens a fresh area menu each time.
    void detailOpensAreaMenu() {
        ProbeWindow window;
        window.show();
        for (int round = 0; round < 2; ++round) {
            // The test platform does not hand the activation back when the menu closes.
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            bool menuSeen = false;
            answerNextModal([&](QWidget* modal) {
                menuSeen = qobject_cast<Tkalmirauswmenufrm*>(modal) != nullptr &&
                           modal->parentWidget() == &window;
                modal->close();
            });
            // The accelerator presses the button a moment later, as a click would look.
            QTest::keyClick(&window, Qt::Key_E, Qt::AltModifier);
            QTRY_VERIFY(menuSeen);
            QTRY_VERIFY(window.findChildren<Tkalmirauswmenufrm*>().isEmpty());
        }
        QVERIFY(window.isVisible());
    }

private:
    QString home_;
};

QTEST_MAIN(ResultWindowTest)
#include "tst_resultwindow.moc"
