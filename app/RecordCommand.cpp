// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RecordCommand.h"

#include "record/RecordFile.h"
#include "record/RecordStore.h"
#include "record_window/RecordWindow.h"

#include <QApplication>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cstdio>
#include <optional>

namespace {

int fail(const char* option, const QString& what)
{
    std::fprintf(stderr, "porominka: --%s: %s\n", option, qUtf8Printable(what));
    return 2;
}

QString callersPath(const QString& file)
{
    return QDir(qEnvironmentVariable("POROMINKA_CALLER_DIR")).absoluteFilePath(file);
}

// The database driver is a plugin, which only an application object loads.
struct RecordApplication {
    int argc = 1;
    char name[10] = "porominka";
    char* argv[2] = {name, nullptr};
    QCoreApplication application{argc, argv};
};

} // namespace

int ExportRecordFile(const QString& file)
{
    const RecordApplication application;
    const RecordStore store(DefaultRecordPath());
    if (!store.IsOpen())
        return fail("export-record", QStringLiteral("the record cannot be read: ") + store.Problem());
    const auto record = store.All();
    QSaveFile out(callersPath(file));
    if (!out.open(QIODevice::WriteOnly) || out.write(RecordJson(record)) < 0 || !out.commit())
        return fail("export-record", QStringLiteral("cannot write \"%1\": %2").arg(file, out.errorString()));
    std::printf("%zu\n", record.size());
    return 0;
}

int OpenRecordWindow()
{
    RecordStore store(DefaultRecordPath());
    RecordWindow window(store);
    window.show();
    return QApplication::exec();
}

int ImportRecordFile(const QString& file)
{
    const RecordApplication application;
    QFile in(callersPath(file));
    if (!in.open(QIODevice::ReadOnly))
        return fail("import-record", QStringLiteral("cannot read \"%1\": %2").arg(file, in.errorString()));
    const auto read = ReadRecordJson(in.readAll());
    if (const QString* refusal = std::get_if<QString>(&read))
        return fail("import-record", QStringLiteral("\"%1\": %2").arg(file, *refusal));
    RecordStore store(DefaultRecordPath());
    const std::optional<int> added = store.Merge(std::get<std::vector<JudgedProblem>>(read));
    if (!added)
        return fail("import-record", QStringLiteral("the record cannot be written: ") + store.Problem());
    std::printf("%d\n", *added);
    return 0;
}
