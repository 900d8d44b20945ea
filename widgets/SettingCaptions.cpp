// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/SettingCaptions.h"

const SettingGroupCaptions& RangeCaptions()
{
    static const SettingGroupCaptions captions{
        QStringLiteral("はんい"),
        {QStringLiteral("１０までつかう"), QStringLiteral("２０までつかう"), QStringLiteral("１００までつかう"),
         QStringLiteral("１０００までつかう"), QStringLiteral("９９９９までつかう")}};
    return captions;
}

const SettingGroupCaptions& CarryCaptions()
{
    static const SettingGroupCaptions captions{
        QStringLiteral("くりあがり"),
        {QStringLiteral("くりあがり（さがり）なし"), QStringLiteral("くりあがり（さがり）あり"),
         QStringLiteral("いろいろ")}};
    return captions;
}

const SettingGroupCaptions& KindCaptions()
{
    static const SettingGroupCaptions captions{QStringLiteral("しゅるい"),
                                               {QStringLiteral("たしざん"), QStringLiteral("ひきざん")}};
    return captions;
}
