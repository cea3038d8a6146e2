// The pictures are C arrays of strings; the declarations above give them
// external linkage.
#include "forms/Glyphs.h"

#include "forms/glyphs/UpSpeedBtn.xpm"
#include "forms/glyphs/SpeedButton1.xpm"
#include "forms/glyphs/ViewSpeedBtn.xpm"
#include "forms/glyphs/ArrowSpeedBtn.xpm"
