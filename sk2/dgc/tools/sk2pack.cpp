// sk2pack: packs pictures and sounds into the component pack's library files.
//
//   sk2pack images OUT.iml PICTURE...   8-bit indexed PNGs sharing one palette, in image-number order
//   sk2pack sounds OUT.sdl SOUND...     WAV files, in sound-number order
#include "dgcerror.h"
#include "imagelib.h"
#include "libraryfile.h"
#include "soundlib.h"

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QStringList>

#include <cstdio>

using namespace sk2::dgc;

namespace {

QImage ReadIndexedPicture(const QString &path)
{
    QImageReader reader(path);
    QImage picture = reader.read();
    if (picture.isNull())
        throw EDGCError(QStringLiteral("Cannot read %1: %2").arg(path, reader.errorString()));
    if (picture.format() != QImage::Format_Indexed8)
        throw EDGCError(QStringLiteral("%1 is not an 8-bit indexed picture").arg(path));
    return picture;
}

void PackImages(const QString &output, const QStringList &inputs)
{
    QList<QImage> pictures;
    for (const QString &path : inputs)
        pictures.append(ReadIndexedPicture(path));
    TDGCImageLib::FromIndexedImages(pictures).SaveToFile(output);
}

void PackSounds(const QString &output, const QStringList &inputs)
{
    TDGCSoundLib library;
    for (const QString &path : inputs) {
        try {
            library.Add(ReadLibraryFile(path));
        } catch (const EDGCError &error) {
            throw EDGCError(QStringLiteral("%1: %2").arg(path, QString::fromStdString(error.what())));
        }
    }
    library.SaveToFile(output);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.size() < 3 || (arguments[0] != "images" && arguments[0] != "sounds")) {
        std::fputs("usage: sk2pack images OUT.iml PICTURE...\n       sk2pack sounds OUT.sdl SOUND...\n",
                   stderr);
        return 2;
    }
    const QString kind = arguments.takeFirst();
    const QString output = arguments.takeFirst();
    try {
        if (kind == "images")
            PackImages(output, arguments);
        else
            PackSounds(output, arguments);
    } catch (const EDGCError &error) {
        std::fprintf(stderr, "sk2pack: %s\n", error.what());
        return 1;
    }
    return 0;
}
