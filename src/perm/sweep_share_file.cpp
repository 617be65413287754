// Writing and reading the file of a sweep's share.
#include "perm/sweep_share_file.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iterator>

#include "base/format.h"

namespace {

const char kMagic[] = "korvi-perm sweep share";

std::string settings_lines(const ProbeSweepSettings& s) {
    const GridSettings& g = s.grid;
    auto f = [](float value) { return static_cast<double>(value); };
    return "lattice\t" + s.lattice_file + "\n" +
           formatted("grid\t%.9g\t%.9g\t%.9g\t%d\t%d\n", f(g.shift), f(g.radius), f(g.distance),
                     g.theta_count, g.phi_count) +
           formatted("first\t%.9g\t%.9g\t%.9g\n", f(s.first.shift), f(s.first.radius),
                     f(s.first.distance)) +
           formatted("steps\t%d\n", s.steps) +
           formatted("parameters\t%.9g\t%.9g\t%.9g\n", f(s.parameters.strength),
                     f(s.parameters.range), f(s.parameters.gauche_energy)) +
           formatted("tours\t%lld\nbatches\t%d\nseed\t%lld\n", s.tours_per_batch, s.batches,
                     s.seed);
}

// The line being read, split at tabs, with what a message about it needs.
class Line {
public:
    Line(const std::string& file, int number, const char* text) : file_(file), number_(number) {
        std::string rest(text, std::strcspn(text, "\r\n"));
        for (std::size_t start = 0;;) {
            const std::size_t tab = rest.find('\t', start);
            fields_.push_back(rest.substr(start, tab - start));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        text_ = rest;
    }

    // Whether the line is `key` with `count` fields after it.
    bool is(const char* key, std::size_t count) const {
        return fields_[0] == key && fields_.size() == count + 1;
    }
    // The message for a line that is not what was expected; false.
    bool fail(const char* what) const {
        std::fprintf(stderr, "%s, line %d: expected %s, got '%s'\n", file_.c_str(), number_, what,
                     text_.c_str());
        return false;
    }
    const std::string& field(std::size_t i) const { return fields_[i]; }
    const std::string& text() const { return text_; }  // without its line end

    // Field i as a number of the type of *out, every character used.
    bool number(std::size_t i, double* out) const { return whole(i, std::strtod, out); }
    bool number(std::size_t i, float* out) const { return whole(i, std::strtof, out); }
    bool number(std::size_t i, long long* out) const {
        return whole(
            i, [](const char* s, char** end) { return std::strtoll(s, end, 10); }, out);
    }
    bool number(std::size_t i, int* out) const {
        long long value = 0;
        if (!number(i, &value) || value != static_cast<int>(value)) return false;
        *out = static_cast<int>(value);
        return true;
    }

private:
    template <typename Convert, typename T>
    bool whole(std::size_t i, Convert convert, T* out) const {
        const char* text = fields_[i].c_str();
        char* end = nullptr;
        errno = 0;
        const T value = convert(text, &end);
        if (end == text || *end != '\0' || errno == ERANGE) return false;
        *out = value;
        return true;
    }

    std::string file_;
    int number_;
    std::string text_;
    std::vector<std::string> fields_;
};

// The lines of a file one after the other, each read by a function that says
// whether it is what was expected; a message names the file and line when not.
class LineReader {
public:
    LineReader(std::FILE* fp, const std::string& name) : fp_(fp), name_(name) {}
    ~LineReader() { std::free(buffer_); }
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool next(const char* what, const std::function<bool(const Line&)>& read) {
        if (getline(&buffer_, &size_, fp_) < 0) {
            std::fprintf(stderr, "%s: ends after line %d, expected %s\n", name_.c_str(), number_,
                         what);
            return false;
        }
        const Line line(name_, ++number_, buffer_);
        return read(line) || line.fail(what);
    }

private:
    std::FILE* fp_;
    std::string name_;
    char* buffer_ = nullptr;
    std::size_t size_ = 0;
    int number_ = 0;
};

// The word of a piece's state in the file.
constexpr const char* kStateWords[] = {"missing", "sampled", "beyond-reach", "closed-off"};
static_assert(std::size(kStateWords) == static_cast<std::size_t>(PieceState::kClosedOff) + 1);

const char* state_word(PieceState state) {
    return kStateWords[static_cast<std::size_t>(state)];
}

// A piece line of the share: its state and, when sampled, its numbers.
bool read_piece(const Line& l, ShareFile& file) {
    const ProbeSweepSettings& s = file.settings;
    int target = 0, batch = 0;
    Piece p;
    if (l.is("piece", 3) && l.field(3) == state_word(PieceState::kBeyondReach)) {
        p.state = PieceState::kBeyondReach;
    } else if (l.is("piece", 3) && l.field(3) == state_word(PieceState::kClosedOff)) {
        p.state = PieceState::kClosedOff;
    } else if (l.is("piece", 7) && l.field(3) == state_word(PieceState::kSampled)) {
        p.state = PieceState::kSampled;
        if (!l.number(4, &p.log_z) || !l.number(5, &p.walks) || !l.number(6, &p.steps) ||
            !l.number(7, &p.outer_shell_walks))
            return false;
    } else {
        return false;
    }
    if (!l.number(1, &target) || !l.number(2, &batch) || target < 0 || batch < 0 ||
        batch >= s.batches)
        return false;
    const long index = static_cast<long>(target) * s.batches + batch;
    if (index >= file.pieces || !file.share.holds(index)) return false;
    file.held.emplace_back(index, p);
    return true;
}

}  // namespace

std::string share_file_name(const std::string& prefix, const Share& share) {
    return prefix + formatted(".%d-of-%d.share", share.index, share.count);
}

void write_share(std::FILE* fp, const ProbeSweepSettings& settings, const Share& share,
                 const SweepPieces& pieces) {
    std::fprintf(fp, "%s\t%d\t%d\n", kMagic, share.index, share.count);
    std::fputs(settings_lines(settings).c_str(), fp);
    std::fprintf(fp, "pieces\t%ld\n", pieces.count());
    long written = 0;
    for (long i = 0; i < pieces.count(); ++i) {
        const Piece& p = pieces[i];
        if (!share.holds(i) || p.state == PieceState::kMissing) continue;
        std::fprintf(fp, "piece\t%d\t%d\t%s", pieces.target_of(i), pieces.batch_of(i),
                     state_word(p.state));
        if (p.state == PieceState::kSampled)
            std::fprintf(fp, "\t%.17g\t%lld\t%lld\t%lld", p.log_z, p.walks, p.steps,
                         p.outer_shell_walks);
        std::fputs("\n", fp);
        ++written;
    }
    std::fprintf(fp, "end\t%ld\n", written);
}

bool read_share(std::FILE* fp, const std::string& name, ShareFile& file) {
    file = ShareFile{};
    LineReader in(fp, name);
    ProbeSweepSettings& s = file.settings;
    // A settings line is kept as it stands, for the comparison of shares.
    auto setting = [&](const char* key, std::size_t count, const char* what,
                       const std::function<bool(const Line&)>& read) {
        return in.next(what, [&](const Line& l) {
            if (!l.is(key, count) || !read(l)) return false;
            file.settings_lines += l.text() + "\n";
            return true;
        });
    };
    bool ok = in.next("'korvi-perm sweep share', the share's number and the number of shares",
                      [&](const Line& l) {
                          return l.field(0) == kMagic && l.number(1, &file.share.index) &&
                                 l.number(2, &file.share.count) && file.share.index >= 1 &&
                                 file.share.index <= file.share.count;
                      }) &&
              setting("lattice", 1, "'lattice' and the lattice file",
                      [&](const Line& l) {
                          s.lattice_file = l.field(1);
                          return true;
                      }) &&
              setting("grid", 5, "'grid' and -s -r -d -t -p",
                      [&](const Line& l) {
                          GridSettings& g = s.grid;
                          return l.number(1, &g.shift) && l.number(2, &g.radius) &&
                                 l.number(3, &g.distance) && l.number(4, &g.theta_count) &&
                                 l.number(5, &g.phi_count);
                      }) &&
              setting("first", 3, "'first' and -S -R -D",
                      [&](const Line& l) {
                          return l.number(1, &s.first.shift) && l.number(2, &s.first.radius) &&
                                 l.number(3, &s.first.distance);
                      }) &&
              setting("steps", 1, "'steps' and a number",
                      [&](const Line& l) { return l.number(1, &s.steps); }) &&
              setting("parameters", 3, "'parameters' and -A -L -E",
                      [&](const Line& l) {
                          WalkParameters& p = s.parameters;
                          return l.number(1, &p.strength) && l.number(2, &p.range) &&
                                 l.number(3, &p.gauche_energy);
                      }) &&
              setting("tours", 1, "'tours' and a number of at least 1",
                      [&](const Line& l) {
                          return l.number(1, &s.tours_per_batch) && s.tours_per_batch >= 1;
                      }) &&
              setting("batches", 1, "'batches' and a number of at least 2",
                      [&](const Line& l) { return l.number(1, &s.batches) && s.batches >= 2; }) &&
              setting("seed", 1, "'seed' and a number",
                      [&](const Line& l) { return l.number(1, &s.seed); }) &&
              setting("pieces", 1, "'pieces' and a whole number of batches", [&](const Line& l) {
                  long long pieces = 0;
                  if (!l.number(1, &pieces) || pieces < s.batches || pieces % s.batches != 0)
                      return false;
                  file.pieces = static_cast<long>(pieces);
                  return true;
              });
    for (bool end = false; ok && !end;) {
        ok = in.next("a piece of this share (target, batch, 'sampled' and four numbers, "
                     "'beyond-reach' or 'closed-off'), or 'end' and the number of pieces",
                     [&](const Line& l) {
                         if (l.field(0) != "end") return read_piece(l, file);
                         long long count = 0;
                         end = true;
                         return l.is("end", 1) && l.number(1, &count) &&
                                count == static_cast<long long>(file.held.size());
                     });
    }
    return ok;
}
