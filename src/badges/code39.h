#pragma once

#include <QChar>
#include <QString>

// The Code 39 table the badges use: the digits, "*" (start and stop), the
// letters, "." and the space, each with its 13 modules ("1" bar, "0" space):
// nine elements, a narrow one module and a wide one two modules wide, then
// the one-module gap between characters. There is no check character and no
// lower case; "-", "$", "/", "+" and "%" are left out.
namespace Code39 {

constexpr int TableSize = 39;
constexpr int StartStopIndex = 10;
constexpr int SpaceIndex = 38; // also drawn for every character not found
constexpr int ModulesPerCharacter = 13;

QChar character(int index);
QString pattern(int index);

// The table index of the character, or -1. The search stops before the
// space entry, so a space is reported as not found like any other stranger.
int lookup(QChar c);

} // namespace Code39
