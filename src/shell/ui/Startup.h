#pragma once

class QApplication;

namespace Startup {

// Names the application, makes Enter press the focused button everywhere and makes the standard
// dialogs (message boxes, file and printer dialogs, the print preview) speak Italian. The display
// name is left unset: the desktop shows each window's caption exactly, without an appended
// program name.
void prepare(QApplication &app);

} // namespace Startup
