// KALMIRAuswertung: evaluates the answer file of one respondent.
#include "KALMIRAusw.h"
#include "uikit.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    installGermanTranslation();
    setApplicationTitle(QStringLiteral("KALMIR Auswertung Dornhag"));

    Tkalmirauswfrm kalmirauswfrm;
    kalmirauswfrm.show();
    return app.exec();
}
