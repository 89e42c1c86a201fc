#include "core/platform/user_notice.h"

#include <cstdio>
#include <mutex>
#include <set>

#include "core/platform/paths.h"

namespace voltaro {
namespace {

struct NoticeState {
    std::mutex mutex;
    NoticeHandler handler;
    std::set<std::string> told;
};

NoticeState& State() {
    static NoticeState state;
    return state;
}

}  // namespace

void TellUserOnce(const std::string& text) {
    {
        NoticeState& state = State();
        std::lock_guard<std::mutex> lock(state.mutex);
        if (!state.told.insert(text).second) return;
    }
    TellUser(text);
}

void TellUser(const std::string& text) {
    NoticeHandler handler;
    {
        NoticeState& state = State();
        std::lock_guard<std::mutex> lock(state.mutex);
        handler = state.handler;
    }
    if (handler) {
        handler(text);
        return;
    }
    std::fprintf(stderr, "%s: %s\n", ProgramName().c_str(), text.c_str());
}

NoticeHandler SetNoticeHandler(NoticeHandler handler) {
    NoticeState& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    std::swap(state.handler, handler);
    return handler;
}

void ForgetToldNotices() {
    NoticeState& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    state.told.clear();
}

}  // namespace voltaro
