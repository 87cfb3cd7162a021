// The key repeat dialog's controls (layout strings).
#pragma once

namespace brelfx::key_repeat_dialog {

constexpr const char kOk[] = "BUTTON_OK,150,240,58,26,";
constexpr const char kCancel[] = "BUTTON_CANCEL,214,240,100,26,";
constexpr const char kExit[] = "BUTTON_EXIT,428,3,28,24,";
constexpr const char kDelay[] = "Repeat Delay,155,79,202,25,";
constexpr const char kRate[] = "Repeat Rate,155,128,202,25,";
constexpr const char kTestField[] = "EDIT_Test_Repeat,61,180,337,16,";
constexpr int kTestFieldId = 4010;
constexpr int kTestFieldLimit = 300;

}  // namespace brelfx::key_repeat_dialog
