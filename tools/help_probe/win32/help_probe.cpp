// help-probe LANGUAGE FACE OUT.bmp [WIDTH [HEIGHT]]
// Draws every text of help\LANGUAGE_help.dll, one per line, with TextOutW in
// the help area's font (normal weight, WIDTH default 6, HEIGHT default 13) of face
// FACE ("-" for the system default) and writes the picture as a BMP file.
// Prints the face the font mapper chose and how many characters that face
// lacks (Wine may still draw them through a linked fallback font).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "platform/win32/handles.h"

namespace {

constexpr int kWidth = 560;
constexpr UINT kFirstId = 1000, kLastId = 1199;

// 24-bit rows from the top; 560 * 3 is a multiple of four, so no row padding.
BITMAPINFOHEADER TopDown24(int width, int height) {
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = -height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  return info;
}

bool WriteBmp(const wchar_t* path, const void* pixels, int width, int height) {
  int stride = width * 3;
  BITMAPINFOHEADER info = TopDown24(width, height);
  BITMAPFILEHEADER head{};
  head.bfType = 0x4D42;
  head.bfOffBits = sizeof head + sizeof info;
  head.bfSize = head.bfOffBits + stride * height;
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(&head), sizeof head);
  file.write(reinterpret_cast<const char*>(&info), sizeof info);
  file.write(static_cast<const char*>(pixels), static_cast<std::streamsize>(stride) * height);
  return static_cast<bool>(file);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) {
    std::fputs("usage: help-probe LANGUAGE FACE OUT.bmp [WIDTH [HEIGHT]]\n", stderr);
    return 2;
  }
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring path(exe);
  path = path.substr(0, path.find_last_of(L'\\') + 1) + L"help\\" + argv[1] + L"_help.dll";
  brelfx::UniqueModule library(LoadLibraryExW(
      path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
  if (!library) {
    std::fwprintf(stderr, L"help-probe: cannot load %ls\n", path.c_str());
    return 1;
  }
  std::vector<std::wstring> texts;
  for (UINT id = kFirstId; id <= kLastId; ++id) {
    wchar_t buffer[250];
    if (int length = LoadStringW(library.get(), id, buffer, 250); length > 0) {
      texts.push_back(std::to_wstring(id) + L"  " + std::wstring(buffer, length));
    }
  }

  std::wstring face = std::wstring(argv[2]) == L"-" ? L"" : argv[2];
  int width = argc > 4 ? _wtoi(argv[4]) : 6;
  int font_height = argc > 5 ? _wtoi(argv[5]) : 13;
  brelfx::UniqueFont font(CreateFontW(font_height, width, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET,
                                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
  int line_height = font_height + 5;
  int height = line_height * static_cast<int>(texts.size() + 1);
  BITMAPINFO info{};
  info.bmiHeader = TopDown24(kWidth, height);
  void* pixels = nullptr;
  brelfx::UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
  brelfx::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  if (!font || !bitmap || !dc) {
    std::fputs("help-probe: cannot create the font or the bitmap\n", stderr);
    return 1;
  }
  brelfx::SelectGuard select_bitmap(dc.get(), bitmap.get());
  brelfx::SelectGuard select_font(dc.get(), font.get());
  RECT all{0, 0, kWidth, height};
  FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetBkMode(dc.get(), TRANSPARENT);
  SetTextColor(dc.get(), RGB(100, 100, 100));

  wchar_t chosen[LF_FACESIZE] = L"";
  GetTextFaceW(dc.get(), LF_FACESIZE, chosen);
  std::wstring title = std::wstring(argv[1]) + L": \"" + face + L"\" -> \"" + chosen + L"\"";
  TextOutW(dc.get(), 4, 2, title.c_str(), static_cast<int>(title.size()));
  int lacking = 0, widest = 0;
  for (size_t line = 0; line < texts.size(); ++line) {
    const std::wstring& text = texts[line];
    int y = line_height * static_cast<int>(line + 1) + 2;
    TextOutW(dc.get(), 4, y, text.c_str(), static_cast<int>(text.size()));
    std::vector<WORD> glyphs(text.size());
    GetGlyphIndicesW(dc.get(), text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                     GGI_MARK_NONEXISTING_GLYPHS);
    for (WORD glyph : glyphs) lacking += glyph == 0xFFFF;
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    widest = std::max<int>(widest, size.cx);
  }
  GdiFlush();
  std::wprintf(L"%ls; %d texts, widest %d px with the id, %d characters lacking in the face\n",
               title.c_str(), static_cast<int>(texts.size()), widest, lacking);
  return WriteBmp(argv[3], pixels, kWidth, height) ? 0 : 1;
}
