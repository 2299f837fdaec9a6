#pragma once

#include <QList>
#include <functional>

namespace Timing {

// Wall time of one call, in milliseconds.
double milliseconds(const std::function<void()>& operation);

// The middle of the samples; a run disturbed by the system lands at an end.
double median(QList<double> samples);

} // namespace Timing
