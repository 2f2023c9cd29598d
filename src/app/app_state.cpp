#include "app/app_state.hpp"

namespace {
std::unique_ptr<AppState>& current() {
    static std::unique_ptr<AppState> state;
    return state;
}
} // namespace

void createAppState() {
    auto state = std::make_unique<AppState>();
    state->answerBoxOps = std::make_unique<EditBoxOps>();
    state->canvasOps = std::make_unique<CanvasOps>();
    current() = std::move(state);
}

void releaseAppState() {
    current().reset();
}

AppState& appState() {
    return *current();
}

bool appStateExists() {
    return current() != nullptr;
}
