#pragma once

#include <QList>
#include <QString>

class Scenario;
struct Step;

// The language's steps: keyword, arguments, block, and what each does.
struct StepKind
{
    using Run = void (*)(Scenario&, const Step&);

    const char* keyword;
    int minArgs;
    int maxArgs;
    bool takesBlock;
    Run run;
};

namespace Steps {

QList<StepKind> setupSteps();
QList<StepKind> drivingSteps();
QList<StepKind> checkingSteps();

// The step's kind; throws SyntaxError when the keyword is unknown or the
// arguments or block do not fit it.
const StepKind& kindOf(const Step& step);

// Argument helpers shared by the steps; they fail the step on a bad value.
bool yesNo(const QString& arg);
int wholeNumber(const QString& arg);

} // namespace Steps
