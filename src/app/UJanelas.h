#pragma once
// The one place that wires the working windows to the entries of the main menu. An entry
// without a window here tells the user that its module is not available in this version.
// Called once at start-up, before the menu is shown.

void RegistrarJanelas();
