// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QTranslator>

// The words of Qt's own dialogs (saving, printing, message boxes) for as long
// as the object lives. On a Japanese desktop they speak Japanese, as the
// drill's screens do; in any other language they keep Qt's English rather
// than bring in a third language beside the screens' Japanese. Without Qt's
// Japanese translation installed they stay English too.
class ToolkitDialogLanguage {
public:
    explicit ToolkitDialogLanguage(const QLocale& locale);
    ~ToolkitDialogLanguage();
    ToolkitDialogLanguage(const ToolkitDialogLanguage&) = delete;
    ToolkitDialogLanguage& operator=(const ToolkitDialogLanguage&) = delete;

private:
    QTranslator translator_;
    bool installed_ = false;
};
