#include "KALMIRAuswg.h"

#include "KALMIRAuswgInfo.h"
#include "evaluation.h"
#include "groupscan.h"
#include "kalmirGLOBAL.h"
#include "uikit.h"

#include <QDir>

GroupScores areaTotal;
AnswerRecord questionSum;
std::uint64_t participantCount = 0;

Tkalmirauswgfrm::Tkalmirauswgfrm(QWidget* parent)
    : ResultWindow(ResultWindowLayout::group(), parent)
    , info_(new Tkalmirauswginfofrm(this)) {
    info_->hide();
}

void Tkalmirauswgfrm::FormActivate() {
    if (!firstActivation)
        return;
    // Cleared before the first dialog opens, so that no activation while the flow's dialogs are
    // open starts it a second time.
    firstActivation = false;

    // The advice on preparing the folder comes before anything is asked.
    info_->exec();
    info_->hide();

    if (askConfirmation(this, QStringLiteral("Sollen die Grafiken abgespeichert werden?")))
        saveGraphics = true;

    // Leaves the chosen file's folder as the current directory.
    if (!runOpenDialog1()) {
        close();
        return;
    }
    graphicBaseName = QStringLiteral("KALMIR-Gruppe");

    const GroupScanResult scan = ScanGroupFolder(QDir::currentPath(), [this](const QString& name) {
        showPlainMessage(this, QStringLiteral("Datei %1 lässt sich nicht öffnen").arg(name));
    });
    areaTotal = scan.scores;
    questionSum = scan.questionSum;
    participantCount = scan.participantCount;
    questionAnswered = scan.answered;

    if (participantCount == 0) {
        showPlainMessage(this, QStringLiteral("Keine auswertbare Datei gefunden"));
        return;
    }
    // Decided over the whole group, so that the outcome does not depend on the order of the
    // files: an area that no participant answered gives no bar at all.
    if (hasUnansweredArea(areaTotal)) {
        showPlainMessage(this,
                         QStringLiteral("Keine oder nicht genügend Einzelauswertungen vorhanden"));
        disableDetail();
        saveGraphics = false;
        return;
    }

    addAreaBars([](int area) {
        const auto i = std::size_t(area - 1);
        return double(groupAreaPercent(areaTotal.areaTotal[i], areaTotal.areaAnswered[i]));
    });
    appendTitleLine(QStringLiteral("%1 Teilnehmer").arg(participantCount));
    if (!scan.allAnswered)
        setNotice(QStringLiteral(
            "Es wurden nicht alle Fragen beantwortet, daher ist diese Grafik nicht genau"));

    // From here on the area windows show the group's mean per statement.
    answerBuffer = questionSum;
}
