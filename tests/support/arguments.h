// Test helper: a mutable argument vector, as main() receives it (the parser
// edits arguments in place and stores their addresses).
#pragma once

#include <initializer_list>
#include <list>
#include <string>
#include <vector>

class Arguments {
public:
    Arguments(std::initializer_list<std::string> words)
        : Arguments(std::vector<std::string>(words)) {}
    explicit Arguments(const std::vector<std::string>& words) {
        add("korvi");
        for (const auto& word : words) add(word);
        pointers_.push_back(nullptr);
    }
    Arguments(const Arguments&) = delete;
    Arguments& operator=(const Arguments&) = delete;

    int argc() const { return static_cast<int>(pointers_.size()) - 1; }
    char** argv() { return pointers_.data(); }

private:
    void add(const std::string& word) {
        texts_.push_back(word);
        pointers_.push_back(texts_.back().data());
    }

    std::list<std::string> texts_;  // stable addresses
    std::vector<char*> pointers_;
};
