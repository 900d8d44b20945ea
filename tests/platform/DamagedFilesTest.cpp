// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ApplicationHelp.h"
#include "platform/CurrentDirectory.h"
#include "platform/FileOpenError.h"
#include "platform/HelpViewer.h"
#include "platform/PictureFile.h"
#include "platform/SoundPlayer.h"
#include "tests/support/ScratchAssetDirectory.h"

#include <QBuffer>
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

// What the child sees of a file the program uses: a picture shown or its
// error words, a sound played or the beep, the help page's first line or
// the viewer's words about the file.
std::string use(const QString& name)
{
    if (name.endsWith(".bmp")) {
        try {
            LoadPictureFile(name);
            return "shown";
        } catch (const FileOpenError& error) {
            return error.message().toStdString();
        }
    }
    if (name.endsWith(".wav")) {
        bool playable = false;
        SetSoundRecorder([&](const QString&, bool found) { playable = found; });
        PlaySoundFile(name);
        SetSoundRecorder({});
        return playable ? "played" : "beep";
    }
    SetApplicationHelpFile(name);
    ShowHelpContents();
    return ApplicationHelpViewer()->browser()->toPlainText().section(u'\n', 0, 0).trimmed().toStdString();
}

// What the child should see: 'U' the file used, 'R' refused as unreadable,
// 'S' (help only) read but not shown.
std::string expected(const QString& name, char outcome)
{
    const std::map<std::pair<QString, char>, QString> words{
        {{"bmp", 'U'}, "shown"},      {{"bmp", 'R'}, "ﾌｧｲﾙ %1 は開けません"},
        {{"wav", 'U'}, "played"},     {{"wav", 'R'}, "beep"},
        {{"hlp", 'U'}, "ぽろみんか の つかいかた"},
        {{"hlp", 'R'}, "ヘルプファイル %1 がみつかりません。"}, {{"hlp", 'S'}, "ヘルプファイル %1 は よめません。"}};
    const QString text = words.at({name.right(3), outcome});
    return (text.contains(u'%') ? text.arg(name) : text).toStdString();
}

QByteArray pngBytes()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImage(41, 35, QImage::Format_RGB32).save(&buffer, "PNG");
    return bytes;
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

void writeFile(const fs::path& name, const QByteArray& bytes)
{
    std::ofstream(name, std::ios::binary | std::ios::trunc).write(bytes.constData(), bytes.size());
}

using Damage = std::function<void(const fs::path& name, const QByteArray& original)>;

// Every way such files were found damaged on children's computers, with what
// then becomes of a picture, a sound and the help, in that order.
const std::tuple<const char*, Damage, const char*> damages[] = {
    {"missing", [](auto& name, auto&) { fs::remove(name); }, "RRR"},
    {"zero bytes", [](auto& name, auto&) { writeFile(name, {}); }, "RRS"},
    {"cut in half", [](auto& name, auto& bytes) { writeFile(name, bytes.first(bytes.size() / 2)); }, "RRU"},
    {"one byte short", [](auto& name, auto& bytes) { writeFile(name, bytes.chopped(1)); }, "RRU"},
    {"header only", [](auto& name, auto& bytes) { writeFile(name, bytes.first(headers.at(name.extension()).first)); }, "RRS"},
    {"absurd sizes", [](auto& name, auto& bytes) { writeFile(name, withAbsurdSizes(bytes, name)); }, "RRU"},
    {"a PNG renamed", [](auto& name, auto&) { writeFile(name, pngBytes()); }, "RRS"},
    {"a directory", [](auto& name, auto&) { fs::remove(name); fs::create_directory(name); }, "RRR"},
    {"a FIFO", [](auto& name, auto&) { fs::remove(name); mkfifo(name.c_str(), 0600); }, "RRR"},
    {"a link to /dev/zero", [](auto& name, auto&) { fs::remove(name); fs::create_symlink("/dev/zero", name); }, "RRR"},
    {"a link to nowhere", [](auto& name, auto&) { fs::remove(name); fs::create_symlink("gone", name); }, "RRR"},
    {"a sparse GiB", [](auto& name, auto& bytes) { writeFile(name, bytes); fs::resize_file(name, 1 << 30); }, "RRR"},
};

QByteArray original(const QString& name)
{
    QFile file(QDir(QStringLiteral(DRILL_ASSETS_DIR)).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Each asset file damaged each way in turn: the child sees the right words,
// and once the file is put back it works again.
TEST(DamagedFiles, EveryAssetEveryDamageIsRefusedAndTheProgramGoesOn)
{
    ScratchAssetDirectory scratch;
    for (const QString& name : QDir(QStringLiteral(DRILL_ASSETS_DIR)).entryList(QDir::Files)) {
        const fs::path path = QFile::encodeName(name).toStdString();
        const QByteArray bytes = original(name);
        const int kind = name.endsWith(".bmp") ? 0 : name.endsWith(".wav") ? 1 : 2;
        for (const auto& [what, damage, outcomes] : damages) {
            SCOPED_TRACE(name.toStdString() + ", " + what);
            damage(path, bytes);
            EXPECT_EQ(use(name), expected(name, outcomes[kind]));
            fs::remove_all(path);
            writeFile(path, bytes);
            EXPECT_EQ(use(name), expected(name, 'U'));
        }
    }
}

QByteArray nested(const char* open, const char* close, int depth)
{
    return QByteArray(open).repeated(depth) + "ふかい" + QByteArray(close).repeated(depth);
}

// Whatever the help file holds, the viewer shows it or says it cannot,
// without freezing, overflowing its stack or filling the memory. Within its
// bounds a page is laid out; past them it is not, and a file too large for
// any help page is not even read.
TEST(DamagedFiles, AnyHelpPageIsShownOrToldOf)
{
    const QByteArray title = "<p>ぽろみんか の つかいかた</p>";
    const QByteArray table[] = {"<table><tr><td>", "</td></tr></table>"};
    const QByteArray link = "<a href=\"#a\">a</a> ";
    const std::tuple<const char*, QByteArray, char> pages[] = {
        {"plain text", "ぽろみんか の つかいかた", 'U'},
        {"pictures from a device and a FIFO", title + "<p><img src=\"/dev/zero\"><img src=\"pipe\"></p>", 'U'},
        {"tables nested 3 deep", title + nested(table[0], table[1], 3), 'U'},
        {"tables nested 16 deep", nested(table[0], table[1], 16), 'S'},
        {"tables nested 1500 deep", nested(table[0], table[1], 1500), 'S'},
        {"tables nested 3000 deep", nested(table[0], table[1], 3000), 'R'},
        {"divs nested 100 deep", nested("<div>", "</div>", 100), 'S'},
        {"100k nested divs", nested("<div>", "</div>", 100000), 'R'},
        {"lists nested 40 deep", nested("<ul><li>", "</li></ul>", 40), 'S'},
        {"20k nested lists", nested("<ul><li>", "</li></ul>", 20000), 'R'},
        {"2000 links", link.repeated(2000), 'S'},
        {"200k links", link.repeated(200000), 'R'},
        {"nothing but markup", "<html><head><title>t</title></head><body>  </body></html>", 'S'},
        {"binary", QByteArray("\x7f" "ELF\x02\x01\x01\0\0\0\0ぽろ", 16), 'S'},
    };
    ScratchAssetDirectory scratch;
    mkfifo("pipe", 0600);
    for (const auto& [what, bytes, outcome] : pages) {
        SCOPED_TRACE(what);
        scratch.write("page.hlp", bytes);
        EXPECT_EQ(use("page.hlp"), expected("page.hlp", outcome));
    }
}

// Directories a child can enter but whose name cannot be written down: the
// pictures and sounds are opened by their bare names, and the help falls back
// to its bare name when the path formed from the directory cannot be opened.
TEST(DamagedFiles, AWorkingDirectoryWithoutAUsableNameStillWorks)
{
    const std::pair<const char*, std::vector<std::string>> directories[] = {
        {"a name that is not UTF-8", {"\xff\xfe ひっさん"}},
        {"a path past PATH_MAX", std::vector<std::string>(48, std::string(90, 'd'))},
    };
    for (const auto& [what, steps] : directories) {
        SCOPED_TRACE(what);
        ScratchAssetDirectory scratch;
        for (const std::string& step : steps) {
            fs::create_directory(step);
            fs::current_path(step);
        }
        const QString helpPath = CurrentDirectoryWithSeparator() + QStringLiteral("zumirano.hlp");
        for (const QString name : {"n1.bmp", "maru1.wav", "zumirano.hlp"}) {
            writeFile(name.toStdString(), original(name));
            EXPECT_EQ(use(name == "zumirano.hlp" ? helpPath : name), expected(name, 'U'));
            fs::remove(name.toStdString());
        }
        // Past PATH_MAX only relative steps work: out one directory at a time.
        for (auto step = steps.crbegin(); step != steps.crend(); ++step) {
            fs::current_path("..");
            fs::remove(*step);
        }
    }
}

} // namespace
