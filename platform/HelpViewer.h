// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

// The program's help window: shows the HTML help file at its contents page,
// scaled by the program's zoom.
// It is modeless, nothing waits for it, and it never keeps the program alive
// once the main window has closed.
class HelpViewer : public QWidget {
    Q_OBJECT

public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // A file that cannot be read, or not shown in good time, is told of in
    // the window itself. The path formed from the working directory falls
    // back to the file's bare name.
    void OpenContents(const QString& path);

    QTextBrowser* browser() const { return browser_; }

protected:
    bool event(QEvent* event) override;

private:
    void showPage();
    void followLink(const QUrl& link);

    // The help page shown, at its laid-out size; empty while a message is
    // shown instead.
    QString page_;

    QTextBrowser* browser_;
};
