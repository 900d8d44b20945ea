// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The three settings as the settings panels of the practice and the
// worksheet windows word them: each radio group's caption and its items in
// index order.
struct SettingGroupCaptions {
    QString caption;
    QStringList items;
};

const SettingGroupCaptions& RangeCaptions();
const SettingGroupCaptions& CarryCaptions();
const SettingGroupCaptions& KindCaptions();
