#include "monitor/win32/tests/debug_output_listener.h"

#include <cstring>

namespace brelfx::test {
namespace {

constexpr DWORD kBufferSize = 4096;  // the process id, then the text with its terminating zero

}  // namespace

std::vector<std::string> SoundsPlayed(const std::vector<std::string>& lines) {
  const std::string prefix = "PlaySound: ";
  std::vector<std::string> sounds;
  for (const std::string& line : lines)
    if (line.rfind(prefix, 0) == 0) sounds.push_back(line.substr(prefix.size()));
  return sounds;
}

DebugOutputListener::DebugOutputListener() {
  section_.reset(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBufferSize,
                                    "DBWIN_BUFFER"));
  if (!section_ || GetLastError() == ERROR_ALREADY_EXISTS) return;
  bufferReady_.reset(CreateEventA(nullptr, FALSE, FALSE, "DBWIN_BUFFER_READY"));
  dataReady_.reset(CreateEventA(nullptr, FALSE, FALSE, "DBWIN_DATA_READY"));
  view_.reset(MapViewOfFile(section_.get(), FILE_MAP_READ, 0, 0, kBufferSize));
  if (!bufferReady_ || !dataReady_ || !view_) return;
  listening_ = true;
  thread_ = std::thread([this] { Listen(); });
}

DebugOutputListener::~DebugOutputListener() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

void DebugOutputListener::Follow(DWORD processId) {
  std::lock_guard lock(linesMutex_);
  processId_ = processId;
  std::erase_if(lines_, [processId](const Line& line) { return line.writer != processId; });
}

std::vector<std::string> DebugOutputListener::Lines() {
  std::lock_guard lock(linesMutex_);
  std::vector<std::string> texts;
  for (const Line& line : lines_)
    if (line.writer == processId_) texts.push_back(line.text);
  return texts;
}

void DebugOutputListener::Listen() {
  const auto* buffer = static_cast<const char*>(view_.get());
  SetEvent(bufferReady_.get());
  while (!stop_) {
    if (WaitForSingleObject(dataReady_.get(), 100) != WAIT_OBJECT_0) continue;
    DWORD writer;
    std::memcpy(&writer, buffer, sizeof(writer));
    std::string text(buffer + sizeof(writer),
                     strnlen(buffer + sizeof(writer), kBufferSize - sizeof(writer)));
    SetEvent(bufferReady_.get());  // the writer may go on while this one is sorted
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    std::lock_guard lock(linesMutex_);
    if (processId_ == 0 || writer == processId_) lines_.push_back({writer, std::move(text)});
  }
}

}  // namespace brelfx::test
