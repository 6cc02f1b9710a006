// Start-up of both programs: German standard texts, the application title, the result window
// as the main window, and the event loop until that window closes.
#pragma once

#include "uikit.h"

#include <QApplication>

template <typename ResultWindowType>
int runEvaluationProgram(int& argc, char* argv[], const QString& applicationTitle) {
    QApplication app(argc, argv);
    installGermanTranslation();
    setApplicationTitle(applicationTitle);

    ResultWindowType resultWindow;
    resultWindow.show();
    return app.exec();
}
