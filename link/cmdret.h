#pragma once

#include <QMetaType>
#include <QtCore/qobjectdefs.h>

#include <cstdint>
#include <stdexcept>
#include <utility>

class QDebug;

namespace Ko {

// The outcome of one mount command. Seen by QML as "CmdRetType".
// Threads: any thread (value types).
struct CmdRetType_ {
    Q_GADGET
public:
    enum E : int { Ok = 0, Nak = 1, Timeout = 2, Cancel = 3, Other = 4 };
    Q_ENUM(E)
};

// The text of an outcome, as it appears in log lines.
const char* cmdRetTypeText(CmdRetType_::E type);

// The result of a mount operation as QML sees it. A default one is Timeout: an operation that
// never got to talk to the mount has not succeeded. Equality, ordering and printing go through the
// success flag only, so that generic code (futures, variants) treats every failure alike.
struct CmdRet {
    Q_GADGET
    Q_PROPERTY(Ko::CmdRetType_::E type MEMBER type)
public:
    CmdRetType_::E type = CmdRetType_::Timeout;

    constexpr CmdRet() = default;
    constexpr CmdRet(CmdRetType_::E t) : type(t) {}

    constexpr bool isOk() const { return type == CmdRetType_::Ok; }
    constexpr explicit operator bool() const { return isOk(); }

    friend constexpr bool operator==(const CmdRet& a, const CmdRet& b) {
        return a.isOk() == b.isOk();
    }
    friend constexpr bool operator<(const CmdRet& a, const CmdRet& b) {
        return !a.isOk() && b.isOk();
    }
};

QDebug operator<<(QDebug debug, const CmdRet& ret);

// The result of a command call that may carry a value. Only an Ok result carries one.
template <class T>
class CmdResp {
public:
    CmdRetType_::E type = CmdRetType_::Timeout;
    bool hasValue = false;

    CmdResp() = default;
    explicit CmdResp(CmdRetType_::E t) : type(t) {}
    CmdResp(CmdRetType_::E t, T v) : type(t), hasValue(true), m_value(std::move(v)) {}

    static CmdResp ok(T v) { return CmdResp(CmdRetType_::Ok, std::move(v)); }
    static CmdResp fail(CmdRetType_::E t) { return CmdResp(t); }

    bool isOk() const { return type == CmdRetType_::Ok; }
    CmdRet cmdRet() const { return CmdRet(type); }

    const T& value() const {
        if (!hasValue)
            throw std::logic_error("CmdResp: read invalid");
        return m_value;
    }
    T& value() {
        if (!hasValue)
            throw std::logic_error("CmdResp: read invalid");
        return m_value;
    }

private:
    T m_value{};
};

} // namespace Ko

Q_DECLARE_METATYPE(Ko::CmdRet)
