#pragma once

#include <QString>
#include <QStringList>

// The floors of the archive copies: the engine's operations straight on the
// files, and the operating system's cp made durable.
namespace BareCopy {

// The engine's online backup of one file into a new one, nothing more.
void backup(const QString& from, const QString& to);
// VACUUM of the file in place.
void vacuum(const QString& path);
// `cp` of the files into the folder, then an fsync of each copy and of the
// folder: the least a copy that survives a power cut costs.
void durableCopy(const QStringList& files, const QString& folder);
// The rows of a table, read outside the timed work.
qint64 rows(const QString& path, const QString& table);

} // namespace BareCopy
