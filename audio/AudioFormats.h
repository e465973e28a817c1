// The kinds of sound file the program can play, as file-name extensions: what
// a file chooser offers and what a desktop may hand over.
#pragma once

#include <string>
#include <vector>

namespace clefmark {

/// The extensions, lower case and without the dot, of the containers the
/// installed libsndfile reads ("wav", "flac", "ogg", ...), each once, with the
/// other names the same files commonly go by ("aif", "mp3", "opus" where it
/// reads Opus). Header-less raw audio is left out: nothing in it says how to
/// read it.
std::vector<std::string> readableExtensions();

} // namespace clefmark
