#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>
#include <string>

namespace Ko {

class IAstroCalc;

// A plain pair of angles in radians: (right ascension, declination), or (azimuth, altitude) where
// the caller says so. The frame is implied by where the pair is used.
// Threads: any thread (value types).
struct CoordPair {
    double a = 0;
    double b = 0;

    bool operator==(const CoordPair&) const = default;
};

// Keys of the labelled attribute texts of a sky object; the value is the index into the label
// table, which the information page shows beside each text.
struct AstroObjKey {
    enum E : int {
        Type = 0,
        OtherName = 1,
        Constellation = 2,
        BayerDesignation = 3,
        Separation = 4,
        PositionAngle = 5,
        MaxMagnitude = 6,
        MinMagnitude = 7,
        Period = 8,
        MessierNumber = 9,
        CaldwellNumber = 10,
        NgcNumber = 11,
        IcNumber = 12,
        Distance = 13,
        PerihelionDistance = 14,
        Eccentricity = 15,
    };
    static constexpr int Count = 16;

    // The untranslated label of a key (translation context "mount"); empty outside 0..Count-1.
    static const char* label(int key);
};

// One sky object as every catalog source hands it out. coordNow, the position of date, is what
// altitude tests, separations and GoTo targets use; coordJ2000 is the position as the source read
// it. kind is the tracking-rate code: 2 for the Sun, 1 for the Moon, 0 otherwise.
class AstroObj {
    Q_GADGET
    Q_PROPERTY(float vmag MEMBER vmag CONSTANT)
    Q_PROPERTY(QString name READ qmlName CONSTANT)
    Q_PROPERTY(QList<QStringList> kvList READ kvList CONSTANT)
public:
    CoordPair coordNow;
    float vmag = 0;
    std::string name;
    uint32_t kind = 0;
    CoordPair coordJ2000;
    // Ascending key order.
    std::map<int, std::string> attributes;

    // The text of key, or an empty text when the key is absent; never inserts it.
    const std::string& get(int key) const;
    void set(int key, const std::string& text);
    void set(int key, std::string&& text);

    QString qmlName() const { return QString::fromUtf8(name.data(), qsizetype(name.size())); }
    // One (translated label, text) pair per attribute, in ascending key order.
    QList<QStringList> kvList() const;
};

// A J2000 position carried to the frame of date now, without proper motion; throws
// std::logic_error "Read null Nullable" when the chain yields no position of date.
CoordPair positionOfDate(const IAstroCalc& astroCalc, const CoordPair& j2000);

} // namespace Ko

Q_DECLARE_METATYPE(Ko::AstroObj)
