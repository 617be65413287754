#include "base/file_table.h"

#include "support/files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// A directory holding the files f0.txt to f39.txt of one line each.
class FileTable : public testing::Test {
protected:
    std::string name(int i) const { return (dir_ / ("f" + std::to_string(i) + ".txt")).string(); }

    std::FILE* open(std::string path) { return Bfil_open(path.data(), nullptr, "r", nullptr, 0); }

    void SetUp() override {
        for (int i = 0; i < 40; ++i) write_file(name(i), "line " + std::to_string(i) + "\n");
    }

    TempDir dir_;
};

}  // namespace

TEST_F(FileTable, TrailingBlanksAreRemovedFromTheName) {
    std::string given = name(1) + "  ";
    char opened[512];
    std::FILE* fp = Bfil_open(given.data(), nullptr, "r", opened, 0);
    ASSERT_NE(fp, nullptr);
    EXPECT_STREQ(given.c_str(), name(1).c_str());
    EXPECT_EQ(std::string(opened), name(1));
    EXPECT_EQ(Bfil_close(fp, 0), 0);
}

TEST_F(FileTable, BackslashesBecomeSlashes) {
    std::string given = name(2);
    for (char& c : given)
        if (c == '/') c = '\\';
    std::FILE* fp = Bfil_open(given.data(), nullptr, "r", nullptr, 0);
    ASSERT_NE(fp, nullptr);
    EXPECT_EQ(given, name(2));
    Bfil_close(fp, 0);
}

TEST_F(FileTable, DollarNamesAreExpandedByTheShell) {
    setenv("KORVI_TEST_TABLE_DIR", dir_.path().c_str(), 1);
    char given[] = "$KORVI_TEST_TABLE_DIR/f3.txt";
    char opened[512];
    std::FILE* fp = Bfil_open(given, nullptr, "r", opened, 0);
    ASSERT_NE(fp, nullptr);
    EXPECT_EQ(std::string(opened), name(3));
    Bfil_close(fp, 0);
}

TEST_F(FileTable, MissingFileIsReportedWithTheSystemTextAndTakesNoEntry) {
    std::string missing = (dir_ / "absent.opt").string();
    int size = Bfil_table_size();
    testing::internal::CaptureStderr();
    EXPECT_EQ(open(missing), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), missing + ": No such file or directory\n");
    EXPECT_EQ(Bfil_table_size(), size);

    testing::internal::CaptureStderr();
    EXPECT_EQ(Bfil_open(missing.data(), nullptr, "r", nullptr, kFilQuiet), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(FileTable, CloseWithReportNamesTheFileRead) {
    std::FILE* fp = open(name(4));
    ASSERT_NE(fp, nullptr);
    testing::internal::CaptureStderr();
    EXPECT_EQ(Bfil_close(fp, kFilReport), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "File read: " + name(4) + "\n");
}

TEST_F(FileTable, CloseReportsWrittenForOtherModes) {
    std::string path = name(5);
    std::FILE* fp = Bfil_open(path.data(), nullptr, "w", nullptr, 0);
    ASSERT_NE(fp, nullptr);
    testing::internal::CaptureStderr();
    Bfil_close(fp, kFilReport);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "File written: " + name(5) + "\n");
}

TEST_F(FileTable, GrowsByFiveWhenFullAndReusesFreedEntries) {
    // Every entry is free here: earlier tests closed what they opened.
    int before = Bfil_table_size();
    int first_size = before < 5 ? 5 : before;
    std::vector<std::FILE*> open_files;
    for (int i = 0; i <= first_size; ++i) open_files.push_back(open(name(i)));
    EXPECT_EQ(Bfil_table_size(), first_size + 5);  // six files from empty: 10 entries

    Bfil_close(open_files[2], 0);
    open_files[2] = open(name(2));
    int free_entries = Bfil_table_size() - static_cast<int>(open_files.size());
    for (int i = 0; i < free_entries; ++i) open_files.push_back(open(name(10 + i)));
    EXPECT_EQ(Bfil_table_size(), first_size + 5);
    open_files.push_back(open(name(39)));
    EXPECT_EQ(Bfil_table_size(), first_size + 10);

    for (std::FILE* fp : open_files) {
        ASSERT_NE(fp, nullptr);
        EXPECT_EQ(Bfil_close(fp, 0), 0);
    }
}

TEST_F(FileTable, StreamsNotInTheTableAreClosedWithAMessage) {
    std::FILE* fp = std::fopen(name(6).c_str(), "r");
    testing::internal::CaptureStderr();
    EXPECT_EQ(Bfil_close(fp, kFilReport), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Bfil_close: file pointer not found\n");
    EXPECT_EQ(Bfil_close(nullptr, 0), -1);
}

TEST_F(FileTable, MissingModeOrNameIsAnInternalError) {
    char given[] = "x";
    testing::internal::CaptureStderr();
    EXPECT_EQ(Bfil_open(given, nullptr, nullptr, nullptr, 0), nullptr);
    EXPECT_EQ(Bfil_open(nullptr, nullptr, "r", nullptr, 0), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Bfil_open: no mode (internal error)\nBfil_open: no file name (internal error)\n");
}
