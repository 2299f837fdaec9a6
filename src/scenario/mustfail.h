#pragma once

#include "filerunner.h"

#include <QString>

// The runner's own checks: a scenario written to fail announces, in a
// comment, the line it must fail at and words of the message, as in
//     # must fail at 4: expected "x", found ""
// so that a check that cannot fail, or fails for another reason, shows.
namespace MustFail {

// Empty when the file failed as it announced; otherwise what happened.
QString verdict(const QString& fileName, const FileRunner::Result& result);

} // namespace MustFail
