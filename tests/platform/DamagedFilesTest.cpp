// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ApplicationHelp.h"
#include "platform/CurrentDirectory.h"
#include "platform/FileOpenError.h"
#include "platform/HelpViewer.h"
#include "platform/PictureFile.h"
#include "platform/SoundPlayer.h"
#include "tests/support/ScratchAssetDirectory.h"

#include <QDir>
#include <QImage>
#include <QTextBrowser>
#include <QtEndian>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

namespace {

namespace fs = std::filesystem;

// What becomes of a file the program uses: "U" it is used (a picture shown, a
// sound played, the help page shown), "R" it is refused as unreadable in the
// right words (a sound with the beep), "S" (help only) it is read but the
// viewer says it cannot show it. Any other words come back as they are.
std::string use(const QString& name)
{
    if (name.endsWith(".bmp")) {
        try {
            LoadPictureFile(name);
            return "U";
        } catch (const FileOpenError& error) {
            return error.message() == "ﾌｧｲﾙ " + name + " は開けません" ? "R" : error.message().toStdString();
        }
    }
    if (name.endsWith(".wav")) {
        bool playable = false;
        SetSoundRecorder([&](const QString&, bool found) { playable = found; });
        PlaySoundFile(name);
        SetSoundRecorder({});
        return playable ? "U" : "R";
    }
    SetApplicationHelpFile(name);
    ShowHelpContents();
    const QString shown = ApplicationHelpViewer()->browser()->toPlainText().section(u'\n', 0, 0).trimmed();
    const std::map<QString, std::string> outcomes{{"ぽろみんか の つかいかた", "U"},
                                                  {"ヘルプファイル " + name + " がみつかりません。", "R"},
                                                  {"ヘルプファイル " + name + " は よめません。", "S"}};
    return outcomes.count(shown) ? outcomes.at(shown) : shown.toStdString();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const fs::path& name, const QByteArray& bytes)
{
    std::ofstream(name, std::ios::binary | std::ios::trunc).write(bytes.constData(), bytes.size());
}

// Per kind of file, the size of its header and where the header states
// sizes: a BMP's width and height, a WAV's RIFF and data lengths.
const std::map<std::string, std::pair<qsizetype, std::vector<qsizetype>>> headers{
    {".bmp", {54, {18, 22}}}, {".wav", {44, {4, 40}}}, {".hlp", {44, {}}}};

QByteArray withAbsurdSizes(QByteArray bytes, const fs::path& name)
{
    for (const qsizetype at : headers.at(name.extension()).second)
        qToLittleEndian<quint32>(0x7fffffffu, bytes.data() + at);
    return bytes;
}

using Damage = std::function<void(const fs::path& name, const QByteArray& original)>;

// The file replaced by one holding these bytes.
Damage holding(const QByteArray& bytes)
{
    return [bytes](const fs::path& name, const QByteArray&) { writeFile(name, bytes); };
}

QByteArray nested(const char* open, const char* close, int depth)
{
    return QByteArray(open).repeated(depth) + "ふかい" + QByteArray(close).repeated(depth);
}

// Every file the program reads, and pictures at the other bit depths and with
// their rows stored top row first, damaged every way such files were found
// damaged on children's computers: the child sees the right words, and once
// the file is put back it works again (a sound is read afresh each time).
// Whatever the help file holds, the viewer shows it or says it cannot, without
// freezing, overflowing its stack or filling the memory: within its bounds a
// page is laid out, past them it is not, and a file too large for any help
// page is not even read. All this in working directories of every kind,
// which are read whole, with one "/" appended: where the directory's name
// cannot be written down the pictures and sounds are opened by their bare
// names, and the help falls back to its bare name.
TEST(DamagedFiles, EveryFileEveryDamageEveryDirectoryIsToldOfAndTheProgramGoesOn)
{
    const QByteArray title = "<p>ぽろみんか の つかいかた</p>";
    const char* const table[] = {"<table><tr><td>", "</td></tr></table>"};
    // With what then becomes of the help; a picture or a sound so damaged is
    // always refused.
    const std::tuple<const char*, Damage, const char*> damages[] = {
        {"missing", [](auto& name, auto&) { fs::remove(name); }, "R"},
        {"zero bytes", holding({}), "S"},
        {"one byte short", [](auto& name, auto& bytes) { writeFile(name, bytes.chopped(1)); }, "U"},
        {"header only",
         [](auto& name, auto& bytes) { writeFile(name, bytes.first(headers.at(name.extension()).first)); }, "S"},
        {"absurd sizes", [](auto& name, auto& bytes) { writeFile(name, withAbsurdSizes(bytes, name)); }, "U"},
        {"a PNG renamed", holding(readFile(":/art/placeholder.png")), "S"},
        {"a directory", [](auto& name, auto&) { fs::remove(name); fs::create_directory(name); }, "R"},
        {"a FIFO", [](auto& name, auto&) { fs::remove(name); mkfifo(name.c_str(), 0600); }, "R"},
        {"a link to /dev/zero",
         [](auto& name, auto&) { fs::remove(name); fs::create_symlink("/dev/zero", name); }, "R"},
        {"a link to nowhere", [](auto& name, auto&) { fs::remove(name); fs::create_symlink("gone", name); }, "R"},
        {"a sparse GiB", [](auto& name, auto& bytes) { writeFile(name, bytes); fs::resize_file(name, 1 << 30); }, "R"},
        {"plain text", holding("ぽろみんか の つかいかた"), "U"},
        {"pictures from a device and a FIFO", holding(title + "<p><img src=\"/dev/zero\"><img src=\"pipe\"></p>"), "U"},
        {"tables nested 3 deep", holding(title + nested(table[0], table[1], 3)), "U"},
        {"tables nested 1500 deep", holding(nested(table[0], table[1], 1500)), "S"},
        {"tables nested 3000 deep", holding(nested(table[0], table[1], 3000)), "R"},
        {"divs nested 100 deep", holding(nested("<div>", "</div>", 100)), "S"},
        {"2000 links", holding(QByteArray("<a href=\"#a\">a</a> ").repeated(2000)), "S"},
        {"nothing but markup", holding("<html><head><title>t</title></head><body>  </body></html>"), "S"},
        {"a program", holding(QByteArray("\x7f" "ELF\x02\x01\x01\0\0\0\0ぽろ", 16)), "S"},
    };
    const std::pair<const char*, std::vector<std::string>> directories[] = {
        {"the program's directory", {}},
        {"japanese", {"さんすう", "ひっさん 1"}},
        {"a name that is not UTF-8", {"\xff\xfe ひっさん"}},
        {"a path past PATH_MAX", std::vector<std::string>(48, std::string(90, 'd'))},
    };
    ScratchAssetDirectory scratch;
    // Pictures as a paint program may save them: Qt writes 1, 4 or 8 bits a
    // pixel by the format and the number of colours; rows top row first.
    const QImage placeholder(":/art/placeholder.png");
    placeholder.convertToFormat(QImage::Format_Mono).save("mono.bmp");
    placeholder.convertToFormat(QImage::Format_Indexed8, QList<QRgb>(16)).save("sixteen.bmp");
    placeholder.convertToFormat(QImage::Format_Indexed8, QList<QRgb>(256)).save("palette.bmp");
    QByteArray topDown = readFile("n1.bmp");
    qToLittleEndian<qint32>(-35, topDown.data() + 22);
    writeFile("topdown.bmp", topDown);
    std::map<QString, QByteArray> files;
    for (const QString& name : QDir::current().entryList(QDir::Files))
        files.emplace(name, readFile(name));
    mkfifo("pipe", 0600);
    for (const auto& [where, steps] : directories) {
        QString whole = QDir::currentPath() + '/';
        for (const std::string& step : steps) {
            fs::create_directory(step);
            fs::current_path(step);
            whole += QFile::decodeName(step.c_str()) + '/';
        }
        EXPECT_EQ(CurrentDirectoryWithSeparator().toStdString(), whole.toStdString()) << where;
        for (const auto& [name, bytes] : files) {
            const fs::path path = QFile::encodeName(name).toStdString();
            const QString used = name.endsWith(".hlp") ? whole + name : name;
            for (const auto& [what, damage, helpOutcome] : damages) {
                SCOPED_TRACE(std::string(where) + ", " + name.toStdString() + ", " + what);
                damage(path, bytes);
                EXPECT_EQ(use(used), used.endsWith(".hlp") ? helpOutcome : "R");
                fs::remove_all(path);
                writeFile(path, bytes);
                EXPECT_EQ(use(used), "U");
            }
        }
        // Past PATH_MAX only relative steps work: out one directory at a time.
        for (auto step = steps.crbegin(); step != steps.crend(); ++step) {
            fs::current_path("..");
            fs::remove_all(*step);
        }
    }
    ASSERT_TRUE(QDir::setCurrent("/"));
    EXPECT_EQ(CurrentDirectoryWithSeparator().toStdString(), "//");
}

} // namespace
