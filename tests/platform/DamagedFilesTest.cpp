// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ApplicationHelp.h"
#include "platform/CurrentDirectory.h"
#include "platform/FileOpenError.h"
#include "platform/HelpViewer.h"
#include "platform/PictureFile.h"
#include "platform/ProgramFileCheck.h"
#include "platform/SoundPlayer.h"
#include "platform/WrittenFile.h"
#include "tests/support/ScratchAssetDirectory.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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
// twin shown at a screen's double scale, a sound played, the help page
// shown), "R" it is refused as unreadable in the right words (a twin without
// a word, a sound with the beep), "S" (help only) it is read but the viewer
// says it cannot show it. Any other words come back as they are.
std::string use(const QString& name)
{
    if (name.endsWith("@2x.bmp")) {
        const QString plain = name.chopped(7) + ".bmp";
        return LoadTwinPicture(plain, LoadPictureFile(plain)) ? "U" : "R";
    }
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

// Read by its name relative to the working directory, which may be too long
// to name.
QByteArray readFile(const fs::path& name)
{
    std::ifstream in(name, std::ios::binary);
    return QByteArray::fromStdString(std::string(std::istreambuf_iterator<char>(in), {}));
}

void writeFile(const fs::path& name, const QByteArray& bytes)
{
    std::ofstream(name, std::ios::binary | std::ios::trunc).write(bytes.constData(), bytes.size());
}

// Per kind of file, where its header states sizes (a BMP's width and
// height, a WAV's RIFF and data lengths) and where it names its format (a
// BMP's compression, a WAV's sample format).
struct Header {
    std::vector<qsizetype> sizesAt;
    std::vector<qsizetype> formatAt;
};
const std::map<std::string, Header> headers{{".bmp", {{18, 22}, {30}}}, {".wav", {{4, 40}, {20}}}, {".hlp", {}}};

template <class T>
QByteArray with(QByteArray bytes, const std::vector<qsizetype>& places, T value)
{
    for (const qsizetype at : places)
        qToLittleEndian<T>(value, bytes.data() + at);
    return bytes;
}

using Damage = std::function<void(const fs::path& name, const QByteArray& original)>;

// The file replaced by one holding these bytes.
Damage holding(const QByteArray& bytes)
{
    return [bytes](const fs::path& name, const QByteArray&) { writeFile(name, bytes); };
}

// The hostile help pages, kept as data that every help viewer must refuse
// or show alike: a head, a part repeated, a tail, and the repeated part's
// closing as often again.
std::vector<std::tuple<std::string, QByteArray, bool>> hostileHelpPages()
{
    QFile file(QStringLiteral(HOSTILE_HELP_PAGES));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read the hostile help pages");
    std::vector<std::tuple<std::string, QByteArray, bool>> pages;
    for (const QJsonValue row : QJsonDocument::fromJson(file.readAll()).array()) {
        const int times = row["times"].toInt();
        const QString page = row["head"].toString() + row["repeat"].toString().repeated(times)
            + row["tail"].toString() + row["close"].toString().repeated(times);
        pages.emplace_back(row["what"].toString().toStdString(), page.toUtf8(), row["shown"].toBool());
    }
    return pages;
}

// Every file the program reads, and pictures at the other bit depths and with
// their rows stored top row first, damaged every way such files were found
// damaged on children's computers: the child sees the right words, and once
// the file is put back it works again (a sound is read afresh each time).
// Whatever the help file holds, the viewer shows it or says it cannot, without
// freezing, overflowing its stack or filling the memory: a page within the
// help's markup is shown, any other page is not, and a file too large for
// any help page is not even read. The check of an installation judges each
// file as the program does. All this in working directories of every kind,
// which are read whole, with one "/" appended: where the directory's name
// cannot be written down the pictures and sounds are opened by their bare
// names, and the help falls back to its bare name. A file the program writes
// there lands there, the directory held by descriptor.
TEST(DamagedFiles, EveryFileEveryDamageEveryDirectoryIsToldOfAndTheProgramGoesOn)
{
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
        files.emplace(name, readFile(QFile::encodeName(name).toStdString()));

    const QByteArray tables = QByteArray("<table><tr><td>").repeated(3000) + "ふかい"
        + QByteArray("</td></tr></table>").repeated(3000);
    // With what then becomes of a plain picture, a twin, a sound and the help.
    std::vector<std::tuple<std::string, Damage, std::string>> damages = {
        {"missing", [](auto& name, auto&) { fs::remove(name); }, "RRRR"},
        {"zero bytes", holding({}), "RRRS"},
        {"one byte short", [](auto& name, auto& bytes) { writeFile(name, bytes.chopped(1)); }, "RRRU"},
        {"absurd sizes",
         [](auto& name, auto& bytes) { writeFile(name, with<quint32>(bytes, headers.at(name.extension()).sizesAt, 0x7fffffff)); },
         "RRRU"},
        {"an unknown format: run-length pixels, samples of format 0",
         [](auto& name, auto& bytes) {
             const std::vector<qsizetype>& at = headers.at(name.extension()).formatAt;
             writeFile(name, with<quint16>(bytes, at, name.extension() == ".bmp" ? 1 : 0));
         },
         "RRRU"},
        {"a picture of the digits' plain size", holding(files.at("palette.bmp")), "URRS"},
        {"a FIFO", [](auto& name, auto&) { fs::remove(name); mkfifo(name.c_str(), 0600); }, "RRRR"},
        {"a link to /dev/zero",
         [](auto& name, auto&) { fs::remove(name); fs::create_symlink("/dev/zero", name); }, "RRRR"},
        {"a sparse GiB", [](auto& name, auto& bytes) { writeFile(name, bytes); fs::resize_file(name, 1 << 30); }, "RRRR"},
        {"plain text", holding("ぽろみんか の つかいかた"), "RRRU"},
        {"tables nested 3000 deep, past any help page's size", holding(tables), "RRRR"},
        {"nothing but markup", holding("<html><head><title>t</title></head><body>  </body></html>"), "RRRS"},
        {"a program", holding(QByteArray("\x7f" "ELF\x02\x01\x01\0\0\0\0ぽろ", 16)), "RRRS"},
    };
    for (const auto& [what, page, shown] : hostileHelpPages())
        damages.emplace_back(what, holding(page), shown ? "RRRU" : "RRRS");
    const std::pair<const char*, std::vector<std::string>> directories[] = {
        {"the program's directory", {}},
        {"japanese", {"さんすう", "ひっさん 1"}},
        {"a name that is not UTF-8", {"\xff\xfe ひっさん"}},
        {"a path past PATH_MAX", std::vector<std::string>(48, std::string(90, 'd'))},
    };
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
            const qsizetype kind = name.endsWith("@2x.bmp") ? 1 : name.endsWith(".wav") ? 2 : name.endsWith(".hlp") ? 3 : 0;
            for (const auto& [what, damage, outcomes] : damages) {
                SCOPED_TRACE(std::string(where) + ", " + name.toStdString() + ", " + what);
                damage(path, bytes);
                const std::string outcome = outcomes.substr(kind, 1);
                EXPECT_EQ(use(used), outcome);
                EXPECT_EQ(ProgramUsesFile(name), outcome == "U");
                fs::remove_all(path);
                writeFile(path, bytes);
                EXPECT_EQ(use(used), "U");
            }
        }
        WrittenFile written("written.pdf");
        EXPECT_TRUE(written.open() && written.commit("here")) << where << written.errorString().toStdString();
        EXPECT_EQ(readFile("written.pdf"), "here") << where;
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
