#include "audio/AudioFormats.h"

#include <algorithm>
#include <cstring>
#include <sndfile.h>
#include <string_view>
#include <utility>

namespace clefmark {

namespace {

    // libsndfile names one extension per container; files in the wild also
    // use these.
    constexpr std::pair<std::string_view, std::string_view> kOtherNames[] = {
        { "aiff", "aif" },
        { "aiff", "aifc" },
        { "au", "snd" },
        { "iff", "svx" },
        { "oga", "ogg" },
        { "m1a", "mp1" },
        { "m1a", "mp2" },
        { "m1a", "mp3" },
    };

    bool readsOpus()
    {
        int count = 0;
        sf_command(nullptr, SFC_GET_FORMAT_SUBTYPE_COUNT, &count, sizeof count);
        for (int i = 0; i < count; ++i) {
            SF_FORMAT_INFO info {};
            info.format = i;
            if (sf_command(nullptr, SFC_GET_FORMAT_SUBTYPE, &info, sizeof info) == 0
                && info.format == SF_FORMAT_OPUS)
                return true;
        }
        return false;
    }

} // namespace

std::vector<std::string> readableExtensions()
{
    std::vector<std::string> extensions;
    auto add = [&extensions](std::string_view extension) {
        if (std::find(extensions.begin(), extensions.end(), extension) == extensions.end())
            extensions.emplace_back(extension);
    };
    int count = 0;
    sf_command(nullptr, SFC_GET_FORMAT_MAJOR_COUNT, &count, sizeof count);
    for (int i = 0; i < count; ++i) {
        SF_FORMAT_INFO info {};
        info.format = i;
        if (sf_command(nullptr, SFC_GET_FORMAT_MAJOR, &info, sizeof info) != 0
            || info.extension == nullptr || (info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_RAW)
            continue;
        const std::string_view extension(info.extension);
        add(extension);
        for (const auto& [name, other] : kOtherNames)
            if (name == extension)
                add(other);
    }
    if (readsOpus())
        add("opus");
    return extensions;
}

} // namespace clefmark
