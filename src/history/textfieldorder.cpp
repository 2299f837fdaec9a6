#include "textfieldorder.h"

#include <algorithm>

namespace {

// A UTF-16 unit moved so that units compare in the order of the characters'
// codes: the halves of a character beyond U+FFFF come after U+E000-U+FFFF.
char16_t ordered(char16_t c)
{
    if (c >= u'A' && c <= u'Z')
        return char16_t(c + (u'a' - u'A'));
    if (c >= 0xe000)
        return char16_t(c - 0x800);
    if (c >= 0xd800)
        return char16_t(c + 0x2000);
    return c;
}

} // namespace

bool textFieldBefore(const QString& a, const QString& b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t p = ordered(a.at(i).unicode());
        const char16_t q = ordered(b.at(i).unicode());
        if (p != q)
            return p < q;
    }
    return a.size() < b.size();
}

QString textFieldKey(const QString& text)
{
    const auto lowerCase = [](QChar c) { return c >= u'a' && c <= u'z'; };
    if (std::none_of(text.cbegin(), text.cend(), lowerCase))
        return text;
    QString key = text;
    for (QChar& c : key)
        if (lowerCase(c))
            c = QChar(c.unicode() - (u'a' - u'A'));
    return key;
}
