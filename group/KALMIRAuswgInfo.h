// The information window of the group evaluation: how to prepare the folder and where the
// pictures go.
#pragma once

#include "infowindow.h"

class Tkalmirauswginfofrm : public InfoWindow {
    Q_OBJECT
public:
    explicit Tkalmirauswginfofrm(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Image1;
};
