// KALMIRAuswertungGruppe: pools the answer files of a whole team.
#include "KALMIRAuswg.h"
#include "program.h"

int main(int argc, char* argv[]) {
    return runEvaluationProgram<Tkalmirauswgfrm>(
        argc, argv, QStringLiteral("KALMIR Auswertung Gruppe Dornhag"));
}
