// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A refusal of a bad option value, as the readers of the options word it in
// English, on one line in English and in Japanese, as --help speaks both:
// "--range: "7" is not one of 10, 20, … / --range: 「7」は つかえません（10, 20, … の どれか）".
// A refusal worded some other way stays as it is.
QString InEnglishAndJapanese(const QString& refusal);
