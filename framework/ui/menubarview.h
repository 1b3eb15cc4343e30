#pragma once

namespace fw {

class MenuBar;
class Window;

// Builds the Qt menu bar of a window from a menu bar model. A chosen item goes to
// dispatchMenuItem with that window in front; before a menu opens, every item that
// has a handler is enabled (and the application's EnableMenuItems event runs).
// Edit items that nobody handles act on the focused text control, as the
// platform's standard editing commands.
void buildQtMenuBar(MenuBar &bar, Window &window);

// Recomputes which items of the window's menu bar are enabled, as before a menu opens.
void enableMenuItems(MenuBar &bar, Window &window);

} // namespace fw
