#pragma once

#include <QString>

class DataControl;
class Database;

// The code counters "prossimo_codice_associazione.txt" (three digits) and
// "prossimo_codice_volontario.txt" (four digits): one line, the next number.
// On a file engine they are those files of the program folder; an engine
// that keeps the counters (a server) holds them as rows named after the file
// without its extension, so that every desk counts on from the same line.
namespace Counters {

constexpr int AssociationDigits = 3;
constexpr int VolunteerDigits = 4;

// The counter's line. A missing or empty file counts as all zeros and is
// created with them.
QString read(const QString& path, int digits);
// The counter's line where the registers' engine keeps it: the row, or the
// file at `path`. A counter never written counts as all zeros.
QString read(Database& registers, const QString& path, int digits);
// Sets the counter where the registers' engine keeps it.
void reset(Database& registers, const QString& path, const QString& value);
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

// Advances a counter before the record that takes its number is stored.
//
// Files: the number is the one the form shows; the file moves on from it at
// once, so a crash in between leaves a gap in the numbering, never a number
// handed out twice. If the record is refused (the advance goes out of scope
// without keep()), the file is put back to the line it held.
//
// Counters the engine keeps (a server): made inside the transaction the
// caller holds on `records`, the connection that stores the record. The row
// is locked until that transaction ends. A number the counter gave
// (`Counted`) is the counter's line as it stands under the lock: a desk whose
// form still shows a number another desk has taken since gets the next free
// one instead of a refusal. A number the operator typed (`Typed`) is taken as
// typed and the counter moves on from it, as on the files. The counter moves
// in the same transaction, so a refused or failed save (rolled back) uses no
// number.
class CounterAdvance
{
public:
    enum Source { Counted, Typed };

    CounterAdvance(
        DataControl& records, QString path, const QString& shown, int digits, Source source);
    ~CounterAdvance();
    CounterAdvance(const CounterAdvance&) = delete;
    CounterAdvance& operator=(const CounterAdvance&) = delete;

    // The number the record takes, and the one the counter holds now.
    QString number() const { return m_number; }
    QString next() const { return m_next; }

    void keep() { m_kept = true; }

private:
    QString m_path;
    QString m_previous;
    QString m_number;
    QString m_next;
    bool m_inFile = true;
    bool m_kept = false;
};
