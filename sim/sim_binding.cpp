#include "sim/sim_binding.h"

#include <cstdint>

namespace brelfx::sim {
namespace {

std::mutex gMutex;
SimKeyboard* gKeyboard = nullptr;

// Runs call on the bound keyboard under the lock; 0 when none is bound.
template <typename Call>
int OnBoundKeyboard(Call call) {
  std::lock_guard<std::mutex> lock(gMutex);
  return gKeyboard ? call(*gKeyboard) : 0;
}

}  // namespace

// The table's pointer types have C linkage.
extern "C" {
static int SimOpenDevMonitor(void* window, unsigned int eventMessage, unsigned int plugMessage) {
  return OnBoundKeyboard([&](SimKeyboard& k) {
    return k.OpenDevMonitor(reinterpret_cast<std::uintptr_t>(window), eventMessage, plugMessage);
  });
}
static int SimCloseDevMonitor() {
  return OnBoundKeyboard([](SimKeyboard& k) { return k.CloseDevMonitor(); });
}
static int SimOpenFeatureDevice() {
  return OnBoundKeyboard([](SimKeyboard& k) { return k.OpenFeatureDevice(); });
}
static int SimCloseFeatureDevice() {
  return OnBoundKeyboard([](SimKeyboard& k) { return k.CloseFeatureDevice(); });
}
static int SimSetFeature(unsigned char* buffer, int length) {
  return OnBoundKeyboard([&](SimKeyboard& k) { return k.SetFeature(buffer, length); });
}
static int SimGetFeature(unsigned char* buffer, int length) {
  return OnBoundKeyboard([&](SimKeyboard& k) { return k.GetFeature(buffer, length); });
}
}

SimKeyboardBinding::SimKeyboardBinding(SimKeyboard& keyboard) : keyboard_(keyboard) {
  api_.Open_DevMonitor = SimOpenDevMonitor;
  api_.Close_DevMonitor = SimCloseDevMonitor;
  api_.Open_FeatureDevice = SimOpenFeatureDevice;
  api_.Close_FeatureDevice = SimCloseFeatureDevice;
  api_.SetFeature = SimSetFeature;
  api_.GetFeature = SimGetFeature;
  std::lock_guard<std::mutex> lock(gMutex);
  gKeyboard = &keyboard_;
}

SimKeyboardBinding::~SimKeyboardBinding() {
  std::lock_guard<std::mutex> lock(gMutex);
  if (gKeyboard == &keyboard_) gKeyboard = nullptr;
}

std::unique_lock<std::mutex> SimKeyboardBinding::Lock() {
  return std::unique_lock<std::mutex>(gMutex);
}

}  // namespace brelfx::sim
