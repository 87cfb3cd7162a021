// CMonitorWnd: the monitor's hidden popup window. Other programs find it by
// its title; it owns the monitor and turns its messages into calls on it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "platform/win32/window.h"

namespace brelfx {

class MonitorProgram;

// The six messages registered by name at program load.
struct TalkMessages {
  UINT activeStatusFromTalk = 0;
  UINT activeStatusToTalk = 0;
  UINT monitorStatusChange = 0;
  UINT ambientLightFromTalk = 0;
  UINT deviceStatusToTalkMonitor = 0;
  UINT talk = 0;  // "WM_TALK_MSG"
};
TalkMessages RegisterTalkMessages();

class CMonitorWnd final : public Window {
 public:
  CMonitorWnd(std::string programPath, bool openOption, const TalkMessages& talkMessages);
  ~CMonitorWnd() override;

  // Creates the hidden window; false when its creation was refused.
  bool Create();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT OnCreate();
  LRESULT OnDestroy();
  LRESULT OnTimer(UINT_PTR id);
  LRESULT OnRegisteredMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnCopyData(WPARAM wParam, const COPYDATASTRUCT* data);
  LRESULT OnCommand(UINT id);
  LRESULT OnTrayNotify(UINT mouseMessage);
  void ShowTrayMenu();

  std::string programPath_;
  bool openOption_;
  TalkMessages talkMessages_;
  std::unique_ptr<MonitorProgram> program_;
};

}  // namespace brelfx
