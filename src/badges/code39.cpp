#include "code39.h"

namespace {

const char* const Characters = "0123456789*ABCDEFGHIJKLMNOPQRSTUVWXYZ. ";

const char* const Patterns[Code39::TableSize] = {
    "1010011011010", // 0
    "1101001010110", // 1
    "1011001010110", // 2
    "1101100101010", // 3
    "1010011010110", // 4
    "1101001101010", // 5
    "1011001101010", // 6
    "1010010110110", // 7
    "1101001011010", // 8
    "1011001011010", // 9
    "1001011011010", // *
    "1101010010110", // A
    "1011010010110", // B
    "1101101001010", // C
    "1010110010110", // D
    "1101011001010", // E
    "1011011001010", // F
    "1010100110110", // G
    "1101010011010", // H
    "1011010011010", // I
    "1010110011010", // J
    "1101010100110", // K
    "1011010100110", // L
    "1101101010010", // M
    "1010110100110", // N
    "1101011010010", // O
    "1011011010010", // P
    "1010101100110", // Q
    "1101010110010", // R
    "1011010110010", // S
    "1010110110010", // T
    "1100101010110", // U
    "1001101010110", // V
    "1100110101010", // W
    "1001011010110", // X
    "1100101101010", // Y
    "1001101101010", // Z
    "1100101011010", // .
    "1001101011010", // space
};

} // namespace

namespace Code39 {

QChar character(int index)
{
    return QLatin1Char(Characters[index]);
}

QString pattern(int index)
{
    return QString::fromLatin1(Patterns[index]);
}

int lookup(QChar c)
{
    for (int index = 0; index < SpaceIndex; ++index)
        if (c == character(index))
            return index;
    return -1;
}

} // namespace Code39
