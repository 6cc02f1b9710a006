// The menu of the eight competence areas, opened from the result window.
#pragma once

class QWidget;

// The result windows' detailClick: builds a fresh area menu owned by `owner`, shows it modally
// and destroys it once it has been closed.
void openAreaMenu(QWidget* owner);
