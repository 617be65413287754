// Test helper: korvi-stats' table read back, its comment lines and its rows
// by kind and column name.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace stats_table {

using Row = std::map<std::string, std::string>;

inline std::vector<std::string> split(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    for (std::string field; std::getline(in, field, separator);) fields.push_back(field);
    if (!line.empty() && line.back() == separator) fields.push_back("");
    return fields;
}

inline double number(const Row& row, const std::string& column) {
    return std::stod(row.at(column));
}

// The statistics table: its comment lines, and its rows by kind and column name.
struct Table {
    std::string comments;
    std::map<std::string, std::vector<Row>> rows;
};

inline Table read_table(const std::string& text) {
    Table table;
    std::vector<std::string> names;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("# kind\t", 0) == 0) {
            names = split(line.substr(2), '\t');
        } else if (line[0] == '#') {
            table.comments += line + "\n";
        } else {
            const std::vector<std::string> fields = split(line, '\t');
            EXPECT_EQ(fields.size(), names.size()) << line;
            Row row;
            for (std::size_t c = 0; c < names.size() && c < fields.size(); ++c)
                row[names[c]] = fields[c];
            table.rows[row["kind"]].push_back(row);
        }
    }
    return table;
}

}  // namespace stats_table
