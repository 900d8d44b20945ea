// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(caption, parent)
    , buttons_(new QButtonGroup(this))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 2, 4, 2);
    grid->setSpacing(0);
    const int rows = (items.size() + columns - 1) / columns;
    for (int index = 0; index < items.size(); ++index) {
        auto* item = new QRadioButton(items[index], this);
        item->setAttribute(Qt::WA_NoMousePropagation);
        item->setAccessibleName(items[index]);
        buttons_->addButton(item, index);
        grid->addWidget(item, index % rows, index / rows);
    }
    SetItemIndex(0);
    connect(buttons_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            emit itemChosen(index);
    });
}

int RadioGroup::ItemIndex() const
{
    return buttons_->checkedId();
}

void RadioGroup::SetItemIndex(int index)
{
    if (auto* item = buttons_->button(index))
        item->setChecked(true);
}
