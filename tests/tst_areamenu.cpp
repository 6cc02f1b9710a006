// The area menu: layout, the Enter walk through the eight areas, Escape and closing.
#include "areamenu.h"
#include "areawindow.h"
#include "catalogue.h"
#include "gauge.h"
#include "kalmirGLOBAL.h"
#include "testsupport.h"

#include <QHelpEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

namespace {

const QString AreaToolTip =
    QStringLiteral("Bearbeitete Frageblöcke sind durch ein Häkchen gekennzeichnet");

// Closes every area window that opens while it lives, by pressing Return on the control that has
// the focus, and records what each window was.
class AreaWindowCloser : public QObject {
public:
    struct Seen {
        int area = 0;
        bool closeButtonFocused = false;
        QWidget* owner = nullptr;
        QList<int> gauges;
        QPointer<KalmirAreaWindow> window;
    };

    AreaWindowCloser() {
        connect(&timer_, &QTimer::timeout, this, &AreaWindowCloser::poll);
        timer_.start(10);
    }

    QList<Seen> seen;

private:
    void poll() {
        auto* window = qobject_cast<KalmirAreaWindow*>(QApplication::activeModalWidget());
        if (window == nullptr || !window->isVisible())
            return;
        // Return must reach the area window: a key on the menu's focused button would open a
        // second area window from inside this poll. Wait for the focus to arrive, for a while.
        QWidget* focus = QApplication::focusWidget();
        if ((focus == nullptr || focus->window() != window) && ++pollsWithoutFocus_ < 500)
            return;
        pollsWithoutFocus_ = 0;
        Seen s;
        s.area = window->area();
        s.owner = window->parentWidget();
        s.window = window;
        for (int k = 1; k <= window->gaugeCount(); ++k)
            s.gauges.append(window->gauge(k)->value());
        s.closeButtonFocused = focus == window->BitBtn1;
        seen.append(s);
        QTest::keyClick(focus != nullptr && focus->window() == window ? focus : window,
                        Qt::Key_Return);
        if (window->isVisible()) // the key did nothing; do not leave the test hanging
            window->close();
    }

    QTimer timer_;
    int pollsWithoutFocus_ = 0;
};

void setSomeAnswers() {
    for (int n = 1; n <= 96; ++n) {
        answerBuffer.code(n) = n % 5;
        questionAnswered[n] = 1;
    }
}

} // namespace

class TestAreaMenu : public QObject {
    Q_OBJECT

private slots:
    void init() { resetProgramState(); }

    void layout();
    void tabOrder();
    void toolTips();
    void enterWalksThroughAllAreas();
    void escapeOpensFirstArea_data();
    void escapeOpensFirstArea();
    void frameCloseClosesMenu();
    void freshAreaWindowPerOpening();
    void freshMenuPerOpening();
};

void TestAreaMenu::layout() {
    Tkalmirauswmenufrm menu(nullptr);
    QCOMPARE(menu.windowTitle(), QStringLiteral("KALMIR Einzelauswertung Dornhag"));
    QVERIFY(menu.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(menu.windowFlags() & Qt::WindowMaximizeButtonHint);
    menu.show();
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    QTRY_COMPARE(menu.frameGeometry().size(), QSize(417, 442));

    for (int area = 1; area <= 8; ++area) {
        auto* button = menu.findChild<QPushButton*>(QStringLiteral("button%1").arg(area));
        QVERIFY(button != nullptr);
        QCOMPARE(button, menu.areaButton(area));
        QCOMPARE(button->geometry(), QRect(40, 24 + 48 * (area - 1), 161, 33));
        QCOMPARE(button->text(), QString::fromUtf8(areaInfo(area).name));
        QVERIFY(button->icon().isNull());
    }
    QCOMPARE(menu.areaButton(7)->text(), QStringLiteral("Schnittstelle Linie-Projekt"));

    auto* close = menu.findChild<QPushButton*>(QStringLiteral("BitBtn1"));
    QVERIFY(close != nullptr);
    QCOMPARE(close->geometry(), QRect(248, 264, 129, 33));
    QCOMPARE(close->text(), QStringLiteral("S&chließen"));
    QVERIFY(!close->icon().isNull());

    auto* logo = menu.findChild<QLabel*>(QStringLiteral("Image1"));
    QVERIFY(logo != nullptr);
    QCOMPARE(logo->geometry(), QRect(248, 24, 129, 129));
    QVERIFY(logo->isVisible());
    QCOMPARE(logo->pixmap().size(), QSize(129, 129));
}

void TestAreaMenu::tabOrder() {
    Tkalmirauswmenufrm menu(nullptr);
    menu.show();
    QVERIFY(QTest::qWaitForWindowActive(&menu));
    QList<QWidget*> expected;
    for (int area = 1; area <= 8; ++area)
        expected.append(menu.areaButton(area));
    expected.append(menu.BitBtn1);
    QCOMPARE(QApplication::focusWidget(), expected.first());
    for (int i = 1; i <= expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected[i % expected.size()]);
    }
}

void TestAreaMenu::toolTips() {
    Tkalmirauswmenufrm menu(nullptr);
    menu.show();
    QVERIFY(QTest::qWaitForWindowActive(&menu));
    for (int area = 1; area <= 9; ++area) {
        QPushButton* button = area <= 8 ? menu.areaButton(area) : menu.BitBtn1;
        const QString expected = area <= 8 ? AreaToolTip : QString();
        QCOMPARE(button->toolTip(), expected);
        // The mouse resting on the button asks for the tool tip.
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        const QPoint inside = button->rect().center();
        QHelpEvent help(QEvent::ToolTip, inside, button->mapToGlobal(inside));
        QApplication::sendEvent(button, &help);
        if (area <= 8)
            QTRY_COMPARE(QToolTip::text(), expected);
        else
            QVERIFY(!QToolTip::isVisible());
    }
}

// Enter opens the area of the focused button; its window closes with Enter and the focus moves
// on; after the eighth area the focus is on BitBtn1, whose Enter closes the menu.
void TestAreaMenu::enterWalksThroughAllAreas() {
    setSomeAnswers();
    Tkalmirauswmenufrm menu(nullptr);
    menu.show();
    QVERIFY(QTest::qWaitForWindowActive(&menu));
    QCOMPARE(QApplication::focusWidget(), menu.areaButton(1));

    AreaWindowCloser closer;
    for (int area = 1; area <= 8; ++area) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(closer.seen.size(), area);
        const AreaWindowCloser::Seen& seen = closer.seen.last();
        QCOMPARE(seen.area, area);
        QVERIFY(seen.closeButtonFocused);
        QCOMPARE(seen.owner, &menu);
        QVERIFY(seen.window.isNull()); // destroyed once closed
        QVERIFY(menu.isVisible());
        QWidget* next = area < 8 ? menu.areaButton(area + 1) : menu.BitBtn1;
        QTRY_COMPARE(QApplication::focusWidget(), next);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!menu.isVisible());
    QCOMPARE(closer.seen.size(), 8);
    for (int area = 1; area <= 8; ++area)
        QVERIFY(menu.areaButton(area)->icon().isNull());
}

void TestAreaMenu::escapeOpensFirstArea_data() {
    QTest::addColumn<int>("focused"); // 1..8 the area buttons, 9 BitBtn1
    for (int k = 1; k <= 9; ++k)
        QTest::addRow("focus %d", k) << k;
}

void TestAreaMenu::escapeOpensFirstArea() {
    QFETCH(int, focused);
    Tkalmirauswmenufrm menu(nullptr);
    menu.show();
    QVERIFY(QTest::qWaitForWindowActive(&menu));
    QWidget* target = focused <= 8 ? menu.areaButton(focused) : menu.BitBtn1;
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);

    AreaWindowCloser closer;
    QTest::keyClick(target, Qt::Key_Escape);
    QCOMPARE(closer.seen.size(), 1);
    QCOMPARE(closer.seen.first().area, 1);
    QVERIFY(menu.isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), menu.areaButton(2));
}

// The close box closes the menu; unlike Escape it opens no area.
void TestAreaMenu::frameCloseClosesMenu() {
    Tkalmirauswmenufrm menu(nullptr);
    AreaWindowCloser closer;
    QTimer::singleShot(0, &menu, [&menu] { menu.close(); });
    QCOMPARE(menu.exec(), int(QDialog::Rejected));
    QVERIFY(!menu.isVisible());
    QVERIFY(closer.seen.isEmpty());
}

void TestAreaMenu::freshAreaWindowPerOpening() {
    setSomeAnswers();
    Tkalmirauswmenufrm menu(nullptr);
    menu.show();
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    AreaWindowCloser closer;
    menu.areaButton(3)->click();
    menu.areaButton(3)->click();
    QCOMPARE(closer.seen.size(), 2);
    QCOMPARE(closer.seen[0].area, 3);
    QCOMPARE(closer.seen[1].area, 3);
    QVERIFY(closer.seen[0].window.isNull());
    QVERIFY(closer.seen[1].window.isNull());
    QCOMPARE(closer.seen[0].gauges.size(), 17);
    QCOMPARE(closer.seen[1].gauges, closer.seen[0].gauges);
    QVERIFY(closer.seen[0].gauges.contains(100));
    QVERIFY(menu.isVisible());
}

// Every call builds its own menu, owned by the caller's window, starting on button1, and
// destroys it once it has been closed.
void TestAreaMenu::freshMenuPerOpening() {
    QWidget owner;
    QList<QPointer<Tkalmirauswmenufrm>> menus;
    QList<bool> startedOnButton1;
    for (int round = 0; round < 2; ++round) {
        testsupport::answerNextModal([&](QWidget* modal) {
            auto* menu = qobject_cast<Tkalmirauswmenufrm*>(modal);
            if (menu == nullptr || menu->parentWidget() != &owner) {
                modal->close();
                return;
            }
            menus.append(menu);
            startedOnButton1.append(menu->focusWidget() == menu->areaButton(1));
            // Leave the focus elsewhere, so that the next menu has to start afresh.
            menu->areaButton(5)->setFocus();
            menu->BitBtn1->click();
            if (menu->isVisible())
                menu->close();
        });
        openAreaMenu(&owner);
        QCOMPARE(menus.size(), round + 1);
        QVERIFY(menus.last().isNull());
    }
    QCOMPARE(startedOnButton1, QList<bool>({true, true}));
    QVERIFY(owner.findChildren<Tkalmirauswmenufrm*>().isEmpty());
}

QTEST_MAIN(TestAreaMenu)
#include "tst_areamenu.moc"
