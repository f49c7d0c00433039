#pragma once
// Writes pictures as GIF files (Qt reads GIF but has no writer).
#include <QImage>
#include <filesystem>

namespace ui {

// Quantizes the image to 256 colours and writes it as a GIF: first to a
// temporary file beside `file`, then renamed over it, so a failed write never
// leaves half a picture under the name. False when anything failed.
bool writeGif(const QImage& image, const std::filesystem::path& file);

}  // namespace ui
