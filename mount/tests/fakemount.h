#pragma once

#include "mount/tests/fakeidlemount.h"

#include <QPromise>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace Ko {

// A mount that answers from what the test set and records what it was asked: shutter switches,
// GoTo targets and position reads. Position reads may be held until the test releases them, to
// stand for a slow exchange.
class FakeMount : public FakeIdleMount {
public:
    struct ShutterCall {
        int tick; // the value of *tickCounter at the call, or -1 without one
        bool on;
    };

    // Read by setCameraShutterAsync to stamp each call.
    const int* tickCounter = nullptr;
    bool shutterAnswer = true;
    // What a shutter switch answers while shutterAnswer is false.
    CmdRetType_::E shutterFailure = CmdRetType_::Other;
    // The next shutter switch is answered only at answerHeldShutters(), with what was due at the
    // call: an exchange still under way while the test changes the link.
    bool holdNextShutterAnswer = false;
    bool slewAnswer = true;

    std::vector<ShutterCall> shutterCalls() const {
        std::lock_guard lock(m_mutex);
        return m_shutterCalls;
    }
    std::vector<MountTarget> slews() const {
        std::lock_guard lock(m_mutex);
        return m_slews;
    }
    // What readPosition (sky pair) and readAxisPositions give.
    void setReadings(CmdResp<AnglePair> sky, CmdResp<AnglePair> axes) {
        std::lock_guard lock(m_mutex);
        m_sky = sky;
        m_axes = axes;
    }
    // While held, reads wait in the reading thread until release().
    void hold() {
        std::lock_guard lock(m_mutex);
        m_held = true;
    }
    void release() {
        {
            std::lock_guard lock(m_mutex);
            m_held = false;
        }
        m_released.notify_all();
    }
    int readsStarted() const {
        std::lock_guard lock(m_mutex);
        return m_readsStarted;
    }
    // Announced as the mount announces a change of its link.
    void setLinkAnswering(bool answering) {
        m_answering = answering;
        emit linkAnsweringChanged();
    }
    bool linkAnswering() const override { return m_answering; }

    // Recorded at the call; the answer comes as the mount's would, through the future.
    QFuture<CmdRet> setCameraShutterAsync(bool on) override {
        std::lock_guard lock(m_mutex);
        m_shutterCalls.push_back({tickCounter ? *tickCounter : -1, on});
        const CmdRet answer(shutterAnswer ? CmdRetType_::Ok : shutterFailure);
        if (!std::exchange(holdNextShutterAnswer, false))
            return QtFuture::makeReadyFuture(answer);
        auto promise = std::make_shared<QPromise<CmdRet>>();
        promise->start();
        m_heldAnswers.push_back({promise, answer});
        return promise->future();
    }
    // Answers the held switches, oldest first.
    void answerHeldShutters() {
        decltype(m_heldAnswers) held;
        {
            std::lock_guard lock(m_mutex);
            held.swap(m_heldAnswers);
        }
        for (auto& [promise, answer] : held) {
            promise->addResult(answer);
            promise->finish();
        }
    }
    int heldShutterAnswers() const {
        std::lock_guard lock(m_mutex);
        return int(m_heldAnswers.size());
    }
    bool slewToAsync(const MountTarget& target) override {
        std::lock_guard lock(m_mutex);
        m_slews.push_back(target);
        return slewAnswer;
    }
    CmdResp<AnglePair> readPosition() override { return read(m_sky); }
    CmdResp<AnglePair> readAxisPositions() override { return read(m_axes); }

private:
    CmdResp<AnglePair> read(const CmdResp<AnglePair>& answer) {
        std::unique_lock lock(m_mutex);
        ++m_readsStarted;
        m_released.wait(lock, [this] { return !m_held; });
        return answer;
    }

    mutable std::mutex m_mutex;
    std::condition_variable m_released;
    std::vector<ShutterCall> m_shutterCalls;
    std::vector<std::pair<std::shared_ptr<QPromise<CmdRet>>, CmdRet>> m_heldAnswers;
    std::vector<MountTarget> m_slews;
    CmdResp<AnglePair> m_sky;
    CmdResp<AnglePair> m_axes;
    bool m_held = false;
    std::atomic<bool> m_answering = true;
    int m_readsStarted = 0;
};

} // namespace Ko
