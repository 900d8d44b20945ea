// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ToolkitDialogLanguage.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <gtest/gtest.h>

#include <string>

namespace {

struct ButtonWords {
    std::string cancel;
    std::string save;
};

ButtonWords standardButtonWords()
{
    const QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    return {box.button(QDialogButtonBox::Cancel)->text().toStdString(),
            box.button(QDialogButtonBox::Save)->text().toStdString()};
}

} // namespace

// This test runs with LANG=ja_JP.UTF-8. The standard buttons of the dialogs
// the 「プリント」 window opens speak Japanese on a Japanese desktop, keep
// Qt's English on any other (each row also finds the Japanese of the row
// before it gone with its object).
TEST(ToolkitDialogLanguage, StandardButtonsSpeakJapaneseOnlyOnAJapaneseDesktop)
{
    ASSERT_EQ(QLocale::system().language(), QLocale::Japanese);
    struct Case {
        const char* label;
        QLocale locale;
        ButtonWords words;
    };
    const Case cases[] = {
        {"the desktop's own locale", QLocale::system(), {"キャンセル", "保存"}},
        {"English desktop", QLocale(QLocale::English, QLocale::UnitedStates), {"Cancel", "Save"}},
        {"German desktop, whose translation is installed too", QLocale(QLocale::German, QLocale::Germany),
         {"Cancel", "Save"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const ToolkitDialogLanguage language(c.locale);
        const ButtonWords words = standardButtonWords();
        EXPECT_EQ(words.cancel, c.words.cancel);
        EXPECT_EQ(words.save, c.words.save);
    }
}
