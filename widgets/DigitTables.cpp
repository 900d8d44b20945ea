// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/DigitTables.h"

#include "session/Wording.h"

QString DigitPictureFile(std::int32_t slot)
{
    return QString::fromStdString(DigitPictureFileName(slot, false));
}

QString StruckDigitPictureFile(std::int32_t slot)
{
    return QString::fromStdString(DigitPictureFileName(slot, true));
}

QString DigitText(std::int32_t slot)
{
    return QString::fromStdString(FullWidthDigit(slot));
}

QString OperatorPictureFile(Operation operation)
{
    return QString::fromLatin1(OperatorPictureFileName(operation));
}
