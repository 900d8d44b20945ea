// SPDX-License-Identifier: GPL-3.0-or-later
// The database driver is a plugin, which only an application object loads.
#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    const QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
