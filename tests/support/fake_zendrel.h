// A scripted stand-in for the six zendrel entry points: it answers status
// polls from a script, fails the next N calls on request, answers reads with
// canned reports, and records every call. It is no keyboard: it stores nothing
// it is sent. It also watches that no thread slips a call into another
// thread's request-read or write-poll exchange.
//
// The entry points are plain C functions, so one fake is live at a time.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "device/library_loader.h"
#include "device/zendrel_api.h"

namespace brelfx::test {

// The entry point of `api` a loader hands out for an exported name; null for
// any other name.
LibraryEntry ExportedEntry(const ZendrelApi& api, const std::string& name);

class FakeZendrel {
 public:
  FakeZendrel();
  ~FakeZendrel();
  FakeZendrel(const FakeZendrel&) = delete;
  FakeZendrel& operator=(const FakeZendrel&) = delete;

  // All six entry points of this fake.
  static ZendrelApi Api();
  // One of them by its exported name, as a loader hands it out; null for any
  // other name.
  static LibraryEntry Export(const std::string& name);

  // Status bytes the next polls answer, in order; then 1 (done) for ever.
  void ScriptStatus(std::initializer_list<std::uint8_t> statuses);
  void FailNextSets(int count);
  void FailNextGets(int count);
  // The bytes GetFeature answers for report `id` (cut or zero-padded to the
  // caller's length); byte 0 is the id whatever the canned bytes hold.
  void Answer(std::vector<std::uint8_t> report);
  // Whether Open_FeatureDevice finds a keyboard (it does at first).
  void SetKeyboardPresent(bool present);

  // Every delivered SetFeature buffer, every GetFeature id asked for, every
  // entry point called (by name), in call order.
  std::vector<std::vector<std::uint8_t>> sent() const;
  std::vector<std::uint8_t> readIds() const;
  std::vector<std::string> calls() const;
  int statusPolls() const;
  // Calls made by one thread while another thread's exchange was open.
  int interleavings() const;

 private:
  int OnSet(unsigned char* buffer, int length);
  int OnGet(unsigned char* buffer, int length);
  void Note(const char* call);
  void CheckOwner();

  static int OpenDevMonitorEntry(void*, unsigned int, unsigned int);
  static int CloseDevMonitorEntry();
  static int OpenFeatureDeviceEntry();
  static int CloseFeatureDeviceEntry();
  static int SetFeatureEntry(unsigned char* buffer, int length);
  static int GetFeatureEntry(unsigned char* buffer, int length);

  mutable std::mutex mutex_;
  std::deque<std::uint8_t> statuses_;
  int failSets_ = 0;
  int failGets_ = 0;
  std::map<std::uint8_t, std::vector<std::uint8_t>> answers_;
  std::vector<std::vector<std::uint8_t>> sent_;
  std::vector<std::uint8_t> readIds_;
  std::vector<std::string> calls_;
  int statusPolls_ = 0;
  bool keyboardPresent_ = true;

  // The exchange in progress: who started it with a SetFeature, and whether it
  // ends with a data read (a request) or with the final status (a write).
  std::thread::id owner_;
  bool open_ = false;
  bool awaitingData_ = false;
  int interleavings_ = 0;
};

}  // namespace brelfx::test
