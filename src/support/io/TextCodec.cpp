#include "support/io/TextCodec.h"

#include <QStringDecoder>

#include <algorithm>

namespace {

constexpr char16_t kRawByteBase = 0xDC00; // byte b (0x80..0xFF) is kept as U+DC00 + b

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// The length of the UTF-8 character at `at` (1 to 4), 0 when the bytes there
// are no whole character. With `cutEnd`, a character cut short by the end of
// the bytes counts as whole when what there is of it is right.
int CharacterLength(const QByteArray& bytes, qsizetype at, bool cutEnd = false)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    const unsigned char lead = p[at];
    if (lead < 0x80)
        return 1;
    int length = 0;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0; // no overlong forms
        else if (lead == 0xED)
            high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F; // nothing beyond U+10FFFF
    } else {
        return 0;
    }
    for (int k = 1; k < length; ++k) {
        if (at + k >= size)
            return cutEnd ? int(size - at) : 0;
        const unsigned char c = p[at + k];
        if (k == 1 ? (c < low || c > high) : !IsContinuation(c))
            return 0;
    }
    return length;
}

// UTF-8 as it stands: a byte-order mark is a character like any other, so
// that it is written back too.
QString FromUtf8(const char* bytes, qsizetype size)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return utf8.decode(QByteArrayView(bytes, size));
}

// A kept byte is a lone code unit: the second half of a surrogate pair (U+1F080
// is D83C DC80) is part of a character.
bool IsRawByteAt(const QString& text, qsizetype i)
{
    const char16_t unit = text.at(i).unicode();
    return unit >= kRawByteBase + 0x80 && unit <= kRawByteBase + 0xFF && !(i > 0 && text.at(i - 1).isHighSurrogate());
}

} // namespace

bool IsUtf8(const QByteArray& bytes, bool allowCutEnd)
{
    for (qsizetype at = 0; at < bytes.size();) {
        const int length = CharacterLength(bytes, at, allowCutEnd);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

QString DecodeText(const QByteArray& bytes)
{
    // Plain ASCII, the usual name, is the same text in either reading.
    if (std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return QString::fromLatin1(bytes);
    if (IsUtf8(bytes))
        return FromUtf8(bytes.constData(), bytes.size());
    QString text;
    text.reserve(bytes.size());
    qsizetype runStart = 0;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const int length = CharacterLength(bytes, at);
        if (length > 0) {
            at += length;
            continue;
        }
        text += FromUtf8(bytes.constData() + runStart, at - runStart);
        text += QChar(char16_t(kRawByteBase + static_cast<unsigned char>(bytes[at])));
        runStart = ++at;
    }
    text += FromUtf8(bytes.constData() + runStart, at - runStart);
    return text;
}

bool HoldsRawBytes(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (IsRawByteAt(text, i))
            return true;
    return false;
}

QByteArray EncodeText(const QString& text)
{
    if (!HoldsRawBytes(text))
        return text.toUtf8();
    QByteArray bytes;
    bytes.reserve(text.size());
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!IsRawByteAt(text, i))
            continue;
        bytes += QStringView(text).mid(runStart, i - runStart).toUtf8();
        bytes += char(text.at(i).unicode() - kRawByteBase);
        runStart = i + 1;
    }
    bytes += QStringView(text).mid(runStart).toUtf8();
    return bytes;
}

QString DisplayBytes(const QByteArray& bytes)
{
    return IsUtf8(bytes) ? FromUtf8(bytes.constData(), bytes.size()) : QString::fromLatin1(bytes);
}

QString DisplayText(const QString& text)
{
    return HoldsRawBytes(text) ? QString::fromLatin1(EncodeText(text)) : text;
}

QString TypedText(const QString& typed)
{
    QString text = typed;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

QByteArray CutBytes(const QByteArray& bytes, int limit)
{
    if (bytes.size() <= limit)
        return bytes;
    qsizetype cut = limit;
    if (IsUtf8(bytes, true))
        while (cut > 0 && IsContinuation(static_cast<unsigned char>(bytes[cut])))
            --cut;
    return bytes.left(cut);
}
