// Build tool: writes the program's own drawn icon as an .ico file with 16, 32 and
// 48 pixel images (32-bit colour with alpha, and the AND mask for older Windows),
// for the icon resource.
//   program_icon_file OUTPUT.ico
#include <windows.h>

#include <cstdio>
#include <cstdint>
#include <vector>

#include "shell/ProgramIcon.h"

namespace {

constexpr int kSides[] = {16, 32, 48};

#pragma pack(push, 1)
struct IconDir {
  uint16_t reserved, type, count;
};
struct IconDirEntry {
  uint8_t width, height, colours, reserved;
  uint16_t planes, bitCount;
  uint32_t bytes, offset;
};
#pragma pack(pop)

// One image as the .ico file holds it: header, bottom-up BGRA rows, AND mask.
std::vector<uint8_t> IconImage(int side) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = side;
  info.bmiHeader.biHeight = side;  // bottom-up, as the file stores it
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  quorvane::DrawProgramIconFace(dc, side);
  GdiFlush();

  HRGN shape = quorvane::CreateProgramIconShape(side);
  const int maskStride = ((side + 31) / 32) * 4;
  std::vector<uint8_t> mask(maskStride * side, 0);
  auto* pixels = static_cast<uint8_t*>(bits);
  for (int row = 0; row < side; ++row) {
    const int y = side - 1 - row;  // file rows run from the bottom
    for (int x = 0; x < side; ++x) {
      const bool opaque = PtInRegion(shape, x, y);
      pixels[(row * side + x) * 4 + 3] = opaque ? 255 : 0;
      if (!opaque) mask[row * maskStride + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    }
  }
  DeleteObject(shape);

  BITMAPINFOHEADER header = info.bmiHeader;
  header.biHeight = side * 2;  // colour and mask together
  header.biSizeImage = side * side * 4 + mask.size();
  std::vector<uint8_t> image(reinterpret_cast<uint8_t*>(&header), reinterpret_cast<uint8_t*>(&header) + sizeof header);
  image.insert(image.end(), pixels, pixels + side * side * 4);
  image.insert(image.end(), mask.begin(), mask.end());

  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: program_icon_file OUTPUT.ico\n");
    return 1;
  }
  constexpr int kCount = sizeof kSides / sizeof kSides[0];
  std::vector<std::vector<uint8_t>> images;
  for (int side : kSides) images.push_back(IconImage(side));

  IconDir dir{0, 1, kCount};
  std::vector<uint8_t> file(reinterpret_cast<uint8_t*>(&dir), reinterpret_cast<uint8_t*>(&dir) + sizeof dir);
  uint32_t offset = sizeof dir + kCount * sizeof(IconDirEntry);
  for (int i = 0; i < kCount; ++i) {
    IconDirEntry entry{static_cast<uint8_t>(kSides[i]), static_cast<uint8_t>(kSides[i]), 0, 0, 1, 32,
                       static_cast<uint32_t>(images[i].size()), offset};
    file.insert(file.end(), reinterpret_cast<uint8_t*>(&entry), reinterpret_cast<uint8_t*>(&entry) + sizeof entry);
    offset += entry.bytes;
  }
  for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());

  FILE* out = std::fopen(argv[1], "wb");
  if (!out || std::fwrite(file.data(), 1, file.size(), out) != file.size() || std::fclose(out) != 0) {
    std::fprintf(stderr, "program_icon_file: cannot write %s\n", argv[1]);
    return 2;
  }
  return 0;
}
