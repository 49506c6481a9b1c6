#pragma once

class QElapsedTimer;
class QWidget;

// With QUILLON_EXIT_AFTER_SHOWN set in the environment, prints how long the
// start took until the window was shown and first painted, then where the
// program looks for its tools and translation and what it found there, then
// quits. Used to measure start-up time and to check an installed layout;
// does nothing otherwise.
void QuitAfterFirstShowIfAsked(QWidget* window, const QElapsedTimer& sinceStart);
