#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>
#include <functional>

namespace Jet {

// The column types written: fixed numbers and dates; texts, memos and OLE in the variable part.
enum class Type : quint8 {
    Integer = 0x03, // 16 bits
    Long = 0x04, // 32 bits
    DateTime = 0x08, // days since 30/12/1899, a double
    Text = 0x0a, // up to 255 UTF-16 units
    Ole = 0x0b,
    Memo = 0x0c,
};

// A text column holds up to this many characters; a longer value makes a memo.
constexpr int TextLength = 255;

struct Column
{
    QString name;
    Type type;
};

bool isFixed(Type type);
// Bytes a column takes in the fixed part of a row, or its declared length.
int columnSize(Type type);

// Stores a memo's UTF-16 text off its row and returns the 12-byte reference the row keeps.
using LongValueStore = std::function<QByteArray(const QByteArray& text)>;

// One row as a data page holds it; memos move out via `store`, longest first, else a JetError.
QByteArray encodeRow(
    const QList<Column>& columns, const QVariantList& values, const LongValueStore& store);

} // namespace Jet
