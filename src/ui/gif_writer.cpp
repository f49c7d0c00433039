#include "ui/gif_writer.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace ui {
namespace {

// Pictures of at most 256 colours keep them exactly: each colour gets its own
// palette entry. False (and nothing decided) when there are more.
bool exactPalette(const std::vector<GifByteType>& r, const std::vector<GifByteType>& g,
                  const std::vector<GifByteType>& b, std::vector<GifByteType>& pixels, GifColorType* palette) {
  std::unordered_map<uint32_t, int> index;
  for (size_t i = 0; i < r.size(); ++i) {
    const uint32_t key = uint32_t(r[i]) << 16 | uint32_t(g[i]) << 8 | b[i];
    auto it = index.find(key);
    if (it == index.end()) {
      if (index.size() == 256) return false;
      it = index.emplace(key, int(index.size())).first;
      palette[it->second] = GifColorType{r[i], g[i], b[i]};
    }
    pixels[i] = GifByteType(it->second);
  }
  for (size_t i = index.size(); i < 256; ++i) palette[i] = GifColorType{0, 0, 0};
  return true;
}

}  // namespace

bool writeGif(const QImage& image, const std::filesystem::path& file) {
  if (image.isNull()) return false;
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  const int w = rgb.width(), hgt = rgb.height();
  const size_t n = size_t(w) * size_t(hgt);
  std::vector<GifByteType> r(n), g(n), b(n), pixels(n);
  for (int y = 0; y < hgt; ++y) {
    const uchar* line = rgb.constScanLine(y);
    for (int x = 0; x < w; ++x) {
      const size_t i = size_t(y) * w + x;
      r[i] = line[3 * x];
      g[i] = line[3 * x + 1];
      b[i] = line[3 * x + 2];
    }
  }
  std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> map(GifMakeMapObject(256, nullptr), GifFreeMapObject);
  if (!map) return false;
  if (!exactPalette(r, g, b, pixels, map->Colors)) {
    int mapSize = 256;
    if (GifQuantizeBuffer(w, hgt, &mapSize, r.data(), g.data(), b.data(), pixels.data(), map->Colors) == GIF_ERROR)
      return false;
    // The quantizer works on five bits per primary, so its brightest
    // level is 248; stretch the palette back to the full range, or white
    // backgrounds turn grey.
    for (int i = 0; i < 256; ++i) {
      GifColorType& c = map->Colors[i];
      c.Red = GifByteType(std::min(255, c.Red * 255 / 248));
      c.Green = GifByteType(std::min(255, c.Green * 255 / 248));
      c.Blue = GifByteType(std::min(255, c.Blue * 255 / 248));
    }
  }

  std::filesystem::path tmp = file;
  tmp += ".tmp";
  int err = 0;
  GifFileType* gif = EGifOpenFileName(tmp.c_str(), false, &err);
  if (!gif) return false;
  bool ok = EGifPutScreenDesc(gif, w, hgt, 8, 0, map.get()) != GIF_ERROR &&
            EGifPutImageDesc(gif, 0, 0, w, hgt, false, nullptr) != GIF_ERROR;
  for (int y = 0; ok && y < hgt; ++y) ok = EGifPutLine(gif, pixels.data() + size_t(y) * w, w) != GIF_ERROR;
  if (EGifCloseFile(gif, &err) == GIF_ERROR) ok = false;
  std::error_code ec;
  if (ok) std::filesystem::rename(tmp, file, ec);
  if (!ok || ec) {
    std::filesystem::remove(tmp, ec);
    return false;
  }
  return true;
}

}  // namespace ui
