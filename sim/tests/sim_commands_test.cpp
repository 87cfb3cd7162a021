// The control commands, run on the in-process keyboard as brelfx-sim runs
// them on the shared one.
#include "sim/sim_commands.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "sim/tests/sim_fixture.h"

namespace brelfx::sim::test {
namespace {

class Commands : public SimFixture {
 protected:
  Commands() { keyboard.OpenDevMonitor(0x99, 1325, 1326); }
  int Run(std::vector<std::string> words) {
    out.str("");
    err.str("");
    return RunSimCommand(keyboard, words, out, err);
  }
  std::ostringstream out, err;
};

TEST_F(Commands, BadCommandLinesAreUsageErrors) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"jump"},
      {"press"},
      {"press", "256"},
      {"press", "5", "keys"},
      {"profile", "6"},
      {"profile", "2", "3"},
      {"brightness", "-1"},
      {"record", "3"},
      {"record", "3", "37"},
      {"record", "3", "5", "0x04:3:0"},
      {"record", "3", "5", "0x04:1"},
      {"record", "2", "5", "0x04:1:0"},
      {"counter", "20", "1"},
      {"event", "0x10000", "0"},
      {"version", "x"},
      {"status"},
      {"busy", "2x"},
      {"capture", "all"},
      {"dump", "0"},
  };
  for (const auto& words : bad) {
    EXPECT_EQ(Run(words), kCommandUsage) << (words.empty() ? "" : words[0]);
    EXPECT_FALSE(err.str().empty());
  }
  EXPECT_TRUE(posted.empty());
}

TEST_F(Commands, KeyCommandsPostTheirEvents) {
  EXPECT_EQ(Run({"press", "5"}), kCommandOk);
  EXPECT_EQ(Run({"release", "5", "key2"}), kCommandOk);
  EXPECT_EQ(Run({"press", "0x20", "media"}), kCommandOk);
  EXPECT_EQ(Run({"release", "0xAA", "talk"}), kCommandOk);
  EXPECT_EQ(Run({"press", "3", "launch"}), kCommandOk);
  EXPECT_EQ(Run({"counter", "19", "1000"}), kCommandOk);
  EXPECT_EQ(Run({"config"}), kCommandOk);
  EXPECT_EQ(Run({"event", "0x7777", "0x1234"}), kCommandOk);
  EXPECT_EQ(Run({"profile", "5"}), kCommandOk);
  EXPECT_EQ(Run({"brightness", "0"}), kCommandOk);
  const std::vector<PostedMessage> expected = {
      {0x99, 1325, 0x0D00, 5},     {0x99, 1325, 0x0E00, 0x105},  {0x99, 1325, 0x0B00, 0x20},
      {0x99, 1325, 0xFF00, 0x1AA}, {0x99, 1325, 0x0700, 3},      {0x99, 1325, 0xFA13, 1000},
      {0x99, 1325, 0x1000, 1},     {0x99, 1325, 0x7777, 0x1234}, {0x99, 1325, 0x0200, 5},
      {0x99, 1325, 0x0C00, 1}};
  EXPECT_EQ(posted, expected);
  EXPECT_EQ(state->ActiveProfile, 4);
  EXPECT_EQ(state->Profiles[4].Lighting.Brightness, 0);
}

TEST_F(Commands, RecordStoresTheMacroOfStepThree) {
  EXPECT_EQ(Run({"record", "1"}), kCommandOk);
  EXPECT_EQ(Run({"record", "3", "2", "0x04:1:50", "4:2:0"}), kCommandOk);
  const SimMacro& m = state->Profiles[0].Macros[1];
  EXPECT_EQ(int{m.ActionCount}, 2);
  EXPECT_EQ(m.Actions[0], 0x04);
  EXPECT_EQ(m.Actions[2], 50);
  EXPECT_EQ(m.Actions[5], 2);
  EXPECT_EQ(posted.back(), (PostedMessage{0x99, 1325, 0x0400, 0x0302}));
}

TEST_F(Commands, UnpluggedKeyboardRefusesTheOwnersActions) {
  EXPECT_EQ(Run({"unplug"}), kCommandOk);
  EXPECT_EQ(Run({"unplug"}), kCommandOk);
  EXPECT_NE(out.str().find("already"), std::string::npos);
  EXPECT_EQ(Run({"press", "5"}), kCommandFailed);
  EXPECT_NE(err.str().find("unplugged"), std::string::npos);
  EXPECT_EQ(Run({"plug"}), kCommandOk);
  EXPECT_EQ(Run({"press", "5"}), kCommandOk);
}

TEST_F(Commands, FaultCommandsScriptTheKeyboard) {
  EXPECT_EQ(Run({"fail-set", "2"}), kCommandOk);
  EXPECT_EQ(Run({"fail-get"}), kCommandOk);
  EXPECT_EQ(Run({"busy", "3"}), kCommandOk);
  EXPECT_EQ(Run({"status", "4", "2"}), kCommandOk);
  EXPECT_EQ(Run({"corrupt"}), kCommandOk);
  EXPECT_EQ(Run({"unplug-after", "0"}), kCommandOk);
  EXPECT_EQ(Run({"fail-block", "5"}), kCommandOk);
  const SimFaults& f = state->Faults;
  EXPECT_EQ(f.FailSetCount, 2);
  EXPECT_EQ(f.FailGetCount, 1);
  EXPECT_EQ(f.BusyCount, 3);
  EXPECT_EQ(f.StatusValue, 4);
  EXPECT_EQ(f.StatusCount, 2);
  EXPECT_EQ(f.CorruptCount, 1);
  EXPECT_EQ(f.UnplugAfterCalls, 0);
  EXPECT_EQ(f.RefusedBlock, 6);
  EXPECT_EQ(Run({"dump"}), kCommandOk);
  EXPECT_NE(out.str().find("faults: fail-set 2 fail-get 1 busy 3 status 4 x2 corrupt 1 "
                           "unplug-after 0 fail-block 5"),
            std::string::npos);
  EXPECT_EQ(Run({"clear-faults"}), kCommandOk);
  EXPECT_EQ(f.FailSetCount + f.FailGetCount + f.BusyCount + f.StatusCount + f.CorruptCount +
                f.RefusedBlock,
            0);
  EXPECT_EQ(f.UnplugAfterCalls, -1);
  EXPECT_EQ(Status(), kStatusDone);
  EXPECT_EQ(Run({"resend"}), kCommandOk);
  EXPECT_EQ(Status(), kStatusAgain);
  EXPECT_EQ(Status(), kStatusDone);
}

TEST_F(Commands, VersionSetsTheVersionReport) {
  EXPECT_EQ(Run({"version", "105"}), kCommandOk);
  EXPECT_EQ(Get(kVersionReport, 6), (Bytes{0x0F, 6, 105, kFactoryLoaderVersion, 0, 0}));
  EXPECT_EQ(Run({"version", "106", "0x68"}), kCommandOk);
  EXPECT_EQ(Get(kVersionReport, 6)[3], 0x68);
}

TEST_F(Commands, DumpShowsWhatTheKeyboardHolds) {
  Set({0x13, 0x06, 0x01, 0x39, 0x53, 0x00});
  Run({"record", "3", "1", "0x05:1:10"});
  EXPECT_EQ(Run({"dump", "2"}), kCommandOk);
  const std::string two = out.str();
  EXPECT_NE(two.find("profile 2\n"), std::string::npos);
  EXPECT_NE(two.find("caps lock 39"), std::string::npos);
  EXPECT_NE(two.find("colour 7 (ff 00 00)"), std::string::npos);
  EXPECT_NE(two.find("Zonix layer  (10-29): 1e 1f 20"), std::string::npos);
  EXPECT_EQ(Run({"dump"}), kCommandOk);
  const std::string all = out.str();
  EXPECT_NE(all.find("keyboard: plugged, profile 1 active, firmware 100"), std::string::npos);
  EXPECT_NE(all.find("profile 1 (active)"), std::string::npos);
  EXPECT_NE(all.find("macro of key 0: repeat 1, 1 actions, names \"\" \"\" \"\": 05:1:10"),
            std::string::npos);
  EXPECT_NE(all.find("listener: client 7, window 0x99, messages 1325/1326"), std::string::npos);
}

TEST_F(Commands, CapturePrintsAndClears) {
  Status();
  EXPECT_EQ(Run({"capture"}), kCommandOk);
  EXPECT_EQ(out.str(), "#1        0.000 get   ok   04 01 00\n");
  EXPECT_EQ(Run({"capture", "clear"}), kCommandOk);
  EXPECT_EQ(Run({"capture"}), kCommandOk);
  EXPECT_EQ(out.str(), "");
}

TEST_F(Commands, FirmwareImageWritesWhatArrived) {
  state->Firmware.ImageSize = 3;
  state->Firmware.Image[0] = 'a';
  state->Firmware.Image[2] = 'c';
  const std::string path = ::testing::TempDir() + "sim_firmware_image.bin";
  EXPECT_EQ(Run({"firmware-image", path}), kCommandOk);
  std::ifstream file(path, std::ios::binary);
  std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_EQ(content, std::string("a\0c", 3));
  std::remove(path.c_str());
  EXPECT_EQ(Run({"firmware-image", ::testing::TempDir() + "no/such/dir/x.bin"}), kCommandFailed);
}

TEST_F(Commands, HelpListsEveryCommand) {
  EXPECT_EQ(Run({"help"}), kCommandOk);
  for (const char* name : {"plug", "unplug-after", "record", "firmware-image", "capture"})
    EXPECT_NE(out.str().find(std::string("  ") + name + " "), std::string::npos) << name;
}

}  // namespace
}  // namespace brelfx::sim::test
