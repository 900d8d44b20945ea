// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ApplicationTitle.h"

namespace {
QString& title()
{
    static QString value;
    return value;
}
} // namespace

void SetApplicationTitle(const QString& newTitle)
{
    title() = newTitle;
}

QString ApplicationTitle()
{
    return title();
}
