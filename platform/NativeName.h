// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// File names and arguments are bytes, which need not be UTF-8. They are kept
// whole through the program's text: each byte that is not part of UTF-8 is
// carried as one of the lone surrogates U+DC80 to U+DCFF, and given back as
// that same byte.
QString NameFromBytes(const QByteArray& bytes);
QByteArray NameToBytes(const QString& name);
