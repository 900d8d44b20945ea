// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/DigitTables.h"

namespace {

bool isDigit(std::int32_t slot)
{
    return slot >= 0 && slot <= 9;
}

QString pictureFile(char prefix, std::int32_t slot)
{
    return isDigit(slot) ? QStringLiteral("%1%2.bmp").arg(QChar(prefix)).arg(slot)
                         : QStringLiteral("nb.bmp");
}

} // namespace

QString DigitPictureFile(std::int32_t slot)
{
    return pictureFile('n', slot);
}

QString StruckDigitPictureFile(std::int32_t slot)
{
    return pictureFile('b', slot);
}

QString DigitText(std::int32_t slot)
{
    constexpr char16_t fullWidthZero = u'０';
    return isDigit(slot) ? QString(QChar(fullWidthZero + slot)) : QString();
}

QString OperatorPictureFile(Operation operation)
{
    return operation == Operation::Addition ? QStringLiteral("plus.bmp") : QStringLiteral("minus.bmp");
}
