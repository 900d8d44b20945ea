// SPDX-License-Identifier: GPL-3.0-or-later
// Writes judged problems into the record at argv[1] as fast as it can,
// printing how many are committed after each, until it is killed.
#include "record/RecordStore.h"
#include "tests/record/SampleRecord.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    const QCoreApplication application(argc, argv);
    RecordStore store(QString::fromLocal8Bit(argv[1]));
    const auto problems = SampleRecord(5000);
    for (std::size_t i = 0; i < problems.size() && store.Add(problems[i]); ++i) {
        std::printf("%zu\n", i + 1);
        std::fflush(stdout);
    }
    return 1;
}
