// sk2_makesounds: synthesises sk2's six race sounds into a folder of the build tree (see ../README.md).
//
//   sk2_makesounds OUTPUT_FOLDER      writes OUTPUT_FOLDER/0.wav .. 5.wav
#include "racesounds.h"
#include "wavfile.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("usage: sk2_makesounds OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    try {
        const std::filesystem::path folder(argv[1]);
        std::filesystem::create_directories(folder);
        for (int number = 0; number < sk2sound::RaceSoundCount; ++number)
            sk2sound::WriteWave((folder / (std::to_string(number) + ".wav")).string(),
                                sk2sound::RaceSound(number));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "sk2_makesounds: %s\n", error.what());
        return 1;
    }
    return 0;
}
