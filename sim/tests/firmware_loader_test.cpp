// The update loader: an image arrives block by block and is kept; steps out
// of order, wrong codes and damaged blocks are refused.
#include "sim/firmware_loader.h"

#include <cstring>

#include "sim/tests/sim_fixture.h"

namespace brelfx::sim::test {
namespace {

constexpr int kTransferSize = 1026;

class FirmwareLoader : public SimFixture {
 protected:
  // Sends one transfer command and returns the loader's status.
  int Command(std::uint8_t command, const Bytes& payload, int at = 4) {
    Bytes r(kTransferSize, 0);
    r[0] = kFirmwareTransferReport;
    r[1] = command;
    if (!payload.empty()) std::memcpy(&r[at], payload.data(), payload.size());
    if (Set(r) != 1) return -1;
    return Get(kUpdateStatusReport, 3)[1];
  }
  int Open() { return Command(kLoaderOpen, Bytes(kLoaderStartCode, kLoaderStartCode + 8)); }
  int Size(std::uint32_t size) {
    Bytes p{static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
            static_cast<std::uint8_t>(size >> 16), static_cast<std::uint8_t>(size >> 24)};
    p.insert(p.end(), kLoaderTransferCode, kLoaderTransferCode + 4);
    return Command(kLoaderSize, p);
  }
  int Ready() { return Command(kLoaderReady, {kLoaderReadyCode}); }
  int Announce(std::uint16_t block, const Bytes& data) {
    const std::uint16_t sum = ReportChecksum(data.data(), kFirmwareBlockSize);
    Bytes p{static_cast<std::uint8_t>(block), static_cast<std::uint8_t>(block >> 8),
            static_cast<std::uint8_t>(sum), static_cast<std::uint8_t>(sum >> 8)};
    p.insert(p.end(), kLoaderTransferCode, kLoaderTransferCode + 4);
    return Command(kLoaderAnnounceBlock, p);
  }
  int Data(const Bytes& data) { return Command(kLoaderBlockData, data, 2); }
  int Finish() { return Command(kLoaderFinish, {}); }

  static Bytes Block(const Bytes& image, int i) {
    Bytes block(kFirmwareBlockSize, 0);
    const int n =
        std::min<int>(kFirmwareBlockSize, static_cast<int>(image.size()) - i * kFirmwareBlockSize);
    std::memcpy(block.data(), image.data() + i * kFirmwareBlockSize, n);
    return block;
  }

  // Sends the image through every step; the status of the finish.
  int SendWhole(const Bytes& image) {
    if (Open() != kStatusDone || Size(static_cast<std::uint32_t>(image.size())) != kStatusDone ||
        Ready() != kStatusDone)
      return -1;
    for (int i = 0; i < FirmwareBlockCount(static_cast<std::uint32_t>(image.size())); ++i)
      if (Announce(i, Block(image, i)) != kStatusDone || Data(Block(image, i)) != kStatusDone)
        return -1;
    return Finish();
  }
};

TEST_F(FirmwareLoader, WholeImageArrivesBlockByBlock) {
  Bytes image(2049);
  for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 7 + 1);
  ASSERT_EQ(Open(), kStatusDone);
  ASSERT_EQ(Size(2049), kStatusDone);
  ASSERT_EQ(Ready(), kStatusDone);
  for (int i = 0; i < 3; ++i) {
    ASSERT_EQ(Announce(i, Block(image, i)), kStatusDone);
    ASSERT_EQ(Data(Block(image, i)), kStatusDone);
  }
  EXPECT_EQ(Finish(), kStatusDone);
  EXPECT_EQ(state->Firmware.CompletedUpdates, 1u);
  EXPECT_EQ(std::memcmp(state->Firmware.Image, image.data(), image.size()), 0);
  EXPECT_EQ(state->Firmware.Image[2049], 0);
}

TEST_F(FirmwareLoader, RepeatedCommandsAreTakenAgain) {
  // After status 4 the upgrade program sends the same command once more.
  const Bytes block(kFirmwareBlockSize, 0x11);
  ASSERT_EQ(Open(), kStatusDone);
  ASSERT_EQ(Size(1024), kStatusDone);
  ASSERT_EQ(Size(1024), kStatusDone);
  ASSERT_EQ(Ready(), kStatusDone);
  ASSERT_EQ(Ready(), kStatusDone);
  ASSERT_EQ(Announce(0, block), kStatusDone);
  ASSERT_EQ(Announce(0, block), kStatusDone);
  ASSERT_EQ(Data(block), kStatusDone);
  ASSERT_EQ(Data(block), kStatusDone);
  EXPECT_EQ(Finish(), kStatusDone);
}

TEST_F(FirmwareLoader, RefusesWrongCodesOrderAndDamage) {
  EXPECT_EQ(Command(kLoaderOpen, {1, 2, 3, 4, 5, 6, 7, 8}), kStatusFailure);
  EXPECT_EQ(Ready(), kStatusFailure);  // nothing opened
  ASSERT_EQ(Open(), kStatusDone);
  EXPECT_EQ(Size(kFirmwareImageSize + 1), kStatusFailure);
  ASSERT_EQ(Size(3000), kStatusDone);
  EXPECT_EQ(Command(kLoaderReady, {0x00}), kStatusFailure);
  ASSERT_EQ(Ready(), kStatusDone);
  const Bytes block(kFirmwareBlockSize, 0x22);
  EXPECT_EQ(Announce(1, block), kStatusFailure);  // blocks come in order
  ASSERT_EQ(Announce(0, block), kStatusDone);
  EXPECT_EQ(Data(Bytes(kFirmwareBlockSize, 0x23)), kStatusFailure);  // sum does not match
  EXPECT_EQ(Data(block), kStatusFailure);  // a refused block must be announced again
  ASSERT_EQ(Announce(0, block), kStatusDone);
  ASSERT_EQ(Data(block), kStatusDone);
  EXPECT_EQ(Finish(), kStatusFailure);  // two blocks still missing
  EXPECT_EQ(state->Firmware.CompletedUpdates, 0u);
  EXPECT_EQ(Command(0x07, {}), kStatusFailure);
}

TEST_F(FirmwareLoader, FinishedTestImageBringsItsVersionAndAPlainOneKeepsIt) {
  state->FirmwareVersion = 105;
  Bytes image(1500, 0x33);
  std::memcpy(image.data(), "BRELFXFW", 8);
  image[8] = 106;
  image[1499] = 0;  // a last block with its own padding still counts
  ASSERT_EQ(SendWhole(image), kStatusDone);
  EXPECT_EQ(Get(kVersionReport, 6)[2], 106);
  ASSERT_EQ(SendWhole(Bytes(3000, 0x44)), kStatusDone);
  EXPECT_EQ(state->FirmwareVersion, 106);
  // A half-sent image changes nothing.
  image[8] = 107;
  ASSERT_EQ(Open(), kStatusDone);
  ASSERT_EQ(Size(1500), kStatusDone);
  EXPECT_EQ(state->FirmwareVersion, 106);
}

TEST_F(FirmwareLoader, ScriptedBlockIsRefusedEveryTime) {
  state->Faults.RefusedBlock = 2;  // block 1
  const Bytes block(kFirmwareBlockSize, 0x11);
  ASSERT_EQ(Open(), kStatusDone);
  ASSERT_EQ(Size(3 * 1024), kStatusDone);
  ASSERT_EQ(Ready(), kStatusDone);
  ASSERT_EQ(Announce(0, block), kStatusDone);
  ASSERT_EQ(Data(block), kStatusDone);
  for (int attempt = 0; attempt < 2; ++attempt) {
    ASSERT_EQ(Announce(1, block), kStatusDone);
    EXPECT_EQ(Data(block), kStatusFailure);
  }
}

TEST_F(FirmwareLoader, UnplugDropsATransferHalfWay) {
  ASSERT_EQ(Open(), kStatusDone);
  keyboard.Unplug();
  keyboard.Plug();
  keyboard.OpenFeatureDevice();
  EXPECT_EQ(Size(10), kStatusFailure);
}

}  // namespace
}  // namespace brelfx::sim::test
