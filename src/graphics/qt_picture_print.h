#pragma once
// File "Print": the picture shown, replayed onto the system printer with the printer mapping
// of the graphics engine. Without a printer the page goes into a PDF file the user names.

#include <string>

class QPrinter;

namespace zel3 {

class Program;

// True when a printer is set up on this system.
bool PrinterAvailable();

// Replays the display list onto a printer whose output the caller has set; false when the
// printer could not be started.
bool PrintPictureOn(Program& program, QPrinter& printer);

// The command: prints on the default printer, or asks for a PDF file name when there is
// none. Cancelling the file dialog sets the error flag.
void PrintShownPicture(Program& program);

// A PDF name as typed: ".pdf" is added when the name has no extension.
std::string PdfFileName(const std::string& typed);

}  // namespace zel3
