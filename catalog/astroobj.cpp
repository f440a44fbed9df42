#include "catalog/astroobj.h"

#include "astro/iastrocalc.h"

#include <QCoreApplication>

#include <array>

namespace Ko {

namespace {

// The label texts are translation sources of the context "mount".
constexpr std::array<const char*, AstroObjKey::Count> kLabels = {
    QT_TRANSLATE_NOOP("mount", "Type"),
    QT_TRANSLATE_NOOP("mount", "Other Name"),
    QT_TRANSLATE_NOOP("mount", "Constellation"),
    QT_TRANSLATE_NOOP("mount", "Bayer Designation"),
    QT_TRANSLATE_NOOP("mount", "Separation (arcsec)"),
    QT_TRANSLATE_NOOP("mount", "Position (deg)"),
    QT_TRANSLATE_NOOP("mount", "Maximum Magnitude"),
    QT_TRANSLATE_NOOP("mount", "Minimum Magnitude"),
    QT_TRANSLATE_NOOP("mount", "Period (days)"),
    QT_TRANSLATE_NOOP("mount", "Messier Number"),
    QT_TRANSLATE_NOOP("mount", "Caldwell Number"),
    QT_TRANSLATE_NOOP("mount", "NGC Number"),
    QT_TRANSLATE_NOOP("mount", "IC Number"),
    QT_TRANSLATE_NOOP("mount", "Distance (AU)"),
    QT_TRANSLATE_NOOP("mount", "Perihelion Distance (AU)"),
    QT_TRANSLATE_NOOP("mount", "Eccentricity"),
};

} // namespace

const char* AstroObjKey::label(int key) {
    return key >= 0 && key < Count ? kLabels[static_cast<size_t>(key)] : "";
}

const std::string& AstroObj::get(int key) const {
    static const std::string empty;
    const auto it = attributes.find(key);
    return it == attributes.end() ? empty : it->second;
}

void AstroObj::set(int key, const std::string& text) {
    attributes.insert_or_assign(key, text);
}

void AstroObj::set(int key, std::string&& text) {
    attributes.insert_or_assign(key, std::move(text));
}

QList<QStringList> AstroObj::kvList() const {
    QList<QStringList> list;
    list.reserve(qsizetype(attributes.size()));
    for (const auto& [key, text] : attributes) {
        const char* label = AstroObjKey::label(key);
        list.append({*label ? QCoreApplication::translate("mount", label) : QString(),
                     QString::fromUtf8(text.data(), qsizetype(text.size()))});
    }
    return list;
}

CoordPair positionOfDate(const IAstroCalc& astroCalc, const CoordPair& j2000) {
    const CoordFrames frames =
        astroCalc.allFramesFromJ2000(j2000.a, j2000.b, 0, 0, CoordType::RDJNow);
    const U_ASTRO_COORD& now = frames[CoordType::RDJNow].value();
    return {now.a, now.b};
}

} // namespace Ko
