// The menu of the eight competence areas, opened from the result window.
#pragma once

#include <QDialog>

#include <array>

class QKeyEvent;
class QLabel;
class QPushButton;

// One button per area opens that area's detail window; afterwards the focus moves on to the
// next area's button, so Enter walks through all eight areas. Escape opens the first area.
class Tkalmirauswmenufrm : public QDialog {
    Q_OBJECT

public:
    explicit Tkalmirauswmenufrm(QWidget* owner);

    // button1 .. button8.
    QPushButton* areaButton(int area) const {
        return areaButtons_[static_cast<std::size_t>(area - 1)];
    }

    QPushButton* BitBtn1 = nullptr;
    QLabel* Image1 = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void button1Click();
    void button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void button6Click();
    void button7Click();
    void button8Click();
    void openArea(int area);

    std::array<QPushButton*, 8> areaButtons_{};
};

// The result windows' detailClick: builds a fresh area menu owned by `owner`, shows it modally
// and destroys it once it has been closed.
void openAreaMenu(QWidget* owner);
