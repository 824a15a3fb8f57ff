// soundgen: synthesises every sound of the game into a folder (normally app/resources/sound/).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "sound/cue_sounds.h"
#include "sounds.h"
#include "wav_writer.h"

int main(int argc, char** argv) {
    using namespace kestrins;
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundgen <output folder>\n");
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    if (!std::filesystem::is_directory(folder)) {
        std::fprintf(stderr, "soundgen: no folder %s\n", argv[1]);
        return 2;
    }
    for (int cue = 0; cue < SoundCueCount; ++cue) {
        for (int take = 0; take < CueTakes(static_cast<SoundCue>(cue)); ++take) {
            const std::filesystem::path path =
                folder / CueFileName(static_cast<SoundCue>(cue), take);
            const std::vector<uint8_t> bytes =
                sound::WavBytes(sound::MakeSound(static_cast<SoundCue>(cue), take));
            std::ofstream file(path, std::ios::binary | std::ios::trunc);
            file.write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<std::streamsize>(bytes.size()));
            if (!file.flush()) {
                std::fprintf(stderr, "soundgen: cannot write %s\n", path.c_str());
                return 1;
            }
        }
    }
    return 0;
}
