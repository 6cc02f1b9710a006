// Small pieces every window of both programs uses: fonts, window geometry, the close-button
// picture, the maker's logo and notices, and the message boxes.
#pragma once

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

class QWidget;

// The sans-serif face every window uses ("MS Sans Serif" and "Arial" in the layouts), by pixel
// size.
QFont kalmirFont(int pixelSize, bool bold = false);

// Gives `window` the outer size `outer` (frame and title bar included, as far as the window
// manager draws one) and centres it on its screen when it is shown. Until the window manager has
// framed the window, the client area takes the whole size. White background, layout unscaled.
void applyWindowLayout(QWidget* window, QSize outer, const QString& caption);

// The open door beside every "Schließen" caption, 18 x 18, with a greyed variant when disabled.
QIcon closeDoorIcon();
// The green check mark of the OK buttons.
QIcon okCheckIcon();
// The maker's logo, larger than the 129 x 129 boxes that show it.
QPixmap makerLogo();
// Draws `logo` into a `box` square: scaled down with its aspect kept (sizes truncated) when it is
// larger, unscaled otherwise, at the box's top-left corner.
QPixmap fitIntoBox(const QPixmap& logo, int box);

// The maker's notices: below the result chart, in the chart's footer and below the area windows.
QString makerNoticeText();
QString chartFooterText();
QString areaNoticeText();

// Application title, the caption of every plain message box and error box.
void setApplicationTitle(const QString& title);
QString applicationTitle();

// Plain message box: application title as caption, no icon, one "OK".
void showPlainMessage(QWidget* parent, const QString& text);
// Error box: application title as caption, error icon, one "OK".
void showErrorMessage(QWidget* parent, const QString& text);
// Confirmation box: caption "Bestätigung", question icon, "&Ja" and "&Nein". Returns true only
// for "&Ja"; closing the box counts as "&Nein".
bool askConfirmation(QWidget* parent, const QString& question);

// Loads Qt's German standard texts (file dialog, standard buttons) into the application.
void installGermanTranslation();
