#include "upgrade/win32/upgrade_wnd.h"

#include <algorithm>

#include "device/zendrel_calls.h"
#include "option/skin/win32/placement.h"
#include "platform/clock.h"
#include "platform/log.h"
#include "platform/path.h"
#include "platform/win32/handles.h"
#include "settings/ini_file.h"
#include "upgrade/dfu_version.h"
#include "upgrade/upgrade_paths.h"
#include "upgrade/win32/message_panels.h"
#include "upgrade/win32/monitor_window.h"
#include "upgrade/win32/upgrade_art_ids.h"

namespace brelfx {
namespace {

constexpr const char* kCloseLayout = "BUTTON_EXIT,497,4,22,22,";
constexpr const char* kProgressLayout = "BUTTON_Progress,43,181,436,17,";
constexpr UINT_PTR kLoadTimer = 100;
constexpr UINT kLoadDelayMs = 1000;
constexpr int kFirstProgressRange = 127;
// Every pause of the transfer watches the stop flag each 100 ms; a library
// call that hangs longer than this keeps the library loaded instead.
constexpr int kTransferStopWaitMs = 5000;

constexpr std::uint8_t kVersionReportId = 0x0F;
constexpr int kVersionReportSize = 6;

constexpr COLORREF kTextColor = RGB(107, 107, 107);
constexpr int kTextHeight = 14;
constexpr POINT kOwnVersionAt{377, 251};
constexpr int kOwnVersionRightEdge = 513;  // inside the frame of the version strip
constexpr POINT kDfuVersionAt{8, 251};
constexpr RECT kImageNameRect{95, 131, 360, 147};
constexpr const char* kOwnVersion = "Firmware Update V1.03";

SkinSetIds MainSkin() {
  constexpr int base = BRELFX_IDB_UPGRADE_MAIN;
  return SkinSetIds{base + BRELFX_UPGRADE_SHAPE, base + BRELFX_UPGRADE_NORMAL,
                    base + BRELFX_UPGRADE_HOVER, base + BRELFX_UPGRADE_PRESSED,
                    base + BRELFX_UPGRADE_NORMAL};
}

}  // namespace

CUpgradeWnd::CUpgradeWnd(std::string programPath)
    : SkinDialog(MainSkin()),
      programPath_(std::move(programPath)),
      folder_(FolderOf(programPath_)) {}

CUpgradeWnd::~CUpgradeWnd() {
  ReleaseKeyboard();
  DestroyWindowNow();
}

bool CUpgradeWnd::OnInitDialog() {
  SetWindowTextA(hwnd(), kUpgradeWindowTitle);
  PlaceSkinButton(hwnd(), close_, kCloseLayout, skin());
  if (!progress_.Create(hwnd(), ToRect(ParseLayoutString(kProgressLayout).rect))) return false;
  progress_.SetRange(kFirstProgressRange);

  const IniFile config(folder_ + kUpgradeConfigName);
  imagePath_ = FirmwareImagePath(folder_, config.ReadString(kFirmwareSection, kImageNameKey, ""));

  // The monitor lets go of the keyboard before this program takes it.
  CloseMonitorWindow();
  OpenKeyboard();
  SetTimer(hwnd(), kLoadTimer, kLoadDelayMs, nullptr);
  return true;
}

void CUpgradeWnd::OpenKeyboard() {
  binding_ = std::make_unique<ZendrelBinding>(loader_);
  if (!binding_->Bind(programPath_)) DebugLog("FW Update: zendrel.dll could not be loaded\n");
  worker_ = std::make_unique<TransferWorker>([this] {
    const bool succeeded = transfer_->Run(image_, *this);
    PostMessageA(hwnd(), WM_UPGRADE_DONE, 0, succeeded ? 1 : 0);
  });
  transfer_ =
      std::make_unique<FirmwareTransfer>(binding_->api(), SystemClock(), worker_->stopFlag());
  // Neither notification is handled here; the results are not needed.
  OpenDevMonitor(binding_->api(), hwnd(), WM_DEVICE_EVENT, WM_DEVICE_PLUG);
  OpenFeatureDevice(binding_->api());

  std::uint8_t version[kVersionReportSize] = {kVersionReportId};
  if (GetFeature(binding_->api(), version, kVersionReportSize))
    dfuVersion_ = DfuVersionText(version[3]);
}

LRESULT CUpgradeWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      return OnTimer(wParam);
    case WM_UPGRADE_PROGRESS:
      progress_.SetPosition(static_cast<int>(wParam) + 1);
      return 0;
    case WM_UPGRADE_DONE:
      return OnTransferDone(lParam == 1);
    case WM_CLOSE:
      Close();
      return 0;
    default:
      return SkinDialog::HandleMessage(message, wParam, lParam);
  }
}

void CUpgradeWnd::OnControlCommand(unsigned, unsigned, HWND control) {
  if (control == close_.hwnd()) Close();
}

LRESULT CUpgradeWnd::OnTimer(WPARAM id) {
  if (id != kLoadTimer) return 0;
  KillTimer(hwnd(), kLoadTimer);
  progress_.SetPosition(0);
  const ImageLoad load = LoadFirmwareImage(SystemFileSystem(), imagePath_, image_);
  if (load == ImageLoad::kLoaded) {
    // One step per block, so the bar is full with the last one.
    progress_.SetRange(image_.blockCount());
    worker_->Signal();
    return 0;
  }
  DebugLog("FW Update: image \"%s\" not sent (%s)\n", imagePath_.c_str(),
           load == ImageLoad::kTooLarge ? "larger than 204,800 bytes"
           : load == ImageLoad::kEmpty  ? "empty"
                                        : "missing or unreadable");
  ShowUpgradePanel(load == ImageLoad::kTooLarge ? UpgradePanel::kTooLarge : UpgradePanel::kFailure,
                   hwnd());
  return 0;
}

void CUpgradeWnd::BlockSent(int block) {
  PostMessageA(hwnd(), WM_UPGRADE_PROGRESS, static_cast<WPARAM>(block), 0);
}

LRESULT CUpgradeWnd::OnTransferDone(bool succeeded) {
  if (!succeeded) {
    ShowUpgradePanel(UpgradePanel::kFailure, hwnd());
    return 0;
  }
  ShowUpgradePanel(UpgradePanel::kSuccess, hwnd());
  restartMonitor_ = true;
  Close();
  return 0;
}

void CUpgradeWnd::Close() {
  ReleaseKeyboard();
  EndDialog(kDialogCancel);
}

void CUpgradeWnd::ReleaseKeyboard() {
  if (!worker_) return;
  if (!worker_->Stop(kTransferStopWaitMs)) {
    // The thread still uses the library: leave both in place for the
    // process's end rather than pull the library from under it.
    DebugLog("FW Update: the transfer did not stop; the library stays loaded\n");
    (void)worker_.release();
    (void)transfer_.release();
    (void)binding_.release();
    return;
  }
  worker_.reset();
  transfer_.reset();
  binding_.reset();  // Close_DevMonitor, Close_FeatureDevice, FreeLibrary
}

void CUpgradeWnd::PaintOver(HDC dc, const RECT&) {
  LOGFONTA font{};
  font.lfHeight = -kTextHeight;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(font.lfFaceName, "Arial", LF_FACESIZE);
  UniqueFont arial(CreateFontIndirectA(&font));
  const SelectGuard selected(dc, arial.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kTextColor);
  const std::string dfu = "DFU V" + dfuVersion_;
  // With a wider face standing in for Arial the text moves left rather than
  // run off the window.
  SIZE own{};
  GetTextExtentPoint32A(dc, kOwnVersion, lstrlenA(kOwnVersion), &own);
  const int ownX = std::min<int>(kOwnVersionAt.x, kOwnVersionRightEdge - own.cx);
  TextOutA(dc, ownX, kOwnVersionAt.y, kOwnVersion, lstrlenA(kOwnVersion));
  TextOutA(dc, kDfuVersionAt.x, kDfuVersionAt.y, dfu.c_str(), static_cast<int>(dfu.size()));
  const std::string name(FileNameOf(imagePath_));
  RECT nameRect = kImageNameRect;
  DrawTextA(dc, name.c_str(), static_cast<int>(name.size()), &nameRect,
            DT_LEFT | DT_WORDBREAK | DT_WORD_ELLIPSIS | DT_NOPREFIX);
}

}  // namespace brelfx
