// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartSettings.h"

#include "practice_window/TForm1.h"
#include "widgets/RadioGroup.h"

void ApplyStartSettings(TForm1& form, const PlayRequest& request)
{
    const std::pair<RadioGroup*, std::int32_t> groups[] = {
        {form.RadioGroup1, request.settings.selectedRange},
        {form.RadioGroup2, request.settings.selectedCarry},
        {form.RadioGroup3, request.settings.selectedKind},
    };
    for (const auto& [group, item] : groups) {
        group->SetItemIndex(item);
        group->setEnabled(!request.locked);
    }
}
