#pragma once

namespace Ko {

// The visual magnitude of a minor planet in the H, G system.
// Threads: any thread.
class AAMinorPlanetBrightness {
public:
    // Absolute magnitude H, slope parameter G, distances r from the Sun and Delta from the
    // Earth (AU) and the phase angle Beta (degrees).
    static double Calculate(double H, double r, double G, double Delta, double Beta);
};

} // namespace Ko
