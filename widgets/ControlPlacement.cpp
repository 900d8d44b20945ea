// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ControlPlacement.h"

#include <QColor>
#include <QPalette>

const std::array<QString, 4>& ColumnNames()
{
    static const std::array<QString, 4> names{
        QStringLiteral("せんのくらい"), QStringLiteral("ひゃくのくらい"),
        QStringLiteral("じゅうのくらい"), QStringLiteral("いちのくらい")};
    return names;
}

void SetTextColour(QWidget* control, const QColor& colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::WindowText, colour);
    control->setPalette(palette);
}

