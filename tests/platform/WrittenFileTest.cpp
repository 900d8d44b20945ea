// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NativeName.h"
#include "platform/WrittenFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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

std::string readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A relative name counts from the working directory itself, held by
// descriptor, so a directory too long to name still takes the file.
TEST(WrittenFile, CountsFromAWorkingDirectoryTooLongToName)
{
    const QTemporaryDir scratch;
    fs::current_path(scratch.path().toStdString());
    const std::string step(90, 'd');
    for (int depth = 0; depth < 48; ++depth) {
        fs::create_directory(step);
        fs::current_path(step);
    }
    WrittenFile file("ws.pdf");
    EXPECT_TRUE(file.open() && file.commit("deep")) << file.errorString().toStdString();
    EXPECT_EQ(readBytes("ws.pdf"), "deep");
    // Past PATH_MAX only relative steps work: out one directory at a time.
    for (int depth = 0; depth < 48; ++depth) {
        fs::current_path("..");
        fs::remove_all(step);
    }
    ASSERT_TRUE(QDir::setCurrent(QDir::tempPath()));
}

} // namespace
