// sk2_drawart: draws sk2's pictures into a folder of the build tree (see ../README.md).
//
//   sk2_drawart OUTPUT_FOLDER
//
// The race pictures (sprites and both tile sets) are drawn in true colour first; the game palette is
// then chosen from all of them together and each is mapped to it, so they share one palette.
#include "cars.h"
#include "editortiles.h"
#include "gamepalette.h"
#include "icons.h"
#include "racetiles.h"
#include "sprites.h"
#include "tilelayout.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <cstdio>
#include <functional>
#include <stdexcept>

using namespace sk2art;

namespace {

void Save(const QImage &image, const QDir &folder, const QString &name)
{
    const QString path = folder.filePath(name);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !image.save(path, "PNG"))
        throw std::runtime_error("cannot write " + path.toStdString());
}

void DrawAll(const QDir &out)
{
    const std::vector<IndexedArt> sprites = AllSprites();
    std::vector<IndexedArt> tiles800;
    std::vector<IndexedArt> tiles640;
    for (int image = 0; image < TileImageCount; ++image) {
        tiles800.push_back(DrawRaceTile(Race800Layout(), image, Marker800Index));
        tiles640.push_back(DrawRaceTile(Race640Layout(), image, Marker640Index));
    }

    std::vector<const IndexedArt *> all;
    for (const auto &set : {std::cref(sprites), std::cref(tiles800), std::cref(tiles640)}) {
        for (const IndexedArt &art : set.get())
            all.push_back(&art);
    }
    const GamePalette palette = GamePalette::FromArt(all);

    Save(palette.Chart(), out, "palette.png");
    for (std::size_t n = 0; n < sprites.size(); ++n)
        Save(palette.Map(sprites[n]), out, QString("sprites/%1.png").arg(n, 3, 10, QChar('0')));
    for (int image = 0; image < TileImageCount; ++image) {
        Save(palette.Map(tiles800[std::size_t(image)]), out, QString("tiles800/%1.png").arg(image));
        Save(palette.Map(tiles640[std::size_t(image)]), out, QString("tiles640/%1.png").arg(image));
        Save(DrawEditorTile(EditorLayout(), image), out, QString("editor/tiles/%1.png").arg(image));
        Save(DrawEditorTile(PreviewLayout(), image), out, QString("preview/%1.png").arg(image));
    }
    Save(DrawCarPicture(GreenLivery(), 32), out, "cars/car1.png");
    Save(DrawCarPicture(RedLivery(), 32), out, "cars/car2.png");
    Save(DrawTrackGlyph(32), out, "cars/track.png");
    Save(DrawIcon(128), out, "icon.png");
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("usage: sk2_drawart OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    try {
        DrawAll(QDir(QString::fromLocal8Bit(argv[1])));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "sk2_drawart: %s\n", error.what());
        return 1;
    }
    return 0;
}
