#include "platform/services.hpp"

#include "platform/codec.hpp"

#include <vector>

namespace {
Platform& installed() {
    static Platform services;
    return services;
}
std::vector<std::function<void()>>& atEndRoutines() {
    static std::vector<std::function<void()>> routines;
    return routines;
}
} // namespace

Platform& platform() {
    return installed();
}

void installPlatform(const Platform& services) {
    installed() = services;
}

void registerAtEnd(std::function<void()> routine) {
    atEndRoutines().push_back(std::move(routine));
}

void runAtEndRoutines() {
    // Taken out first so that a routine that ends the program again cannot loop.
    auto routines = std::move(atEndRoutines());
    atEndRoutines().clear();
    for (auto& routine : routines) {
        routine();
    }
}

const Text& defaultMessageTitle() {
    static const Text title = codec::gbk("信息：");
    return title;
}

MessageAnswer showMessage(MessageKind kind, const Text& message) {
    return showMessage(kind, message, defaultMessageTitle());
}

MessageAnswer showMessage(MessageKind kind, const Text& message, const Text& title) {
    return platform().messages->show(kind, message, title);
}

void endProgram() {
    platform().end->endProgram();
}
