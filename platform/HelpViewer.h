// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

// The program's help window: shows the HTML help file at its contents page.
// It is modeless, nothing waits for it, and it never keeps the program alive
// once the main window has closed.
class HelpViewer : public QWidget {
    Q_OBJECT

public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // A missing or unreadable file is told in the window itself.
    void OpenContents(const QString& path);

    QTextBrowser* browser() const { return browser_; }

private:
    void followLink(const QUrl& link);

    QTextBrowser* browser_;
};
