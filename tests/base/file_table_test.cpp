// Opening and closing files through the open-file table: name normalisation,
// the close line, reports of missing files and misuse, and table growth.
#include "base/file_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/files.h"

namespace {

// A directory holding the files f0.txt to f39.txt.
class FileTable : public testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 40; ++i) write_file(name(i), "line\n");
    }
    std::string name(int i) const { return (dir_ / ("f" + std::to_string(i) + ".txt")).string(); }
    std::FILE* open(std::string path, const char* mode = "r", int flags = 0) {
        return Bfil_open(path.data(), nullptr, mode, nullptr, flags);
    }
    TempDir dir_;
};

}  // namespace

TEST_F(FileTable, NamesAreNormalisedBeforeOpening) {
    std::string backslashes = name(2);
    for (char& c : backslashes)
        if (c == '/') c = '\\';
    setenv("KORVI_TEST_TABLE_DIR", dir_.path().c_str(), 1);
    const std::pair<std::string, std::string> cases[] = {{name(1) + "  ", name(1)},
                                                         {backslashes, name(2)},
                                                         {"$KORVI_TEST_TABLE_DIR/f3.txt", name(3)}};
    for (auto [given, expected] : cases) {
        char opened[512] = "";
        std::FILE* fp = Bfil_open(given.data(), nullptr, "r", opened, 0);
        EXPECT_NE(fp, nullptr) << given;
        EXPECT_EQ(opened, expected);
        Bfil_close(fp, 0);
    }
}

TEST_F(FileTable, MissingFileIsReportedWithTheSystemTextAndTakesNoEntry) {
    const std::string missing = (dir_ / "absent.opt").string();
    testing::internal::CaptureStderr();
    EXPECT_EQ(open(missing), nullptr);
    EXPECT_EQ(open(missing, "r", kFilQuiet), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), missing + ": No such file or directory\n");
    const int size = Bfil_table_size();
    for (int i = 0; i <= size; ++i) EXPECT_EQ(open(missing, "r", kFilQuiet), nullptr);
    EXPECT_EQ(Bfil_table_size(), size);
}

TEST_F(FileTable, CloseNamesTheFileReadOrWrittenAndMisuseIsReported) {
    std::FILE* read = open(name(4));
    std::FILE* written = open(name(5), "w");
    std::FILE* foreign = std::fopen(name(6).c_str(), "r");
    char given[] = "x";
    testing::internal::CaptureStderr();
    EXPECT_EQ(Bfil_close(read, kFilReport), 0);
    EXPECT_EQ(Bfil_close(written, kFilReport), 0);
    EXPECT_EQ(Bfil_close(foreign, kFilReport), 0);
    EXPECT_EQ(Bfil_close(nullptr, 0), -1);
    EXPECT_EQ(Bfil_open(given, nullptr, nullptr, nullptr, 0), nullptr);
    EXPECT_EQ(Bfil_open(nullptr, nullptr, "r", nullptr, 0), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "File read: " + name(4) + "\nFile written: " + name(5) +
                  "\nBfil_close: file pointer not found\nBfil_open: no mode (internal error)\n"
                  "Bfil_open: no file name (internal error)\n");
}

// Six files from an empty table grow it from 5 to 10 entries; a freed entry
// is reused before the table grows again.
TEST_F(FileTable, GrowsByFiveWhenFullAndReusesFreedEntries) {
    const int before = Bfil_table_size();  // every entry free: earlier tests closed theirs
    const int first_size = before < 5 ? 5 : before;
    std::vector<std::FILE*> files;
    for (int i = 0; i <= first_size; ++i) files.push_back(open(name(i)));
    EXPECT_EQ(Bfil_table_size(), first_size + 5);
    Bfil_close(files[2], 0);
    files[2] = open(name(2));
    while (static_cast<int>(files.size()) < Bfil_table_size())
        files.push_back(open(name(static_cast<int>(files.size()))));
    EXPECT_EQ(Bfil_table_size(), first_size + 5);
    files.push_back(open(name(39)));
    EXPECT_EQ(Bfil_table_size(), first_size + 10);
    for (std::FILE* fp : files) EXPECT_EQ(Bfil_close(fp, 0), 0);
}
