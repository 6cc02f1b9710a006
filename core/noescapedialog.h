// A dialog without a cancel button: Escape leaves it open. Only its own buttons and the window
// frame close it.
#pragma once

#include <QDialog>

class NoEscapeDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
