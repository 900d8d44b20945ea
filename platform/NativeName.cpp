// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NativeName.h"

#include <QStringDecoder>

namespace {

constexpr char16_t firstCarried = 0xDC80;
constexpr char16_t lastCarried = 0xDCFF;

// The length of the UTF-8 sequence a byte starts, 0 for one that starts none.
qsizetype sequenceLength(uchar lead)
{
    const struct { uchar lowest, highest; qsizetype length; } leads[] = {
        {0x00, 0x7F, 1}, {0xC2, 0xDF, 2}, {0xE0, 0xEF, 3}, {0xF0, 0xF4, 4}};
    for (const auto& row : leads)
        if (lead >= row.lowest && lead <= row.highest)
            return row.length;
    return 0;
}

} // namespace

QString NameFromBytes(const QByteArray& bytes)
{
    QString name;
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = sequenceLength(uchar(bytes[at]));
        if (length > 0 && at + length <= bytes.size()) {
            // Stateless, so that a sequence cut short is an error, not a wait.
            QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString character = utf8(bytes.sliced(at, length));
            if (!utf8.hasError()) {
                name += character;
                at += length;
                continue;
            }
        }
        name += QChar(char16_t(0xDC00 + uchar(bytes[at])));
        ++at;
    }
    return name;
}

QByteArray NameToBytes(const QString& name)
{
    QByteArray bytes;
    for (qsizetype at = 0; at < name.size(); ++at) {
        const char16_t unit = name[at].unicode();
        const bool pair = QChar::isHighSurrogate(unit) && at + 1 < name.size() && name[at + 1].isLowSurrogate();
        if (unit >= firstCarried && unit <= lastCarried) {
            bytes += char(unit - 0xDC00);
        } else {
            bytes += QStringView(name).sliced(at, pair ? 2 : 1).toUtf8();
            at += pair ? 1 : 0;
        }
    }
    return bytes;
}
