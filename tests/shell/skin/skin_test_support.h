// Helpers for the skin tests: skin files on disk, a test skin whose colours are
// plain and distinct so pixels can be checked exactly, and a window's client area
// rendered through WM_PRINTCLIENT into pixels a test can read.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace testing {

// A file in the system's temporary folder, removed at the end.
class TempSkinFile {
 public:
  TempSkinFile(const std::string& name, const std::string& text) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    path_ = std::string(folder) + "QuorvaneSkinTest-" + name;
    HANDLE file = CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    if (file != INVALID_HANDLE_VALUE) {
      WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
      CloseHandle(file);
    }
  }
  TempSkinFile(const TempSkinFile&) = delete;
  TempSkinFile& operator=(const TempSkinFile&) = delete;
  ~TempSkinFile() { DeleteFileA(path_.c_str()); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// Every object with plain faces in colours that appear nowhere else.
inline const char kTestSkin[] = R"(# a skin for the tests
[Skin]
format = 1
name = Test

[Main]
back = #102030
text = #f0e0d0
shape-radius = 20

[NoFrame]
back = #203040

[controlForm]
back = #e0f0e0
text = #400000

[Button]
face = #0000c0
face-hover = #00c000
face-pressed = #c00000
face-disabled = #808080
text = #ffffff
text-disabled = #404040
border = #000060
accent = #ff00ff
radius = 6
font = Tahoma
size = 10
bold = yes

[Label]
text = #008000
text-disabled = #a0a0a0

[Frame]
back = #f0f0c0
text = #c00060
border = #006000
border-width = 2

[CheckBox]
face = #ffffff
face-hover = #e0e0ff
face-disabled = #c0c0c0
border = #000000
accent = #0060c0
text = #200020

[RadioBox]
face = #ffffe0
border = #000000
accent = #c06000
text = #002020
)";

inline bool ColourNear(COLORREF a, COLORREF b, int tolerance = 24) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// What WM_PRINTCLIENT paints of a window's client area.
class RenderedClient {
 public:
  explicit RenderedClient(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    width_ = client.right;
    height_ = client.bottom;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    // A colour no skin uses, so what the window leaves unpainted shows.
    HBRUSH unpainted = CreateSolidBrush(RGB(1, 2, 3));
    FillRect(dc, &client, unpainted);
    DeleteObject(unpainted);
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    GdiFlush();
    const DWORD* pixels = static_cast<const DWORD*>(bits);
    if (pixels) pixels_.assign(pixels, pixels + static_cast<size_t>(width_) * height_);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }

  int Width() const { return width_; }
  int Height() const { return height_; }

  COLORREF At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || pixels_.empty()) return CLR_INVALID;
    DWORD value = pixels_[static_cast<size_t>(y) * width_ + x];
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
  }

  // Pixels within the rectangle near the colour.
  int Count(COLORREF colour, RECT area, int tolerance = 24) const {
    int count = 0;
    for (int y = std::max<int>(area.top, 0); y < std::min<int>(area.bottom, height_); ++y)
      for (int x = std::max<int>(area.left, 0); x < std::min<int>(area.right, width_); ++x)
        if (ColourNear(At(x, y), colour, tolerance)) ++count;
    return count;
  }
  int Count(COLORREF colour, int tolerance = 24) const { return Count(colour, {0, 0, width_, height_}, tolerance); }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<DWORD> pixels_;
};

}  // namespace testing
