// KALMIRAuswertungGruppe: pools the answer files of a whole team.
#include "KALMIRAuswg.h"
#include "uikit.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    installGermanTranslation();
    setApplicationTitle(QStringLiteral("KALMIR Auswertung Gruppe Dornhag"));

    Tkalmirauswgfrm kalmirauswgfrm;
    kalmirauswgfrm.show();
    return app.exec();
}
