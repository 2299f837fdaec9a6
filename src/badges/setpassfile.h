#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The badge print set-up, setpass.prm: one line of 16 comma-separated
// vertical coordinates in twips, badge position 1 rows 1 to 4, then
// positions 2, 3 and 4. Value 4 x (P - 1) + R is row R of position P.
namespace SetPass {

constexpr int ValueCount = 16;

QStringList defaultTexts();

// The first 16 values as written; the defaults when the file is missing or
// holds fewer (this is what printing would use).
QStringList readFirstRecord(const QString& path);

// The last complete record of 16 values as numbers, or the defaults when the
// file is missing or holds fewer than 16 values.
QList<double> readForPrinting(const QString& path);

// Writes the texts exactly as typed, comma-separated, on one line.
void write(const QString& path, const QStringList& texts);

// A typed value as a number: blanks are ignored, the leading number is
// taken, and a text with no number in front (an empty one too) is 0.
double numberValue(const QString& text);

} // namespace SetPass
