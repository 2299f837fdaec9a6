#pragma once

#include <QString>

// The code counters "prossimo_codice_associazione.txt" (three digits) and
// "prossimo_codice_volontario.txt" (four digits): one line, the next number.
namespace Counters {

constexpr int AssociationDigits = 3;
constexpr int VolunteerDigits = 4;

// The counter's line. A missing or empty file counts as all zeros and is
// created with them.
QString read(const QString& path, int digits);
// Whether a code can be counted on from: ASCII digits only, blanks around
// allowed, as many as the line holds.
bool isNumber(const QString& text);
// The number after `code`, with at least `digits` digits and never fewer than
// it needs ("041" -> "042", "999" -> "1000"). `code` must pass isNumber().
QString next(const QString& code, int digits);
// The number `code` holds, with at least `digits` digits ("42" -> "0042",
// "000042" -> "0042"). `code` must pass isNumber().
QString padded(const QString& code, int digits);
// Rewrites the counter with one line (atomically).
void write(const QString& path, const QString& value);

} // namespace Counters

// Advances a counter before the record that takes its number is stored: a
// crash in between leaves a gap in the numbering, never a number handed out
// twice. If the record is refused (the advance goes out of scope without
// keep()), the counter file is put back to the line it held.
class CounterAdvance
{
public:
    CounterAdvance(QString path, const QString& next);
    ~CounterAdvance();
    CounterAdvance(const CounterAdvance&) = delete;
    CounterAdvance& operator=(const CounterAdvance&) = delete;

    void keep() { m_kept = true; }

private:
    QString m_path;
    QString m_previous;
    bool m_kept = false;
};
