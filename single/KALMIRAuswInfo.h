// The information window shown before the single evaluation's file dialog: which file to
// choose and where the pictures go.
#pragma once

#include "infowindow.h"

class Tkalmirauswinfofrm : public InfoWindow {
    Q_OBJECT
public:
    explicit Tkalmirauswinfofrm(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Image1;
    QLabel* Label4;
    QLabel* Image2;
};
