#pragma once

#include <QObject>

#include <functional>

// Ends the game cleanly when the system asks it to stop: SIGTERM (a logout, a service manager),
// SIGINT (Ctrl+C in the terminal that started it) and SIGHUP (that terminal closing). The signal
// handler only wakes the event loop; `onSignal` runs there, between two events, so no save is
// ever cut off half-way by it.
class QuitSignals : public QObject {
public:
    explicit QuitSignals(std::function<void(int signal)> onSignal, QObject *parent = nullptr);
    ~QuitSignals() override;
};
