#include "KALMIRAusw.h"

#include "KALMIRAuswInfo.h"
#include "answerfile.h"
#include "evaluation.h"
#include "kalmirGLOBAL.h"
#include "uikit.h"

SingleScores areaTotal;

Tkalmirauswfrm::Tkalmirauswfrm(QWidget* parent)
    : ResultWindow(ResultWindowLayout::single(), parent) {}

void Tkalmirauswfrm::FormActivate() {
    if (!firstActivation)
        return;
    // Cleared before the first dialog opens, so that no activation while the flow's dialogs are
    // open starts it a second time.
    firstActivation = false;

    {
        Tkalmirauswinfofrm info(this);
        info.exec();
    }

    const std::optional<QString> path = runOpenDialog1();
    if (!path) {
        close();
        return;
    }

    if (askConfirmation(this, QStringLiteral("Sollen die Grafiken abgespeichert werden?")))
        saveGraphics = true;

    graphicBaseName = graphicBaseNameFromPath(*path);

    if (!ReadAnswerFile(*path)) {
        showPlainMessage(this, QStringLiteral("Datei lässt sich nicht öffnen"));
        close();
        return;
    }

    areaTotal = SingleScores{};
    AccumulateRecord(answerBuffer, areaTotal, questionAnswered);

    addAreaBars([](int area) {
        return singleAreaPercent(areaTotal.areaTotal[std::size_t(area - 1)], area);
    });
}
