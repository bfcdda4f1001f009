#include "event_pump.h"

#include <QCoreApplication>

namespace vantrel {

EventPump::EventPump() {
    sinceLastBatch_.start();
}

void EventPump::operator()() {
    if (sinceLastBatch_.elapsed() >= kIntervalMs) {
        flush();
    }
}

void EventPump::flush() {
    longestGapMs_ = std::max(longestGapMs_, sinceLastBatch_.elapsed());
    QCoreApplication::processEvents();
    sinceLastBatch_.restart();
}

}  // namespace vantrel
