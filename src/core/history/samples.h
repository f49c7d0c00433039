#pragma once
// The draw histories and help texts a package ships. A working directory
// that lacks one of them gets a copy on start, so a new user has a history
// to analyse and help to read at once. A file the user already has is never
// touched.
#include <filesystem>
#include <string>
#include <vector>

namespace tovrin {

// The names of the shipped files: the two draw files and the help texts.
const std::vector<std::string>& sampleFiles();

// Copies every shipped file present in `shareDir` into `dir` where `dir`
// lacks it. A copy is written under a temporary name and renamed into place,
// so a failed copy never leaves a partial draw file behind. Returns the
// names that could not be copied (an absent sample is not a failure).
std::vector<std::string> installSamples(const std::filesystem::path& shareDir, const std::filesystem::path& dir);

}  // namespace tovrin
