#pragma once

#include "mount/tests/fakescriptedmount.h"

#include <functional>
#include <mutex>
#include <string>
#include <utility>

namespace Ko {

// The scripted mount that runs a step of the test when a server reaches one of its calls, on
// the server's own thread, right after the call: the program's end begun at the very moment a
// GoTo's pause begins (the abort before it) or while a server waits for a reading, with no race
// against the wall clock. Any thread.
class FakeSteppedMount : public FakeScriptedMount {
public:
    // step runs once, at the next call named so.
    void stepAt(std::string call, std::function<void()> step) {
        std::lock_guard lock(m_stepMutex);
        m_stepCall = std::move(call);
        m_step = std::move(step);
    }

    void abortSlewAsync() override {
        FakeScriptedMount::abortSlewAsync();
        reached("abortSlewAsync");
    }
    CmdResp<AnglePair> readPosition() override {
        const CmdResp<AnglePair> read = FakeScriptedMount::readPosition();
        reached("readPosition");
        return read;
    }
    CmdResp<bool> sideOfPier() override {
        const CmdResp<bool> side = FakeScriptedMount::sideOfPier();
        reached("sideOfPier");
        return side;
    }

private:
    void reached(const std::string& call) {
        std::function<void()> step;
        {
            std::lock_guard lock(m_stepMutex);
            if (call != m_stepCall)
                return;
            m_stepCall.clear();
            step = std::exchange(m_step, nullptr);
        }
        if (step)
            step();
    }

    std::mutex m_stepMutex;
    std::string m_stepCall;
    std::function<void()> m_step;
};

} // namespace Ko
