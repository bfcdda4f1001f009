#include "event_pump.h"

#include <QCoreApplication>

namespace vantrel {

EventPump::EventPump() {
    sinceLastBatch_.start();
}

void EventPump::operator()() {
    if (due()) {
        flush();
    }
}

void EventPump::flush() {
    longestGapMs_ = std::max(longestGapMs_, sinceLastBatch_.elapsed());
    QCoreApplication::processEvents();
    sinceLastBatch_.restart();
}

}  // namespace vantrel
