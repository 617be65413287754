// Records what the program prints on standard output and standard error for
// a while, in the order printed, so that it can be printed again later.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// Text printed on one of the two streams; consecutive writes to the same
// stream are joined into one piece.
struct PrintedText {
    bool error = false;  // standard error, else standard output
    std::string text;
};

// While an OutputCapture lives, stdout and stderr point at recording streams
// (unbuffered, so the order across the two streams is kept). Captures nest:
// the one made last records until it is destroyed, and the streams that were
// current before it come back then.
class OutputCapture {
public:
    OutputCapture();
    ~OutputCapture();
    OutputCapture(const OutputCapture&) = delete;
    OutputCapture& operator=(const OutputCapture&) = delete;

    // False when the recording streams could not be made: the output then
    // goes where it went before.
    bool recording() const { return out_ && err_; }

    // Hands over what was printed since the capture began or since the last take.
    std::vector<PrintedText> take();

private:
    std::FILE* saved_out_;
    std::FILE* saved_err_;
    std::FILE* out_ = nullptr;
    std::FILE* err_ = nullptr;
    std::vector<PrintedText> printed_;
};

// Prints recorded text again on the stream it was first printed on.
void print_again(const PrintedText& printed);
