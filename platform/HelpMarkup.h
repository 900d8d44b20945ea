// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The help file is written in a small part of HTML: the elements, attributes
// and styles the program's own help page uses, each style with bounded
// values, every element closed in order, at most 1,000 elements nested at
// most 16 deep, tables at most 4 deep. A page is read by these rules alone
// and written out anew, plainly, for the text view; so the view lays out
// only what was read here, never some other reading of the same bytes.
//
// Nothing comes back for a page that strays from these rules in any way, or
// that holds no words to show.
std::optional<QString> HelpMarkup(QStringView page);
