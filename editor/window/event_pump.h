// Keeps the windows painting during a long scan: the scan calls the pump between lines or files,
// and the pump processes pending window events at most every 15 ms, so that the scan is not slowed
// by the windows. It remembers the longest time between two processed batches.
#pragma once

#include <QElapsedTimer>

namespace vantrel {

class EventPump {
  public:
    static constexpr qint64 kIntervalMs = 15;

    EventPump();
    // True when the interval has passed since the last batch.
    bool due() const { return sinceLastBatch_.elapsed() >= kIntervalMs; }
    // Processes pending events when the interval has passed since the last batch.
    void operator()();
    // Processes pending events now.
    void flush();
    qint64 longestGapMs() const { return longestGapMs_; }

  private:
    QElapsedTimer sinceLastBatch_;
    qint64 longestGapMs_ = 0;
};

}  // namespace vantrel
