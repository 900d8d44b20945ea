// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QPushButton>

// A raised button that never takes the keyboard focus, with a caption or a
// picture set against its left edge.
class SpeedButton : public QPushButton {
    Q_OBJECT
public:
    explicit SpeedButton(QWidget* parent = nullptr);

    void SetGlyph(const QPixmap& glyph);
    const QPixmap& Glyph() const { return glyph_; }
    // On, the second press of a double click does nothing and a double
    // click acts once; off, it clicks the button again, as on a push button.
    void SetActsOncePerDoubleClick(bool on) { actsOncePerDoubleClick_ = on; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPixmap glyph_;
    bool actsOncePerDoubleClick_ = false;
};
