// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

// A framed, captioned group of radio items of which exactly one is selected.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, int columns,
               QWidget* parent = nullptr);

    int ItemIndex() const;
    void SetItemIndex(int index);

signals:
    // Another item has been chosen, by the child or by SetItemIndex.
    void itemChosen(int index);

private:
    QButtonGroup* buttons_;
};
