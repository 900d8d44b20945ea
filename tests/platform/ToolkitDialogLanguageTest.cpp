// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ToolkitDialogLanguage.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <gtest/gtest.h>

#include <tuple>

namespace {

// This test runs with LANG=ja_JP.UTF-8. The standard buttons of the dialogs
// the 「プリント」 window opens speak Japanese on a Japanese desktop, keep
// Qt's English on any other (each row also finds the Japanese of the row
// before it gone with its object).
TEST(ToolkitDialogLanguage, StandardButtonsSpeakJapaneseOnlyOnAJapaneseDesktop)
{
    ASSERT_EQ(QLocale::system().language(), QLocale::Japanese);
    const std::tuple<const char*, QLocale, const char*> rows[] = {
        {"the desktop's own locale", QLocale::system(), "キャンセル 保存"},
        {"English desktop", QLocale(QLocale::English, QLocale::UnitedStates), "Cancel Save"},
        {"German desktop, whose translation is installed too", QLocale(QLocale::German, QLocale::Germany),
         "Cancel Save"},
    };
    for (const auto& [label, locale, words] : rows) {
        const ToolkitDialogLanguage language(locale);
        const QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
        const QString shown = box.button(QDialogButtonBox::Cancel)->text() + u' '
            + box.button(QDialogButtonBox::Save)->text();
        EXPECT_EQ(shown.toStdString(), words) << label;
    }
}

} // namespace
