#pragma once
// Where an installed package keeps its shipped samples and help texts:
// <prefix>/share/tovrin beside the program's <prefix>/bin.
#include <filesystem>

namespace ui {

// The folder set by setSampleDir, else <folder of the program>/../share/tovrin.
std::filesystem::path sampleDir();
// Points start-up at another folder (tests use a temporary one); an empty
// path goes back to the folder beside the program.
void setSampleDir(std::filesystem::path dir);

}  // namespace ui
