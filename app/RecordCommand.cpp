// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RecordCommand.h"

#include "platform/BoundedFile.h"
#include "platform/CallerDirectory.h"
#include "platform/NativeName.h"
#include "platform/WrittenFile.h"
#include "record/RecordFile.h"
#include "record/RecordStore.h"
#include "record_window/RecordWindow.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <optional>

namespace {

// An option that moves the record, and what its failure means for the
// parent, said in Japanese after the reason in English.
struct RecordMove {
    const char* option;
    const char* failureMeans;
};
constexpr RecordMove exporting{"export-record", "きろくを かきだせません。"};
constexpr RecordMove importing{"import-record", "きろくを とりこめません。"};

int fail(const RecordMove& move, const QString& what)
{
    std::fprintf(stderr, "porominka: --%s: %s / %s\n", move.option, qUtf8Printable(what), move.failureMeans);
    return 2;
}

QString nowhere(const QString& file)
{
    return QStringLiteral("\"%1\": the directory it was started from has no name").arg(file);
}

// Years of daily practice stay far below this; anything larger is not a
// record of ours.
constexpr qint64 LARGEST_RECORD_FILE = 256 << 20;

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
    const std::optional<QByteArray> directory = CallerDirectoryFor(file);
    if (!directory)
        return fail(exporting, nowhere(file));
    const RecordApplication application;
    const RecordStore store(DefaultRecordPath());
    if (!store.IsOpen())
        return fail(exporting, QStringLiteral("the record cannot be read: ") + store.Problem());
    const auto record = store.All();
    WrittenFile out(NameToBytes(file), *directory);
    if (!out.open() || !out.commit(RecordJson(record)))
        return fail(exporting, QStringLiteral("cannot write \"%1\": %2").arg(file, out.errorString()));
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
    const std::optional<QByteArray> directory = CallerDirectoryFor(file);
    if (!directory)
        return fail(importing, nowhere(file));
    const std::optional<QByteArray> bytes = ReadBoundedFile(CallersFile(file, *directory), LARGEST_RECORD_FILE);
    if (!bytes)
        return fail(importing, QStringLiteral("cannot read \"%1\": not a readable file").arg(file));
    const auto read = ReadRecordJson(*bytes);
    if (const QString* refusal = std::get_if<QString>(&read))
        return fail(importing, QStringLiteral("\"%1\": %2").arg(file, *refusal));
    RecordStore store(DefaultRecordPath());
    const std::optional<int> added = store.Merge(std::get<std::vector<JudgedProblem>>(read));
    if (!added)
        return fail(importing, QStringLiteral("the record cannot be written: ") + store.Problem());
    std::printf("%d\n", *added);
    return 0;
}
