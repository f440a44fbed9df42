#pragma once

#include <cstdint>
#include <string>

namespace Ko {

// Threads: any thread.

// A pointing-model term given in arcminutes as text: whole degrees only from one degree up, then
// minutes to one decimal ("1°15.3′", "02.5′"). The sign is that of the unrounded value, so a
// small negative term reads "-00.0′".
std::string formatArcminutes(double arcminutes);

// The edition and version numbers of the application, "Pro 2.1.12".
std::string appVersionText();

// A motor controller's version word as text: firmware major and minor version in decimal, then
// the board's model number as two hexadecimal digits, "3.39.A5". Only the low 24 bits are read.
std::string motorControllerVersionText(uint32_t version);

} // namespace Ko
