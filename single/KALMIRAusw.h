// The single evaluation program's result window and its evaluation flow.
#pragma once

#include "accumulate.h"
#include "resultwindow.h"

// The respondent's points per competence area, filled by the evaluation flow.
extern SingleScores areaTotal;

class Tkalmirauswfrm : public ResultWindow {
    Q_OBJECT
public:
    explicit Tkalmirauswfrm(QWidget* parent = nullptr);

protected:
    // Shows the information window, lets the user choose the answer file, asks whether pictures
    // are to be saved, reads and scores the file and adds one bar per area. Only the first call
    // does anything.
    void FormActivate() override;
};
