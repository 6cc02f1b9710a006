#include "KALMIRAuswgInfo.h"

#include <QLabel>
#include <QPushButton>

Tkalmirauswginfofrm::Tkalmirauswginfofrm(QWidget* parent)
    : InfoWindow(parent, QSize(544, 399),
                 QStringLiteral("Informationen zur KALMIR-Gruppenauswertung")) {
    Label1 = addTextLabel("Label1",
                          QStringLiteral("Bitte beachten Sie, dass alle auszuwertenden Dateien im "
                                         "selben Ordner liegen müssen und dass dort keine anderen "
                                         "Dateien liegen."),
                          QRect(24, 32, 480, 49));
    Label2 = addTextLabel("Label2",
                          QStringLiteral("Zum Start der Auswertung markieren Sie bitte eine "
                                         "beliebige Datei in diesem Ordner. Die Grafik der "
                                         "Gesamtauswertung wird als \"KALMIR-Gruppe.jpg\" im "
                                         "selben Ordner abgelegt."),
                          QRect(24, 80, 480, 57));
    addOkButton(QRect(184, 312, 153, 33));
    Label3 = addTextLabel("Label3",
                          QStringLiteral("Durch das Aktivieren der Einzelauswertungen werden die "
                                         "entsprechenden Grafiken erzeugt und im selben Ordner "
                                         "als .jpg-Dateien abgelegt. Der Dateiname lautet "
                                         "\"KALMIR-Gruppe-xx\", wobei xx für den entsprechenden "
                                         "Kompetenz-Bereich steht."),
                          QRect(24, 144, 480, 73));
    Label4 = addTextLabel(
        "Label4",
        QStringLiteral("Nicht aktivierte Einzelauswertungen erzeugen auch keine Grafiken!"),
        QRect(112, 232, 380, 41));
    Image1 = addWarningSign(QPoint(24, 224));
}
