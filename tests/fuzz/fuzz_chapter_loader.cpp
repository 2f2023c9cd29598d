// A chapter of any bytes opened and loaded to its end: no crash, no hang, and the two
// question lists always of one length.
#include "app/app_state.hpp"
#include "lessons/chapter_loader.hpp"
#include "lessons/chapter_navigation.hpp"
#include "lessons/question_navigation.hpp"
#include "platform/chapter_file.hpp"
#include "platform/codec.hpp"
#include "platform/paths.hpp"
#include "platform/services.hpp"
#include "ui/main_window.hpp"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

class SilentMessages : public MessageBoxService {
    MessageAnswer show(MessageKind, const Text&, const Text&) override { return MessageAnswer::ok; }
};
class RecordedEnd : public ProgramEndService {
    void endProgram() override {}
};

QTemporaryDir* folder = nullptr;

void writeFile(const char* relative, const std::string& bytes) {
    QFile f(folder->path() + "/" + relative);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);
    static SilentMessages messages;
    static RecordedEnd end;
    installPlatform({&messages, nullptr, &end, nullptr});
    folder = new QTemporaryDir;
    QDir(folder->path()).mkpath("res/section1");
    writeFile("log.ini",
              "[loginfo]\r\nsection=1\r\ntopic=1\r\nlog=0\r\nskn=0\r\ninput=1\r\ninitialization=false\r\n");
    writeFile("res/section1/TXT1.TXT", "a\r\n");
    writeFile("res/section1/TXT2.TXT", "b\r\n");
    paths::setRunDir(codec::fromUnicode(folder->path()));
    createAppState();
    createMainWindow();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string prompts = input.ConsumeRandomLengthString(512);
    const std::string answers = input.ConsumeRemainingBytesAsString();

    closeChapter();
    writeFile("res/section1/TXT1.TXT", answers);
    writeFile("res/section1/TXT2.TXT", prompts);

    openChapter("1");
    AppState& s = appState();
    require(s.answerFile > 0 && s.questionFile > 0);
    // Every line costs at least one byte, so the chapter is exhausted within size + 1 requests.
    std::size_t requests = 0;
    while (requestNextPair() != PairRequest::exhausted) {
        require(s.answers.size() == s.questions.size());
        require(++requests <= answers.size() + 1);
    }
    require(s.answers.size() == s.questions.size());
    require(static_cast<int>(s.answers.size()) <=
            mainWindow().itemCount("组合框1") + 1 + static_cast<int>(size));
    // The navigation stays inside the lists, whatever loaded.
    showQuestion();
    nextQuestion();
    previousQuestion();
    goToQuestion();
    toggleAnswer();
    require(s.currentIndex >= 0 && s.currentIndex <= static_cast<int>(s.answers.size()));
    return 0;
}
