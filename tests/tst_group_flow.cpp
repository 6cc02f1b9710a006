// The group evaluation flow, driven with its real dialogs and message boxes.
#include "KALMIRAuswg.h"
#include "KALMIRAuswgInfo.h"
#include "areawindow.h"
#include "catalogue.h"
#include "gauge.h"
#include "groupscan.h"
#include "testsupport.h"
#include "uikit.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;

namespace {

using FolderBuilder = std::function<bool(const QDir&)>;

// A record that answers nothing in area 6 (questions 5, 30, 31, 38, 39, 60, 76, 87, 96).
AnswerRecord withoutArea6(std::int32_t fill) {
    return recordWith(
        fill,
        {{5, -1}, {30, -1}, {31, -1}, {38, -1}, {39, -1}, {60, -1}, {76, -1}, {87, -1}, {96, -1}});
}

const QString kSaveQuestion = QStringLiteral("Sollen die Grafiken abgespeichert werden?");

} // namespace

Q_DECLARE_METATYPE(FolderBuilder)

class GroupFlowTest : public QObject {
    Q_OBJECT

    // Runs the flow on `folder` (the file dialog picks `chosen` there) with the boxes answered
    // by `buttons`; `window_` holds the window once the flow has finished.
    void run(const QString& folder, const QStringList& buttons, QStringList* texts = nullptr,
             const QString& chosen = QStringLiteral("a.dat")) {
        window_ = std::make_unique<Tkalmirauswgfrm>();
        auto& window = window_;
        bool dialogRun = false;
        window->runOpenDialog = [&](QWidget*) -> std::optional<QString> {
            dialogRun = true;
            if (chosen.isEmpty())
                return std::nullopt;
            return QDir(folder).filePath(chosen);
        };
        ModalScript script(buttons);
        window->show();
        // The flow ends when it has asked what it asks and the window is idle or closed.
        QTRY_VERIFY_WITH_TIMEOUT(
            !firstActivation && dialogRun && !QApplication::activeModalWidget(), 20000);
        QTest::qWait(0);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        if (texts != nullptr)
            *texts = script.texts();
    }

private slots:
    void init() {
        resetProgramState();
        areaTotal = {};
        questionSum = {};
        participantCount = 0;
        setApplicationTitle(QStringLiteral("KALMIR Auswertung Gruppe Dornhag"));
        QVERIFY(dir_.isValid());
        home_ = QDir::currentPath();
    }
    void cleanup() {
        window_.reset();
        QDir::setCurrent(home_);
        dir_.remove();
        dir_ = QTemporaryDir();
    }

    void informationWindow() {
        Tkalmirauswginfofrm info;
        QCOMPARE(info.windowTitle(), QStringLiteral("Informationen zur KALMIR-Gruppenauswertung"));
        QCOMPARE(info.Label2->text(),
                 QStringLiteral("Zum Start der Auswertung markieren Sie bitte eine beliebige "
                                "Datei in diesem Ordner. Die Grafik der Gesamtauswertung wird "
                                "als \"KALMIR-Gruppe.jpg\" im selben Ordner abgelegt."));
        QCOMPARE(info.Label3->geometry(), QRect(24, 144, 480, 73));
        QCOMPARE(info.Image1->geometry(), QRect(24, 224, 69, 97));
        QCOMPARE(info.BitBtn1->geometry(), QRect(184, 312, 153, 33));
        QVERIFY(info.BitBtn1->isDefault());
    }

    void questionsInOrder() {
        // Information window first, then the save question, then the file dialog.
        const QDir d(dir_.path());
        QVERIFY(writeAnswerFile(d, "a.dat", recordWithAll(3)));
        QStringList texts;
        run(dir_.path(), {"OK", "&Ja"}, &texts);
        QVERIFY(!QTest::currentTestFailed());
        QCOMPARE(texts.size(), 2);
        QCOMPARE(texts[1], kSaveQuestion);
        QVERIFY(saveGraphics);
        QCOMPARE(graphicBaseName, QStringLiteral("KALMIR-Gruppe"));
        QCOMPARE(QDir::currentPath(), QDir(dir_.path()).canonicalPath());
    }

    void cancelledDialogEndsTheProgram() {
        const QDir d(dir_.path());
        QVERIFY(writeAnswerFile(d, "a.dat", recordWithAll(3)));
        QStringList texts;
        run(dir_.path(), {"OK", "&Ja"}, &texts, QString());
        QVERIFY(!QTest::currentTestFailed());
        auto& window = window_;
        QTRY_VERIFY(!window->isVisible());
        QCOMPARE(texts.size(), 2);
        QCOMPARE(window->barCount(), 0);
    }

    void outcomes_data() {
        QTest::addColumn<FolderBuilder>("build");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("participantLine");
        QTest::addColumn<QList<double>>("bars");
        QTest::addColumn<bool>("notice");
        QTest::addColumn<bool>("detailEnabled");

        QTest::newRow("one file") << FolderBuilder([](const QDir& d) {
            return writeAnswerFile(d, "a.dat", recordWithAll(2));
        }) << QStringList{} << "1 Teilnehmer"
                                  << QList<double>{60, 60, 60, 60, 60, 60, 60, 60} << false << true;
        QTest::newRow("three readable, one short")
            << FolderBuilder([](const QDir& d) {
                   return writeAnswerFile(d, "a.dat", recordWithAll(4)) &&
                          writeAnswerFile(d, "b.dat", recordWithAll(0)) &&
                          writeAnswerFile(d, "c.dat", recordWithAll(2)) &&
                          writeAnswerFile(d, "kurz.dat", recordWithAll(4), 431);
               })
            << QStringList{"Datei kurz.dat lässt sich nicht öffnen"} << "3 Teilnehmer"
            << QList<double>{60, 60, 60, 60, 60, 60, 60, 60} << false << true;
        QTest::newRow("missing answer shows the notice")
            << FolderBuilder([](const QDir& d) {
                   return writeAnswerFile(d, "a.dat", recordWithAll(4)) &&
                          writeAnswerFile(d, "b.dat", recordWith(4, {{15, -1}}));
               })
            << QStringList{} << "2 Teilnehmer"
            << QList<double>{100, 100, 100, 100, 100, 100, 100, 100} << true << true;
        QTest::newRow("unanswered area pooled when others answer it")
            << FolderBuilder([](const QDir& d) {
                   return writeAnswerFile(d, "0-zuerst.dat", withoutArea6(1)) &&
                          writeAnswerFile(d, "b.dat", recordWithAll(3));
               })
            << QStringList{} << "2 Teilnehmer" << QList<double>{60, 60, 60, 60, 60, 80, 60, 60}
            << true << true;
        QTest::newRow("area nobody answered abandons") << FolderBuilder([](const QDir& d) {
            return writeAnswerFile(d, "a.dat", withoutArea6(1)) &&
                   writeAnswerFile(d, "b.dat", withoutArea6(3));
        }) << QStringList{"Keine oder nicht genügend Einzelauswertungen vorhanden"}
                                                       << QString() << QList<double>{} << false
                                                       << false;
        QTest::newRow("nothing readable") << FolderBuilder([](const QDir& d) {
            return writeAnswerFile(d, "a.dat", recordWithAll(2), 10) &&
                   writeAnswerFile(d, "b.jpg", recordWithAll(2));
        }) << QStringList{"Datei a.dat lässt sich nicht öffnen", "Keine auswertbare Datei gefunden"}
                                          << QString() << QList<double>{} << false << true;
    }
    void outcomes() {
        QFETCH(FolderBuilder, build);
        QFETCH(QStringList, messages);
        QFETCH(QString, participantLine);
        QFETCH(QList<double>, bars);
        QFETCH(bool, notice);
        QFETCH(bool, detailEnabled);
        QVERIFY(build(QDir(dir_.path())));

        QStringList texts;
        run(dir_.path(), {"OK", "&Ja"}, &texts);
        QVERIFY(!QTest::currentTestFailed());
        auto& window = window_;
        QCOMPARE(texts.mid(2), messages);
        QVERIFY(window->isVisible());

        QList<double> shown;
        for (int i = 0; i < window->barCount(); ++i)
            shown << window->barValue(i);
        QCOMPARE(shown, bars);
        QStringList title{QStringLiteral("KALMIR-Gruppenauswertung")};
        if (!participantLine.isEmpty())
            title << participantLine;
        QCOMPARE(window->titleLines(), title);
        QCOMPARE(window->Label1->text().isEmpty(), !notice);
        if (notice)
            QCOMPARE(window->Label1->text(),
                     QStringLiteral("Es wurden nicht alle Fragen beantwortet, daher ist diese "
                                    "Grafik nicht genau"));
        QCOMPARE(window->detail->isEnabled(), detailEnabled);
        // An abandoned evaluation saves no pictures, whatever the answer was.
        QCOMPARE(saveGraphics, detailEnabled);
    }

    void messageBoxesCarryTheApplicationTitle() {
        QVERIFY(writeAnswerFile(QDir(dir_.path()), "a.dat", recordWithAll(2), 5));
        auto window = std::make_unique<Tkalmirauswgfrm>();
        window->runOpenDialog = [&](QWidget*) -> std::optional<QString> {
            return QDir(dir_.path()).filePath("a.dat");
        };
        ModalScript script({"OK", "&Nein"});
        window->show();
        QTRY_COMPARE_WITH_TIMEOUT(script.seen().size(), 4, 20000);
        QCOMPARE(script.seen()[1].title, QStringLiteral("Bestätigung"));
        QCOMPARE(script.seen()[2].title, QStringLiteral("KALMIR Auswertung Gruppe Dornhag"));
        QCOMPARE(script.seen()[3].title, QStringLiteral("KALMIR Auswertung Gruppe Dornhag"));
        QVERIFY(!saveGraphics);
    }

    void secondActivationChangesNothing() {
        QVERIFY(writeAnswerFile(QDir(dir_.path()), "a.dat", recordWithAll(2)));
        run(dir_.path(), {"OK", "&Nein"});
        QVERIFY(!QTest::currentTestFailed());
        auto& window = window_;
        QCOMPARE(window->barCount(), 8);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(window.get(), &activate);
        // The flow would run from a queued call; let every queued call run.
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        QCOMPARE(window->barCount(), 8);
        QCOMPARE(window->titleLines().size(), 2);
    }

    void manyParticipants() {
        const QDir d(dir_.path());
        for (int i = 0; i < 300; ++i)
            QVERIFY(writeAnswerFile(d, QStringLiteral("t%1.dat").arg(i, 3, 10, QLatin1Char('0')),
                                    recordWithAll(i % 5)));
        run(dir_.path(), {"OK", "&Nein"}, nullptr, "t000.dat");
        QVERIFY(!QTest::currentTestFailed());
        auto& window = window_;
        QCOMPARE(window->titleLines().value(1), QStringLiteral("300 Teilnehmer"));
        QCOMPARE(window->barValue(0), 60.0);
    }

    void areaWindowsShowGroupMeans_data() {
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<int>("gauge");
        QTest::newRow("4, 2 and unanswered") << QList<int>{4, 2, -1} << 80;
        QTest::newRow("0, 0 and 1") << QList<int>{0, 0, 1} << 26;
    }
    void areaWindowsShowGroupMeans() {
        // Question 15 is the first statement of area 1.
        QFETCH(QList<int>, codes);
        QFETCH(int, gauge);
        const QDir d(dir_.path());
        for (qsizetype i = 0; i < codes.size(); ++i)
            QVERIFY(writeAnswerFile(d, QStringLiteral("t%1.dat").arg(i),
                                    recordWith(3, {{15, codes[i]}})));
        run(dir_.path(), {"OK", "&Nein"}, nullptr, "t0.dat");
        QVERIFY(!QTest::currentTestFailed());
        auto& window = window_;
        Tkalmirausw1frm area(window.get());
        auto* first = area.findChild<Gauge*>(QStringLiteral("Gauge1"));
        QVERIFY(first != nullptr);
        QCOMPARE(first->value(), gauge);
        QCOMPARE(area.findChild<Gauge*>(QStringLiteral("Gauge2"))->value(), 80);
    }

    void nothingFoundLeavesEveryGaugeAtZero() {
        QVERIFY(writeAnswerFile(QDir(dir_.path()), "a.dat", recordWithAll(4), 100));
        run(dir_.path(), {"OK", "&Nein"});
        QVERIFY(!QTest::currentTestFailed());
        auto& window = window_;
        QVERIFY(window->detail->isEnabled());
        for (int area = 1; area <= kAreaCount; ++area) {
            KalmirAreaWindow shown(area, window.get());
            const auto gauges = shown.findChildren<Gauge*>();
            QCOMPARE(gauges.size(), areaInfo(area).questionCount);
            for (const Gauge* g : gauges)
                QCOMPARE(g->value(), 0);
        }
    }

private:
    QTemporaryDir dir_;
    QString home_;
    std::unique_ptr<Tkalmirauswgfrm> window_;
};

QTEST_MAIN(GroupFlowTest)
#include "tst_group_flow.moc"
