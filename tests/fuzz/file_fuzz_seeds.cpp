// Writes file_fuzz's first inputs into a folder: a tenth of a second of a
// tone in every container the installed libsndfile writes, each in the first
// encoding it takes (16-bit PCM where it can), and two that use the
// harness' own WAV and AU headers. Made on the machine that fuzzes, so the
// seeds are the formats its libsndfile really reads.
//
// Usage: file_fuzz_seeds FOLDER
#include "tests/fuzz/FileFuzzInput.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sndfile.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fuzz = clefmark::fuzz;

std::vector<std::uint8_t> readAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

bool writeSeed(const std::filesystem::path& path, std::vector<std::uint8_t> bytes,
    const fuzz::Trailer& trailer)
{
    const std::vector<std::uint8_t> tail = fuzz::trailerBytes(trailer);
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    std::ofstream out(path, std::ios::binary);
    out.write(
        reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// Two blocks' worth of A4 at `rate`, at half scale.
std::vector<float> tone(int rate)
{
    std::vector<float> samples(static_cast<std::size_t>(rate / 10));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<float>(
            0.5 * std::sin(2.0 * M_PI * 440.0 * static_cast<double>(i) / rate));
    return samples;
}

// Writes the tone as `format`, at the first rate it is taken at (Opus takes
// only a few). False when libsndfile cannot write it here.
bool writeTone(const std::filesystem::path& path, int format)
{
    for (const int rate : { 8000, 48000, 44100 }) {
        SF_INFO info {};
        info.samplerate = rate;
        info.channels = 1;
        info.format = format;
        if (!sf_format_check(&info))
            continue;
        SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
        if (file == nullptr)
            continue;
        const std::vector<float> samples = tone(rate);
        const auto frames = static_cast<sf_count_t>(samples.size());
        const bool written = sf_writef_float(file, samples.data(), frames) == frames;
        if (sf_close(file) == 0 && written)
            return true;
    }
    return false;
}

std::vector<int> subtypes()
{
    std::vector<int> result;
    int count = 0;
    sf_command(nullptr, SFC_GET_FORMAT_SUBTYPE_COUNT, &count, sizeof count);
    for (int i = 0; i < count; ++i) {
        SF_FORMAT_INFO info {};
        info.format = i;
        if (sf_command(nullptr, SFC_GET_FORMAT_SUBTYPE, &info, sizeof info) == 0)
            result.push_back(info.format);
    }
    // 16-bit PCM first: the encoding most files of a container have.
    std::stable_partition(
        result.begin(), result.end(), [](int subtype) { return subtype == SF_FORMAT_PCM_16; });
    return result;
}

std::size_t endingIndex(const std::vector<std::string>& endings, const std::string& extension)
{
    const auto found = std::find(endings.begin(), endings.end(), "." + extension);
    return found == endings.end() ? 0 : static_cast<std::size_t>(found - endings.begin());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: file_fuzz_seeds FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    // Written beside the corpus, not in it, where a fuzzer could take it.
    const std::filesystem::path scratch = std::filesystem::temp_directory_path()
        / ("file_fuzz_seeds-" + std::to_string(::getpid()));
    const std::vector<std::string> endings = fuzz::nameEndings();
    const std::vector<int> encodings = subtypes();

    int written = 0;
    // Writes the tone as the first encoding in `candidates` that `major`
    // takes, named with `extension`.
    const auto seed = [&](int major, const std::vector<int>& candidates,
                          const std::string& extension, const std::string& name) {
        const auto made = std::find_if(candidates.begin(), candidates.end(),
            [&](int subtype) { return writeTone(scratch, major | subtype); });
        if (made == candidates.end()) {
            std::fprintf(stderr, "file_fuzz_seeds: libsndfile writes no %s here\n", name.c_str());
            return;
        }
        fuzz::Trailer trailer;
        trailer.nameIndex = endingIndex(endings, extension);
        written += writeSeed(folder / ("seed-" + name), readAll(scratch), trailer);
    };
    int majors = 0;
    sf_command(nullptr, SFC_GET_FORMAT_MAJOR_COUNT, &majors, sizeof majors);
    for (int i = 0; i < majors; ++i) {
        SF_FORMAT_INFO major {};
        major.format = i;
        if (sf_command(nullptr, SFC_GET_FORMAT_MAJOR, &major, sizeof major) != 0)
            continue;
        // MPEG files go by ".mp3", which is also what makes the look at their
        // start let libsndfile have the name.
        const std::string extension = major.format == SF_FORMAT_MPEG ? "mp3" : major.extension;
        seed(major.format, encodings, extension, std::to_string(i) + "-" + extension);
    }
    // Ogg holds more than one codec; the loop above took Vorbis.
    seed(SF_FORMAT_OGG, { SF_FORMAT_OPUS }, "opus", "opus");
    std::filesystem::remove(scratch);

    // The harness' headers over 16-bit samples of the same tone.
    std::vector<std::uint8_t> pcm;
    for (const float sample : tone(8000)) {
        const auto value = static_cast<std::uint16_t>(static_cast<std::int16_t>(sample * 32767.0f));
        pcm.push_back(static_cast<std::uint8_t>(value));
        pcm.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    fuzz::Trailer wav;
    wav.container = fuzz::Container::WavHeader;
    wav.claims = { 8000, 1, 1 | 16 << 16, static_cast<std::uint32_t>(pcm.size()) };
    written += writeSeed(folder / "seed-header-wav", pcm, wav);
    // AU's samples are big-endian.
    for (std::size_t k = 0; k + 1 < pcm.size(); k += 2)
        std::swap(pcm[k], pcm[k + 1]);
    fuzz::Trailer au;
    au.container = fuzz::Container::AuHeader;
    au.claims = { 8000, 1, 3, static_cast<std::uint32_t>(pcm.size()) };
    written += writeSeed(folder / "seed-header-au", pcm, au);

    std::printf("file_fuzz_seeds: %d seeds in %s\n", written, folder.c_str());
    return 0;
}
