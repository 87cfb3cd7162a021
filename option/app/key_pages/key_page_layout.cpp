#include "option/app/key_pages/key_page_layout.h"

namespace brelfx {
namespace {

// Rows of the Main page: Caps Lock, M1-M5, T1-T3, each on both layers.
constexpr KeyButton kMain[] = {
    {"CapsLk,17,59,140,18,", 56, "CapsLk Key,500,152,50,25,", "CapsLk Std,157,58,69,21,"},
    {"ECapsLk,226,59,140,18,", 57, "CapsLk Key,500,152,50,25,", "CapsLk VX,157,58,69,21,"},
    {"M1,17,102,140,18,", 0, "M1 Key,456,96,25,25,", "M1 Std,157,101,69,21,"},
    {"M2,17,124,140,18,", 1, "M2 Key,456,124,25,25,", "M2 Std,157,123,69,21,"},
    {"M3,17,146,140,18,", 2, "M3 Key,456,152,25,25,", "M3 Std,157,145,69,21,"},
    {"M4,17,168,140,18,", 3, "M4 Key,456,180,25,25,", "M4 Std,157,167,69,21,"},
    {"M5,17,190,140,18,", 4, "M5 Key,456,208,25,25,", "M5 Std,157,189,69,21,"},
    {"EM1,226,102,140,18,", 5, "M1 Key,456,96,25,25,", "M1 VX,157,101,69,21,"},
    {"EM2,226,124,140,18,", 6, "M2 Key,456,124,25,25,", "M2 VX,157,123,69,21,"},
    {"EM3,226,146,140,18,", 7, "M3 Key,456,152,25,25,", "M3 VX,157,145,69,21,"},
    {"EM4,226,168,140,18,", 8, "M4 Key,456,180,25,25,", "M4 VX,157,167,69,21,"},
    {"EM5,226,190,140,18,", 9, "M5 Key,456,208,25,25,", "M5 VX,157,189,69,21,"},
    {"T1,17,233,140,18,", 30, "T1 Key,600,215,40,25,", "T1 Std,157,232,69,21,"},
    {"T2,17,255,140,18,", 31, "T2 Key,644,215,40,25,", "T2 Std,157,254,69,21,"},
    {"T3,17,277,140,18,", 32, "T3 Key,688,215,40,25,", "T3 Std,157,276,69,21,"},
    {"ET1,226,233,140,18,", 33, "T1 Key,600,215,40,25,", "T1 VX,157,232,69,21,"},
    {"ET2,226,255,140,18,", 34, "T2 Key,644,215,40,25,", "T2 VX,157,254,69,21,"},
    {"ET3,226,277,140,18,", 35, "T3 Key,688,215,40,25,", "T3 VX,157,276,69,21,"},
};

// Left column 1-5, Q-T; right column A-G, Z-B; the keyboard picture in four
// staggered rows like the keys themselves.
constexpr KeyButton kZonix[] = {
    {"1, 44,66,140,18,", 10, "1 Key,430,50,36,32,", nullptr},
    {"2, 44,87,140,18,", 11, "2 Key,470,50,36,32,", nullptr},
    {"3, 44,108,140,18,", 12, "3 Key,510,50,36,32,", nullptr},
    {"4, 44,129,140,18,", 13, "4 Key,550,50,36,32,", nullptr},
    {"5, 44,150,140,18,", 14, "5 Key,590,50,36,32,", nullptr},
    {"Q, 44,171,140,18,", 15, "Q Key,442,90,36,32,", nullptr},
    {"W, 44,192,140,18,", 16, "W Key,482,90,36,32,", nullptr},
    {"E, 44,213,140,18,", 17, "E Key,522,90,36,32,", nullptr},
    {"R, 44,234,140,18,", 18, "R Key,562,90,36,32,", nullptr},
    {"T, 44,255,140,18,", 19, "T Key,602,90,36,32,", nullptr},
    {"A, 226,66,140,18,", 20, "A Key,454,130,36,32,", nullptr},
    {"S, 226,87,140,18,", 21, "S Key,494,130,36,32,", nullptr},
    {"D, 226,108,140,18,", 22, "D Key,534,130,36,32,", nullptr},
    {"F, 226,129,140,18,", 23, "F Key,574,130,36,32,", nullptr},
    {"G, 226,150,140,18,", 24, "G Key,614,130,36,32,", nullptr},
    {"Z, 226,171,140,18,", 25, "Z Key,466,170,36,32,", nullptr},
    {"X, 226,192,140,18,", 26, "X Key,506,170,36,32,", nullptr},
    {"C, 226,213,140,18,", 27, "C Key,546,170,36,32,", nullptr},
    {"V, 226,234,140,18,", 28, "V Key,586,170,36,32,", nullptr},
    {"B, 226,255,140,18,", 29, "B Key,626,170,36,32,", nullptr},
};

// F1-F12 first, then the eight media keys.
constexpr KeyButton kMedia[] = {
    {"F1, 226,45,140,18,", 36, "F1 Key,400,60,27,24,", nullptr},
    {"F2, 226,66,140,18,", 37, "F2 Key,430,60,27,24,", nullptr},
    {"F3, 226,87,140,18,", 38, "F3 Key,460,60,27,24,", nullptr},
    {"F4, 226,108,140,18,", 39, "F4 Key,490,60,27,24,", nullptr},
    {"F5, 226,129,140,18,", 40, "F5 Key,527,60,27,24,", nullptr},
    {"F6, 226,150,140,18,", 41, "F6 Key,557,60,27,24,", nullptr},
    {"F7, 226,171,140,18,", 42, "F7 Key,587,60,27,24,", nullptr},
    {"F8, 226,192,140,18,", 43, "F8 Key,617,60,27,24,", nullptr},
    {"F9, 226,213,140,18,", 44, "F9 Key,654,60,27,24,", nullptr},
    {"F10, 226,234,140,18,", 45, "F10 Key,684,60,27,24,", nullptr},
    {"F11, 226,255,140,18,", 46, "F11 Key,714,60,27,24,", nullptr},
    {"F12, 226,276,140,18,", 47, "F12 Key,744,60,27,24,", nullptr},
    {"MM1, 46,45,140,18,", 48, "MM1 Key,430,130,36,26,", nullptr},
    {"MM2, 46,66,140,18,", 49, "MM2 Key,470,130,36,26,", nullptr},
    {"MM3, 46,87,140,18,", 50, "MM3 Key,510,130,36,26,", nullptr},
    {"MM4, 46,108,140,18,", 51, "MM4 Key,550,130,36,26,", nullptr},
    {"MM5, 46,129,140,18,", 52, "MM5 Key,590,130,36,26,", nullptr},
    {"MM6, 46,150,140,18,", 53, "MM6 Key,630,130,36,26,", nullptr},
    {"MM7, 46,171,140,18,", 54, "MM7 Key,670,130,36,26,", nullptr},
    {"MM8, 46,192,140,18,", 55, "MM8 Key,710,130,36,26,", nullptr},
};

}  // namespace

std::span<const KeyButton> KeyButtons(KeyPageKind kind) {
  switch (kind) {
    case KeyPageKind::kMain: return kMain;
    case KeyPageKind::kZonix: return kZonix;
    case KeyPageKind::kMedia: return kMedia;
  }
  return {};
}

int LayerTabPicture(KeyPageKind kind, int position) {
  if (kind != KeyPageKind::kMain || position < 0 || position >= 18) return -1;
  // Positions: 0 CapsLk, 1 ECapsLk, 2-6 M, 7-11 EM, 12-14 T, 15-17 ET.
  constexpr int kRowOf[] = {0, 0, 1, 2, 3, 4, 5, 1, 2, 3, 4, 5, 6, 7, 8, 6, 7, 8};
  constexpr bool kVexa[] = {false, true, false, false, false, false, false, true, true,
                            true,  true, true,  false, false, false, true,  true,  true};
  return kRowOf[position] + (kVexa[position] ? 9 : 0);
}

}  // namespace brelfx
