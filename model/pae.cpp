#include "model/pae.h"

#include "astro/angleutil.h"
#include "base/base64.h"
#include "base/koassert.h"
#include "base/tlvrecord.h"
#include "model/ialignmentdatacontainer.h"
#include "model/ipermountdata.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace Ko {

namespace {

constexpr double kCell = 0.08726646259971647; // 5 degrees

constexpr uint32_t tag(const char (&t)[5]) {
    return TlvRecord::tagOf(t);
}

double norm(double x) {
    return x - std::floor(x / k2Pi) * k2Pi;
}

constexpr int32_t kCells = 72;

// Reduced by a rounding, an angle a hair below 0 comes out as a whole turn; a huge one as
// anything at all.
int32_t cellOf(double angle) {
    const double cell = std::trunc(norm(angle) / kCell);
    if (!(cell >= 0))
        return 0;
    return int32_t(std::min(cell, double(kCells - 1)));
}

bool isFinitePoint(double tha, double tdec, double cha, double cdec) {
    return std::isfinite(tha) && std::isfinite(tdec) && std::isfinite(cha) && std::isfinite(cdec);
}

PAE::Point makePoint(std::string name, double tha, double tdec, double cha, double cdec) {
    return {std::move(name), tha, tdec, cha, cdec, cellOf(tha), cellOf(tdec)};
}

// Whether the point's cell (moved by the point's own correction when shifted, grown by one cell
// on every side when widened) holds the position.
bool cellHolds(const PAE::Point& p, IPAE::AnglePair pos, bool shifted, bool widened) {
    const double w = widened ? kCell : 0.0;
    const double start1 = p.cell1 * kCell + (shifted ? p.cha - p.tha : 0.0);
    const double start2 = p.cell2 * kCell + (shifted ? p.cdec - p.tdec : 0.0);
    return PAE::inRadRange(pos.first, start1 - w, start1 + kCell + w) &&
           PAE::inRadRange(pos.second, start2 - w, start2 + kCell + w);
}

} // namespace

PAE::PAE(std::shared_ptr<IAlignmentDataContainer> container,
         std::shared_ptr<IPerMountData> perMountData)
    : m_container(std::move(container)), m_perMountData(std::move(perMountData)) {
    m_modelSubscription = m_container->changed.append([this](bool restoring) {
        // A model the user changed makes the old corrections meaningless; a restored one keeps
        // them.
        if (!restoring)
            clear();
    });
    m_mountSubscription = m_perMountData->changed.append([this] { reload(); });
}

PAE::~PAE() {
    m_container->changed.remove(m_modelSubscription);
    m_perMountData->changed.remove(m_mountSubscription);
}

bool PAE::inRadRange(double v, double lo, double hi) {
    KO_ASSERT(lo <= hi);
    if (hi - lo >= k2Pi)
        return true;
    const double nv = norm(v), nlo = norm(lo), nhi = norm(hi);
    const double mn = std::min(nlo, nhi), mx = std::max(nlo, nhi);
    const bool inside = mx >= nv && nv >= mn;
    // When lo comes out above hi the range passes through 0 and holds what lies outside.
    return mn == nlo ? inside : !inside;
}

void PAE::add(std::string name, double tha, double tdec, double cha, double cdec) {
    // A point that is not a number would hold no position and break every lookup after it.
    if (!isFinitePoint(tha, tdec, cha, cdec))
        return;
    Point point = makePoint(std::move(name), tha, tdec, cha, cdec);
    std::lock_guard lock(m_mutex);
    auto same = std::find_if(m_points.begin(), m_points.end(), [&](const Point& p) {
        return cellHolds(p, {tha, tdec}, false, false);
    });
    if (same != m_points.end())
        *same = std::move(point);
    else
        m_points.push_back(std::move(point));
    storeLocked();
}

IPAE::AnglePair PAE::lookup(AnglePair position) {
    return find(position, false);
}

IPAE::AnglePair PAE::lookupShifted(AnglePair position) {
    return find(position, true);
}

IPAE::AnglePair PAE::find(AnglePair position, bool shifted) {
    std::lock_guard lock(m_mutex);
    const Point* hit = nullptr;
    for (bool widened : {false, true}) {
        for (const Point& p : m_points) {
            if (cellHolds(p, position, shifted, widened)) {
                hit = &p;
                break;
            }
        }
        if (hit)
            break;
    }
    if (!hit)
        return position;
    const double sign = shifted ? -1.0 : 1.0;
    return {position.first + sign * (hit->cha - hit->tha),
            position.second + sign * (hit->cdec - hit->tdec)};
}

void PAE::clear() {
    std::lock_guard lock(m_mutex);
    m_points.clear();
    storeLocked();
}

std::vector<PAE::Point> PAE::points() const {
    std::lock_guard lock(m_mutex);
    return m_points;
}

void PAE::storeLocked() {
    TlvRecord table;
    for (const Point& p : m_points) {
        TlvRecord r;
        r.setString(tag("name"), p.name);
        r.setDouble(tag("tha "), p.tha);
        r.setDouble(tag("tdec"), p.tdec);
        r.setDouble(tag("cha "), p.cha);
        r.setDouble(tag("cdec"), p.cdec);
        table.setRecord(TlvRecord::kRepeatableTag, r);
    }
    const CBytes bytes = table.serialize();
    m_perMountData->setPaeData(Base64::encodeBytes(bytes.data(), bytes.size(), false));
}

void PAE::reload() {
    const std::string text = m_perMountData->paeData();
    CBytes bytes;
    try {
        bytes = CBytes::fromStdString(Base64::decode(text, false));
    } catch (const std::runtime_error&) {
        return;
    }
    const Nullable<TlvRecord> table = TlvRecord::parse(bytes);
    if (!table.hasValue())
        return;
    std::vector<Point> read;
    for (int i = 0;; ++i) {
        const Nullable<TlvRecord> r = table.value().getRecordAt(i);
        if (!r.hasValue())
            break;
        const TlvRecord& e = r.value();
        const double tha = e.getDoubleOr(tag("tha "), 0.0), tdec = e.getDoubleOr(tag("tdec"), 0.0);
        const double cha = e.getDoubleOr(tag("cha "), 0.0), cdec = e.getDoubleOr(tag("cdec"), 0.0);
        if (isFinitePoint(tha, tdec, cha, cdec))
            read.push_back(makePoint(e.getStringOr(tag("name"), ""), tha, tdec, cha, cdec));
    }
    // Read from the store: nothing to write back.
    std::lock_guard lock(m_mutex);
    m_points = std::move(read);
}

} // namespace Ko
