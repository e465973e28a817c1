// Fixture files for tests: a private temporary directory per test, and audio
// files written into it with libsndfile.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sndfile.h>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace clefmark::test {

/// A new, empty directory under the system's temporary directory, removed
/// with everything in it when the object goes. Tests never depend on the
/// working directory: every fixture path is absolute.
class TempDir {
public:
    TempDir()
    {
        std::string pattern
            = (std::filesystem::temp_directory_path() / "clefmark-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary directory");
        path_ = pattern;
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    /// The absolute path of `name` inside the directory.
    std::string file(std::string_view name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

/// Interleaves mono `samples` into `channels` identical channels.
inline std::vector<float> duplicated(const std::vector<float>& samples, int channels)
{
    std::vector<float> out;
    out.reserve(samples.size() * static_cast<std::size_t>(channels));
    for (const float s : samples)
        out.insert(out.end(), static_cast<std::size_t>(channels), s);
    return out;
}

/// Writes interleaved float `samples` as 32-bit float WAV (or `format`),
/// bit for bit. Throws when libsndfile cannot write the file.
inline void writeFloatFile(const std::string& path, const std::vector<float>& samples, int channels,
    int sampleRate, int format = SF_FORMAT_WAV | SF_FORMAT_FLOAT)
{
    SF_INFO info {};
    info.samplerate = sampleRate;
    info.channels = channels;
    info.format = format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr)
        throw std::runtime_error("cannot write " + path + ": " + sf_strerror(nullptr));
    const auto frames
        = static_cast<sf_count_t>(samples.size() / static_cast<std::size_t>(channels));
    const sf_count_t written = sf_writef_float(file, samples.data(), frames);
    sf_close(file);
    if (written != frames)
        throw std::runtime_error("short write to " + path);
}

/// Writes interleaved `samples`, each a multiple of 1/32768 (as Signals.h's
/// 16-bit signals are), as 16-bit PCM WAV. They are converted here rather
/// than by libsndfile, whose float-to-integer scale (32767) is not the
/// inverse of its reading scale (1/32768): this way reading the file back
/// gives exactly `samples`.
inline void write16BitFile(
    const std::string& path, const std::vector<float>& samples, int channels, int sampleRate)
{
    std::vector<short> pcm(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double q = std::nearbyint(static_cast<double>(samples[i]) * 32768.0);
        pcm[i] = static_cast<short>(q > 32767.0 ? 32767.0 : (q < -32768.0 ? -32768.0 : q));
    }
    SF_INFO info {};
    info.samplerate = sampleRate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr)
        throw std::runtime_error("cannot write " + path + ": " + sf_strerror(nullptr));
    const auto frames = static_cast<sf_count_t>(pcm.size() / static_cast<std::size_t>(channels));
    const sf_count_t written = sf_writef_short(file, pcm.data(), frames);
    sf_close(file);
    if (written != frames)
        throw std::runtime_error("short write to " + path);
}

/// Writes `bytes` as they are: text, a cut-off header, anything.
inline void writeBytes(const std::string& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

/// A WAV file of 8-bit samples whose header claims `dataBytes` bytes of data
/// (as much as 0xFFFFFFFF), followed by `presentBytes` zero bytes left as a
/// hole: a long or wide file that takes next to no disk.
inline void writeSparseWav(const std::string& path, std::uint32_t rate, std::uint16_t channels,
    std::uint32_t dataBytes, std::uintmax_t presentBytes)
{
    std::string header;
    const auto put = [&header](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            header += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    header += "RIFF";
    put(dataBytes + 36, 4); // wraps for the largest claims, as it does in such files
    header += "WAVEfmt ";
    put(16, 4);
    put(1, 2); // PCM
    put(channels, 2);
    put(rate, 4);
    put(rate * channels, 4);
    put(channels, 2);
    put(8, 2);
    header += "data";
    put(dataBytes, 4);
    writeBytes(path, header);
    std::filesystem::resize_file(path, header.size() + presentBytes);
}

/// The whole content of the file at `path`.
inline std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

/// `samples`, mono, as 16-bit FLAC with `count` bytes from `at` (a fraction of
/// its length) overwritten with 0x55: its decoder loses sync there, and finds
/// it again later on.
inline void writeDamagedFlac(const std::string& path, const std::vector<float>& samples,
    int sampleRate, double at, std::size_t count)
{
    writeFloatFile(path, samples, 1, sampleRate, SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
    std::string bytes = readBytes(path);
    bytes.replace(
        static_cast<std::size_t>(static_cast<double>(bytes.size()) * at), count, count, '\x55');
    writeBytes(path, bytes);
}

/// A WAV file cut off in its header: the first `keep` bytes of a valid one.
inline void writeTruncatedWav(const std::string& path, std::size_t keep)
{
    writeFloatFile(path, std::vector<float>(64, 0.0f), 1, 44100);
    const std::string whole = readBytes(path);
    writeBytes(path, std::string_view(whole).substr(0, keep));
}

} // namespace clefmark::test
