#include "jetheader.h"

#include "jetpages.h"

#include <QDateTime>
#include <array>
#include <cstring>
#include <utility>

namespace Jet {

namespace {

const QByteArray engineName("Standard Jet DB\0", 16);
constexpr int EngineNameOffset = 4;
constexpr int VersionOffset = 0x14;
constexpr quint32 Jet4Version = 1;

constexpr int ScrambledStart = 0x18;
constexpr int ScrambledLength = 128;
constexpr std::array<unsigned char, 4> scrambleKey { 0xc7, 0xda, 0x39, 0x6b };

constexpr int CodePageOffset = 0x3c;
constexpr quint16 Windows1252 = 1252;
constexpr int PasswordOffset = 0x42;
constexpr int PasswordLength = 40;
constexpr int SortOrderOffset = 0x6e;
constexpr quint16 GeneralSortOrder = 0x0409;
constexpr int CreationDateOffset = 0x72;

// RC4 under the fixed key, over the scrambled part of the header.
void scramble(QByteArray& page)
{
    std::array<unsigned char, 256> state;
    for (int i = 0; i < 256; ++i)
        state[i] = static_cast<unsigned char>(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + state[i] + scrambleKey[i % scrambleKey.size()]) & 0xff;
        std::swap(state[i], state[j]);
    }
    for (int n = 0, i = 0, j = 0; n < ScrambledLength; ++n) {
        i = (i + 1) & 0xff;
        j = (j + state[i]) & 0xff;
        std::swap(state[i], state[j]);
        page[ScrambledStart + n]
            = static_cast<char>(static_cast<unsigned char>(page[ScrambledStart + n])
                ^ state[(state[i] + state[j]) & 0xff]);
    }
}

} // namespace

QByteArray headerPage(double created)
{
    QByteArray page(PageSize, '\0');
    page[1] = 0x01;
    page.replace(EngineNameOffset, engineName.size(), engineName);
    put32(page, VersionOffset, Jet4Version);
    put16(page, CodePageOffset, Windows1252);
    put16(page, SortOrderOffset, GeneralSortOrder);
    std::memcpy(page.data() + CreationDateOffset, &created, sizeof created);
    // No password: its bytes hold only their mask, the creation date's whole days.
    const auto days = static_cast<quint32>(static_cast<qint32>(created));
    for (int i = 0; i < PasswordLength; ++i)
        page[PasswordOffset + i] = static_cast<char>((days >> (8 * (i % 4))) & 0xff);
    scramble(page);
    return page;
}

double now()
{
    const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
    const QDateTime local = QDateTime::currentDateTime();
    const QDateTime wall(local.date(), local.time(), Qt::UTC);
    return static_cast<double>(epoch.msecsTo(wall)) / 86400000.0;
}

} // namespace Jet
