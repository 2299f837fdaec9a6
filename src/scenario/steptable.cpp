#include "step.h"
#include "stepfailure.h"
#include "steps.h"

namespace {

const QList<StepKind>& allSteps()
{
    static const QList<StepKind> steps
        = Steps::setupSteps() + Steps::drivingSteps() + Steps::checkingSteps();
    return steps;
}

QString argumentsWanted(const StepKind& kind)
{
    if (kind.minArgs == kind.maxArgs)
        return kind.minArgs == 1 ? QStringLiteral("1 argument")
                                 : QStringLiteral("%1 arguments").arg(kind.minArgs);
    return QStringLiteral("%1 to %2 arguments").arg(kind.minArgs).arg(kind.maxArgs);
}

} // namespace

namespace Steps {

const StepKind& kindOf(const Step& step)
{
    for (const StepKind& kind : allSteps()) {
        if (step.keyword != QLatin1String(kind.keyword))
            continue;
        const int count = int(step.args.size());
        if (count < kind.minArgs || count > kind.maxArgs)
            throw SyntaxError { step.line,
                QStringLiteral("%1 takes %2, found %3")
                    .arg(step.keyword, argumentsWanted(kind))
                    .arg(count) };
        if (kind.takesBlock && !step.hasBlock)
            throw SyntaxError { step.line,
                QStringLiteral("%1 takes a <<WORD block").arg(step.keyword) };
        if (!kind.takesBlock && step.hasBlock)
            throw SyntaxError { step.line, QStringLiteral("%1 takes no block").arg(step.keyword) };
        return kind;
    }
    throw SyntaxError { step.line, QStringLiteral("unknown step %1").arg(step.keyword) };
}

bool yesNo(const QString& arg)
{
    if (arg == QLatin1String("yes"))
        return true;
    if (arg == QLatin1String("no"))
        return false;
    throw StepFailure { QStringLiteral("expected yes or no, found %1").arg(arg) };
}

int wholeNumber(const QString& arg)
{
    bool ok = false;
    const int number = arg.toInt(&ok);
    if (!ok || number < 0)
        throw StepFailure { QStringLiteral("expected a number, found %1").arg(arg) };
    return number;
}

} // namespace Steps
