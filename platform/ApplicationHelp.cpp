// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ApplicationHelp.h"

#include "platform/HelpViewer.h"

#include <QPointer>

namespace {

QString& helpFile()
{
    static QString path;
    return path;
}

// A top-level window with no owner; the pointer forgets it should Qt ever
// delete it.
QPointer<HelpViewer>& viewer()
{
    static QPointer<HelpViewer> window;
    return window;
}

} // namespace

void SetApplicationHelpFile(const QString& path)
{
    helpFile() = path;
}

QString ApplicationHelpFile()
{
    return helpFile();
}

void ShowHelpContents()
{
    if (!viewer())
        viewer() = new HelpViewer;
    viewer()->OpenContents(helpFile());
}

HelpViewer* ApplicationHelpViewer()
{
    return viewer();
}
