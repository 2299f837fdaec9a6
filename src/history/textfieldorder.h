#pragma once

#include <QString>

// How the text fields of the export and of the archive compare: letters A
// to Z without regard to case (taken as a to z, so "_" comes before "A"),
// every other character by its code, character by character, the shorter
// text first when one begins the other.

// True when `a` comes before `b`.
bool textFieldBefore(const QString& a, const QString& b);

// A key that is the same for two texts that compare equal: a to z taken as
// A to Z, every other character as it is. A text with no lower-case letter
// is its own key (no copy is made).
QString textFieldKey(const QString& text);
