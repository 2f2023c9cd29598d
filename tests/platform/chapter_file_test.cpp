#include "platform/chapter_file.hpp"
#include "platform/codec.hpp"
#include "support/temp_dir.hpp"

#include <QString>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// A folder for the test's files; every file the test opened is closed before the folder goes.
class ChapterFileTest : public testing::Test {
protected:
    ~ChapterFileTest() override {
        for (const int number : opened_) {
            chapterfile::close(number);
        }
    }

    // The system text naming `relative` in the folder, with "\" separators as the lessons build it.
    Text systemPath(const std::string& relative) const {
        Text path = codec::fromUnicode(QString::fromStdString(dir_.file(relative)));
        for (char& c : path) {
            if (c == '/') {
                c = '\\';
            }
        }
        return path;
    }

    int open(const Text& path) {
        const int number = chapterfile::open(path);
        if (number > 0) {
            opened_.push_back(number);
        }
        return number;
    }

    // Writes `bytes` as the answer file and opens it.
    int openWith(const std::string& bytes) {
        dir_.write("TXT1.TXT", bytes);
        return open(systemPath("TXT1.TXT"));
    }

    TempDir dir_;

private:
    std::vector<int> opened_;
};

// Byte 26, which ends the readable text of a chapter file.
const std::string sub = "\x1A";

struct Step {
    Text line;
    bool atEnd;
    std::int64_t position;
};

struct LineCase {
    const char* name;
    std::string bytes;
    std::vector<Step> steps;
};

TEST_F(ChapterFileTest, ReadLineFollowsTheLineRules) {
    const Text niHao = codec::gbk("你好");
    const Text shiJie = codec::gbk("世界");
    const LineCase cases[] = {
        {"CR LF", "ab\r\ncd\r\n", {{"ab", false, 4}, {"cd", true, 8}, {"", true, 8}}},
        {"LF only", "ab\ncd\n", {{"ab", false, 3}, {"cd", true, 6}, {"", true, 6}}},
        {"no final line break", "ab\ncd", {{"ab", false, 3}, {"cd", true, 5}, {"", true, 5}}},
        {"empty lines", "\n\r\nx", {{"", false, 1}, {"", false, 3}, {"x", true, 4}}},
        {"CR in the middle stays", "a\rb\r\n", {{"a\rb", true, 5}}},
        {"CR at the end of the file is dropped", "ab\r", {{"ab", true, 3}}},
        {"only the last CR is dropped", "ab\r\r\n", {{"ab\r", true, 5}}},
        {"byte 26 at the start of line 3",
         "one\ntwo\n" + sub + "three\nfour\n",
         {{"one", false, 4}, {"two", false, 8}, {"", false, 8}, {"", false, 8}, {"", false, 8}}},
        {"byte 26 in a line", "ab" + sub + "cd\n", {{"ab", false, 2}, {"", false, 2}}},
        {"byte 0 in a line", std::string("ab\0cd\n", 6), {{"ab", false, 2}, {"", false, 2}}},
        {"CR before byte 26 is dropped", "ab\r" + sub, {{"ab", false, 3}, {"", false, 3}}},
        {"second byte 10", "\x81\nx\ny", {{"\x81\nx", false, 4}, {"y", true, 5}}},
        {"second byte 26", "\x81" + sub + "b\n", {{"\x81" + sub + "b", true, 4}}},
        {"second byte 0", std::string("\x81\0b\n", 4), {{std::string("\x81\0b", 3), true, 4}}},
        // A CR that is the second byte of a character is part of the character.
        {"second byte 13", "\x81\r\nx", {{"\x81\r", false, 3}, {"x", true, 4}}},
        {"lead byte at the end of the file",
         "ab\n\x81",
         {{"ab", false, 3}, {"\x81", true, 4}, {"", true, 4}}},
        {"empty file", "", {{"", true, 0}, {"", true, 0}}},
        {"two-byte characters", niHao + "\r\n" + shiJie, {{niHao, false, 6}, {shiJie, true, 10}}},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        const int file = openWith(c.bytes);
        ASSERT_GT(file, 0);
        EXPECT_EQ(chapterfile::atEnd(file), c.bytes.empty());
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            SCOPED_TRACE("line " + std::to_string(i + 1));
            EXPECT_EQ(chapterfile::readLine(file), c.steps[i].line);
            EXPECT_EQ(chapterfile::atEnd(file), c.steps[i].atEnd);
            EXPECT_EQ(chapterfile::position(file), c.steps[i].position);
        }
        chapterfile::close(file);
    }
}

TEST_F(ChapterFileTest, LineLongerThanTheReadBuffer) {
    Text longLine;
    while (longLine.size() < 200 * 1024) {
        longLine += "word " + codec::gbk("字") + " ";
    }
    const int file = openWith(longLine + "\r\ntail");
    ASSERT_GT(file, 0);
    EXPECT_EQ(chapterfile::readLine(file), longLine);
    EXPECT_FALSE(chapterfile::atEnd(file));
    EXPECT_EQ(chapterfile::readLine(file), "tail");
    EXPECT_TRUE(chapterfile::atEnd(file));
}

// Many lines over several buffers, with the awkward splits placed right on the boundaries.
TEST_F(ChapterFileTest, LinesAcrossBufferBoundaries) {
    const std::size_t boundary = chapterfile::readBufferSize;
    std::vector<Text> lines;
    std::vector<std::int64_t> ends;
    Text bytes;
    const auto add = [&](const Text& line, const Text& lineBreak) {
        lines.push_back(line);
        bytes += line + lineBreak;
        ends.push_back(static_cast<std::int64_t>(bytes.size()));
    };
    const auto fillUpTo = [&](std::size_t size) {
        for (std::size_t n = 0; bytes.size() + 200 < size; ++n) {
            add(Text(n % 61, static_cast<char>('a' + n % 26)) + codec::gbk("句"), n % 2 == 0 ? "\n" : "\r\n");
        }
    };
    fillUpTo(boundary);
    // A lead byte as the buffer's last byte, its second byte (an LF) the next buffer's first.
    add(Text(boundary - 1 - bytes.size(), 'x') + "\x81\n" + "rest", "\n");
    fillUpTo(2 * boundary);
    // A CR LF split by the boundary.
    add(Text(2 * boundary - 1 - bytes.size(), 'y'), "\r\n");
    fillUpTo(3 * boundary);
    // A lead byte as the buffer's last byte before an ordinary second byte.
    add(Text(3 * boundary - 1 - bytes.size(), 'z') + codec::gbk("尾"), "");

    const int file = openWith(bytes);
    ASSERT_GT(file, 0);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ASSERT_EQ(chapterfile::readLine(file), lines[i]) << "line " << i + 1;
        ASSERT_EQ(chapterfile::position(file), ends[i]) << "line " << i + 1;
        ASSERT_EQ(chapterfile::atEnd(file), i + 1 == lines.size()) << "line " << i + 1;
    }
}

TEST_F(ChapterFileTest, RewindGoesBackToTheFirstLine) {
    const Text second(chapterfile::readBufferSize + 10, 's');
    const int file = openWith("first\n" + second + "\nthird" + sub + "after\n");
    ASSERT_GT(file, 0);
    EXPECT_EQ(chapterfile::readLine(file), "first");
    EXPECT_EQ(chapterfile::position(file), 6);
    chapterfile::rewind(file);
    EXPECT_EQ(chapterfile::position(file), 0);
    EXPECT_EQ(chapterfile::readLine(file), "first");

    // Past the first buffer and stuck on byte 26: rewind still starts over.
    EXPECT_EQ(chapterfile::readLine(file), second);
    EXPECT_EQ(chapterfile::readLine(file), "third");
    EXPECT_EQ(chapterfile::readLine(file), "");
    chapterfile::rewind(file);
    EXPECT_EQ(chapterfile::position(file), 0);
    EXPECT_FALSE(chapterfile::atEnd(file));
    EXPECT_EQ(chapterfile::readLine(file), "first");
}

TEST_F(ChapterFileTest, FileThatGrowsIsReadOn) {
    const int file = openWith("ab\n");
    ASSERT_GT(file, 0);
    EXPECT_EQ(chapterfile::readLine(file), "ab");
    EXPECT_TRUE(chapterfile::atEnd(file));
    dir_.write("TXT1.TXT", "ab\ncd\n");
    EXPECT_FALSE(chapterfile::atEnd(file));
    EXPECT_EQ(chapterfile::readLine(file), "cd");
    EXPECT_TRUE(chapterfile::atEnd(file));
}

TEST_F(ChapterFileTest, FileThatShrinksEndsWhereItNowEnds) {
    const int file = openWith("ab\ncd\nef\n");
    ASSERT_GT(file, 0);
    dir_.write("TXT1.TXT", "ab\n");
    EXPECT_EQ(chapterfile::readLine(file), "ab");
    EXPECT_EQ(chapterfile::readLine(file), "");
    EXPECT_TRUE(chapterfile::atEnd(file));
}

TEST_F(ChapterFileTest, OpenFailures) {
    dir_.write("readonly/TXT1.TXT", "a\n");
    ASSERT_EQ(::chmod(dir_.file("readonly/TXT1.TXT").c_str(), 0444), 0);
    dir_.write("folder/TXT1.TXT/inside", "a\n");
    ASSERT_EQ(::mkfifo(dir_.file("fifo").c_str(), 0666), 0);
    struct Case {
        const char* name;
        Text path;
    };
    const Case cases[] = {
        {"missing file", systemPath("TXT1.TXT")},
        {"missing folder", systemPath("none\\TXT1.TXT")},
        {"read-only file", systemPath("readonly/TXT1.TXT")},
        {"folder", systemPath("folder/TXT1.TXT")},
        {"FIFO", systemPath("fifo")},
        {"empty path", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(open(c.path), 0);
    }
}

TEST_F(ChapterFileTest, SecondOpenInThisProcessFailsUntilClosed) {
    dir_.write("TXT1.TXT", "a\n");
    ASSERT_EQ(::link(dir_.file("TXT1.TXT").c_str(), dir_.file("link.TXT").c_str()), 0);
    const int first = open(systemPath("TXT1.TXT"));
    ASSERT_GT(first, 0);
    EXPECT_EQ(open(systemPath("TXT1.TXT")), 0);
    EXPECT_EQ(open(systemPath("link.TXT")), 0) << "another name of the same file";
    EXPECT_EQ(chapterfile::readLine(first), "a") << "the failed opens left the first one alone";

    chapterfile::close(first);
    EXPECT_EQ(chapterfile::readLine(first), "") << "a closed number is unknown";
    EXPECT_GT(open(systemPath("link.TXT")), 0);
}

TEST_F(ChapterFileTest, FileLockedByAnotherProcessCannotBeOpened) {
    dir_.write("TXT1.TXT", "a\n");
    const std::string name = dir_.file("TXT1.TXT");
    int ready[2];
    int release[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(release), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int fd = ::open(name.c_str(), O_RDONLY);
        const char locked = (fd >= 0 && ::flock(fd, LOCK_EX) == 0) ? 'y' : 'n';
        char ignored = 0;
        if (::write(ready[1], &locked, 1) != 1 || ::read(release[0], &ignored, 1) < 0) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    char locked = 0;
    ASSERT_EQ(::read(ready[0], &locked, 1), 1);
    ASSERT_EQ(locked, 'y');

    EXPECT_EQ(open(systemPath("TXT1.TXT")), 0);

    ASSERT_EQ(::write(release[1], "x", 1), 1);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    for (const int fd : {ready[0], ready[1], release[0], release[1]}) {
        ::close(fd);
    }
    EXPECT_GT(open(systemPath("TXT1.TXT")), 0);
}

TEST_F(ChapterFileTest, OpenHoldsTheLockAgainstOtherProcesses) {
    dir_.write("TXT1.TXT", "a\n");
    const int file = open(systemPath("TXT1.TXT"));
    ASSERT_GT(file, 0);
    const int other = ::open(dir_.file("TXT1.TXT").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(other, 0);
    EXPECT_NE(::flock(other, LOCK_EX | LOCK_NB), 0);
    chapterfile::close(file);
    EXPECT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0) << "close releases the lock";
    ::close(other);
}

TEST_F(ChapterFileTest, ChineseFolderNameAndBackslashes) {
    dir_.write("res/第一章/TXT2.TXT", codec::gbk("提示") + "\r\n");
    const int file = open(systemPath("res") + "\\" + codec::gbk("第一章") + "\\TXT2.TXT");
    ASSERT_GT(file, 0);
    EXPECT_EQ(chapterfile::readLine(file), codec::gbk("提示"));
}

TEST_F(ChapterFileTest, TwoFilesAreReadIndependently) {
    dir_.write("TXT1.TXT", "a1\na2\n");
    dir_.write("TXT2.TXT", "q1\nq2\n");
    const int answers = open(systemPath("TXT1.TXT"));
    const int prompts = open(systemPath("TXT2.TXT"));
    ASSERT_GT(answers, 0);
    ASSERT_GT(prompts, 0);
    EXPECT_NE(answers, prompts);
    EXPECT_EQ(chapterfile::readLine(answers), "a1");
    EXPECT_EQ(chapterfile::readLine(answers), "a2");
    EXPECT_EQ(chapterfile::readLine(prompts), "q1");
    chapterfile::close(answers);
    EXPECT_EQ(chapterfile::readLine(prompts), "q2");
}

TEST(ChapterFileNumbers, UnknownNumbersReadNothing) {
    for (const int number : {0, -1, 9999}) {
        SCOPED_TRACE(number);
        EXPECT_EQ(chapterfile::readLine(number), "");
        EXPECT_TRUE(chapterfile::atEnd(number));
        EXPECT_EQ(chapterfile::position(number), 0);
        chapterfile::rewind(number);
        chapterfile::close(number);
    }
}

} // namespace
