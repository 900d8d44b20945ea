// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextBrowser>

// The text view of the help window. A help page stands on its own: pictures
// and style sheets it names are never read, for a name could lead to a
// device or a FIFO and hold the window.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override;
};
