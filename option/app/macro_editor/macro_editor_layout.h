// Where the macro editor's two views place their controls (view client
// coordinates); the views' pictures (assets/skins/option_macro_list_editor
// and option_macro_timeline) draw them at the same places.
#pragma once

namespace brelfx::macro_editor {

// The list editor.
inline constexpr const char* kRecord = "BUTTON_Start_Record,263,57,133,23,";
inline constexpr const char* kDelaySwitch = "BUTTON_Delay_ON_OFF,262,97,150,23,";
inline constexpr const char* kLoopSwitch = "BUTTON_LoopTimes_ON_OFF,262,164,120,15,";
inline constexpr const char* kLoopField = "Edit_Times,284,184,30,15,";
inline constexpr const char* kEventList = "BUTTON_List_key_sequence,6,49,234,301,";

// The timeline view; the bars are drawn in the canvas under the title.
inline constexpr const char* kAddBar = "BUTTON_ADD,4,330,30,20,";
inline constexpr const char* kDeleteBar = "BUTTON_DELETE,34,330,30,20,";
inline constexpr const char* kZoomIn = "BUTTON_ZOOM_IN,457,1,22,20,";
inline constexpr const char* kZoomOut = "BUTTON_ZOOM_OUT,435,1,22,20,";
inline constexpr const char* kCanvas = "Canvas,4,24,482,302,";

}  // namespace brelfx::macro_editor
