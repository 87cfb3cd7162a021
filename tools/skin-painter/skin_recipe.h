// A skin recipe describes pictures as text, one line each; `#` starts a
// comment. The window:
//
//   size 560 420          the picture size
//   chamfer 18            corners cut by this many pixels (the window shape)
//   header 36             height of the title strip
//
// Text styles, named for the element lines below (all keys optional):
//
//   font title size=15 weight=bold color=#E6EBF0 align=left wrap=no
//
//   size 6-96 pixels per em; weight regular|bold; color #RRGGBB;
//   align left|center|right; wrap yes|no (flow onto more lines at blanks).
//   The style `default` exists from the start: 12 px, regular, the glyph
//   grey, centred, one line.
//
// Elements: a kind, options (key=value), the layout string of the control or
// area, and for the lettered kinds its wording in double quotes ("\n" breaks
// the line). Element rectangles are the controls' own layout strings, so the
// artwork sits exactly where the program places the control.
//
//   button style=caption BUTTON_OK,72,120,56,24, "OK"
//   label style=body Question,24,56,312,40, "Delete the selected timer?"
//
// Kinds, and how they look in the normal / hover / pressed / extra pictures:
//   panel, picker                   framed areas, the same in every picture
//   label "TEXT"                    lettering, the same in every picture
//   button, dropdown ["TEXT"]       metal plates; the caption lights up
//   close, toggle, swatch, edit, track, spin  the toolkit's controls; a toggle
//                                   may carry its wording, a swatch a colour
//                                   (swatch color=#RRGGBB): then pressed is
//                                   the checked swatch of a palette
//   minimize                        the window's minimise button: a plate, a bar
//   well                            a sunken area a page or text is laid into
//   marker [on=yes]                 a square well with a desktop screen, lit
//                                   when on: which slot the desktop uses
//   tab "TEXT"                      page tab: pressed is the selected tab
//   blocked ["TEXT"]                the second key-button skin: a key the
//                                   keyboard has blocked (code 223); a page
//                                   paints it in a second recipe of its size
//                                   at the key buttons' layout strings
//   list rows=N                     list rows N pixels high: plain / hover /
//                                   selected / disabled row backgrounds
//   progress                        frame and empty well; pressed is full
//   row indent=N ["TEXT"]           an entry of a popup list: nothing / tinted /
//                                   selected / nothing
//   flag lang=NAME                  a language's flag (names: kLanguages);
//                                   without lang= the flag set's language
//   trophy emblem=cup|medal|star|shield|crown|lock tier=1-4
//                                   a trophy on its pedestal: bronze, silver,
//                                   gold, platinum; lock: the locked trophy
//   pulse, shine                    animated: a ring that breathes, a light
//                                   band that sweeps (see `animation`)
//   pips, sparks                    a level banner's ornaments, animated: a
//                                   row of 16 marks, `level` of them lit;
//                                   `level` glints that twinkle
//
// Level animations (the painter's gif command with a LEVEL): "{level}" in a
// wording becomes the level, and any element may carry from=N to appear
// only from level N on.
//
// Picture sets and animations:
//   picture                         starts the next picture of a picture set;
//                                   the lines before the first are common
//   animation frames=12 delay=8 hold=60   frames, hundredths of a second per
//                                   frame, and for the last frame
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "option/skin/layout_string.h"
#include "tools/skin-painter/canvas.h"
#include "tools/skin-painter/text/text_style.h"
#include "tools/skin-painter/trophy_art.h"

namespace brelfx::painter {

enum class ElementKind {
  kPanel,
  kButton,
  kDropdown,
  kToggle,
  kSwatch,
  kEdit,
  kTrack,
  kSpin,
  kClose,
  kPicker,
  kLabel,
  kTab,
  kBlocked,
  kList,
  kProgress,
  kRow,
  kFlag,
  kPulse,
  kShine,
  kPips,
  kSparks,
  kMinimize,
  kMarker,
  kTrophy
};

struct Element {
  ElementKind kind = ElementKind::kPanel;
  std::string name;  // the layout string's name
  SkinRect rect;
  std::string text;  // UTF-8 wording; empty for unlettered elements
  TextStyle style;
  int rowHeight = 0;          // list
  int indent = 0;             // row: pixels kept free left of the wording
  int language = -1;          // flag: QuickHelpLan index, -1 for the flag set's own
  bool on = false;            // marker: lit
  std::optional<Color> fill;  // swatch: the colour it shows (a palette entry)
  Emblem emblem = Emblem::kCup;  // trophy
  int tier = 3;                  // trophy: 1 bronze to 4 platinum
  int fromLevel = 0;          // level animations: painted from this level on
};

struct Animation {
  int frames = 0;  // 0: a still picture
  int delay = 10;  // hundredths of a second
  int hold = 0;    // for the last frame; 0: the same as delay
};

struct SkinRecipe {
  int width = 0;
  int height = 0;
  int chamfer = 0;
  int header = 0;
  std::vector<Element> elements;               // in every picture
  std::vector<std::vector<Element>> pictures;  // picture set: one list per picture
  Animation animation;
};

// Parses a recipe; on a bad line returns false with a message naming it.
bool ParseSkinRecipe(std::string_view text, SkinRecipe& recipe, std::string& error);

}  // namespace brelfx::painter
