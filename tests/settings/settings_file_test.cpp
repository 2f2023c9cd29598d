#include "app/app_state.hpp"
#include "platform/codec.hpp"
#include "platform/paths.hpp"
#include "settings/settings_file.hpp"
#include "support/temp_dir.hpp"

#include <QDir>
#include <gtest/gtest.h>
#include <optional>

namespace {

constexpr std::size_t longestValue = 10239;

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override { paths::setRunDir(dir.path()); }
    void TearDown() override { paths::setRunDir(previousRunDir); }

    const Text previousRunDir = paths::runDir();
    TempDir dir;
};

TEST_F(SettingsFile, MissingIsTheGbkText) {
    EXPECT_EQ(MISSING(), codec::gbk("假"));
    EXPECT_EQ(MISSING().size(), 2u);
}

TEST_F(SettingsFile, ReadGivesTheFallbackOnlyForWhatIsAbsent) {
    struct Case {
        const char* name;
        std::optional<std::string> file;
        const char* section;
        const char* key;
        Text fallback;
        Text expected;
    };
    const std::string file = "[loginfo]\r\nlog=1\r\nvideo=\r\nskn=\xBC\xD9\r\n";
    const Case cases[] = {
        {"no file", std::nullopt, "loginfo", "log", MISSING(), MISSING()},
        {"no section", file, "msc", "engine", MISSING(), MISSING()},
        {"no key", file, "loginfo", "fit", "0", "0"},
        {"present", file, "loginfo", "log", MISSING(), "1"},
        {"present but empty", file, "loginfo", "video", MISSING(), ""},
        {"stored as the marker", file, "loginfo", "skn", MISSING(), MISSING()},
        {"empty fallback", file, "loginfo", "HotkeyMemory", "", ""},
        {"names ignore case", file, "LOGINFO", "Log", MISSING(), "1"},
    };
    for (const Case& c : cases) {
        if (c.file) {
            dir.write("log.ini", *c.file);
        } else {
            QFile::remove(QString::fromStdString(dir.file("log.ini")));
        }
        EXPECT_EQ(readSetting(c.section, c.key, c.fallback), c.expected) << c.name;
    }
}

TEST_F(SettingsFile, LongValuesAreStoredWholeAndReadCut) {
    const Text ascii(12000, 'a');
    writeSetting("loginfo", "long", ascii);
    EXPECT_NE(dir.read("log.ini").find(ascii), std::string::npos);
    EXPECT_EQ(readSetting("loginfo", "long", MISSING()), ascii.substr(0, longestValue));

    // "假" at bytes 10,238 and 10,239 does not fit whole.
    const Text straddling = Text(longestValue - 1, 'a') + MISSING() + "tail";
    writeSetting("loginfo", "long", straddling);
    EXPECT_EQ(readSetting("loginfo", "long", MISSING()), straddling.substr(0, longestValue - 1));
}

TEST_F(SettingsFile, EveryReadSeesTheFileAsItIsNow) {
    dir.write("log.ini", "[loginfo]\r\ntopic=3\r\n");
    EXPECT_EQ(readSetting("loginfo", "topic", MISSING()), "3");
    dir.write("log.ini", "[loginfo]\r\ntopic=4\r\n");
    EXPECT_EQ(readSetting("loginfo", "topic", MISSING()), "4");
}

TEST_F(SettingsFile, WriteChangesOneKeyAndKeepsTheRest) {
    dir.write("log.ini", "[loginfo]\r\nsection=2\r\ntopic=5\r\nlog=1\r\n; keep me\r\n\r\n"
                         "[reading]\r\nfunction=2\r\nmain=82\r\n");
    writeSetting("loginfo", "log", "0");
    writeSetting("msc", "engine", "vivi21");
    writeSetting("loginfo", "video", "true");
    EXPECT_EQ(dir.read("log.ini"),
              "[loginfo]\r\nsection=2\r\ntopic=5\r\nlog=0\r\nvideo=true\r\n; keep me\r\n\r\n"
              "[reading]\r\nfunction=2\r\nmain=82\r\n[msc]\r\nengine=vivi21\r\n");
}

TEST_F(SettingsFile, TheFileFollowsRunDir) {
    TempDir other;
    writeSetting("loginfo", "topic", "9");
    paths::setRunDir(other.path());
    EXPECT_EQ(readSetting("loginfo", "topic", MISSING()), MISSING());
}

TEST_F(SettingsFile, RunDirWithAChineseName) {
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(dir.file("练习"))));
    paths::setRunDir(codec::gbk(dir.file("练习")));
    writeSetting("loginfo", "section", "1");
    EXPECT_EQ(dir.read("练习/log.ini"), "[loginfo]\r\nsection=1\r\n");
    EXPECT_EQ(readSetting("loginfo", "section", MISSING()), "1");
}

class SettingsReload : public SettingsFile {
protected:
    void SetUp() override {
        SettingsFile::SetUp();
        createAppState();
    }
    void TearDown() override {
        releaseAppState();
        SettingsFile::TearDown();
    }
};

TEST_F(SettingsReload, ReadingModeKeepsSpacesAndDefaultsToFalse) {
    struct Case {
        const char* file;
        Text expected;
    };
    const Case cases[] = {
        {"[loginfo]\r\nlog=1\r\n", "false"},          {"[loginfo]\r\nvideo=\r\n", ""},
        {"[loginfo]\r\nvideo=\xBC\xD9\r\n", "false"}, {"[loginfo]\r\nvideo= tr ue \r\n", "tr ue"},
        {"[loginfo]\r\nvideo=true\r\n", "true"},
    };
    for (const Case& c : cases) {
        dir.write("log.ini", c.file);
        appState().speechForReading = "stale";
        reloadReadingMode();
        EXPECT_EQ(appState().speechForReading, c.expected) << c.file;
    }
}

TEST_F(SettingsReload, SpeechEngineRemovesSpacesAndFillsDefaults) {
    struct Case {
        const char* file;
        Text engine;
        Text voice;
    };
    const Case cases[] = {
        {"[loginfo]\r\nlog=1\r\n", "intp65", "xiaoyu"},
        {"[msc]\r\nVoicepeople=vixq\r\n", "intp65", "vixq"},
        {"[msc]\r\nengine=vivi21\r\n", "vivi21", "xiaoyu"},
        {"[MSC]\r\nEngine=intp65 \r\nvoicepeople=xiao yan\r\n", "intp65", "xiaoyan"},
        {"[msc]\r\nengine=\r\nVoicepeople=\r\n", "", ""},
        {"[msc]\r\nengine=\xBC\xD9\r\nVoicepeople=\xA1\xA1\xBC\xD9\r\n", "intp65", "xiaoyu"},
    };
    for (const Case& c : cases) {
        dir.write("log.ini", c.file);
        reloadSpeechEngine();
        EXPECT_EQ(appState().speechEngine, c.engine) << c.file;
        EXPECT_EQ(appState().speechVoice, c.voice) << c.file;
    }
}

} // namespace
