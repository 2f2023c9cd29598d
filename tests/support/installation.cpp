#include "support/installation.hpp"

#include "app/app_state.hpp"
#include "platform/chapter_file.hpp"
#include "platform/codec.hpp"
#include "platform/paths.hpp"
#include "ui/main_window.hpp"

#include <QApplication>
#include <QTest>

std::string utf8(const Text& gbk) {
    return codec::toUnicode(gbk).toStdString();
}

std::string validSettings(std::string_view extraLoginfoLines) {
    return "[loginfo]\r\nsection=1\r\ntopic=1\r\nlog=1\r\nskn=0\r\ninput=0\r\ninitialization=false\r\n" +
           std::string(extraLoginfoLines) +
           "[msc]\r\nengine=intp65\r\nVoicepeople=xiaoyu\r\n[reading]\r\nfunction=4\r\nmain=82\r\n"
           "[submit]\r\nfunction=4\r\nmain=83\r\n";
}

std::string replaced(std::string text, std::string_view from, std::string_view to) {
    const auto at = text.find(from);
    if (at != std::string::npos) {
        text.replace(at, from.size(), to);
    }
    return text;
}

Installation::Installation() = default;

Text Installation::runDir() const {
    return codec::fromUnicode(QString::fromStdString(dir.path()));
}

void Installation::writeSettings(std::string_view utf8Text) const {
    dir.write("log.ini", codec::gbk(utf8Text));
}

std::string Installation::settingsBytes() const {
    return dir.read("log.ini");
}

void Installation::writeChapter(int number, const std::vector<std::string>& answers,
                                const std::vector<std::string>& prompts) const {
    auto join = [](const std::vector<std::string>& lines) {
        std::string all;
        for (const std::string& line : lines) {
            all += codec::gbk(line) + "\r\n";
        }
        return all;
    };
    writeChapterFile(number, "TXT1.TXT", join(answers));
    writeChapterFile(number, "TXT2.TXT", join(prompts));
}

void Installation::writeChapterFile(int number, const std::string& fileName, const std::string& bytes) const {
    dir.write("res/section" + std::to_string(number) + "/" + fileName, bytes);
}

RunningTrainer::RunningTrainer(const Installation& installation, bool show) {
    paths::setRunDir(installation.runDir());
    createAppState();
    window_ = createMainWindow();
    if (show && fakes.end.ended == 0) {
        window_->show();
        QApplication::setActiveWindow(window_);
        (void)QTest::qWaitForWindowActive(window_);
    }
}

RunningTrainer::~RunningTrainer() {
    if (appStateExists()) {
        chapterfile::close(appState().answerFile);
        chapterfile::close(appState().questionFile);
    }
    releaseMainWindow();
    delete window_;
    releaseAppState();
}

std::string RunningTrainer::caption(std::string_view control) const {
    return utf8(window_->caption(control));
}

void RunningTrainer::click(std::string_view control) const {
    QWidget* widget = window_->control(control);
    const QPoint centre = widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, centre);
}

void RunningTrainer::chooseQuestion(int zeroBasedItem) const {
    window_->setSelectedIndex("组合框1", zeroBasedItem);
}
