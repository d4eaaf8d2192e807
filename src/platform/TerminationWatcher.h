#pragma once

#include "platform/StopSignals.h"

#include <QObject>

#include <functional>

class QSocketNotifier;

// Turns the first stop asked by a signal (see StopSignals) into a call on the GUI thread: the
// event loop watches the stop descriptor, so a show sleeping in a wait is woken at once and ends
// as after a key press. A stop asked before this object exists is reported as soon as the event
// loop runs.
class TerminationWatcher : public QObject {
    Q_OBJECT

public:
    TerminationWatcher(StopSignals::Handle stop, std::function<void()> onTerminate,
                       QObject* parent = nullptr);

    bool terminated() const { return stop_.asked != nullptr && stop_.asked->load(); }

private:
    void stopped();

    StopSignals::Handle stop_;
    std::function<void()> onTerminate_;
    QSocketNotifier* notifier_ = nullptr;
};
