// Where the three key pages put their function buttons, which key index each
// button edits and which pieces of the page's keyboard picture light up
// while the mouse is on a button.
#pragma once

#include <span>

namespace brelfx {

enum class KeyPageKind { kMain, kZonix, kMedia };

struct KeyButton {
  const char* layout;   // the function button
  int keyIndex;         // its KeyAssignment in the profile
  const char* keyBox;   // the key on the page's keyboard picture
  const char* layerTab; // Main page: the row's layer tab beside the button
};

// In button position order (the position is also the menu tree's p).
std::span<const KeyButton> KeyButtons(KeyPageKind kind);

// Function buttons report hover index kKeyButtonHoverBase + position.
inline constexpr int kKeyButtonHoverBase = 200;

namespace key_page {
inline constexpr const char* kMacroManager = "Macro Manager,618,285,130,25,";
inline constexpr const char* kSelectPlayer = "Select_Player,17,276,169,18,";
// The ten Vexa key pictures of the Main page share this place.
inline constexpr const char* kVexaPicture = "Vexa key,417,254,174,53,";
// The layer tabs of the Main page's nine rows: standard and Vexa layer.
inline constexpr int kLayerTabCount = 18;
}  // namespace key_page

// Main page: which of the 18 layer tab pictures a button shows (its row,
// and 9 more for the Vexa layer); -1 for other pages.
int LayerTabPicture(KeyPageKind kind, int position);

}  // namespace brelfx
