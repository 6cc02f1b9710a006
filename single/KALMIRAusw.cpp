#include "KALMIRAusw.h"

#include "KALMIRAuswInfo.h"
#include "answerfile.h"
#include "catalogue.h"
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

    const QColor navy(0, 0, 128);
    for (const AreaInfo& area : AreaTable) {
        const int percent =
            singleAreaPercent(areaTotal.areaTotal[std::size_t(area.number - 1)], area.number);
        addBar(percent, QString::fromUtf8(area.chartLabel), navy);
    }
}
