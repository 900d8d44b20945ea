// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/SettingCaptions.h"

#include "session/Wording.h"

namespace {

SettingGroupCaptions captionsOf(const SettingWording& wording)
{
    SettingGroupCaptions captions{QString::fromUtf8(wording.caption), {}};
    for (const char* item : wording.items)
        captions.items << QString::fromUtf8(item);
    return captions;
}

} // namespace

const SettingGroupCaptions& RangeCaptions()
{
    static const SettingGroupCaptions captions = captionsOf(RangeWording());
    return captions;
}

const SettingGroupCaptions& CarryCaptions()
{
    static const SettingGroupCaptions captions = captionsOf(CarryModeWording());
    return captions;
}

const SettingGroupCaptions& KindCaptions()
{
    static const SettingGroupCaptions captions = captionsOf(KindWording());
    return captions;
}
