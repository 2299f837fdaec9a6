#pragma once

#include "error.h"

// The failures every engine reports in the same words, whatever its own
// codes: each engine's translation picks one of these.
namespace DbErrors {

// The server that holds the registers cannot be reached.
constexpr int ServerUnreachable = 3151;

DbError duplicateKey();
DbError tableNotFound(const QString& table, const QString& name);
DbError readOnly(const QString& name);
DbError engineFailure(const QString& name, const QString& text);

} // namespace DbErrors
