#include "jetrows.h"

#include "jeterror.h"
#include "jetpages.h"

#include <cstring>

namespace Jet {

namespace {

// A memo kept in its row: its byte length with this flag, eight spare bytes, then the text.
constexpr quint32 InlineMemo = 0x80000000;
constexpr int MemoHeaderSize = 12;

QByteArray fixedValue(Type type, const QVariant& value)
{
    QByteArray bytes;
    switch (type) {
    case Type::Integer:
        append16(bytes, static_cast<quint16>(value.toInt()));
        break;
    case Type::Long:
        append32(bytes, static_cast<quint32>(value.toInt()));
        break;
    default: {
        const double days = value.toDouble();
        bytes.resize(sizeof days);
        std::memcpy(bytes.data(), &days, sizeof days);
        break;
    }
    }
    return bytes;
}

} // namespace

bool isFixed(Type type)
{
    return type == Type::Integer || type == Type::Long || type == Type::DateTime;
}

int columnSize(Type type)
{
    switch (type) {
    case Type::Integer:
        return 2;
    case Type::Long:
        return 4;
    case Type::DateTime:
        return 8;
    case Type::Text:
        return 2 * TextLength;
    default:
        return 0;
    }
}

QByteArray encodeRow(
    const QList<Column>& columns, const QVariantList& values, const LongValueStore& store)
{
    Q_ASSERT(columns.size() == values.size());
    const int count = static_cast<int>(columns.size());
    QByteArray fixed;
    QList<QByteArray> variable;
    QList<int> memos;
    QByteArray present((count + 7) / 8, '\0');
    for (int i = 0; i < count; ++i) {
        const Type type = columns[i].type;
        const QVariant& value = values[i];
        if (!value.isNull())
            present[i / 8] = static_cast<char>(present[i / 8] | (1 << (i % 8)));
        if (isFixed(type)) {
            fixed += value.isNull() ? QByteArray(columnSize(type), '\0') : fixedValue(type, value);
            continue;
        }
        QByteArray stored = value.isNull() ? QByteArray() : utf16(value.toString());
        if (type == Type::Memo && !value.isNull()) {
            QByteArray header(MemoHeaderSize, '\0');
            put32(header, 0, InlineMemo | static_cast<quint32>(stored.size()));
            stored.prepend(header);
            memos << static_cast<int>(variable.size());
        }
        variable << stored;
    }

    const auto rowSize = [&]() {
        qsizetype size = 2 + fixed.size() + 2 * (variable.size() + 1) + 2 + present.size();
        for (const QByteArray& value : variable)
            size += value.size();
        return size;
    };
    // Memos leave the row, the longest first, until it fits on a page.
    while (rowSize() > LargestRow && !memos.isEmpty()) {
        int longest = 0;
        for (int m = 1; m < memos.size(); ++m)
            if (variable[memos[m]].size() > variable[memos[longest]].size())
                longest = m;
        QByteArray& memo = variable[memos.takeAt(longest)];
        memo = store(memo.mid(MemoHeaderSize));
    }
    if (rowSize() > LargestRow)
        throw JetError(QStringLiteral("a row of %1 bytes does not fit on a page").arg(rowSize()));

    QByteArray row;
    row.reserve(rowSize());
    append16(row, static_cast<quint16>(count));
    row += fixed;
    QList<quint16> offsets;
    for (const QByteArray& value : variable) {
        offsets << static_cast<quint16>(row.size());
        row += value;
    }
    offsets << static_cast<quint16>(row.size());
    for (int i = static_cast<int>(offsets.size()) - 1; i >= 0; --i)
        append16(row, offsets[i]);
    append16(row, static_cast<quint16>(variable.size()));
    row += present;
    return row;
}

} // namespace Jet
