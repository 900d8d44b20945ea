// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The help page at a zoom: every length its style attributes give in points
// or pixels (font sizes, margins) and every table's cell padding, scaled and
// rounded to whole units. The words and the rest of the page stay as they are.
QString ZoomedHtml(const QString& html, double zoom);
