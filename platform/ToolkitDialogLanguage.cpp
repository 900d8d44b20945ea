// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ToolkitDialogLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>

ToolkitDialogLanguage::ToolkitDialogLanguage(const QLocale& locale)
{
    if (locale.language() != QLocale::Japanese)
        return;
    installed_ = translator_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                 QCoreApplication::installTranslator(&translator_);
}

ToolkitDialogLanguage::~ToolkitDialogLanguage()
{
    if (installed_)
        QCoreApplication::removeTranslator(&translator_);
}
