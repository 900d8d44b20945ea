// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartSettings.h"

#include "layout/SettingItems.h"
#include "practice_window/TForm1.h"
#include "widgets/RadioGroup.h"

void ApplyStartSettings(TForm1& form, const PlayRequest& request)
{
    const SettingItems items = ItemsOf(request.settings.drill);
    const std::pair<RadioGroup*, std::int32_t> groups[] = {
        {form.RadioGroup1, items.range},
        {form.RadioGroup2, items.carryMode},
        {form.RadioGroup3, items.kind},
    };
    for (const auto& [group, item] : groups) {
        group->SetItemIndex(item);
        group->setEnabled(!request.locked);
    }
}
