#include "platform/TerminationWatcher.h"

#include <QSocketNotifier>

TerminationWatcher::TerminationWatcher(StopSignals::Handle stop, std::function<void()> onTerminate,
                                       QObject* parent)
    : QObject(parent), stop_(stop), onTerminate_(std::move(onTerminate))
{
    if (stop_.descriptor < 0) {
        return;
    }
    notifier_ = new QSocketNotifier(stop_.descriptor, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationWatcher::stopped);
}

void TerminationWatcher::stopped()
{
    // The descriptor stays readable for good: one report is enough.
    notifier_->setEnabled(false);
    if (onTerminate_) {
        onTerminate_();
    }
}
