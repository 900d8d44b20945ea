// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramIcon.h"

QIcon ProgramIcon()
{
    QIcon icon;
    for (const int side : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(side), QSize(side, side));
    return icon;
}
