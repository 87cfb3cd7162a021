#include "tests/support/win32/screen_driver.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>

namespace brelfx::test {

using namespace std::chrono_literals;

POINT LayoutCentre(HWND window, const char* layoutString, POINT offset) {
  int x = 0, y = 0, w = 0, h = 0;
  const char* numbers = std::strchr(layoutString, ',');
  std::sscanf(numbers, ",%d,%d,%d,%d", &x, &y, &w, &h);
  RECT frame;
  GetWindowRect(window, &frame);
  return POINT{frame.left + offset.x + x + w / 2, frame.top + offset.y + y + h / 2};
}

void MoveMouseTo(POINT at) {
  SetCursorPos(at.x, at.y);
  mouse_event(MOUSEEVENTF_MOVE, 0, 0, 0, 0);
  std::this_thread::sleep_for(150ms);
}

void ClickAt(POINT at) {
  MoveMouseTo(at);
  mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
  std::this_thread::sleep_for(60ms);
  mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
  std::this_thread::sleep_for(400ms);
}

void Screenshot(const std::string& name) {
  const char* folder = std::getenv("BRELFX_SCREENSHOTS");
  if (!folder) return;
  std::this_thread::sleep_for(500ms);
  HDC screen = GetDC(nullptr);
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFOHEADER info{sizeof(info), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  const DWORD stride = ((width * 3 + 3) / 4) * 4;
  std::string pixels(stride * height, '\0');
  GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
            DIB_RGB_COLORS);
  BITMAPFILEHEADER file{0x4D42,
                        static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(info) + pixels.size()),
                        0, 0, sizeof(BITMAPFILEHEADER) + sizeof(info)};
  std::ofstream out(std::string(folder) + "\\" + name + ".bmp", std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof(file));
  out.write(reinterpret_cast<const char*>(&info), sizeof(info));
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

}  // namespace brelfx::test
