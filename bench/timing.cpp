#include "timing.h"

#include <QElapsedTimer>
#include <algorithm>

namespace Timing {

double milliseconds(const std::function<void()>& operation)
{
    QElapsedTimer timer;
    timer.start();
    operation();
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(QList<double> samples)
{
    if (samples.isEmpty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const qsizetype middle = samples.size() / 2;
    return samples.size() % 2 ? samples.at(middle)
                              : (samples.at(middle - 1) + samples.at(middle)) / 2;
}

} // namespace Timing
