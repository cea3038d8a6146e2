// What the window layouts of forms/ have in common: the place and size of a
// control in pixels of its parent's client area.
#pragma once

namespace Layout {

struct Place {
    int Left, Top, Width, Height;
};

}  // namespace Layout
