// What the information windows of both programs have in common: word-wrapped notices in a
// 15 px font at fixed places, the warning sign, and an OK button that Enter presses and Escape
// does not replace.
#pragma once

#include "noescapedialog.h"

class QLabel;
class QPushButton;

class InfoWindow : public NoEscapeDialog {
    Q_OBJECT
public:
    QPushButton* BitBtn1 = nullptr;

public slots:
    // Closes the window.
    void BitBtn1Click();

protected:
    InfoWindow(QWidget* parent, QSize outerSize, const QString& caption);

    QLabel* addTextLabel(const char* name, const QString& text, const QRect& geometry);
    QLabel* addPicture(const char* name, const QPixmap& picture, QPoint at);
    QLabel* addWarningSign(QPoint at);
    // The default OK button with the green check mark, the only control that takes the focus.
    QPushButton* addOkButton(const QRect& geometry);
};
