#include "base/file_table.h"

#include "support/files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// A directory holding the files f0.txt to f39.txt.
class FileTable : public testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 40; ++i) write_file(name(i), "line\n");
    }

    std::string name(int i) const { return (dir_ / ("f" + std::to_string(i) + ".txt")).string(); }

    std::FILE* open(std::string path, int flags = 0) {
        return Bfil_open(path.data(), nullptr, "r", nullptr, flags);
    }

    // Opens given (edited in place) and returns the name actually opened.
    std::string opened_name(std::string& given) {
        char opened[512] = "";
        std::FILE* fp = Bfil_open(given.data(), nullptr, "r", opened, 0);
        EXPECT_NE(fp, nullptr);
        Bfil_close(fp, 0);
        return opened;
    }

    TempDir dir_;
};

}  // namespace

TEST_F(FileTable, NamesAreNormalisedBeforeOpening) {
    std::string blanks = name(1) + "  ";
    EXPECT_EQ(opened_name(blanks), name(1));
    EXPECT_STREQ(blanks.c_str(), name(1).c_str());

    std::string backslashes = name(2);
    for (char& c : backslashes)
        if (c == '/') c = '\\';
    EXPECT_EQ(opened_name(backslashes), name(2));

    setenv("KORVI_TEST_TABLE_DIR", dir_.path().c_str(), 1);
    std::string variable = "$KORVI_TEST_TABLE_DIR/f3.txt";
    EXPECT_EQ(opened_name(variable), name(3));
}

TEST_F(FileTable, MissingFileIsReportedWithTheSystemTextAndTakesNoEntry) {
    std::string missing = (dir_ / "absent.opt").string();
    testing::internal::CaptureStderr();
    EXPECT_EQ(open(missing), nullptr);
    EXPECT_EQ(open(missing, kFilQuiet), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), missing + ": No such file or directory\n");
    int size = Bfil_table_size();
    for (int i = 0; i <= size; ++i) EXPECT_EQ(open(missing, kFilQuiet), nullptr);
    EXPECT_EQ(Bfil_table_size(), size);  // failed opens leave their entry free
}

TEST_F(FileTable, CloseNamesTheFileReadOrWritten) {
    std::FILE* read = open(name(4));
    std::string path = name(5);
    std::FILE* written = Bfil_open(path.data(), nullptr, "w", nullptr, 0);
    testing::internal::CaptureStderr();
    EXPECT_EQ(Bfil_close(read, kFilReport), 0);
    EXPECT_EQ(Bfil_close(written, kFilReport), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "File read: " + name(4) + "\nFile written: " + name(5) + "\n");
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

    for (std::FILE* fp : open_files) EXPECT_EQ(Bfil_close(fp, 0), 0);
}

TEST_F(FileTable, MisuseIsReported) {
    std::FILE* foreign = std::fopen(name(6).c_str(), "r");
    char given[] = "x";
    testing::internal::CaptureStderr();
    EXPECT_EQ(Bfil_close(foreign, kFilReport), 0);
    EXPECT_EQ(Bfil_close(nullptr, 0), -1);
    EXPECT_EQ(Bfil_open(given, nullptr, nullptr, nullptr, 0), nullptr);
    EXPECT_EQ(Bfil_open(nullptr, nullptr, "r", nullptr, 0), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Bfil_close: file pointer not found\nBfil_open: no mode (internal error)\n"
              "Bfil_open: no file name (internal error)\n");
}
