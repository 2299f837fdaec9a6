#pragma once

#include <QString>

// How big the archives of one benchmark folder are.
struct ArchiveSizes
{
    int historyRecords; // STOR
    int volunteers; // EMERVOL
    int associations; // ASSO, the volunteers' associations
};

namespace Seeder {

// Lays down a new program folder and fills its history, association and
// volunteer registers with synthetic records.
void seed(const QString& folder, const ArchiveSizes& sizes);

} // namespace Seeder
