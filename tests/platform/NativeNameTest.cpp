// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NativeName.h"

#include <gtest/gtest.h>

namespace {

// Each name, from the system's bytes to the program's text and back, is the
// same bytes; text that is UTF-8 reads as UTF-8.
TEST(NativeName, KeepsEveryByte)
{
    const QByteArray names[] = {
        "sheet.pdf",     "ひっさん 1.pdf",     "\xff\xfe-sheet.pdf", "cut \xe3\x81",
        "\xc0\xaf slash", "\xed\xa0\x80 half", "\xf4\x90\x80\x80 past", "\xf0\x9f\x98\x80 face",
    };
    for (const QByteArray& bytes : names) {
        SCOPED_TRACE(bytes.toHex().toStdString());
        EXPECT_EQ(NameToBytes(NameFromBytes(bytes)), bytes);
        if (QString::fromUtf8(bytes).toUtf8() == bytes) {
            EXPECT_EQ(NameFromBytes(bytes), QString::fromUtf8(bytes));
        }
    }
}

} // namespace
