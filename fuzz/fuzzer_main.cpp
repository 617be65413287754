// A libFuzzer program around one entry function of targets.h, chosen by the
// build with KORVI_FUZZ_TARGET.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "targets.h"

// The readers report on stdout and stderr. libFuzzer keeps its own copy of the
// original stderr stream and sanitizers write to the descriptor, so pointing
// the program's two streams at /dev/null silences only the readers.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    stdout = fuzz::null_stream();
    stderr = fuzz::null_stream();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzz::KORVI_FUZZ_TARGET(data, size);
}
