// The firmware upgrade program's main window: it closes the monitor, binds
// the HID access library, shows the loader version, loads the image a second
// after it opened and hands it to the transfer thread, moves its progress bar
// as blocks arrive, and ends with the success panel (and the monitor to be
// started again) or stays open behind the failure panel.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "device/win32/win32_library_loader.h"
#include "device/zendrel_binding.h"
#include "option/skin/win32/dialog/skin_dialog.h"
#include "upgrade/firmware_image.h"
#include "upgrade/firmware_transfer.h"
#include "upgrade/transfer_worker.h"
#include "upgrade/win32/upgrade_progress_bar.h"

namespace brelfx {

constexpr const char* kUpgradeWindowTitle = "Tarvek Brel Keyboard Firmware update";
constexpr UINT WM_UPGRADE_PROGRESS = WM_USER + 400;  // 1424: wParam the block just sent
constexpr UINT WM_UPGRADE_DONE = WM_USER + 402;      // 1426: lParam 1 success, 0 failure

class CUpgradeWnd final : public SkinDialog, private TransferProgress {
 public:
  explicit CUpgradeWnd(std::string programPath);
  ~CUpgradeWnd() override;

  // After the window ended: the update succeeded and the monitor is to run again.
  bool restartMonitor() const { return restartMonitor_; }

 protected:
  bool OnInitDialog() override;
  void OnOk() override {}
  void OnCancel() override {}  // Escape is ignored; the close button ends the window
  void OnControlCommand(unsigned id, unsigned code, HWND control) override;
  void PaintOver(HDC dc, const RECT& client) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void BlockSent(int block) override;  // on the transfer thread
  void OpenKeyboard();
  LRESULT OnTimer(WPARAM id);
  LRESULT OnTransferDone(bool succeeded);
  void Close();
  // Stops the transfer thread and only then lets go of the library.
  void ReleaseKeyboard();

  const std::string programPath_;
  const std::string folder_;
  std::string imagePath_;
  std::string dfuVersion_ = "N/A";
  FirmwareImage image_;
  CSkinButton close_;
  CUpgradeProgressBar progress_;
  Win32LibraryLoader loader_;
  std::unique_ptr<ZendrelBinding> binding_;
  std::unique_ptr<FirmwareTransfer> transfer_;
  std::unique_ptr<TransferWorker> worker_;
  bool restartMonitor_ = false;
};

}  // namespace brelfx
