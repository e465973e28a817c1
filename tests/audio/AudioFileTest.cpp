#include "audio/AudioFile.h"

#include "audio/AudioFormats.h"
#include "tests/support/AudioFiles.h"
#include "tests/support/Signals.h"

#include <algorithm>
#include <atomic>
#include <dlfcn.h>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <mutex>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>
#include <vector>

// This test program's close, in front of libc's for every caller, libsndfile
// included. While descriptors are watched, each one closed is at once taken
// again by a descriptor of the test's, as another thread (the sound server's,
// in the window) may take the number; a close of one of those is counted: it
// closed what the closer did not own.
namespace {

std::atomic<bool> watchingDescriptors { false };
std::mutex watchedMutex;
int nullDescriptor = -1; // what each number closed is taken by
std::set<int> testDescriptors; // under watchedMutex
int descriptorsStolen = 0; // under watchedMutex

} // namespace

extern "C" int close(int fd)
{
    static const auto real = reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, "close"));
    if (!watchingDescriptors.load())
        return real(fd);
    const std::lock_guard lock(watchedMutex);
    if (testDescriptors.contains(fd))
        ++descriptorsStolen;
    const int result = real(fd);
    if (result == 0 && !testDescriptors.contains(fd) && ::dup3(nullDescriptor, fd, O_CLOEXEC) == fd)
        testDescriptors.insert(fd);
    return result;
}

namespace clefmark {
namespace {

    using test::TempDir;

    // Watches descriptors from construction; how many of the test's were
    // closed by others, and every one of them closed, at the end.
    class DescriptorWatch {
    public:
        DescriptorWatch()
        {
            nullDescriptor = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
            watchingDescriptors.store(true);
        }
        ~DescriptorWatch() { stop(); }
        int stop()
        {
            watchingDescriptors.store(false);
            const std::lock_guard lock(watchedMutex);
            for (const int fd : testDescriptors)
                ::close(fd);
            testDescriptors.clear();
            if (nullDescriptor >= 0)
                ::close(std::exchange(nullDescriptor, -1));
            return std::exchange(descriptorsStolen, 0);
        }
    };

    struct OpenFailure {
        const char* name;
        void (*make)(const std::string& path);
        const char* reason; // what error() must say
    };

    // Names the case in test listings instead of dumping its bytes.
    void PrintTo(const OpenFailure& c, std::ostream* os)
    {
        *os << c.name;
    }

    class AudioFileOpenFailure : public testing::TestWithParam<OpenFailure> { };

    TEST_P(AudioFileOpenFailure, SaysWhyAndHoldsNothing)
    {
        TempDir dir;
        const std::string path = dir.file("fixture.wav");
        GetParam().make(path);

        AudioFile file;
        DescriptorWatch watch;
        EXPECT_FALSE(file.open(path));
        EXPECT_EQ(watch.stop(), 0) << "descriptors closed that the file did not own";
        EXPECT_FALSE(file.isOpen());
        EXPECT_NE(file.error().find(GetParam().reason), std::string::npos) << file.error();
        EXPECT_EQ(file.error().find(path), std::string::npos) << "the caller names the file";
        EXPECT_EQ(file.sampleRate(), 0);
        EXPECT_EQ(file.channels(), 0);
        EXPECT_EQ(file.frames(), 0);
        float sample = 0.0f;
        EXPECT_EQ(file.read(&sample, 1), 0);
    }

    const OpenFailure kOpenFailures[] = {
        { "Missing", [](const std::string&) {}, "no such file" },
        { "Directory", [](const std::string& p) { std::filesystem::create_directory(p); },
            "is a directory" },
        { "Empty", [](const std::string& p) { test::writeBytes(p, ""); }, "empty file" },
        // Nothing writes to it: opening it as a file is opened would wait for good.
        { "Fifo", [](const std::string& p) { ::mkfifo(p.c_str(), 0600); },
            "is a pipe, not a regular file" },
        { "Device", [](const std::string& p) { std::filesystem::create_symlink("/dev/zero", p); },
            "is a device, not a regular file" },
        { "Socket",
            [](const std::string& p) {
                const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
                sockaddr_un address {};
                address.sun_family = AF_UNIX;
                p.copy(address.sun_path, sizeof address.sun_path - 1);
                ::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address);
                ::close(socket);
            },
            "is a socket, not a regular file" },
        // Of size 0 by its own account, yet with something to read.
        { "MadeUpBySystem",
            [](const std::string& p) { std::filesystem::create_symlink("/proc/self/status", p); },
            "not an audio file (a file the system makes up as it is read" },
        { "Text", [](const std::string& p) { test::writeBytes(p, "A4 = 440 Hz\nE2 = 82.41 Hz\n"); },
            "not an audio file (" },
        { "HeaderCutShort", [](const std::string& p) { test::writeTruncatedWav(p, 30); },
            "damaged or unsupported audio header (" },
        // The starts of containers that libsndfile reads into before it
        // refuses them, closing the descriptor it was given as it goes.
        { "OggCutShort",
            [](const std::string& p) { test::writeBytes(p, std::string("OggS\0\2", 6)); },
            "not an audio file (" },
        { "WavWithoutData",
            [](const std::string& p) {
                test::writeBytes(
                    p, std::string("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0", 24));
            },
            "damaged or unsupported audio header (" },
        { "AuWithoutChannels",
            [](const std::string& p) {
                test::writeBytes(p,
                    std::string(".snd\0\0\0\x18\0\0\0\x10\0\0\0\x01\0\0\xac\x44\0\0\0\0", 24)
                        + std::string(16, '\0'));
            },
            "damaged or unsupported audio header (" },
        { "AiffWithoutCommon",
            [](const std::string& p) {
                test::writeBytes(p,
                    std::string("FORM\0\0\0\x0c"
                                "AIFFSSND\0\0\0\0",
                        20));
            },
            "damaged or unsupported audio header (" },
        { "ZeroChannels",
            [](const std::string& p) {
                test::writeFloatFile(p, std::vector<float>(64, 0.0f), 1, 44100);
                std::string bytes = test::readBytes(p);
                bytes[22] = 0; // the fmt chunk's channel count
                bytes[23] = 0;
                test::writeBytes(p, bytes);
            },
            "damaged or unsupported audio header (" },
    };

    INSTANTIATE_TEST_SUITE_P(AudioFile, AudioFileOpenFailure, testing::ValuesIn(kOpenFailures),
        [](const auto& info) { return std::string(info.param.name); });

    TEST(AudioFile, ReadsFloatSamplesBitForBit)
    {
        TempDir dir;
        const std::string path = dir.file("sine.wav");
        // Left and right differ, so a mix-up of the interleaving shows.
        const std::vector<float> left = test::periodicSine(100, 0.5f, 1000);
        const std::vector<float> right = test::noise(0.25f, 1000);
        std::vector<float> interleaved;
        for (std::size_t i = 0; i < left.size(); ++i) {
            interleaved.push_back(left[i]);
            interleaved.push_back(right[i]);
        }
        test::writeFloatFile(path, interleaved, 2, 48000);

        AudioFile file;
        ASSERT_TRUE(file.open(path)) << file.error();
        EXPECT_EQ(file.sampleRate(), 48000);
        EXPECT_EQ(file.channels(), 2);
        EXPECT_EQ(file.frames(), 1000);
        EXPECT_NE(file.formatDescription().find("WAV"), std::string::npos)
            << file.formatDescription();
        EXPECT_NE(file.formatDescription().find("float"), std::string::npos)
            << file.formatDescription();

        std::vector<float> got(2 * 1000);
        EXPECT_EQ(file.read(got.data(), 1000), 1000);
        EXPECT_EQ(got, interleaved);
        EXPECT_FALSE(file.hasReadError());
    }

    TEST(AudioFile, MpegAudioIsReadBehindATagOrJunkOrUnderAnyName)
    {
        TempDir dir;
        const std::string plain = dir.file("take.bin");
        try {
            test::writeFloatFile(plain, test::periodicSine(100, 0.5f, 44100), 1, 44100,
                SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III);
        } catch (const std::runtime_error& e) {
            GTEST_SKIP() << "this libsndfile writes no MPEG: " << e.what();
        }
        // An ID3v2.3 tag of nothing but padding in front of the frames; junk
        // that the decoder skips when the name says MPEG.
        const std::string tagged = dir.file("tagged.mp3");
        test::writeBytes(tagged,
            std::string("ID3\x03\0\0\0\0\0\x0a", 10) + std::string(10, '\0')
                + test::readBytes(plain));
        const std::string junk = dir.file("junk.mp3");
        test::writeBytes(junk, std::string(1000, '\0') + test::readBytes(plain));

        for (const std::string& path : { plain, tagged, junk }) {
            AudioFile file;
            ASSERT_TRUE(file.open(path)) << path << ": " << file.error();
            EXPECT_EQ(file.sampleRate(), 44100);
            std::vector<float> samples(4096);
            EXPECT_EQ(file.read(samples.data(), 4096), 4096) << file.error();
        }
    }

    TEST(AudioFile, Reads16BitAtLibsndfilesScale)
    {
        TempDir dir;
        const std::string path = dir.file("pluck.wav");
        const std::vector<float> samples = test::pluck16(110.0, 22050.0, 0.9, 0.2);
        test::write16BitFile(path, samples, 1, 22050);

        AudioFile file;
        ASSERT_TRUE(file.open(path)) << file.error();
        EXPECT_NE(file.formatDescription().find("16 bit PCM"), std::string::npos)
            << file.formatDescription();
        std::vector<float> got(samples.size());
        ASSERT_EQ(file.read(got.data(), static_cast<std::int64_t>(got.size())),
            static_cast<std::int64_t>(samples.size()));
        EXPECT_EQ(got, samples);
    }

    TEST(AudioFile, ShortReadAtTheEndThenNothing)
    {
        TempDir dir;
        const std::string path = dir.file("short.wav");
        test::writeFloatFile(path, test::noise(0.5f, 300), 1, 44100);

        AudioFile file;
        ASSERT_TRUE(file.open(path)) << file.error();
        std::vector<float> buffer(256);
        EXPECT_EQ(file.read(buffer.data(), 256), 256);
        EXPECT_EQ(file.read(buffer.data(), 256), 44);
        EXPECT_EQ(file.read(buffer.data(), 256), 0);
        EXPECT_EQ(file.read(buffer.data(), 0), 0);
        EXPECT_FALSE(file.hasReadError()) << file.error();
        EXPECT_TRUE(file.error().empty());
    }

    // Where a decoder that lost its way says so, and whether it gives more
    // after that, depends on the size of the reads asked of libsndfile; the
    // analyser and the file device read in sizes of their own.
    TEST(AudioFile, ReadsOfAnySizeGiveTheSameFramesAndFaultOfADamagedFile)
    {
        TempDir dir;
        const std::string path = dir.file("damaged.flac");
        const auto readAll = [&path](std::int64_t size) {
            AudioFile file;
            EXPECT_TRUE(file.open(path)) << file.error();
            std::vector<float> all;
            std::vector<float> some(static_cast<std::size_t>(size));
            for (std::int64_t got = size; got == size;) {
                got = file.read(some.data(), size);
                all.insert(all.end(), some.begin(), some.begin() + got);
            }
            EXPECT_EQ(file.read(some.data(), size), 0) << "the fault ends the file";
            return std::pair { all, file.error() };
        };
        for (const double at : { 0.3, 0.5, 0.7 }) {
            SCOPED_TRACE(at);
            test::writeDamagedFlac(path, test::periodicSine(100, 0.5f, 44100), 44100, at, 300);
            const auto [frames, fault] = readAll(65536);
            EXPECT_TRUE(fault.starts_with("read error (")) << fault;
            for (const std::int64_t size : { 1, 441, 4096, 16384 }) {
                const auto [sized, sizedFault] = readAll(size);
                EXPECT_EQ(sized.size(), frames.size()) << "reads of " << size;
                EXPECT_TRUE(sized == frames) << "reads of " << size;
                EXPECT_EQ(sizedFault, fault) << "reads of " << size;
            }
        }
    }

    TEST(AudioFile, RewindReadsTheSameAgain)
    {
        TempDir dir;
        const std::string path = dir.file("loop.wav");
        const std::vector<float> samples = test::noise(0.5f, 777, 7);
        test::writeFloatFile(path, samples, 1, 44100);

        AudioFile file;
        ASSERT_TRUE(file.open(path)) << file.error();
        std::vector<float> first(1000), second(1000);
        ASSERT_EQ(file.read(first.data(), 1000), 777);
        ASSERT_TRUE(file.rewind()) << file.error();
        ASSERT_EQ(file.read(second.data(), 500), 500);
        ASSERT_TRUE(file.rewind()) << file.error();
        ASSERT_EQ(file.read(second.data(), 1000), 777);
        EXPECT_EQ(first, second);
    }

    TEST(AudioFile, ClosedOrMovedFromHasNothingToRead)
    {
        TempDir dir;
        const std::string path = dir.file("a.wav");
        test::writeFloatFile(path, test::noise(0.5f, 100), 1, 44100);

        AudioFile file;
        float sample = 0.0f;
        EXPECT_EQ(file.read(&sample, 1), 0);
        EXPECT_FALSE(file.error().empty());
        EXPECT_FALSE(file.rewind());

        ASSERT_TRUE(file.open(path)) << file.error();
        AudioFile moved = std::move(file);
        EXPECT_FALSE(file.isOpen()); // NOLINT(bugprone-use-after-move): moved-from is closed
        EXPECT_EQ(file.read(&sample, 1), 0);
        EXPECT_TRUE(moved.isOpen());
        EXPECT_EQ(moved.read(&sample, 1), 1);

        moved.close();
        EXPECT_FALSE(moved.isOpen());
        EXPECT_EQ(moved.sampleRate(), 0);
    }

    TEST(AudioFile, OpeningAnotherFileReplacesTheFirst)
    {
        TempDir dir;
        test::writeFloatFile(dir.file("mono.wav"), test::noise(0.5f, 100), 1, 44100);
        test::writeFloatFile(dir.file("stereo.wav"), test::noise(0.5f, 100), 2, 96000);

        AudioFile file;
        ASSERT_TRUE(file.open(dir.file("mono.wav")));
        ASSERT_TRUE(file.open(dir.file("stereo.wav")));
        EXPECT_EQ(file.channels(), 2);
        EXPECT_EQ(file.sampleRate(), 96000);

        // A failed open leaves nothing open, not the previous file.
        EXPECT_FALSE(file.open(dir.file("missing.wav")));
        EXPECT_FALSE(file.isOpen());
    }

    // What a file chooser offers: each name once, the usual other names of a
    // container too, and never header-less raw audio, which cannot be opened.
    TEST(AudioFormats, TheExtensionsReadableAreNamedOnceWithTheirOtherNames)
    {
        const std::vector<std::string> extensions = readableExtensions();
        auto has = [&](const char* e) {
            return std::find(extensions.begin(), extensions.end(), e) != extensions.end();
        };
        for (const char* e : { "wav", "flac", "aiff", "aif", "au", "snd", "oga", "ogg" })
            EXPECT_TRUE(has(e)) << e;
        EXPECT_FALSE(has("raw"));
        EXPECT_EQ(
            std::set<std::string>(extensions.begin(), extensions.end()).size(), extensions.size());
    }

} // namespace
} // namespace clefmark
