#pragma once

#include "error.h"

#include <QString>
#include <QTemporaryFile>

// Throws the run-time error for the failed write of `path` that errno tells
// (61 disk full, 70 permission denied, 76 path not found, 57 otherwise).
[[noreturn]] void failWrite(const QString& path);

// Forces what was written to a file or a folder onto the disk; a failure
// names `reportedAs`.
void syncToDisk(const QString& path, const QString& reportedAs);

// A temporary file beside a target, in the target's folder so that the
// rename that puts it in place cannot cross file systems. It is removed with
// its journals unless it was put in place. Failures while it is filled and
// put in place name the target, the file the operator knows.
class TemporaryBeside
{
public:
    explicit TemporaryBeside(const QString& target);
    ~TemporaryBeside();
    TemporaryBeside(const TemporaryBeside&) = delete;
    TemporaryBeside& operator=(const TemporaryBeside&) = delete;

    QString path() const { return m_path; }

    // Runs work on the temporary file; a failure it throws is told of the
    // target instead.
    template <typename Work> void fill(Work work) const
    {
        try {
            work(m_path);
        } catch (const DbError& failure) {
            throw DbError(failure.number(), failure.description().replace(m_path, m_target));
        } catch (const FileError& failure) {
            throw FileError(failure.number(), failure.description().replace(m_path, m_target));
        }
    }

    // Forces the file to disk and renames it over the target in one step.
    void putInPlace();

private:
    QString m_target;
    QString m_folder;
    QTemporaryFile m_file;
    QString m_path;
    bool m_placed = false;
};
