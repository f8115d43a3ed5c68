// Any bytes as a position file: the reader keeps only whole groups of the span's length,
// and the choice of a round always lies inside the layout, stand-in or not.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzSupport.h"
#include "engine/SequencePool.h"
#include "platform/Files.h"
#include "platform/Utf.h"

namespace {
using fuzzsupport::Check;
using fuzzsupport::PutFile;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    // The first byte picks the span (1..12) and the layout's places (4..11); the rest is the file.
    const int span = data[0] % 12 + 1;
    const int places = (data[0] >> 4) % 8 + 4;
    static const std::wstring folder = fuzzsupport::WorkFolder("pool");
    const std::wstring path = folder + L"list.txt";
    if (folder.empty() || !PutFile(path, data + 1, size - 1)) return 0;
    SequencePool pool;
    Check(engine::ReadSequencePool(path, span, pool));
    for (const auto& candidate : pool) Check(!candidate.empty() && static_cast<int>(candidate.size()) <= span);
    const auto chosen = engine::ChooseCandidate(pool, span, places);
    Check(!chosen.empty() && static_cast<int>(chosen.size()) <= span);
    for (int p : chosen) Check(p >= 0 && p < places);
    return 0;
}
