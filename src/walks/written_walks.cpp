// One pass over .lwk text of the writer's own form.
#include "walks/written_walks.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "base/plain_numbers.h"

namespace {

constexpr std::size_t kLongestLine = 120;
constexpr int kMostCount = 65536;
constexpr int kMostDigits = 9;  // plain digits that always fit an int
constexpr std::string_view kTerminator = "$$$$\n";

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Text that the line reader takes as it stands: a carriage return would end
// the line there, and a NUL hide the rest. (Lines of numbers are checked
// character by character anyway.)
bool is_plain_text(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\0'; });
}

// One to kMostDigits plain digits from *p on, which must be followed by a
// character other than a digit before `end`.
bool digits_field(const char** p, const char* end, int* value) {
    const char* start = *p;
    unsigned number = 0;
    for (; *p < end && is_digit(**p); ++*p) number = number * 10 + static_cast<unsigned>(**p - '0');
    const long length = *p - start;
    if (length == 0 || length > kMostDigits) return false;
    *value = static_cast<int>(number);
    return true;
}

class Scan {
public:
    explicit Scan(std::string_view text) : pos_(text.data()), end_(text.data() + text.size()) {}

    bool at_end() const { return pos_ == end_; }

    // The next line without its line feed; false when the text has no line
    // feed left, or the line is longer than kLongestLine and no comment.
    bool line(std::string_view* line, bool comment_allowed = false) {
        const auto* feed = static_cast<const char*>(
            std::memchr(pos_, '\n', static_cast<std::size_t>(end_ - pos_)));
        if (!feed) return false;
        *line = std::string_view(pos_, static_cast<std::size_t>(feed - pos_));
        pos_ = feed + 1;
        const bool comment = comment_allowed && !line->empty() && line->front() == '#';
        return comment || line->size() <= kLongestLine;
    }

    bool terminator() {
        if (static_cast<std::size_t>(end_ - pos_) < kTerminator.size() ||
            std::string_view(pos_, kTerminator.size()) != kTerminator)
            return false;
        pos_ += kTerminator.size();
        return true;
    }

    // A line of "number TAB element" pairs joined by tabs; its numbers go to
    // numbers[*filled ...]. False for any other line and for more numbers
    // than the array holds. The text ends in a line feed, which ends every
    // run of digits: no bounds to check on the way once a line has begun.
    bool pairs(std::vector<int>& numbers, std::size_t* filled) {
        if (pos_ == end_) return false;
        const char* p = pos_;
        std::size_t k = *filled;
        for (;;) {
            unsigned number = 0;
            const char* digits = p;
            for (; is_digit(*p); ++p) number = number * 10 + static_cast<unsigned>(*p - '0');
            if (p == digits || p - digits > kMostDigits || *p != '\t' || k == numbers.size())
                return false;
            digits = ++p;
            while (is_digit(*p)) ++p;
            if (p == digits || p - digits > kMostDigits) return false;
            numbers[k++] = static_cast<int>(number);
            if (*p == '\n') break;
            if (*p++ != '\t') return false;
        }
        if (static_cast<std::size_t>(p - pos_) > kLongestLine) return false;
        pos_ = p + 1;
        *filled = k;
        return true;
    }

private:
    const char* pos_;
    const char* end_;
};

bool read_header(std::string_view line, ScannedWalk* walk) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos || tab == 0) return false;
    walk->name = line.substr(0, tab);
    const char* p = line.data() + tab + 1;
    const char* end = line.data() + line.size();
    return is_plain_text(walk->name) && digits_field(&p, end, &walk->count) && p == end &&
           walk->count >= 1 && walk->count <= kMostCount;
}

bool read_parameters(std::string_view line, float* params) {
    const char* p = line.data();
    const char* end = line.data() + line.size();
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && (p == end || *p++ != '\t')) return false;
        const auto* tab =
            static_cast<const char*>(std::memchr(p, '\t', static_cast<std::size_t>(end - p)));
        const char* token_end = tab ? tab : end;
        // A token of its own: plain_float would pass over leading white space.
        if (p == token_end || is_space(*p)) return false;
        const char* number_end = nullptr;
        if (!plain_float(p, &params[i], &number_end) || number_end != token_end) return false;
        p = token_end;
    }
    return p == end;
}

}  // namespace

bool scan_written_walks(std::string_view text,
                        const std::function<bool(const ScannedWalk&)>& take) {
    // Every line ends in a line feed, the last one too.
    if (!text.empty() && text.back() != '\n') return false;
    Scan scan(text);
    std::vector<int> numbers;
    std::string_view line;
    ScannedWalk walk;
    // Walks mostly repeat the parameter line before them: the same text
    // reads as the same numbers.
    std::string_view last_parameters;
    while (!scan.at_end()) {
        if (!scan.line(&line, true)) return false;
        if (!line.empty() && line.front() == '#') {
            if (!is_plain_text(line)) return false;
            continue;
        }
        if (!read_header(line, &walk) || !scan.line(&line)) return false;
        if (last_parameters.empty() || line != last_parameters) {
            if (!read_parameters(line, walk.params)) return false;
            last_parameters = line;
        }
        numbers.resize(static_cast<std::size_t>(walk.count));
        std::size_t filled = 0;
        while (!scan.terminator())
            if (!scan.pairs(numbers, &filled)) return false;
        if (filled != numbers.size()) return false;
        walk.numbers = numbers.data();
        if (!take(walk)) return false;
    }
    return true;
}

std::size_t whole_records_length(std::string_view text) {
    for (std::size_t at = text.rfind(kTerminator); at != std::string_view::npos;
         at = at == 0 ? std::string_view::npos : text.rfind(kTerminator, at - 1)) {
        if (at == 0 || text[at - 1] == '\n') return at + kTerminator.size();
    }
    return 0;
}
