// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/AssetFiles.h"

#include "tools/Pictures.h"
#include "tools/Sounds.h"
#include "tools/Tiles.h"
#include "tools/WavFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <functional>

namespace {

// The digit and sign pictures are loaded by the program from its working
// directory as BMP files; its own pictures are compiled in as PNG files.
const QString assetDir = QStringLiteral("assets/");
const QString artDir = QStringLiteral("platform/art/");
// The program's icon for the desktop's menus, named by size; installed into
// the icon theme under the program's id. The window shows it too.
const QString iconDir = QStringLiteral("desktop/icons/");

AssetFiles::File picture(const QString& path, const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, QFileInfo(path).suffix().toUpper().toLatin1().constData());
    return {path, bytes};
}

// A picture the program loads, drawn at the given scale.
struct LoadedPicture {
    QString name;
    std::function<QImage(int scale)> draw;
};

std::vector<LoadedPicture> loadedPictures()
{
    std::vector<LoadedPicture> pictures;
    for (int value = 0; value <= 9; ++value) {
        pictures.push_back({QStringLiteral("n%1").arg(value), [value](int scale) { return Tiles::digit(value, scale); }});
        pictures.push_back(
            {QStringLiteral("b%1").arg(value), [value](int scale) { return Tiles::struckDigit(value, scale); }});
    }
    const std::vector<LoadedPicture> fixed{
        {"nb", Tiles::blank},       {"plus", Tiles::plus},    {"minus", Tiles::minus},
        {"mascot", Pictures::mascot}, {"maru1", Pictures::maru}, {"batu1", Pictures::batu},
        {"hatena1", Pictures::hatena},
    };
    pictures.insert(pictures.end(), fixed.begin(), fixed.end());
    return pictures;
}

AssetFiles::File sound(const QString& path, const std::vector<qint16>& samples)
{
    return {path, WavFile::encode(samples, Sounds::sampleRate)};
}

} // namespace

namespace AssetFiles {

std::vector<File> all()
{
    std::vector<File> files;
    // Each picture beside its twin drawn at double resolution for screens
    // scaled to 200 %: "n3.bmp" and "n3@2x.bmp".
    for (const LoadedPicture& loaded : loadedPictures()) {
        files.push_back(picture(assetDir + loaded.name + ".bmp", loaded.draw(1)));
        files.push_back(picture(assetDir + loaded.name + "@2x.bmp", loaded.draw(2)));
    }
    const std::vector<File> fixed{
        sound(assetDir + "maru1.wav", Sounds::maru()),
        sound(assetDir + "batu1.wav", Sounds::batu()),
        picture(artDir + "startup.png", Pictures::startup()),
        picture(artDir + "help_button.png", Pictures::helpButton()),
        picture(artDir + "placeholder.png", Tiles::placeholder()),
    };
    files.insert(files.end(), fixed.begin(), fixed.end());
    for (const int side : Pictures::iconSides)
        files.push_back(picture(iconDir + QStringLiteral("%1.png").arg(side), Pictures::icon(side)));
    files.push_back({iconDir + "scalable.svg", Pictures::scalableIcon()});
    return files;
}

QStringList writeAll(const QDir& root)
{
    QStringList failed;
    for (const File& file : all()) {
        const QString path = root.filePath(file.path);
        QDir().mkpath(QFileInfo(path).path());
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(file.bytes) != file.bytes.size())
            failed.append(path);
    }
    return failed;
}

} // namespace AssetFiles
