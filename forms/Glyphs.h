// The glyphs of the file selection dialog's speed buttons, kept as XPM
// pictures in forms/glyphs/ (edit them there). Each is a 256-colour picture
// whose bottom-left pixel colour is drawn transparent; see gui/Glyph.h.
// Any XPM editor opens them; to look at one enlarged:
//   convert forms/glyphs/UpSpeedBtn.xpm -filter point -scale 800% /tmp/up.png
#pragma once

extern const char* const UpSpeedBtnGlyph[];     // 15 x 14: folder, arrow up
extern const char* const SpeedButton1Glyph[];   // 16 x 16: folder with a sparkle
extern const char* const ViewSpeedBtnGlyph[];   // 16 x 16: window with icon rows
extern const char* const ArrowSpeedBtnGlyph[];  // 7 x 5: triangle pointing down
