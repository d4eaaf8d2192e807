#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a call on the GUI thread: the signal handler only
// writes a byte to a pipe, whose reading end a socket notifier watches, so the show is asked
// to stop from the event loop and cleans up as after a key press. One instance at a time.
class TerminationWatcher : public QObject {
    Q_OBJECT

public:
    explicit TerminationWatcher(std::function<void()> onTerminate, QObject* parent = nullptr);
    ~TerminationWatcher() override;

    bool terminated() const { return terminated_; }

private:
    void readPipe();

    std::function<void()> onTerminate_;
    QSocketNotifier* notifier_ = nullptr;
    bool terminated_ = false;
};
