// The eight area detail windows: layout, gauge values and closing.
#include "areawindow.h"
#include "catalogue.h"
#include "gauge.h"
#include "kalmirGLOBAL.h"
#include "testsupport.h"
#include "uikit.h"

#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void addAreaRows() {
    QTest::addColumn<int>("area");
    for (int area = 1; area <= 8; ++area)
        QTest::addRow("area %d", area) << area;
}

QString firstLine(int question) {
    return QString::fromUtf8(questionInfo(question).lines[0]);
}

QLabel* labelWithText(const QWidget& window, const QString& text) {
    for (QLabel* label : window.findChildren<QLabel*>())
        if (label->text() == text)
            return label;
    return nullptr;
}

bool sameRow(const QRect& a, const QRect& b) {
    return a.top() <= b.bottom() && b.top() <= a.bottom();
}

// Every question counted 20 times with the value n - 20, so that its gauge shows n.
void letGaugesShowTheirQuestion() {
    for (int n = 1; n <= 96; ++n) {
        questionAnswered[n] = 20;
        answerBuffer.code(n) = n - 20;
    }
}

// Makes a fresh folder the current directory, where the pictures go, for as long as it lives.
class PictureFolder {
public:
    PictureFolder()
        : previous_(QDir::currentPath()) {
        QDir::setCurrent(dir_.path());
    }
    ~PictureFolder() { QDir::setCurrent(previous_); }
    QStringList entries() const {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    bool isValid() const { return dir_.isValid(); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

} // namespace

class TestAreaWindows : public QObject {
    Q_OBJECT

private slots:
    void init() { resetProgramState(); }

    void layoutFollowsRules_data() { addAreaRows(); }
    void layoutFollowsRules();
    void layoutFitsAboveCloseButton_data() { addAreaRows(); }
    void layoutFitsAboveCloseButton();
    void statementsFitTheirLabels_data() { addAreaRows(); }
    void statementsFitTheirLabels();

    void windowComponents_data();
    void windowComponents();
    void onlyCloseButtonTakesFocus_data() { addAreaRows(); }
    void onlyCloseButtonTakesFocus();
    void everyGaugeBesideItsStatement();

    void gaugeValues_data();
    void gaugeValues();
    void noAnswersShowZero();

    void closeButtonAccepts_data();
    void closeButtonAccepts();
    void frameCloseRejectsAndEscapeIsIgnored();
    void resizingKeepsControls();
    void closeButtonSavesPicture_data();
    void closeButtonSavesPicture();
    void frameCloseSavesNothing();
    void failedPictureStillCloses();
    void pictureCut_data();
    void pictureCut();
};

void TestAreaWindows::layoutFollowsRules() {
    QFETCH(int, area);
    const AreaWindowLayout layout = areaWindowLayout(area);
    const int statementX = areaWindowDesign(area).statementX;
    QCOMPARE(int(layout.gauges.size()), areaInfo(area).questionCount);
    QVERIFY(layout.lines.front().rect.top() >= 20 && layout.lines.front().rect.top() <= 32);

    int previousTop = 0;
    for (std::size_t i = 0; i < layout.lines.size(); ++i) {
        const StatementLinePlacement& line = layout.lines[i];
        const QRect& r = line.rect;
        QVERIFY(r.height() >= 16 && r.height() <= 18);
        QVERIFY(r.width() >= 388 && r.width() <= 513);
        QVERIFY2(r.right() < 536, qPrintable(QStringLiteral("line %1 reaches the gauges").arg(i)));
        if (line.line == 0) {
            QCOMPARE(r.left(), statementX);
        } else {
            const StatementLinePlacement& above = layout.lines[i - 1];
            QCOMPARE(above.question, line.question);
            const int indent = QSet<int>{2, 7, 26}.contains(line.question) ? 16 : 18;
            QCOMPARE(r.left(), statementX + indent);
            QVERIFY(r.top() - above.rect.top() >= 15 && r.top() - above.rect.top() <= 19);
        }
        QVERIFY(r.top() > previousTop);
        previousTop = r.top();
        for (std::size_t j = 0; j < i; ++j)
            QVERIFY(!layout.lines[j].rect.intersects(r));
    }

    for (std::size_t k = 0; k < layout.gauges.size(); ++k) {
        const QRect& gauge = layout.gauges[k];
        QCOMPARE(gauge.left(), 536);
        QCOMPARE(gauge.size(), QSize(160, 18));
        const int question = layout.gaugeQuestions[k];
        const auto first = std::find_if(layout.lines.begin(), layout.lines.end(), [&](auto& l) {
            return l.question == question && l.line == 0;
        });
        QVERIFY(first != layout.lines.end());
        const int drop = gauge.top() - first->rect.top();
        if (questionInfo(question).lineCount == 1)
            QCOMPARE(drop, 0);
        else
            QVERIFY(drop >= 0 && drop <= 12);
        if (k > 0)
            QVERIFY(!layout.gauges[k - 1].intersects(gauge));
    }
}

void TestAreaWindows::layoutFitsAboveCloseButton() {
    QFETCH(int, area);
    const AreaWindowLayout layout = areaWindowLayout(area);
    const int closeTop = areaWindowDesign(area).closeButton.y();
    for (const StatementLinePlacement& line : layout.lines)
        QVERIFY2(line.rect.bottom() < closeTop,
                 qPrintable(QStringLiteral("question %1 ends at %2, the close button starts at %3")
                                .arg(line.question)
                                .arg(line.rect.bottom())
                                .arg(closeTop)));
    for (const QRect& gauge : layout.gauges)
        QVERIFY(gauge.bottom() < closeTop);
}

void TestAreaWindows::statementsFitTheirLabels() {
    QFETCH(int, area);
    KalmirAreaWindow window(area, nullptr);
    int statementLabels = 0;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->objectName().startsWith(QLatin1String("Label")))
            continue;
        ++statementLabels;
        QCOMPARE(label->font().pixelSize(), 13);
        const QFontMetrics metrics(label->font());
        QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->text()));
        QVERIFY(metrics.height() <= label->height());
    }
    QCOMPARE(statementLabels, int(areaWindowLayout(area).lines.size()));
}

void TestAreaWindows::windowComponents_data() {
    QTest::addColumn<int>("area");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("closeButton");
    QTest::addColumn<QPoint>("notice");
    QTest::addColumn<int>("gauges");
    QTest::newRow("1") << 1 << "KALMIR Velumar: Strukturkompetenz" << QSize(752, 527)
                       << QPoint(327, 433) << QPoint(16, 476) << 14;
    QTest::newRow("2") << 2 << "KALMIR Velumar: Prozesskompetenz" << QSize(752, 539)
                       << QPoint(327, 449) << QPoint(24, 492) << 16;
    QTest::newRow("3") << 3 << "KALMIR Velumar: Umsetzungskompetenz" << QSize(752, 579)
                       << QPoint(327, 481) << QPoint(8, 536) << 17;
    QTest::newRow("4") << 4 << "KALMIR Velumar: PM-Standards" << QSize(752, 349) << QPoint(295, 257)
                       << QPoint(8, 299) << 7;
    QTest::newRow("5") << 5 << "KALMIR Velumar: Lernkompetenz" << QSize(752, 483)
                       << QPoint(327, 393) << QPoint(16, 436) << 11;
    QTest::newRow("6") << 6 << "KALMIR Velumar: TOOLing" << QSize(752, 402) << QPoint(319, 305)
                       << QPoint(16, 348) << 9;
    QTest::newRow("7") << 7 << "KALMIR Velumar: Schnittstelle Linie-Projekt" << QSize(752, 501)
                       << QPoint(327, 401) << QPoint(16, 452) << 14;
    QTest::newRow("8") << 8 << "KALMIR Velumar: Technik" << QSize(752, 382) << QPoint(343, 289)
                       << QPoint(16, 332) << 8;
}

void TestAreaWindows::windowComponents() {
    QFETCH(int, area);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(QPoint, closeButton);
    QFETCH(QPoint, notice);
    QFETCH(int, gauges);

    const std::unique_ptr<KalmirAreaWindow> window = createAreaWindow(area, nullptr);
    QCOMPARE(window->area(), area);
    QCOMPARE(window->windowTitle(), caption);
    QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTRY_COMPARE(window->frameGeometry().size(), size);

    QCOMPARE(window->gaugeCount(), gauges);
    for (int k = 1; k <= gauges; ++k) {
        auto* gauge = window->findChild<Gauge*>(QStringLiteral("Gauge%1").arg(k));
        QVERIFY(gauge != nullptr);
        QCOMPARE(gauge, window->gauge(k));
        QCOMPARE(gauge->value(), 0);
    }
    QVERIFY(window->findChild<Gauge*>(QStringLiteral("Gauge%1").arg(gauges + 1)) == nullptr);

    QPushButton* close = window->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
    QVERIFY(close != nullptr);
    QCOMPARE(close->geometry(), QRect(closeButton, QSize(121, 33)));
    QCOMPARE(close->text(), QStringLiteral("S&chließen"));
    QVERIFY(!close->icon().isNull());
    QCOMPARE(close->iconSize(), QSize(18, 18));

    auto* image = window->findChild<QLabel*>(QStringLiteral("Image1"));
    QVERIFY(image != nullptr);
    QVERIFY(!image->isVisible());

    auto* noticeLabel = window->findChild<QLabel*>(QStringLiteral("notice"));
    QVERIFY(noticeLabel != nullptr);
    QCOMPARE(noticeLabel->text(), areaNoticeText());
    QCOMPARE(noticeLabel->pos(), notice);
    QCOMPARE(noticeLabel->font().pixelSize(), 12);
    QVERIFY(noticeLabel->width() >=
            QFontMetrics(noticeLabel->font()).horizontalAdvance(noticeLabel->text()));
    QVERIFY(noticeLabel->geometry().top() > close->geometry().bottom());
}

void TestAreaWindows::onlyCloseButtonTakesFocus() {
    QFETCH(int, area);
    KalmirAreaWindow window(area, nullptr);
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (child != window.BitBtn1)
            QVERIFY2(!(child->focusPolicy() & Qt::TabFocus), qPrintable(child->objectName()));
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget(), window.BitBtn1);
    QTest::keyClick(window.BitBtn1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window.BitBtn1);
}

// All 96 gauges show every question once, each in the row of its own statement's first line.
void TestAreaWindows::everyGaugeBesideItsStatement() {
    letGaugesShowTheirQuestion();
    QSet<int> shown;
    for (int area = 1; area <= 8; ++area) {
        const std::unique_ptr<KalmirAreaWindow> window = createAreaWindow(area, nullptr);
        int previous = 0;
        for (int k = 1; k <= window->gaugeCount(); ++k) {
            const Gauge* gauge = window->gauge(k);
            const int question = gauge->value();
            QVERIFY2(question > previous, "gauges follow the display order");
            previous = question;
            QCOMPARE(areaOfQuestion(question), area);
            QVERIFY(!shown.contains(question));
            shown.insert(question);

            const QLabel* own = labelWithText(*window, firstLine(question));
            QVERIFY2(own != nullptr, qPrintable(firstLine(question)));
            QVERIFY2(sameRow(gauge->geometry(), own->geometry()),
                     qPrintable(QStringLiteral("Gauge%1 of area %2").arg(k).arg(area)));
            // No other statement starts in the gauge's row.
            for (int other : questionsOfArea(area)) {
                if (other != question)
                    QVERIFY(!sameRow(gauge->geometry(),
                                     labelWithText(*window, firstLine(other))->geometry()));
            }
        }
    }
    QCOMPARE(shown.size(), 96);
}

void TestAreaWindows::gaugeValues_data() {
    QTest::addColumn<int>("area");
    QTest::addColumn<int>("gauge");
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("shown");
    QTest::newRow("single: code 4") << 1 << 14 << 94 << 4 << 1 << 100;
    QTest::newRow("single: code 0") << 8 << 1 << 1 << 0 << 1 << 20;
    QTest::newRow("single: code 2") << 6 << 9 << 96 << 2 << 1 << 60;
    QTest::newRow("single: unanswered") << 3 << 1 << 9 << -1 << 0 << 0;
    QTest::newRow("single: code 7 is limited") << 4 << 1 << 8 << 7 << 1 << 100;
    QTest::newRow("single: code -3 is limited") << 5 << 1 << 6 << -3 << 1 << 0;
    QTest::newRow("group: 4 and 2") << 2 << 16 << 95 << 6 << 2 << 80;
    QTest::newRow("group: 0, 0 and 1") << 7 << 14 << 90 << 1 << 3 << 26;
    QTest::newRow("group: sum without count") << 3 << 17 << 92 << 12 << 0 << 0;
}

void TestAreaWindows::gaugeValues() {
    QFETCH(int, area);
    QFETCH(int, gauge);
    QFETCH(int, question);
    QFETCH(int, value);
    QFETCH(int, count);
    QFETCH(int, shown);
    answerBuffer.code(question) = value;
    questionAnswered[question] = static_cast<std::uint32_t>(count);

    const std::unique_ptr<KalmirAreaWindow> window = createAreaWindow(area, nullptr);
    QCOMPARE(window->gaugeQuestion(gauge), question);
    for (int k = 1; k <= window->gaugeCount(); ++k) {
        auto* g = window->findChild<Gauge*>(QStringLiteral("Gauge%1").arg(k));
        QCOMPARE(g->value(), k == gauge ? shown : 0);
    }
}

// A group evaluation that found no readable file leaves every gauge at 0.
void TestAreaWindows::noAnswersShowZero() {
    answerBuffer.answers.fill(3);
    for (int area = 1; area <= 8; ++area) {
        const std::unique_ptr<KalmirAreaWindow> window = createAreaWindow(area, nullptr);
        for (int k = 1; k <= window->gaugeCount(); ++k)
            QCOMPARE(window->gauge(k)->value(), 0);
    }
}

void TestAreaWindows::closeButtonAccepts_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void TestAreaWindows::closeButtonAccepts() {
    QFETCH(int, key);
    const std::unique_ptr<KalmirAreaWindow> window = createAreaWindow(4, nullptr);
    QString focused;
    testsupport::answerNextModal([&](QWidget* modal) {
        QWidget* focus = modal->focusWidget();
        focused = focus ? focus->objectName() : QString();
        QTest::keyClick(focus ? focus : modal, Qt::Key(key));
        if (modal->isVisible()) // keep the test from hanging when the key did nothing
            modal->close();
    });
    QCOMPARE(window->exec(), int(QDialog::Accepted));
    QCOMPARE(focused, QStringLiteral("BitBtn1"));
}

void TestAreaWindows::frameCloseRejectsAndEscapeIsIgnored() {
    const std::unique_ptr<KalmirAreaWindow> window = createAreaWindow(6, nullptr);
    bool openAfterEscape = false;
    testsupport::answerNextModal([&](QWidget* modal) {
        QTest::keyClick(modal, Qt::Key_Escape);
        openAfterEscape = modal->isVisible();
        modal->close();
    });
    QCOMPARE(window->exec(), int(QDialog::Rejected));
    QVERIFY(openAfterEscape);
}

void TestAreaWindows::resizingKeepsControls() {
    KalmirAreaWindow window(7, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect close = window.BitBtn1->geometry();
    const QRect gauge = window.gauge(14)->geometry();
    window.resize(window.size() + QSize(200, 150));
    QTRY_VERIFY(window.width() > 752);
    QCOMPARE(window.BitBtn1->geometry(), close);
    QCOMPARE(window.gauge(14)->geometry(), gauge);
}

void TestAreaWindows::closeButtonSavesPicture_data() {
    QTest::addColumn<int>("area");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("height"); // the close button's top + 16
    QTest::newRow("1") << 1 << "KALMIR-1Struktur.jpg" << 449;
    QTest::newRow("2") << 2 << "KALMIR-2Prozess.jpg" << 465;
    QTest::newRow("3") << 3 << "KALMIR-3Umsetzung.jpg" << 497;
    QTest::newRow("4") << 4 << "KALMIR-4PM-Standards.jpg" << 273;
    QTest::newRow("5") << 5 << "KALMIR-5Lern.jpg" << 409;
    QTest::newRow("6") << 6 << "KALMIR-6TOOLing.jpg" << 321;
    QTest::newRow("7") << 7 << "KALMIR-7Linie-Projekt.jpg" << 417;
    QTest::newRow("8") << 8 << "KALMIR-8Technik.jpg" << 305;
}

void TestAreaWindows::closeButtonSavesPicture() {
    QFETCH(int, area);
    QFETCH(QString, fileName);
    QFETCH(int, height);
    const PictureFolder folder;
    QVERIFY(folder.isValid());
    saveGraphics = true;
    graphicBaseName = QStringLiteral("KALMIR");

    const std::unique_ptr<KalmirAreaWindow> window = createAreaWindow(area, nullptr);
    const testsupport::ModalScript script({QStringLiteral("Schließen")});
    QCOMPARE(window->exec(), int(QDialog::Accepted));
    QCOMPARE(folder.entries(), QStringList{fileName});
    const QImage picture(fileName);
    QCOMPARE(picture.size(), QSize(752, height));
}

void TestAreaWindows::frameCloseSavesNothing() {
    const PictureFolder folder;
    QVERIFY(folder.isValid());
    saveGraphics = true;
    graphicBaseName = QStringLiteral("KALMIR");
    const std::unique_ptr<KalmirAreaWindow> window = createAreaWindow(2, nullptr);
    testsupport::answerNextModal([](QWidget* modal) { modal->close(); });
    QCOMPARE(window->exec(), int(QDialog::Rejected));
    QVERIFY(folder.entries().isEmpty());
}

// A picture that cannot be created is reported; the window closes with OK all the same.
void TestAreaWindows::failedPictureStillCloses() {
    const PictureFolder folder;
    QVERIFY(folder.isValid());
    QVERIFY(QDir().mkdir(QStringLiteral("KALMIR-5Lern.jpg")));
    setApplicationTitle(QStringLiteral("KALMIR Auswertung Dornhag"));
    saveGraphics = true;
    graphicBaseName = QStringLiteral("KALMIR");

    const std::unique_ptr<KalmirAreaWindow> window = createAreaWindow(5, nullptr);
    const testsupport::ModalScript script({QStringLiteral("Schließen"), QStringLiteral("OK")});
    QCOMPARE(window->exec(), int(QDialog::Accepted));
    QCOMPARE(script.seen().size(), 2);
    QCOMPARE(script.seen()[1].title, QStringLiteral("KALMIR Auswertung Dornhag"));
    QCOMPARE(script.seen()[1].text,
             QStringLiteral("Datei KALMIR-5Lern.jpg kann nicht erstellt werden."));
    QVERIFY(QFileInfo(QStringLiteral("KALMIR-5Lern.jpg")).isDir());
}

void TestAreaWindows::pictureCut_data() {
    QTest::addColumn<int>("outerHeight");
    QTest::addColumn<int>("closeTop");
    QTest::addColumn<int>("cut");
    const int cuts[] = {78, 74, 82, 76, 74, 81, 84, 77};
    for (const AreaWindowDesign& design : AreaWindowDesigns)
        QTest::addRow("area %d", design.area)
            << design.outerSize.height() << design.closeButton.y() << cuts[design.area - 1];
    QTest::newRow("taller window") << 727 << 433 << 278;
    // Shorter than the close button's top + 16: the 16-bit difference wraps.
    QTest::newRow("too short") << 400 << 433 << 65487;
}

void TestAreaWindows::pictureCut() {
    QFETCH(int, outerHeight);
    QFETCH(int, closeTop);
    QFETCH(int, cut);
    QCOMPARE(int(areaPictureCut(outerHeight, closeTop)), cut);
}

QTEST_MAIN(TestAreaWindows)
#include "tst_areawindows.moc"
