// The single evaluation flow, driven with its real information window and message boxes; only
// the file dialog is answered through its seam. Also the information window on its own.
#include "KALMIRAusw.h"
#include "KALMIRAuswInfo.h"
#include "catalogue.h"
#include "testsupport.h"
#include "uikit.h"
#include "warningsign.h"

#include <QBarCategoryAxis>
#include <QChart>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace testsupport;

namespace {

const QString kInfoCaption = QStringLiteral("Informationen zur KALMIR-Auswertung");
const QString kAppTitle = QStringLiteral("KALMIR Auswertung Dornhag");
const QString kSaveQuestion = QStringLiteral("Sollen die Grafiken abgespeichert werden?");
const QString kUnreadable = QStringLiteral("Datei lässt sich nicht öffnen");
// How the program's event loop came back.
constexpr int kEnded = 0;
constexpr int kRunning = 1;
constexpr int kHung = 2;

// A button text no box has, so that the script closes the box through its frame.
const QString kCloseBox = QStringLiteral("(Fenster schließen)");

const QStringList kChartLabels{
    "Strukturkompetenz", "Prozesskompetenz", "Umsetzungskompetenz",          "PM-Standards",
    "Lernkompetenz",     "TOOLing",          "Schnittstelle\rLinie-Projekt", "Technik"};

// Every question of `area` answered with `code`.
void answerWholeArea(AnswerRecord& record, int area, std::int32_t code) {
    for (int question : questionsOfArea(area))
        record.code(question) = code;
}

// The first questions of `area`, in catalogue order, answered with `codes`.
void answerArea(AnswerRecord& record, int area, const QList<std::int32_t>& codes) {
    const std::vector<int> questions = questionsOfArea(area);
    for (qsizetype i = 0; i < codes.size(); ++i)
        record.code(questions[std::size_t(i)]) = codes[i];
}

QList<double> allBars(double value) {
    return QList<double>(8, value);
}

} // namespace

Q_DECLARE_METATYPE(AnswerRecord)

class SingleFlowTest : public QObject {
    Q_OBJECT

    // Runs the application's event loop, as the program's main does, beginning with `start`.
    // Returns kEnded when the program ends (the loop quits), kRunning as soon as `idle` holds
    // while it goes on.
    static int runEventLoop(const std::function<void()>& start,
                            const std::function<bool()>& idle = {}) {
        QTimer::singleShot(0, qApp, start);
        QTimer watch;
        watch.callOnTimeout([&] {
            if (idle && idle())
                QCoreApplication::exit(kRunning);
        });
        watch.start(20);
        QTimer guard; // only so that a fault cannot hang the test
        guard.setSingleShot(true);
        guard.callOnTimeout([] { QCoreApplication::exit(kHung); });
        guard.start(60000);
        return QApplication::exec();
    }

    // Runs the flow once: the file dialog returns `chosen` (nothing: cancelled) and the modal
    // windows are answered with `buttons` in order. Returns once the flow has finished, with
    // `outcome_` telling whether the program ended.
    void run(const std::optional<QString>& chosen, const QStringList& buttons) {
        window_ = std::make_unique<Tkalmirauswfrm>();
        dialogRuns_ = 0;
        window_->runOpenDialog = [this, chosen](QWidget* owner) {
            ++dialogRuns_;
            dialogOwner_ = owner;
            return chosen;
        };
        script_ = std::make_unique<ModalScript>(buttons);
        // The flow keeps the event loop until all its boxes are answered, so once the dialog
        // has been run and no box is open with the window still shown, it has finished.
        outcome_ = runEventLoop([this] { window_->show(); },
                                [this] {
                                    return dialogRuns_ > 0 && window_->isVisible() &&
                                           QApplication::activeModalWidget() == nullptr;
                                });
    }

    QString answerPath(const QString& name) const { return dir_.filePath(name); }

    QStringList seenTitles() const {
        QStringList titles;
        for (const ModalScript::Seen& seen : script_->seen())
            titles << seen.title;
        return titles;
    }

    QList<double> barValues() const {
        QList<double> values;
        for (int i = 0; i < window_->barCount(); ++i)
            values << window_->barValue(i);
        return values;
    }

    bool programEnded() const { return outcome_ == kEnded && !window_->isVisible(); }

private slots:
    void initTestCase() {
        setApplicationTitle(kAppTitle);
        home_ = QDir::currentPath();
    }
    void init() {
        resetProgramState();
        areaTotal = {};
        QVERIFY(dir_.isValid());
    }
    void cleanup() {
        window_.reset();
        script_.reset();
        QDir::setCurrent(home_);
        dir_.remove();
        dir_ = QTemporaryDir();
    }

    // The information window comes first; cancelling the file dialog then ends the program
    // without any question or message.
    void cancelledDialogEndsTheProgram() {
        run(std::nullopt, {"OK"});
        QCOMPARE(seenTitles(), QStringList{kInfoCaption});
        QCOMPARE(dialogRuns_, 1);
        QCOMPARE(dialogOwner_, window_.get());
        QVERIFY(programEnded());
        QCOMPARE(window_->barCount(), 0);
        QVERIFY(!saveGraphics);
        QVERIFY(!firstActivation);
    }

    // Closing the information window through its frame goes on like its OK button.
    void informationWindowClosedThroughFrame() {
        QVERIFY(writeAnswerFile(answerPath("KALMIR.dat"), recordWithAll(2)));
        run(answerPath("KALMIR.dat"), {kCloseBox, "&Nein"});
        QCOMPARE(seenTitles(), (QStringList{kInfoCaption, "Bestätigung"}));
        QCOMPARE(window_->barCount(), 8);
    }

    // Too short or vanished files: the message, then the end; 432 bytes or more are evaluated
    // from their first 432 bytes.
    void fileSizes_data() {
        QTest::addColumn<int>("size"); // -1: the file is gone by the time it is read
        QTest::addColumn<bool>("readable");
        QTest::newRow("empty") << 0 << false;
        QTest::newRow("431 bytes") << 431 << false;
        QTest::newRow("vanished") << -1 << false;
        QTest::newRow("432 bytes") << 432 << true;
        QTest::newRow("500 bytes") << 500 << true;
    }
    void fileSizes() {
        QFETCH(int, size);
        QFETCH(bool, readable);
        if (size >= 0)
            QVERIFY(writeAnswerFile(answerPath("KALMIR.dat"), recordWithAll(4), size));

        // "&Ja" first: a file that cannot be read still writes no picture.
        run(answerPath("KALMIR.dat"), {"OK", "&Ja", "OK"});

        if (readable) {
            QCOMPARE(seenTitles().size(), 2);
            QCOMPARE(barValues(), allBars(100));
            // The program's boxes closing has not ended it.
            QCOMPARE(outcome_, kRunning);
            QVERIFY(window_->isVisible());
            return;
        }
        QCOMPARE(seenTitles().size(), 3);
        QCOMPARE(script_->seen()[2].title, kAppTitle);
        QCOMPARE(script_->seen()[2].text, kUnreadable);
        QVERIFY(programEnded());
        QCOMPARE(window_->barCount(), 0);
        QCOMPARE(QDir(dir_.path()).entryList({"*.jpg"}, QDir::Files), QStringList{});
    }

    // The bars: points in percent of the area's attainable points, truncated, in area order,
    // navy, with the chart labels.
    void bars_data() {
        QTest::addColumn<AnswerRecord>("record");
        QTest::addColumn<QList<double>>("bars");

        QTest::newRow("all fast immer") << recordWithAll(4) << allBars(100);
        QTest::newRow("nothing answered") << recordWithAll(-1) << allBars(0);
        QTest::newRow("all fast nie") << recordWithAll(0) << allBars(20);

        AnswerRecord mixed = recordWithAll(-1);
        answerArea(mixed, 1, {4, 4, 4, 4, 4, 4, 4, 4, 4, 1}); // 47 of 70: 67.1
        answerWholeArea(mixed, 2, 2);                         // 48 of 80: 60
        answerWholeArea(mixed, 3, 0);                         // 17 of 85: 20
        answerArea(mixed, 4, {4, 4, 4, 4, 4, 4, 3});          // 34 of 35: 97.1
        answerArea(mixed, 5, {4});                            // 5 of 55: 9.09
        answerWholeArea(mixed, 7, 3);                         // 56 of 70: 80
        answerWholeArea(mixed, 8, 1);                         // 16 of 40: 40
        QTest::newRow("mixed") << mixed << QList<double>{67, 60, 20, 97, 9, 0, 80, 40};

        AnswerRecord area1 = recordWithAll(-1);
        answerArea(area1, 1, {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 1}); // 52 of 70: 74.3
        QTest::newRow("52 of 70") << area1 << QList<double>{74, 0, 0, 0, 0, 0, 0, 0};
    }
    void bars() {
        QFETCH(AnswerRecord, record);
        QFETCH(QList<double>, bars);
        QVERIFY(writeAnswerFile(answerPath("KALMIR.dat"), record));
        run(answerPath("KALMIR.dat"), {"OK", "&Nein"});

        QCOMPARE(barValues(), bars);
        QStringList labels;
        for (int i = 0; i < window_->barCount(); ++i) {
            labels << window_->barLabel(i);
            QCOMPARE(window_->barColor(i), QColor(0, 0, 128));
        }
        QCOMPARE(labels, kChartLabels);
        // Eight labels on the axis; area 7's on two lines.
        const auto* axis =
            qobject_cast<QBarCategoryAxis*>(window_->chart()->axes(Qt::Horizontal).value(0));
        QCOMPARE(axis->count(), 8);
        QCOMPARE(axis->at(6), QStringLiteral("Schnittstelle<br>Linie-Projekt"));
        // What the area windows read later.
        QCOMPARE(recordBytes(answerBuffer), recordBytes(record));
        for (int question = 1; question <= kQuestionCount; ++question)
            QCOMPARE(questionAnswered[question], record.code(question) == -1 ? 0u : 1u);
    }

    void saveQuestion_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("save");
        QTest::newRow("Ja") << "&Ja" << true;
        QTest::newRow("Nein") << "&Nein" << false;
        QTest::newRow("box closed") << kCloseBox << false;
    }
    void saveQuestion() {
        QFETCH(QString, answer);
        QFETCH(bool, save);
        QVERIFY(writeAnswerFile(answerPath("ZARLIK.dat"), recordWithAll(3)));
        run(answerPath("ZARLIK.dat"), {"OK", answer});
        QCOMPARE(script_->seen().size(), 2);
        QCOMPARE(script_->seen()[1].title, QStringLiteral("Bestätigung"));
        QCOMPARE(script_->seen()[1].text, kSaveQuestion);
        QCOMPARE(saveGraphics, save);
        QCOMPARE(window_->barCount(), 8);

        // The close button saves the chart beside the answer file when asked to.
        outcome_ = runEventLoop([this] { window_->button_ende->click(); });
        QVERIFY(programEnded());
        QCOMPARE(QFileInfo::exists(answerPath("ZARLIK.jpg")), save);
    }

    // The picture base name comes from the file name, and the answer file's folder becomes
    // the current directory.
    void baseNameAndFolder_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("baseName");
        QTest::newRow("plain") << "Daten"
                               << "ZARLIK.dat"
                               << "ZARLIK";
        QTest::newRow("dots") << "Team.A"
                              << "Projekt.Stand.dat"
                              << "Projekt";
        QTest::newRow("no dot") << "Daten"
                                << "ZARLIK"
                                << "ZARLIK";
    }
    void baseNameAndFolder() {
        QFETCH(QString, folder);
        QFETCH(QString, file);
        QFETCH(QString, baseName);
        QVERIFY(QDir(dir_.path()).mkdir(folder));
        const QString path = answerPath(folder + "/" + file);
        QVERIFY(writeAnswerFile(path, recordWithAll(1)));
        run(path, {"OK", "&Nein"});
        QCOMPARE(graphicBaseName, baseName);
        QCOMPARE(QDir::current().canonicalPath(), QDir(answerPath(folder)).canonicalPath());
        QCOMPARE(window_->barCount(), 8);
    }

    // Activating the window again, as after the area menu, runs nothing and adds no bars.
    void laterActivationsChangeNothing() {
        QVERIFY(writeAnswerFile(answerPath("KALMIR.dat"), recordWithAll(2)));
        run(answerPath("KALMIR.dat"), {"OK", "&Nein"});
        QCOMPARE(window_->barCount(), 8);
        for (int i = 0; i < 3; ++i) {
            QEvent deactivate(QEvent::WindowDeactivate);
            QApplication::sendEvent(window_.get(), &deactivate);
            QEvent activate(QEvent::WindowActivate);
            QApplication::sendEvent(window_.get(), &activate);
        }
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QCoreApplication::processEvents();
        QCOMPARE(window_->barCount(), 8);
        QCOMPARE(dialogRuns_, 1);
        QCOMPARE(script_->seen().size(), 2);
    }

    void informationWindowLayout() {
        Tkalmirauswinfofrm info;
        QCOMPARE(info.windowTitle(), kInfoCaption);
        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        QCOMPARE(info.frameGeometry().size(), QSize(544, 425));
        QCOMPARE(info.palette().color(QPalette::Window), QColor(Qt::white));

        const QList<std::pair<QLabel*, QString>> texts{
            {info.Label1, "Die auszuwertende Datei heißt standardmäßig \"KALMIR.dat\", kann aber "
                          "vom Anwender z. B. als \"ZARLIK.dat\" abgespeichert werden"},
            {info.Label2, "Zum Start der Auswertung markieren Sie bitte diese Datei. Die Grafik "
                          "der Auswertung wird als \"KALMIR.jpg\" oder z.B. \"ZARLIK.jpg\" im "
                          "selben Ordner abgelegt."},
            {info.Label3, "Durch das Aktivieren der Einzelauswertungen werden die entsprechenden "
                          "Grafiken erzeugt und im selben Ordner als .jpg-Dateien abgelegt. Der "
                          "Dateiname lautet \"KALMIR-xx.jpg\", bzw. \"ZARLIK-xx.jpg\", wobei xx "
                          "für den entsprechenden Kompetenz-Bereich steht."},
            {info.Label4, "Nicht aktivierte Einzelauswertungen erzeugen auch keine Grafiken!"}};
        for (const auto& [label, text] : texts) {
            QCOMPARE(label->text(), text);
            QCOMPARE(label->font().pixelSize(), 15);
            QVERIFY(!label->font().bold());
            QVERIFY(label->wordWrap());
            // No line is cut off.
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                     qPrintable(label->objectName()));
        }
        QCOMPARE(info.Label1->geometry(), QRect(24, 24, 353, 57));
        QCOMPARE(info.Label2->pos(), QPoint(24, 96));
        QCOMPARE(info.Label2->width(), 361);
        // Label2 needs four lines; it grows into the gap above Label3.
        QVERIFY(info.Label2->geometry().bottom() < info.Label3->y());
        QCOMPARE(info.Label3->geometry(), QRect(24, 168, 480, 81));
        QCOMPARE(info.Label4->geometry(), QRect(104, 272, 380, 41));
        QCOMPARE(info.Image1->geometry(), QRect(24, 240, 69, 97));
        QCOMPARE(info.Image1->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 warningSignImage());
        QCOMPARE(info.Image2->geometry(), QRect(400, 24, 129, 129));
        QCOMPARE(info.Image2->pixmap().size(), QSize(129, 129));
        QCOMPARE(info.BitBtn1->geometry(), QRect(176, 344, 153, 33));
        QCOMPARE(info.BitBtn1->text(), QStringLiteral("OK"));
        QVERIFY(!info.BitBtn1->icon().isNull());
        QVERIFY(info.BitBtn1->isDefault());
        QTRY_COMPARE(QApplication::focusWidget(), info.BitBtn1);
    }

    // Enter closes the window, Esc does not, the frame's close box does.
    void informationWindowKeys() {
        Tkalmirauswinfofrm info;
        info.show();
        QVERIFY(QTest::qWaitForWindowActive(&info));
        QTest::keyClick(&info, Qt::Key_Escape);
        QVERIFY(info.isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!info.isVisible());
        QCOMPARE(info.result(), int(QDialog::Accepted));

        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        info.close();
        QVERIFY(!info.isVisible());
    }

private:
    QTemporaryDir dir_;
    QString home_;
    std::unique_ptr<Tkalmirauswfrm> window_;
    std::unique_ptr<ModalScript> script_;
    int outcome_ = kHung;
    int dialogRuns_ = 0;
    QWidget* dialogOwner_ = nullptr;
};

QTEST_MAIN(SingleFlowTest)
#include "tst_single_flow.moc"
