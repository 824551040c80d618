#include "dgcerror.h"
#include "imagelib.h"
#include "soundlib.h"

#include <QImage>
#include <QTemporaryDir>

#include "wavefixture.h"

#include <gtest/gtest.h>

#include <functional>

using namespace sk2::dgc;

namespace {

TDGCImageLib TwoImages()
{
    TDGCImageLib library;
    DGCPalette palette;
    palette.SetColour(3, qRgb(10, 20, 30));
    library.SetPalette(palette);
    TDGCSurface first(3, 2, 3);
    first.SetPixel(1, 1, 0);
    library.Add(first);
    library.Add(TDGCSurface(1, 5, 7));
    return library;
}

void Put32(QByteArray &data, int offset, quint32 value)
{
    std::memcpy(data.data() + offset, &value, 4);
}

} // namespace

TEST(ImageLibrary, SavedAndLoadedBackUnchanged)
{
    const TDGCImageLib original = TwoImages();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("track36.iml"));
    original.SaveToFile(path);

    TDGCImageLib loaded;
    loaded.LoadFromFile(path);
    ASSERT_EQ(loaded.Count(), 2);
    EXPECT_EQ(loaded.Image(0), original.Image(0));
    EXPECT_EQ(loaded.Image(1), original.Image(1));
    EXPECT_EQ(loaded.Palette(), original.Palette());
    EXPECT_THROW(loaded.Image(2), EDGCError);
}

TEST(ImageLibrary, HostileFilesGiveAClearErrorAndKeepTheOldImages)
{
    const QByteArray good = TwoImages().SaveToData();
    // Header 16 bytes, palette 1024, then image 0: width, height (2 bytes each) and 6 pixels.
    const struct
    {
        const char *what;
        std::function<QByteArray()> make;
        const char *message;
    } cases[] = {
        {"empty", [] { return QByteArray(); }, "not an image library"},
        {"wrong magic", [&] { return QByteArray(good).replace(0, 8, "SK2SDLIB"); }, "not an image library"},
        {"newer version",
         [&] {
             QByteArray d = good;
             Put32(d, 8, 2);
             return d;
         },
         "unsupported version 2"},
        {"huge count",
         [&] {
             QByteArray d = good;
             Put32(d, 12, 0xffffffffu);
             return d;
         },
         "declares"},
        {"count beyond the data",
         [&] {
             QByteArray d = good;
             Put32(d, 12, 3);
             return d;
         },
         "cut short"},
        {"cut in the palette", [&] { return good.left(500); }, "cut short"},
        {"cut in the pixels", [&] { return good.left(good.size() - 1); }, "cut short"},
        {"zero width",
         [&] {
             QByteArray d = good;
             d[1040] = 0;
             d[1041] = 0;
             return d;
         },
         "impossible size"},
        {"trailing bytes", [&] { return good + "x"; }, "unexpected data"},
    };
    for (const auto &c : cases) {
        TDGCImageLib library = TwoImages();
        try {
            library.LoadFromData(c.make(), QStringLiteral("/some/where/track36.iml"));
            ADD_FAILURE() << c.what << ": no error";
        } catch (const EDGCError &error) {
            const QString message = QString::fromStdString(error.what());
            EXPECT_TRUE(message.startsWith("track36.iml: ")) << c.what << ": " << error.what();
            EXPECT_TRUE(message.contains(c.message)) << c.what << ": " << error.what();
        }
        EXPECT_EQ(library.Count(), 2) << c.what;
    }
    EXPECT_THROW(TDGCImageLib().LoadFromFile(QStringLiteral("/no/such/file.iml")), EDGCError);
}

TEST(ImageLibrary, BuiltFromIndexedPicturesThatShareOnePalette)
{
    QImage first(4, 3, QImage::Format_Indexed8);
    first.setColorTable({qRgb(0, 0, 0), qRgb(255, 0, 0)});
    first.fill(1);
    first.setPixel(2, 1, 0);
    QImage second(2, 2, QImage::Format_Indexed8);
    second.setColorTable(first.colorTable());
    second.fill(0);

    const TDGCImageLib library = TDGCImageLib::FromIndexedImages({first, second});
    ASSERT_EQ(library.Count(), 2);
    EXPECT_EQ(library.Image(0).GetPixel(2, 1), 0);
    EXPECT_EQ(library.Image(0).GetPixel(3, 2), 1);
    EXPECT_EQ(library.Palette().Colour(1), qRgb(255, 0, 0));
    EXPECT_EQ(library.Palette().Colour(200), qRgb(0, 0, 0)) << "a short table is padded with black";

    QImage otherPalette = second;
    otherPalette.setColorTable({qRgb(0, 0, 0), qRgb(0, 255, 0)});
    EXPECT_THROW(TDGCImageLib::FromIndexedImages({first, otherPalette}), EDGCError);
    EXPECT_THROW(TDGCImageLib::FromIndexedImages({first.convertToFormat(QImage::Format_RGB32)}), EDGCError);
}

TEST(SoundLibrary, SavedAndLoadedBackAndHostileFilesRejected)
{
    TDGCSoundLib original;
    original.Add(Wave(100));
    original.Add(Wave(3));
    EXPECT_THROW(original.Add(QByteArray("RIFF....WAVX")), EDGCError);
    const QByteArray good = original.SaveToData();

    TDGCSoundLib loaded;
    loaded.LoadFromData(good, QStringLiteral("sk2demo.sdl"));
    ASSERT_EQ(loaded.Count(), 2);
    EXPECT_EQ(loaded.Sound(0), original.Sound(0));
    EXPECT_EQ(loaded.Sound(1), original.Sound(1));

    const int firstLength = 16; // header; then the first sound's length
    const struct
    {
        const char *what;
        QByteArray data;
    } cases[] = {
        {"sound longer than the file",
         [&] {
             QByteArray d = good;
             Put32(d, firstLength, 100000);
             return d;
         }()},
        {"length beyond any sound",
         [&] {
             QByteArray d = good;
             Put32(d, firstLength, 0xfffffff0u);
             return d;
         }()},
        {"not a WAV",
         [&] {
             QByteArray d = good;
             d[firstLength + 4] = 'X';
             return d;
         }()},
        {"too many sounds",
         [&] {
             QByteArray d = good;
             Put32(d, 12, 100000);
             return d;
         }()},
        {"image library", TwoImages().SaveToData()},
    };
    for (const auto &c : cases) {
        EXPECT_THROW(loaded.LoadFromData(c.data, QStringLiteral("sk2demo.sdl")), EDGCError) << c.what;
        EXPECT_EQ(loaded.Count(), 2) << c.what;
    }
}
