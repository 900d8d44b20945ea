// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NativeName.h"
#include "platform/WrittenFile.h"
#include "tests/support/FileSizeLimit.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>

namespace {

namespace fs = std::filesystem;

// Each name, from the system's bytes to the program's text and back, is the
// same bytes; text that is UTF-8 reads as UTF-8.
TEST(NativeName, KeepsEveryByte)
{
    const QByteArray names[] = {
        "sheet.pdf",     "ひっさん 1.pdf",     "\xff\xfe-sheet.pdf", "cut \xe3\x81",
        "\xc0\xaf slash", "\xed\xa0\x80 half", "\xf4\x90\x80\x80 past", "\xf0\x9f\x98\x80 face",
    };
    for (const QByteArray& bytes : names) {
        SCOPED_TRACE(bytes.toHex().toStdString());
        EXPECT_EQ(NameToBytes(NameFromBytes(bytes)), bytes);
        if (QString::fromUtf8(bytes).toUtf8() == bytes) {
            EXPECT_EQ(NameFromBytes(bytes), QString::fromUtf8(bytes));
        }
    }
}

void writeBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The sheet written under a name the user gave, over whatever the name
// names: only a new name or a regular file is written, whole or not at all,
// and the directory then holds exactly what it should: no temporary, a link
// and its target untouched, an old file intact after a failure and keeping
// its permissions after a success.
TEST(WrittenFile, WritesOnlyANewNameOrARegularFileWholeOrNotAtAll)
{
    const std::string sheet(10000, 'p');
    const std::string old(2200, 'o');
    const struct {
        const char* what;
        QByteArray name;
        std::function<void()> before;
        bool written;
        // The most a file may hold, 0 for no limit.
        rlim_t fileSizeLimit;
        // Each entry of the directory afterwards, with its bytes or kind.
        std::map<std::string, std::string> entries;
    } rows[] = {
        {"a new name", "ws.pdf", [] {}, true, 0, {{"ws.pdf", sheet}}},
        {"a name that is not UTF-8", "\xff\xfe-ws.pdf", [] {}, true, 0, {{"\xff\xfe-ws.pdf", sheet}}},
        {"a regular file", "ws.pdf", [&] { writeBytes("ws.pdf", old); chmod("ws.pdf", 0640); }, true, 0,
         {{"ws.pdf", sheet}}},
        {"a link to another's file", "ws.pdf",
         [&] { writeBytes("theirs", old); fs::create_symlink("theirs", "ws.pdf"); }, false, 0,
         {{"theirs", old}, {"ws.pdf", "link"}}},
        {"a link to nowhere", "ws.pdf", [] { fs::create_symlink("gone", "ws.pdf"); }, false, 0, {{"ws.pdf", "link"}}},
        {"a FIFO", "ws.pdf", [] { mkfifo("ws.pdf", 0600); }, false, 0, {{"ws.pdf", "fifo"}}},
        {"a directory", "ws.pdf", [] { fs::create_directory("ws.pdf"); }, false, 0, {{"ws.pdf", "directory"}}},
        {"a folder's own name", "sub/", [] { fs::create_directory("sub"); }, false, 0, {{"sub", "directory"}}},
        {"a missing folder", "sub/ws.pdf", [] {}, false, 0, {}},
        {"a disk that fills up over a regular file", "ws.pdf", [&] { writeBytes("ws.pdf", old); }, false, 4096,
         {{"ws.pdf", old}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const QTemporaryDir directory;
        ASSERT_TRUE(QDir::setCurrent(directory.path()));
        row.before();
        const fs::perms mode = fs::exists(fs::symlink_status("ws.pdf")) ? fs::status("ws.pdf").permissions()
                                                                         : fs::perms::none;
        WrittenFile file(row.name);
        bool written = file.open();
        {
            std::optional<FileSizeLimit> limit;
            if (row.fileSizeLimit)
                limit.emplace(row.fileSizeLimit);
            written = written && file.commit(QByteArray::fromStdString(sheet));
        }
        EXPECT_EQ(written, row.written) << file.errorString().toStdString();
        EXPECT_EQ(file.errorString().isEmpty(), row.written);
        std::map<std::string, std::string> entries;
        for (const fs::directory_entry& entry : fs::directory_iterator(".")) {
            const fs::file_status status = entry.symlink_status();
            const std::map<fs::file_type, std::string> kinds{
                {fs::file_type::symlink, "link"}, {fs::file_type::fifo, "fifo"}, {fs::file_type::directory, "directory"}};
            entries[entry.path().filename()] =
                kinds.count(status.type()) ? kinds.at(status.type()) : readBytes(entry.path());
        }
        EXPECT_EQ(entries, row.entries);
        if (row.written && mode != fs::perms::none) {
            EXPECT_EQ(fs::status("ws.pdf").permissions(), mode);
        }
        ASSERT_TRUE(QDir::setCurrent(QDir::tempPath()));
    }
}

// A relative name counts from the directory given, else from the working
// directory, held by descriptor: one too long to name works, one deleted
// refuses, and nothing lands anywhere else.
TEST(WrittenFile, CountsFromTheCallersDirectoryItselfNotItsName)
{
    const QTemporaryDir scratch;
    const fs::path top = scratch.path().toStdString();
    fs::current_path(top);
    for (int step = 0; step < 48; ++step) {
        fs::create_directory(std::string(90, 'd'));
        fs::current_path(std::string(90, 'd'));
    }
    WrittenFile longWay("ws.pdf");
    EXPECT_TRUE(longWay.open() && longWay.commit("deep")) << longWay.errorString().toStdString();
    EXPECT_EQ(readBytes("ws.pdf"), "deep");
    // Past PATH_MAX only relative steps work: out one directory at a time.
    for (int step = 0; step < 48; ++step) {
        fs::current_path("..");
        fs::remove_all(std::string(90, 'd'));
    }

    fs::current_path(top);
    fs::create_directory("caller");
    fs::create_directory("gone");
    WrittenFile fromCaller("ws.pdf", QByteArray::fromStdString((top / "caller").string()));
    EXPECT_TRUE(fromCaller.open() && fromCaller.commit("caller")) << fromCaller.errorString().toStdString();
    EXPECT_EQ(readBytes(top / "caller" / "ws.pdf"), "caller");
    EXPECT_FALSE(fs::exists(top / "ws.pdf"));

    fs::current_path("gone");
    fs::remove(top / "gone");
    WrittenFile deleted("ws.pdf");
    EXPECT_FALSE(deleted.open());
    EXPECT_FALSE(fs::exists("/ws.pdf"));
    ASSERT_TRUE(QDir::setCurrent(QDir::tempPath()));
}

} // namespace
