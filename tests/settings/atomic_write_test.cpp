// A write killed at any moment leaves the old file or the new one, never a torn one.
#include "platform/codec.hpp"
#include "platform/paths.hpp"
#include "settings/settings_file.hpp"
#include "support/temp_dir.hpp"

#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int keyCount = 24;

std::string keyName(int i) {
    return "key" + std::to_string(i);
}

// Long values make each write take long enough to be caught in the middle.
std::string value(int round, int key) {
    return std::string(2000 + key, static_cast<char>('a' + round % 26));
}

TEST(SettingsAtomicWrite, KillDuringManyWritesLeavesAWholeFile) {
    TempDir dir;
    paths::setRunDir(codec::fromUnicode(QString::fromStdString(dir.path())));
    for (int k = 0; k < keyCount; ++k) {
        writeSetting("loginfo", keyName(k), value(0, k));
    }
    std::mt19937 random(20261211);
    for (int attempt = 0; attempt < 12; ++attempt) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int round = 1;; ++round) {
                for (int k = 0; k < keyCount; ++k) {
                    writeSetting("loginfo", keyName(k), value(round, k));
                }
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(2000 + random() % 40000));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));

        for (int k = 0; k < keyCount; ++k) {
            const Text stored = readSetting("loginfo", keyName(k), MISSING());
            ASSERT_NE(stored, MISSING()) << "attempt " << attempt << ", " << keyName(k) << " lost";
            ASSERT_EQ(stored.size(), value(0, k).size()) << "attempt " << attempt << ", " << keyName(k);
            ASSERT_EQ(stored.find_first_not_of(stored[0]), std::string::npos);
        }
    }
}

} // namespace
