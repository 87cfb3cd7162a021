#include "tests/support/win32/screen_input.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>

namespace brelfx::test {
namespace {

using namespace std::chrono_literals;

void SendKey(WORD vk, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = flags;
  SendInput(1, &input, sizeof(input));
  std::this_thread::sleep_for(40ms);
}

void SendMouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof(input));
}

}  // namespace

POINT LayoutCentre(HWND window, const char* layoutString, POINT offset) {
  int x = 0, y = 0, w = 0, h = 0;
  const char* numbers = std::strchr(layoutString, ',');
  if (numbers) std::sscanf(numbers, ",%d,%d,%d,%d", &x, &y, &w, &h);
  RECT frame{};
  GetWindowRect(window, &frame);
  return POINT{frame.left + offset.x + x + w / 2, frame.top + offset.y + y + h / 2};
}

void MoveMouseTo(POINT at) {
  SetCursorPos(at.x, at.y);
  SendMouse(MOUSEEVENTF_MOVE);
  std::this_thread::sleep_for(150ms);
}

void ClickAt(POINT at) {
  MoveMouseTo(at);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  std::this_thread::sleep_for(60ms);
  SendMouse(MOUSEEVENTF_LEFTUP);
  std::this_thread::sleep_for(400ms);
}

void PressKey(WORD vk) { SendKey(vk, 0); }
void ReleaseKey(WORD vk) { SendKey(vk, KEYEVENTF_KEYUP); }

HWND WaitForWindow(const char* title, int milliseconds) {
  for (int waited = 0; waited <= milliseconds; waited += 20) {
    HWND window = FindWindowA(nullptr, title);
    if (window && IsWindowVisible(window)) return window;
    std::this_thread::sleep_for(20ms);
  }
  return nullptr;
}

bool SaveScreenshot(const std::string& name, HWND window) {
  const char* folder = std::getenv("BRELFX_SCREENSHOTS");
  if (!folder) return true;
  std::this_thread::sleep_for(300ms);  // let the last paint land
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (window) GetWindowRect(window, &area);
  const int width = area.right - area.left, height = area.bottom - area.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFOHEADER info{sizeof(info), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  const DWORD stride = ((width * 3 + 3) / 4) * 4;
  std::string pixels(stride * height, '\0');
  GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
            DIB_RGB_COLORS);
  const DWORD headers = sizeof(BITMAPFILEHEADER) + sizeof(info);
  BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(headers + pixels.size()), 0, 0, headers};
  std::ofstream out(std::string(folder) + "\\" + name + ".bmp", std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof(file));
  out.write(reinterpret_cast<const char*>(&info), sizeof(info));
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return static_cast<bool>(out);
}

}  // namespace brelfx::test
