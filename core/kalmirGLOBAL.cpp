#include "kalmirGLOBAL.h"

const std::array<const char*, 5> answerLevelNames{"fast nie", "nur selten", "manchmal",
                                                  "überwiegend", "fast immer"};

AnswerRecord answerBuffer;
QString answerFile;
QuestionAnsweredTable questionAnswered;
bool saveGraphics = false;
QString graphicBaseName;
bool firstActivation = false;

void resetProgramState() {
    answerBuffer = AnswerRecord{};
    answerFile.clear();
    questionAnswered.clear();
    saveGraphics = false;
    graphicBaseName.clear();
    firstActivation = false;
}
