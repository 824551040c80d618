#pragma once

#include <memory>

class QPrinter;

namespace sk2 {

// The printer the editor prints on, at high resolution. Where the system knows no printer it prints
// to a PDF file in the user's documents folder (the home folder when there is none), which the print
// dialog lets the user rename.
std::unique_ptr<QPrinter> CreateTrackPrinter();

} // namespace sk2
