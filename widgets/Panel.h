// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

// A raised panel with a one-pixel bevel. It tells when the pointer moves over
// its bare background, where no visible control lies.
class Panel : public QFrame {
    Q_OBJECT
public:
    explicit Panel(QWidget* parent = nullptr);

signals:
    void backgroundMouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};
