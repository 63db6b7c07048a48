// Which display the program opens, chosen before the application starts. On a Wayland session
// it prefers XWayland, where the pet can place its own window and stay on top; when the X
// display cannot be opened it goes on over Wayland. When no display opens at all it says so on
// the standard error and ends with status 1, instead of Qt's abort.
#pragma once

namespace myu::ui {

// Before the application object: sets the platforms to try, in order (unless the owner has
// chosen one with QT_QPA_PLATFORM), and ends the program when there is no display to try.
void chooseDisplay();
// Right after the application object has been made: the display is open.
void displayOpened();

}  // namespace myu::ui
