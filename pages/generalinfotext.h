#pragma once

#include <cstdint>
#include <string>

namespace Ko {

// Threads: any thread.

// A pointing-model term given in arcminutes as text: whole degrees only from one degree up, then
// minutes to one decimal ("1°15.3′", "02.5′"). A negative term keeps its sign ("-00.1′") unless
// it rounds to zero, which reads "00.0′".
std::string formatArcminutes(double arcminutes);

// The faintest magnitude the lists and information pages give as a number. Beyond it nothing is
// seen in an amateur's telescope, and a comet's brightness law, fitted near its perihelion, gives
// values such as 36 far from the Sun that only look precise.
constexpr float kFaintestShownMagnitude = 20.0f;

// A visual magnitude to one decimal ("3.1", "0.0", "-1.5"), or "> 20" when fainter than
// kFaintestShownMagnitude.
std::string magnitudeText(float vmag);

// The edition and version numbers of the application, "Pro 2.1.12".
std::string appVersionText();

// A motor controller's version word as text: firmware major and minor version in decimal, then
// the board's model number as two hexadecimal digits, "3.39.A5". Only the low 24 bits are read.
std::string motorControllerVersionText(uint32_t version);

} // namespace Ko
