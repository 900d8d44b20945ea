#pragma once

#include <QString>
#include <QStringList>

// The three settings as the practice window words them: each group's caption
// and its items in index order.
struct SettingGroupCaptions {
    QString caption;
    QStringList items;
};

const SettingGroupCaptions& RangeCaptions();
const SettingGroupCaptions& CarryCaptions();
const SettingGroupCaptions& KindCaptions();
