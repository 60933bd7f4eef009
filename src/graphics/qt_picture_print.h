#pragma once
// File "Print": the printout dialog, then the picture shown replayed onto the system printer
// with the printer mapping of the graphics engine. Without a printer the page goes into a
// PDF file the user names.

#include <string>

class QPrinter;
class QWidget;

namespace zel3 {

class Program;

// True when a printer is set up on this system.
bool PrinterAvailable();

// Replays the display list onto a printer whose output and orientation the caller has set,
// with the engine's print parameters; fit prints the whole picture. False when the printer
// could not be started.
bool PrintPictureOn(Program& program, QPrinter& printer, bool fit);

// The command: the printout dialog over owner, then the printout on the printer chosen there
// (the default printer), or into a PDF file the user names when there is no printer.
// Cancelling either dialog sets the error flag.
void PrintShownPicture(Program& program, QWidget* owner);

// A PDF name as typed: ".pdf" is added when the name has no extension.
std::string PdfFileName(const std::string& typed);

}  // namespace zel3
