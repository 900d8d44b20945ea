// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ToolkitFonts.h"

#include <QStringList>

namespace {

QFont gothicFont(const QStringList& families, int pixelHeight, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelHeight);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace

QFont ProportionalGothicFont(int pixelHeight, bool bold)
{
    static const QStringList families = {QStringLiteral("ＭＳ Ｐゴシック"),
                                         QStringLiteral("MS PGothic"),
                                         QStringLiteral("IPAPGothic")};
    return gothicFont(families, pixelHeight, bold);
}

QFont FixedGothicFont(int pixelHeight, bool bold)
{
    static const QStringList families = {QStringLiteral("ＭＳ ゴシック"),
                                         QStringLiteral("MS Gothic"),
                                         QStringLiteral("IPAGothic")};
    return gothicFont(families, pixelHeight, bold);
}
