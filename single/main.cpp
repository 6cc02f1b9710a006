// KALMIRAuswertung: evaluates the answer file of one respondent.
#include "KALMIRAusw.h"
#include "program.h"

int main(int argc, char* argv[]) {
    return runEvaluationProgram<Tkalmirauswfrm>(argc, argv,
                                                QStringLiteral("KALMIR Auswertung Dornhag"));
}
