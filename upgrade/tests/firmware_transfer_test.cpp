// The firmware transfer over the simulated keyboard's update loader.
#include "upgrade/firmware_transfer.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/temp_folder.h"
#include "upgrade/tests/transfer_rig.h"

namespace brelfx {
namespace {

using test::Bytes;
using test::ImageBytes;
using test::TransferRig;

// What the loader demands for n blocks when it answers every poll at once:
// three settled steps, the pause inside commands 0 and 0x0F, one 100 ms poll
// per command.
std::int64_t MandatedPausesMs(int blocks) {
  const int commands = 3 + 2 * blocks + 1;
  return 3 * 500 + 2 * 500 + commands * 100;
}

TEST(FirmwareTransfer, ImageOfTwoThousandFortyNineBytesGoesAsThreeBlocks) {
  TransferRig rig;
  const std::string bytes = ImageBytes(2049);
  ASSERT_TRUE(rig.Run(bytes));
  EXPECT_EQ(rig.progress.blocks, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(rig.clock.NowMs(), MandatedPausesMs(3));

  const std::vector<Bytes> sent = rig.Sent();
  ASSERT_EQ(sent.size(), 3u + 6u + 1u);
  EXPECT_EQ(sent[1][4] | sent[1][5] << 8, 2049);  // the size, little-endian
  // The third block: its one byte, then zeros; its sum is that byte.
  const Bytes& announce = sent[7];
  const Bytes& data = sent[8];
  ASSERT_EQ(data.size(), 1026u);
  EXPECT_EQ(announce[1], kAnnounceBlock);
  EXPECT_EQ(announce[4], 2);
  EXPECT_EQ(announce[6] | announce[7] << 8, static_cast<std::uint8_t>(bytes[2048]));
  EXPECT_EQ(data[2], static_cast<std::uint8_t>(bytes[2048]));
  EXPECT_EQ(Bytes(data.begin() + 3, data.end()), Bytes(1023, 0));
  EXPECT_EQ(sent.back()[1], kFinishUpdate);
  // The keyboard holds the file unchanged.
  EXPECT_EQ(rig.state->Firmware.CompletedUpdates, 1u);
  EXPECT_EQ(std::memcmp(rig.state->Firmware.Image, bytes.data(), bytes.size()), 0);
}

TEST(FirmwareTransfer, FourKilobytesAreFourBlocksWithTheLastProgressThree) {
  TransferRig rig;
  FirmwareImage image;
  ASSERT_EQ(MakeFirmwareImage(ImageBytes(4096), image), ImageLoad::kLoaded);
  EXPECT_EQ(image.blockCount(), 4);
  EXPECT_EQ(image.size / kFirmwareBlockSize, 4u);  // the progress range the window sets
  ASSERT_TRUE(rig.transfer.Run(image, rig.progress));
  EXPECT_EQ(rig.progress.blocks.back(), 3);
  EXPECT_EQ(rig.progress.blocks.size(), 4u);
}

TEST(FirmwareTransfer, SendAgainRepeatsTheSameBlockAnnouncement) {
  TransferRig rig;
  // The keyboard asks again for the first block announcement, during the
  // pause before its status poll.
  bool asked = false;
  rig.clock.onSleep = [&](std::int64_t) {
    const std::vector<Bytes> sent = rig.Sent();
    if (!asked && !sent.empty() && sent.back()[1] == kAnnounceBlock) {
      rig.state->Faults.StatusValue = kUpdateSendAgain;
      rig.state->Faults.StatusCount = 1;
      asked = true;
    }
  };
  ASSERT_TRUE(rig.Run(ImageBytes(1500)));
  const std::vector<Bytes> sent = rig.Sent();
  ASSERT_GE(sent.size(), 5u);
  EXPECT_EQ(sent[3][1], kAnnounceBlock);
  EXPECT_EQ(sent[4], sent[3]);
  EXPECT_EQ(sent[5][1], kBlockData);
}

TEST(FirmwareTransfer, TwentyBusyAnswersFailNineteenDoNot) {
  TransferRig rig;
  rig.state->Faults.BusyCount = 20;
  EXPECT_FALSE(rig.Run(ImageBytes(100)));
  // Nothing after the opening command; its pause, then twenty polls.
  EXPECT_EQ(rig.Sent().size(), 1u);
  EXPECT_EQ(rig.clock.NowMs(), 500 + 3400 + 13 * 1500);

  TransferRig patient;
  patient.state->Faults.BusyCount = 19;
  EXPECT_TRUE(patient.Run(ImageBytes(100)));
}

TEST(FirmwareTransfer, RefusedBlockFailsTheTransferThere) {
  TransferRig rig;
  rig.state->Faults.RefusedBlock = 6;  // block 5
  EXPECT_FALSE(rig.Run(ImageBytes(9 * 1024)));
  EXPECT_EQ(rig.progress.blocks, (std::vector<int>{0, 1, 2, 3, 4}));
  const std::vector<Bytes> sent = rig.Sent();
  EXPECT_EQ(sent.back()[1], kBlockData);  // no further block, no finish
  EXPECT_EQ(rig.state->Firmware.CompletedUpdates, 0u);
}

TEST(FirmwareTransfer, UndeliveredReportOrFailedStatusReadFailsAtOnce) {
  TransferRig undelivered;
  undelivered.state->Faults.FailSetCount = 1;
  EXPECT_FALSE(undelivered.Run(ImageBytes(10)));
  EXPECT_EQ(undelivered.Calls(), 1);  // no status poll after it
  EXPECT_EQ(undelivered.clock.NowMs(), 0);

  TransferRig unread;
  unread.state->Faults.FailGetCount = 1;
  EXPECT_FALSE(unread.Run(ImageBytes(10)));
  EXPECT_EQ(unread.Calls(), 2);
}

TEST(FirmwareTransfer, FinishIsSentButItsAnswerDoesNotCount) {
  // The loader restarts into the new firmware on the finish and need not
  // answer any more.
  TransferRig rig;
  rig.clock.onSleep = [&](std::int64_t) {
    const std::vector<Bytes> sent = rig.Sent();
    if (!sent.empty() && sent.back()[1] == kFinishUpdate) rig.state->Faults.FailGetCount = 1;
  };
  EXPECT_TRUE(rig.Run(ImageBytes(3000)));
  EXPECT_EQ(rig.Sent().back()[1], kFinishUpdate);
}

TEST(FirmwareImage, EmptyAndOversizedImagesAreRefusedAndNothingIsSent) {
  FirmwareImage image;
  EXPECT_EQ(MakeFirmwareImage("", image), ImageLoad::kEmpty);
  EXPECT_EQ(MakeFirmwareImage(ImageBytes(kMaxFirmwareImageSize + 1), image), ImageLoad::kTooLarge);
  EXPECT_EQ(image.blockCount(), 0);
  TransferRig rig;
  EXPECT_FALSE(rig.transfer.Run(image, rig.progress));
  EXPECT_EQ(rig.Calls(), 0);

  ASSERT_EQ(MakeFirmwareImage(ImageBytes(kMaxFirmwareImageSize), image), ImageLoad::kLoaded);
  EXPECT_EQ(image.blockCount(), kMaxFirmwareBlocks);
}

TEST(FirmwareImage, FileIsReadWholeAndAMissingOrEmptyOneIsRefused) {
  test::TempFolder folder;
  FileSystem& fs = SystemFileSystem();
  FirmwareImage image;
  EXPECT_EQ(LoadFirmwareImage(fs, "", image), ImageLoad::kUnreadable);  // no Name
  EXPECT_EQ(LoadFirmwareImage(fs, folder.Join("missing.bin"), image), ImageLoad::kUnreadable);
  test::WriteFileText(folder.Join("empty.bin"), "");
  EXPECT_EQ(LoadFirmwareImage(fs, folder.Join("empty.bin"), image), ImageLoad::kEmpty);
  test::WriteFileText(folder.Join("fw.bin"), ImageBytes(2049));
  ASSERT_EQ(LoadFirmwareImage(fs, folder.Join("fw.bin"), image), ImageLoad::kLoaded);
  EXPECT_EQ(image.size, 2049u);
  EXPECT_EQ(image.sums[2], static_cast<std::uint8_t>(ImageBytes(2049)[2048]));
}

}  // namespace
}  // namespace brelfx
