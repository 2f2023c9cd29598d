// Opening (counting) a very large chapter and resuming deep inside it.
// Run: cmake -S . -B build/bench -G Ninja -DVENLORIN_BENCH=ON -DVENLORIN_TESTS=OFF &&
//      cmake --build build/bench --target chapter_bench && build/bench/bench/chapter_bench
#include "app/app_state.hpp"
#include "app/lifecycle.hpp"
#include "lessons/chapter_loader.hpp"
#include "lessons/chapter_navigation.hpp"
#include "platform/chapter_file.hpp"
#include "platform/codec.hpp"
#include "platform/paths.hpp"
#include "platform/qt_services.hpp"
#include "ui/main_window.hpp"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

constexpr int pairs = 200000;

struct Chapter {
    QTemporaryDir dir;
    std::int64_t answerBytes = 0;

    Chapter() {
        QDir(dir.path()).mkpath("res/section1");
        QByteArray answers;
        QByteArray prompts;
        for (int i = 1; i <= pairs; ++i) {
            answers += QByteArray("Sentence number ") + QByteArray::number(i) +
                       " is written here for the benchmark run.\r\n";
            prompts += QByteArray::fromStdString(codec::gbk("第")) + QByteArray::number(i) +
                       QByteArray::fromStdString(codec::gbk("句：这是一个用于基准测试的句子。")) + "\r\n";
        }
        answerBytes = answers.size();
        write("res/section1/TXT1.TXT", answers);
        write("res/section1/TXT2.TXT", prompts);
        write("log.ini",
              "[loginfo]\r\nsection=1\r\ntopic=1\r\nlog=0\r\nskn=0\r\ninput=0\r\ninitialization=false\r\n");
    }
    void write(const char* relative, const QByteArray& bytes) const {
        QFile f(dir.path() + "/" + relative);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
};

Chapter& chapter() {
    static Chapter c;
    return c;
}

class NoMessages : public MessageBoxService {
    MessageAnswer show(MessageKind, const Text&, const Text&) override { return MessageAnswer::ok; }
};

void startTrainer() {
    static NoMessages messages;
    static QtEventPumpService events;
    installPlatform({&messages, nullptr, nullptr, &events});
    paths::setRunDir(codec::fromUnicode(chapter().dir.path()));
    createAppState();
    createMainWindow();
}

void openChapterCounting(benchmark::State& state) {
    closeChapter();
    for (auto _ : state) {
        openChapter("1");
        state.PauseTiming();
        closeChapter();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * chapter().answerBytes);
    state.counters["questions"] = pairs;
}

void resumeAt(benchmark::State& state) {
    const Text topic = text::numberToText(static_cast<std::int64_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        closeChapter();
        openChapter("1");
        appState().resumeTopic = topic;
        state.ResumeTiming();
        resumeStoredPosition();
    }
    state.SetBytesProcessed(state.iterations() * chapter().answerBytes * state.range(0) / pairs);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.counters["loaded"] = static_cast<double>(appState().answers.size());
}

BENCHMARK(openChapterCounting)->Unit(benchmark::kMillisecond);
BENCHMARK(resumeAt)->Arg(100000)->Arg(pairs)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    (void)chapter();
    startTrainer();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
