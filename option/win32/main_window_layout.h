// The main window's controls by their layout strings (name, x, y, width,
// height, help text). The help texts are replaced by the help library's.
#pragma once

namespace brelfx::layout {

inline constexpr const char* kTabs[] = {
    "Main,4,75,122,38,Main settings for the selected device",
    "Zonix,127,75,149,38,Assign a function to each mouse button",
    "Media F,276,75,152,38,Color Setting",
    "Advanced,429,75,152,38,Advanced settings for the selected device",
    "Trovi,581,75,73,38,Check for the lastest driver update",
    "Update,654,75,140,38,Check for the lastest driver update",
};
inline constexpr const char kPagePosition[] = "Page position,12,124,774,312,";

inline constexpr const char kCreate[] =
    "Create,290,450,110,25,Create a new profile for the selected profile slot";
inline constexpr const char kLoad[] =
    "Load,430,450,110,25,Load a new profile for the selected profile slot";
inline constexpr const char kSave[] =
    "Save,560,450,110,25,Save the current setting of the selected profile slot";
inline constexpr const char kEdit[] =
    "Edit,685,450,110,25,Edit the profile settings of the selected profile slot";

inline constexpr const char* kSlots[] = {
    "Profile 1,8, 485,155,25,Click here to activate profile slot #1",
    "Profile 2,165, 485,155,25,Click here to activate profile slot #2",
    "Profile 3,322, 485,155,25,Click here to activate profile slot #3",
    "Profile 4,479, 485,156,25,Click here to activate profile slot #4",
    "Profile 5,637, 485,155,25,Click here to activate profile slot #5",
};
inline constexpr const char* kMarkers[] = {
    "windows profile,139, 514,22,22,", "windows profile,296, 514,22,22,",
    "windows profile,453, 514,22,22,", "windows profile,611, 514,22,22,",
    "windows profile,769, 514,22,22,",
};
inline constexpr const char* kSwatches[] = {
    "Profile 1 Color,8,514,23,23,",   "Profile 2 Color,167,514,23,23,",
    "Profile 3 Color,324,514,23,23,", "Profile 4 Color,481,514,23,23,",
    "Profile 5 Color,639,514,23,23,",
};
inline constexpr const char* kSlotNames[] = {
    "Profile 1 name,31,  514,101,21,Profile assigned to profile slot #1",
    "Profile 2 name,190,  514,101,21,Profile assigned to profile slot #2",
    "Profile 3 name,347,  514,101,21,Profile assigned to profile slot #3",
    "Profile 4 name,504,  514,101,21,Profile assigned to profile slot #4",
    "Profile 5 name,662, 514,101,21,Profile assigned to profile slot #5",
};

inline constexpr const char kLanguage[] = "button language,12, 570,32,17,Select language";
inline constexpr const char kMin[] = "Min,749, 4,22,22,Minimize the application";
inline constexpr const char kExit[] =
    "Exit,771, 4,22,22,Close the application without saving the changes to the device";
inline constexpr const char kOk[] =
    "OK,582,563,58,30,Save the setting on the device and close the application";
inline constexpr const char kApply[] = "Apply,640,563,72,30,Apply the setting to the device";
inline constexpr const char kCancel[] =
    "Cancel,712,563,80,30,Close the application without saving the changes to the device";

inline constexpr const char kHelpArea[] = "Help area,51,570,529,20,";
inline constexpr const char kPicture[] = "Picture area,7,34,171,45,";
// Where the version texts are painted (white, Arial 14/6).
inline constexpr int kProgramVersionX = 197, kFirmwareVersionX = 299, kVersionY = 12;

// The language list opens 289 pixels above the language button.
inline constexpr int kLanguageListRise = 289;
inline constexpr const char* kLanguageItems[] = {
    "L1,3,17,93,13,",   "L2,3,34,93,13,",   "L3,3,50,93,13,",   "L4,3,66,93,13,",
    "L5,3,82,93,13,",   "L6,3,98,93,13,",   "L7,3,114,93,13,",  "L8,3,130,93,13,",
    "L9,3,146,93,13,",  "L10,3,162,93,13,", "L11,3,178,93,13,", "L12,3,194,93,13,",
    "L13,3,210,93,13,", "L14,3,226,93,13,", "L15,3,242,93,13,", "L16,3,258,93,13,",
    "L17,3,274,93,13,",
};

// The question before a slot becomes the windows profile.
inline constexpr const char kConfirmOk[] = "BUTTON_OK,72,200,56,24,";
inline constexpr const char kConfirmCancel[] = "BUTTON_CANCEL,136,200,100,24,";
inline constexpr const char kConfirmExit[] = "BUTTON_EXIT,274,3,26,22,";

}  // namespace brelfx::layout
