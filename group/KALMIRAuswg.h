// The group evaluation program's result window and its evaluation flow.
#pragma once

#include "accumulate.h"
#include "resultwindow.h"

#include <cstdint>

class Tkalmirauswginfofrm;

// The group's counters, filled by the evaluation flow: points and answered questions per area,
// per question the sum of the answer codes, and the number of files pooled.
extern GroupScores areaTotal;
extern AnswerRecord questionSum;
extern std::uint64_t participantCount;

class Tkalmirauswgfrm : public ResultWindow {
    Q_OBJECT
public:
    explicit Tkalmirauswgfrm(QWidget* parent = nullptr);

    // The information window, created hidden with the result window and shown by the flow
    // before anything is asked.
    Tkalmirauswginfofrm* infoWindow() const { return info_; }

protected:
    // Asks whether pictures are to be saved, lets the user choose any file of the group's
    // folder, pools every answer file there and adds one bar per area with the number of
    // participants. Only the first call does anything.
    void FormActivate() override;

private:
    Tkalmirauswginfofrm* info_;
};
