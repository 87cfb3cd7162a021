// The option application's pictures against the layout strings its windows
// place their controls with: each control must find its own artwork at its
// rectangle, inside the window's shape, and the places the window code writes
// on must be left free.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "option/app/advanced_page/advanced_page_layout.h"
#include "option/app/advanced_page/key_repeat_layout.h"
#include "option/app/key_pages/key_page_layout.h"
#include "option/app/macro_editor/macro_editor_layout.h"
#include "option/app/slot_colors.h"
#include "option/app/trovi_page/trovi_page_layout.h"
#include "option/app/update_page_layout.h"
#include "option/skin/layout_string.h"
#include "tools/skin-painter/skin_recipe.h"

namespace brelfx {
namespace {

using painter::Element;
using painter::ElementKind;
using painter::SkinRecipe;

SkinRecipe LoadRecipe(const std::string& file) {
  std::ifstream in(std::string(BRELFX_SKINS_DIR) + "/" + file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  SkinRecipe recipe;
  std::string error;
  EXPECT_TRUE(in && painter::ParseSkinRecipe(text.str(), recipe, error)) << file << ": " << error;
  return recipe;
}

bool Overlap(const SkinRect& a, const SkinRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool InsideShape(const SkinRecipe& r, const SkinRect& rect) {
  const painter::Box window{0, 0, r.width, r.height};
  for (int x : {rect.left, rect.right - 1})
    for (int y : {rect.top, rect.bottom - 1})
      if (!painter::InChamfered(window, r.chamfer, x, y)) return false;
  return true;
}

struct Window {
  const char* recipe;
  int width, height;
  std::vector<const char*> layout;  // as the window's code writes them
};

// The Advanced page's shown controls; the hidden ones have no artwork.
std::vector<const char*> AdvancedPageControls() {
  using namespace advanced_page;
  std::vector<const char*> layout = {kSoundVolume, kDimmer,          kTimeOut,  kReset,
                                     kBrightness,  kCustomColorChip, kSpectrum, kKeyRepeat};
  for (const char* s : kSwitches)
    if (ParseLayoutString(s).rect.Width() > 0) layout.push_back(s);
  for (const auto* list : {&kColorModes[0], &kCustomColorSpins[0]})
    layout.insert(layout.end(), list, list + 3);
  layout.insert(layout.end(), kPaletteSwatches.begin(), kPaletteSwatches.end());
  return layout;
}

const Window kWindows[] = {
    {"option_main.skin",
     800,
     600,
     {"Main,4,75,122,38,Main settings for the selected device",
      "Zonix,127,75,149,38,Assign a function to each mouse button",
      "Media F,276,75,152,38,Color Setting",
      "Advanced,429,75,152,38,Advanced settings for the selected device",
      "Trovi,581,75,73,38,Check for the lastest driver update",
      "Update,654,75,140,38,Check for the lastest driver update",
      "Create,290,450,110,25,Create a new profile for the selected profile slot",
      "Load,430,450,110,25,Load a new profile for the selected profile slot",
      "Save,560,450,110,25,Save the current setting of the selected profile slot",
      "Edit,685,450,110,25,Edit the profile settings of the selected profile slot",
      "Profile 1,8, 485,155,25,Click here to activate profile slot #1",
      "Profile 2,165, 485,155,25,Click here to activate profile slot #2",
      "Profile 3,322, 485,155,25,Click here to activate profile slot #3",
      "Profile 4,479, 485,156,25,Click here to activate profile slot #4",
      "Profile 5,637, 485,155,25,Click here to activate profile slot #5",
      "windows profile,139, 514,22,22,",
      "windows profile,296, 514,22,22,",
      "windows profile,453, 514,22,22,",
      "windows profile,611, 514,22,22,",
      "windows profile,769, 514,22,22,",
      "Profile 1 Color,8,514,23,23,",
      "Profile 2 Color,167,514,23,23,",
      "Profile 3 Color,324,514,23,23,",
      "Profile 4 Color,481,514,23,23,",
      "Profile 5 Color,639,514,23,23,",
      "Profile 1 name,31,  514,101,21,Profile assigned to profile slot #1",
      "Profile 2 name,190, 514,101,21,Profile assigned to profile slot #2",
      "Profile 3 name,347, 514,101,21,Profile assigned to profile slot #3",
      "Profile 4 name,504, 514,101,21,Profile assigned to profile slot #4",
      "Profile 5 name,662, 514,101,21,Profile assigned to profile slot #5",
      "button language,12, 570,32,17,Select language",
      "Min,749, 4,22,22,Minimize the application",
      "Exit,771, 4,22,22,Close the application without saving the changes to the device",
      "OK,582,563,58,30,Save the setting on the device and close the application",
      "Apply,640,563,72,30,Apply the setting to the device",
      "Cancel,712,563,80,30,Close the application without saving the changes to the device",
      "Page position,12,124,774,312,"}},
    {"option_confirm_windows_profile.skin",
     310,
     240,
     {"BUTTON_OK,72,200,56,24,", "BUTTON_CANCEL,136,200,100,24,", "BUTTON_EXIT,274,3,26,22,"}},
    {"option_profile_edit.skin",
     525,
     356,
     {"EDIT_PROFILE_NAME,120,78,182,15,", "EDIT_PATH_TOEXECUTEABLE,35,137,265,15,",
      "EDIT_PATH_TOEXECUTEABLE,35,157,265,15,", "EDIT_PATH_TOEXECUTEABLE,35,177,265,15,",
      "BUTTON_BROWER,304,136,23,17,", "BUTTON_BROWER,304,156,23,17,",
      "BUTTON_BROWER,304,176,23,17,", "BUTTON_OK,14,310,60,26,", "BUTTON_CANCEL,78,310,100,26,",
      "BUTTON_Exit,494,3,22,22,"}},
    {"option_create_timer.skin",
     525,
     356,
     {"EDIT_PROFILE_NAME,116,90,182,15,", "EDIT_SPIN,115,163,45,19,", "BUTTON_OK,14,310,60,26,",
      "BUTTON_CANCEL,78,310,100,26,", "BUTTON_Exit,494,3,22,22,"}},
    {"option_timer_editor.skin",
     525,
     356,
     {"LIST_TIMER,115,86,186,20,", "EDIT_PROFILE_NAME,116,140,182,15,", "EDIT_SPIN,115,193,45,19,",
      "BUTTON_SAVE,226,190,114,24,", "BUTTON_DELETE,350,190,124,24,", "BUTTON_OK,14,310,60,26,",
      "BUTTON_CANCEL,78,310,100,26,", "BUTTON_Exit,494,3,22,22,"}},
    {"option_delete_timer.skin",
     305,
     206,
     {"OK,72,160,55,28,", "BUTTON_CANCEL,136,160,100,28,", "BUTTON_EXIT,275,3,22,22,"}},
    {"option_shortcut.skin",
     460,
     206,
     {"EDIT_MACRO_SET_NAME,295,102,77,18,", "None,20,102,55,18,", "Shift,80,102,50,18,",
      "Ctrl,134,102,46,18,", "Win,183,102,46,18,", "Alt,234,102,36,18,", "BUTTON_OK,14,162,60,30,",
      "BUTTON_CANCEL,78,162,100,30,", "BUTTON_EXIT,430,4,25,22,"}},
    {"option_quick_launch.skin",
     305,
     245,
     {"Gaming path to executeable,27,88,227,15,", "browser1,256,86,24,20,",
      "BUTTON_OK,72,200,56,24,", "BUTTON_CANCEL,136,200,100,24,", "BUTTON_EXIT,274,3,26,22,"}},
    {"language_list.skin",
     100,
     289,
     {"L1,3,17,93,13,", "L2,3,34,93,13,", "L3,3,50,93,13,", "L4,3,66,93,13,", "L5,3,82,93,13,",
      "L6,3,98,93,13,", "L7,3,114,93,13,", "L8,3,130,93,13,", "L9,3,146,93,13,", "L10,3,162,93,13,",
      "L11,3,178,93,13,", "L12,3,194,93,13,", "L13,3,210,93,13,", "L14,3,226,93,13,",
      "L15,3,242,93,13,", "L16,3,258,93,13,", "L17,3,274,93,13,"}},
    {"option_update_page.skin",
     774,
     312,
     {update_page::kProgramVersion, update_page::kFirmwareVersion}},
    {"option_advanced_page.skin", 774, 312, AdvancedPageControls()},
    {"option_key_repeat.skin",
     460,
     280,
     {key_repeat_dialog::kOk, key_repeat_dialog::kCancel, key_repeat_dialog::kExit,
      key_repeat_dialog::kDelay, key_repeat_dialog::kRate, key_repeat_dialog::kTestField}},
    {"option_confirm_reset.skin",
     310,
     240,
     {"BUTTON_OK,72,200,56,24,", "BUTTON_CANCEL,136,200,100,24,", "BUTTON_EXIT,274,3,26,22,"}},
    {"option_trovi_page.skin",
     774,
     312,
     {trovi_page::kPreviousMode, trovi_page::kNextMode, trovi_page::kPreviousTrophy,
      trovi_page::kNextTrophy, trovi_page::kShare, trovi_page::kReset, trovi_page::kLevelBanner,
      trovi_page::kLevelStrip, trovi_page::kListScroll, trovi_page::kTrophyPicture,
      trovi_page::kTrophyText}},
    {"option_confirm_counter_reset.skin",
     310,
     240,
     {"BUTTON_OK,72,200,56,24,", "BUTTON_CANCEL,136,200,100,24,", "BUTTON_EXIT,274,3,26,22,"}},
    {"option_share_refused.skin", 310, 240, {trovi_page::kNoticeOk, "BUTTON_EXIT,274,3,26,22,"}},
    {"option_share_failed.skin", 310, 240, {trovi_page::kNoticeOk, "BUTTON_EXIT,274,3,26,22,"}},
    {"option_macro_list_editor.skin",
     490,
     365,
     {macro_editor::kRecord, macro_editor::kDelaySwitch, macro_editor::kLoopSwitch,
      macro_editor::kLoopField, macro_editor::kEventList}},
    {"option_macro_timeline.skin",
     490,
     365,
     {macro_editor::kAddBar, macro_editor::kDeleteBar, macro_editor::kZoomIn,
      macro_editor::kZoomOut}},
    // Pictures of their own, the size of the control they show.
    {"option_trophy_pictures.skin", 171, 197, {}},
    {"option_trophy_texts.skin", 253, 151, {}},
    {"option_statistics_titles.skin", 173, 39, {}},
    {"option_statistics_list.skin", trovi_page::kListWidth, trovi_page::kListHeight, {}},
    {"option_marker_on.skin", 22, 22, {"windows profile,0,0,22,22,"}},
    {"option_macro_recording.skin", 133, 23, {"BUTTON_Start_Record,0,0,133,23,"}},
    {"option_help_area.skin", 529, 20, {}},
    {"option_picture_area.skin", 171, 45, {}},
};

TEST(OptionArt, EveryControlFindsItsArtworkAtItsLayoutStringInsideTheShape) {
  for (const Window& w : kWindows) {
    SCOPED_TRACE(w.recipe);
    const SkinRecipe recipe = LoadRecipe(w.recipe);
    EXPECT_EQ(recipe.width, w.width);
    EXPECT_EQ(recipe.height, w.height);
    for (const char* text : w.layout) {
      const LayoutItem item = ParseLayoutString(text);
      bool found = false;
      for (const Element& e : recipe.elements) found |= e.name == item.name && e.rect == item.rect;
      EXPECT_TRUE(found) << "no artwork at \"" << text << "\"";
      EXPECT_TRUE(InsideShape(recipe, item.rect)) << "\"" << text << "\" is cut by the shape";
    }
  }
}

// The palette swatches show the colours the page stores for them.
TEST(OptionArt, PaletteSwatchesArePaintedInTheKeyboardsColours) {
  const SkinRecipe page = LoadRecipe("option_advanced_page.skin");
  for (std::size_t i = 0; i < kLightingPalette.size(); ++i) {
    const LayoutItem swatch = ParseLayoutString(advanced_page::kPaletteSwatches[i]);
    const ColorRef entry = kLightingPalette[i];
    // The painter's colours are 0xRRGGBB, COLORREF is 0xBBGGRR.
    const painter::Color expected = ((entry & 0xFF) << 16) | (entry & 0xFF00) | (entry >> 16);
    int painted = 0;
    for (const Element& e : page.elements) {
      if (e.name != swatch.name || e.rect != swatch.rect) continue;
      ++painted;
      EXPECT_EQ(e.fill, expected) << swatch.name;
    }
    EXPECT_EQ(painted, 1) << swatch.name;
  }
}

// Seen from the window code: two pictures that stand in for part of the main
// window must match it there, and what the code writes needs free room.
TEST(OptionArt, PlacesTheWindowCodeWritesOnAreLeftFree) {
  const SkinRecipe main = LoadRecipe("option_main.skin");
  // Version texts at (197,12) and (299,12) in Arial 14: room for "1.08", "N/A".
  for (const SkinRect spot : {SkinRect{197, 12, 237, 26}, SkinRect{299, 12, 339, 26}})
    for (const Element& e : main.elements)
      EXPECT_FALSE(Overlap(e.rect, spot)) << e.name << " covers a version text";

  const SkinRecipe page = LoadRecipe("option_update_page.skin");
  for (const char* link : {update_page::kDriverLink, update_page::kHelpLink})
    for (const Element& e : page.elements)
      EXPECT_TRUE(e.kind == ElementKind::kPanel || !Overlap(e.rect, ParseLayoutString(link).rect))
          << e.name << " covers " << link;

  // The help picture shows the main window's help well: both wells lie two
  // pixels inside the help window's rectangle 51,570-580,590.
  const SkinRect help{51, 570, 580, 590};
  const auto well = [](const SkinRecipe& r) {
    for (const Element& e : r.elements)
      if (e.name == "Help area") return e.rect;
    return SkinRect{};
  };
  EXPECT_EQ(well(main), (SkinRect{help.left + 2, help.top + 2, help.right - 2, help.bottom - 2}));
  EXPECT_EQ(well(LoadRecipe("option_help_area.skin")),
            (SkinRect{2, 2, help.Width() - 2, help.Height() - 2}));
}

// The key pages place their buttons and light their keys from the tables in
// option/app/key_pages: each must find its artwork in the page's picture.
TEST(OptionArt, KeyPagesHaveArtworkAtEveryButtonAndKey) {
  const std::pair<KeyPageKind, const char*> pages[] = {{KeyPageKind::kMain, "option_key_main.skin"},
                                                       {KeyPageKind::kZonix, "option_key_zonix.skin"},
                                                       {KeyPageKind::kMedia, "option_key_media.skin"}};
  for (const auto& [kind, file] : pages) {
    SCOPED_TRACE(file);
    const SkinRecipe recipe = LoadRecipe(file);
    EXPECT_EQ(recipe.width, 774);
    EXPECT_EQ(recipe.height, 312);
    std::vector<const char*> layout{key_page::kMacroManager};
    for (const KeyButton& button : KeyButtons(kind)) {
      layout.push_back(button.layout);
      layout.push_back(button.keyBox);
    }
    if (kind == KeyPageKind::kMedia) layout.push_back(key_page::kSelectPlayer);
    if (kind == KeyPageKind::kMain) layout.push_back(key_page::kVexaPicture);
    for (const char* text : layout) {
      const LayoutItem item = ParseLayoutString(text);
      bool found = false;
      for (const Element& e : recipe.elements) found |= e.name == item.name && e.rect == item.rect;
      EXPECT_TRUE(found) << "no artwork at \"" << text << "\"";
    }
  }
}

}  // namespace
}  // namespace brelfx
