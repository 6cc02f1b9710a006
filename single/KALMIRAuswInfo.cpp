#include "KALMIRAuswInfo.h"

#include "uikit.h"

#include <QLabel>
#include <QPushButton>

Tkalmirauswinfofrm::Tkalmirauswinfofrm(QWidget* parent)
    : InfoWindow(parent, QSize(544, 425), QStringLiteral("Informationen zur KALMIR-Auswertung")) {
    Label1 = addTextLabel("Label1",
                          QStringLiteral("Die auszuwertende Datei heißt standardmäßig "
                                         "\"KALMIR.dat\", kann aber vom Anwender z. B. als "
                                         "\"ZARLIK.dat\" abgespeichert werden"),
                          QRect(24, 24, 353, 57));
    Label2 = addTextLabel("Label2",
                          QStringLiteral("Zum Start der Auswertung markieren Sie bitte diese "
                                         "Datei. Die Grafik der Auswertung wird als "
                                         "\"KALMIR.jpg\" oder z.B. \"ZARLIK.jpg\" im selben "
                                         "Ordner abgelegt."),
                          QRect(24, 96, 361, 57));
    addOkButton(QRect(176, 344, 153, 33));
    Label3 = addTextLabel("Label3",
                          QStringLiteral("Durch das Aktivieren der Einzelauswertungen werden die "
                                         "entsprechenden Grafiken erzeugt und im selben Ordner "
                                         "als .jpg-Dateien abgelegt. Der Dateiname lautet "
                                         "\"KALMIR-xx.jpg\", bzw. \"ZARLIK-xx.jpg\", wobei xx "
                                         "für den entsprechenden Kompetenz-Bereich steht."),
                          QRect(24, 168, 480, 81));
    Image1 = addWarningSign(QPoint(24, 240));
    Label4 = addTextLabel(
        "Label4",
        QStringLiteral("Nicht aktivierte Einzelauswertungen erzeugen auch keine Grafiken!"),
        QRect(104, 272, 380, 41));
    Image2 = addPicture("Image2", fitIntoBox(makerLogo(), 129), QPoint(400, 24));
}
