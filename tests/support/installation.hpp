#pragma once
// A temporary installation of the trainer (settings file and chapters, in GBK) and the
// main window running on it with fake platform services.
#include "platform/described_window.hpp"
#include "support/fakes.hpp"
#include "support/temp_dir.hpp"

#include <QPoint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A system text as UTF-8, for readable assertions.
std::string utf8(const Text& gbk);

// The settings file a normal start needs; tests replace or add lines to it.
std::string validSettings(std::string_view extraLoginfoLines = "");
// `text` with the first `from` replaced by `to`.
std::string replaced(std::string text, std::string_view from, std::string_view to);

class Installation {
public:
    Installation();
    TempDir dir;
    Text runDir() const;
    // UTF-8 text written as GBK, bytes unchanged otherwise.
    void writeSettings(std::string_view utf8Text) const;
    std::string settingsBytes() const;
    // Each line ends with CR LF, the last one too.
    void writeChapter(int number, const std::vector<std::string>& answers,
                      const std::vector<std::string>& prompts) const;
    // Raw bytes for either file (GBK already); an absent optional file is not written.
    void writeChapterFile(int number, const std::string& fileName, const std::string& bytes) const;
};

// Starts the main window on an installation: created event, show, first activation.
class RunningTrainer {
public:
    explicit RunningTrainer(const Installation& installation, bool show = true);
    ~RunningTrainer();
    RunningTrainer(const RunningTrainer&) = delete;
    RunningTrainer& operator=(const RunningTrainer&) = delete;

    DescribedWindow& window() const { return *window_; }
    std::string caption(std::string_view control) const;
    // A real mouse click on the control's centre (press for links, which act on press).
    void click(std::string_view control) const;
    void chooseQuestion(int zeroBasedItem) const;
    FakePlatform fakes;

private:
    DescribedWindow* window_ = nullptr;
};
