#pragma once

namespace Ko {

// A pair of angles (right ascension in hours or a longitude in degrees first, then a declination
// or latitude in degrees) or of plane coordinates, as each routine states.
struct AA2DCoordinate {
    double X = 0;
    double Y = 0;
};

// A rectangular vector; the routine that returns it names its origin, frame and unit.
// Threads: any thread.
struct AA3DCoordinate {
    double X = 0;
    double Y = 0;
    double Z = 0;
};

} // namespace Ko
