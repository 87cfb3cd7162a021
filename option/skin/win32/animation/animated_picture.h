// A child window that shows a picture file and plays an animated GIF frame
// by frame (the Trovi page's level animations). Single pictures and other
// formats are decoded by the system's picture loader and shown still.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>
#include <string>

namespace brelfx {

class CAnimatedPicture {
 public:
  CAnimatedPicture();
  ~CAnimatedPicture();  // stops the animation before anything is freed
  CAnimatedPicture(const CAnimatedPicture&) = delete;
  CAnimatedPicture& operator=(const CAnimatedPicture&) = delete;

  // A hidden child of `parent` at (left, top), sized when a picture loads.
  bool Create(HWND parent, int left, int top, int id);

  // False (and nothing shown) when the file cannot be read or holds no
  // loadable picture. Loading replaces and stops what was shown before.
  bool LoadFromFile(const std::wstring& path);
  bool LoadFromMemory(const void* data, std::size_t size);

  // Starts playing an animation (returns 0), or draws a single picture
  // (returns 1); 0 when nothing is loaded.
  int Draw();
  // Ends the animation and waits until it has stopped drawing.
  void Stop();

  HWND hwnd() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace brelfx
