#pragma once

#include <QObject>

class QSocketNotifier;

namespace Platform {

// Whether the standard stream (0, 1, 2) is a terminal: progress then
// redraws one bar instead of printing a line per step.
bool isTerminal(int stream);

// Reports Ctrl+C and termination requests (SIGINT, SIGTERM) as a signal on
// the thread that made it, so a command-line run can stop its job the way
// Stop does. Only one may exist at a time; the default handling comes back
// when it is destroyed.
class InterruptWatch : public QObject {
    Q_OBJECT
public:
    explicit InterruptWatch(QObject* parent = nullptr);
    ~InterruptWatch() override;

    // The number of the last request (SIGINT, SIGTERM), 0 before any.
    int lastSignal() const { return m_signal; }

signals:
    void interrupted();

private:
    QSocketNotifier* m_notifier = nullptr;
    int m_signal = 0;
};

} // namespace Platform
