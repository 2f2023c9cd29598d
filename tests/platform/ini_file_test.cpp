#include "platform/ini_file.hpp"
#include "support/temp_dir.hpp"

#include <QDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

mode_t modeOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

class IniFile : public ::testing::Test {
protected:
    TempDir dir;
    const Text path = dir.file("log.ini");
};

TEST_F(IniFile, ReadsNothingFromWhatIsNotAFile) {
    EXPECT_EQ(ini::readValue(path, "a", "k"), std::nullopt) << "absent";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(path)));
    EXPECT_EQ(ini::readValue(path, "a", "k"), std::nullopt) << "a folder";
}

TEST_F(IniFile, AFifoInItsPlaceNeitherHangsNorIsReplaced) {
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    EXPECT_EQ(ini::readValue(path, "a", "k"), std::nullopt);
    EXPECT_FALSE(ini::writeValue(path, "a", "k", "v"));
    struct stat info {};
    ::stat(path.c_str(), &info);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_F(IniFile, CreatesTheFileWithTheUsualPermissions) {
    const mode_t previous = ::umask(022);
    const bool written = ini::writeValue(path, "loginfo", "log", "1");
    ::umask(previous);
    ASSERT_TRUE(written);
    EXPECT_EQ(dir.read("log.ini"), "[loginfo]\r\nlog=1\r\n");
    EXPECT_EQ(modeOf(path), 0644u);
}

TEST_F(IniFile, KeepsThePermissionsOfTheFileItReplaces) {
    dir.write("log.ini", "[a]\r\nk=1\r\n");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(ini::writeValue(path, "a", "k", "2"));
    EXPECT_EQ(dir.read("log.ini"), "[a]\r\nk=2\r\n");
    EXPECT_EQ(modeOf(path), 0640u);
}

// Checked by the permission bits, so that it holds for root too.
TEST_F(IniFile, LeavesAReadOnlyFileAlone) {
    dir.write("log.ini", "[a]\r\nk=1\r\n");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_FALSE(ini::writeValue(path, "a", "k", "2"));
    EXPECT_EQ(dir.read("log.ini"), "[a]\r\nk=1\r\n");
    EXPECT_EQ(modeOf(path), 0444u);
}

TEST_F(IniFile, WritesNothingIntoAMissingFolder) {
    EXPECT_FALSE(ini::writeValue(dir.file("gone/log.ini"), "a", "k", "v"));
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(dir.file("gone"))));
}

TEST_F(IniFile, RefusesAValueThatWouldAddLines) {
    dir.write("log.ini", "[a]\r\nk=1\r\n");
    EXPECT_FALSE(ini::writeValue(path, "a", "k", "2\r\n[b]\r\nx=y"));
    EXPECT_EQ(dir.read("log.ini"), "[a]\r\nk=1\r\n");
}

TEST_F(IniFile, WritesThroughALinkAndKeepsTheLink) {
    dir.write("real/log.ini", "[a]\r\nk=1\r\n");
    ASSERT_EQ(::symlink(dir.file("real/log.ini").c_str(), path.c_str()), 0);
    ASSERT_TRUE(ini::writeValue(path, "a", "k", "2"));
    EXPECT_TRUE(QFileInfo(QString::fromStdString(path)).isSymLink());
    EXPECT_EQ(dir.read("real/log.ini"), "[a]\r\nk=2\r\n");
}

TEST_F(IniFile, LeavesNoTemporaryFilesBehind) {
    dir.write("log.ini", "[a]\r\nk=1\r\n");
    ASSERT_TRUE(ini::writeValue(path, "a", "k", "2"));
    ASSERT_TRUE(ini::writeValue(path, "b", "k", "3"));
    ASSERT_TRUE(ini::writeValue(path, "b", "k", "3"));
    const QStringList entries = QDir(QString::fromStdString(dir.path()))
                                    .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    EXPECT_EQ(entries, QStringList{"log.ini"});
    EXPECT_EQ(ini::readValue(path, "A", "K"), "2");
    EXPECT_EQ(ini::readValue(path, "b", "k"), "3");
}

} // namespace
