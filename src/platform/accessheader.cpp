#include "accessheader.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

namespace {

// Bytes 0x18 onward of the header page are scrambled with RC4 under a fixed
// key, 126 bytes of them in Jet 3, 128 in later formats.
constexpr int ScrambledStart = 0x18;
constexpr int Jet3ScrambledLength = 126;
constexpr int ScrambledLength = 128;
constexpr std::array<unsigned char, 4> headerKey { 0xc7, 0xda, 0x39, 0x6b };

// Inside the scrambled part: the key pages are encrypted with (zero when
// they are not), the password and the creation date that masks it in Jet 4.
constexpr int DatabaseKeyOffset = 0x3e;
constexpr int PasswordOffset = 0x42;
constexpr int Jet3PasswordLength = 20;
constexpr int Jet4PasswordLength = 40;
constexpr int CreationDateOffset = 0x72;

QByteArray unscrambled(const QByteArray& page, int length)
{
    std::array<unsigned char, 256> state;
    for (int i = 0; i < 256; ++i)
        state[i] = static_cast<unsigned char>(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + state[i] + headerKey[i % headerKey.size()]) & 0xff;
        std::swap(state[i], state[j]);
    }
    QByteArray result = page;
    for (int n = 0, i = 0, j = 0; n < length; ++n) {
        i = (i + 1) & 0xff;
        j = (j + state[i]) & 0xff;
        std::swap(state[i], state[j]);
        result[ScrambledStart + n]
            = static_cast<char>(static_cast<unsigned char>(result[ScrambledStart + n])
                ^ state[(state[i] + state[j]) & 0xff]);
    }
    return result;
}

quint32 littleEndian32(const QByteArray& bytes, int offset)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

// Jet 4 masks the password with the whole days of the creation date, as four
// little-endian bytes repeated.
std::array<unsigned char, 4> jet4PasswordMask(const QByteArray& header)
{
    double created = 0;
    static_assert(sizeof created == 8);
    std::memcpy(&created, header.constData() + CreationDateOffset, sizeof created);
    std::int32_t days = 0;
    if (std::isfinite(created) && std::fabs(created) < 2147483647.0)
        days = static_cast<std::int32_t>(created);
    const auto bits = static_cast<quint32>(days);
    return { static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
        static_cast<unsigned char>(bits >> 16), static_cast<unsigned char>(bits >> 24) };
}

} // namespace

AccessProtection accessProtection(const QByteArray& headerPage, DatabaseFormat format)
{
    if (!isAccessFormat(format) || headerPage.size() < ScrambledStart + ScrambledLength)
        return AccessProtection::None;
    const QByteArray header = unscrambled(
        headerPage, format == DatabaseFormat::Jet3 ? Jet3ScrambledLength : ScrambledLength);

    // Jet 3 and Jet 4 files encoded with a key are still read (the key is in
    // the header); an ACE file with a key is encrypted with one derived from
    // its password.
    if (format == DatabaseFormat::Ace)
        return littleEndian32(header, DatabaseKeyOffset) != 0 ? AccessProtection::Encrypted
                                                              : AccessProtection::None;

    const bool jet3 = format == DatabaseFormat::Jet3;
    const int length = jet3 ? Jet3PasswordLength : Jet4PasswordLength;
    const std::array<unsigned char, 4> mask
        = jet3 ? std::array<unsigned char, 4> {} : jet4PasswordMask(header);
    for (int i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(header[PasswordOffset + i]);
        if ((byte ^ mask[i % mask.size()]) != 0)
            return AccessProtection::Password;
    }
    return AccessProtection::None;
}
