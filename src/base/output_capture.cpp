// Recording streams that stand in for stdout and stderr during a capture.
#include "base/output_capture.h"

#include <cstdio>

namespace {

struct Recorder {
    std::vector<PrintedText>* printed;
    bool error;
};

ssize_t record(void* cookie, const char* data, size_t size) {
    const auto* recorder = static_cast<Recorder*>(cookie);
    std::vector<PrintedText>& printed = *recorder->printed;
    if (printed.empty() || printed.back().error != recorder->error)
        printed.push_back({recorder->error, {}});
    printed.back().text.append(data, size);
    return static_cast<ssize_t>(size);
}

int forget(void* cookie) {
    delete static_cast<Recorder*>(cookie);
    return 0;
}

// An unbuffered stream whose every write lands in *printed at once.
std::FILE* recording_stream(std::vector<PrintedText>* printed, bool error) {
    cookie_io_functions_t functions{};
    functions.write = record;
    functions.close = forget;
    auto* recorder = new Recorder{printed, error};
    std::FILE* stream = fopencookie(recorder, "w", functions);
    if (!stream) {
        delete recorder;
        return nullptr;
    }
    std::setvbuf(stream, nullptr, _IONBF, 0);
    return stream;
}

}  // namespace

// The saved streams keep what their buffers hold; it goes out when they are
// written to again, as it would have without the capture.
OutputCapture::OutputCapture() : saved_out_(stdout), saved_err_(stderr) {
    out_ = recording_stream(&printed_, false);
    err_ = recording_stream(&printed_, true);
    if (recording()) {
        stdout = out_;
        stderr = err_;
    }
}

OutputCapture::~OutputCapture() {
    stdout = saved_out_;
    stderr = saved_err_;
    if (out_) std::fclose(out_);
    if (err_) std::fclose(err_);
}

std::vector<PrintedText> OutputCapture::take() {
    std::vector<PrintedText> taken;
    taken.swap(printed_);
    return taken;
}

void print_again(const PrintedText& printed) {
    std::fwrite(printed.text.data(), 1, printed.text.size(), printed.error ? stderr : stdout);
}
