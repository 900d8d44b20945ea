#include "tools/AssetFiles.h"

#include "tools/Pictures.h"
#include "tools/Sounds.h"
#include "tools/Tiles.h"
#include "tools/WavFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>

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

AssetFiles::File sound(const QString& path, const std::vector<qint16>& samples)
{
    return {path, WavFile::encode(samples, Sounds::sampleRate)};
}

} // namespace

namespace AssetFiles {

std::vector<File> all()
{
    std::vector<File> files;
    for (int value = 0; value <= 9; ++value) {
        files.push_back(picture(assetDir + QStringLiteral("n%1.bmp").arg(value), Tiles::digit(value)));
        files.push_back(picture(assetDir + QStringLiteral("b%1.bmp").arg(value), Tiles::struckDigit(value)));
    }
    const std::vector<File> fixed{
        picture(assetDir + "nb.bmp", Tiles::blank()),
        picture(assetDir + "plus.bmp", Tiles::plus()),
        picture(assetDir + "minus.bmp", Tiles::minus()),
        picture(assetDir + "mascot.bmp", Pictures::mascot()),
        picture(assetDir + "maru1.bmp", Pictures::maru()),
        picture(assetDir + "batu1.bmp", Pictures::batu()),
        picture(assetDir + "hatena1.bmp", Pictures::hatena()),
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
