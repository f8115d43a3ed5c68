// Any bytes as a trainee's ".ntr": reading never crashes or hangs, every result taken in is
// one the test can give, and the results written out again read back the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "profiles/NumberTestResults.h"
#include "profiles/ProfileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using fuzzsupport::Check;
    profiles::LineSource in = profiles::ParseLines(std::string(reinterpret_cast<const char*>(data), size),
                                                   profiles::kMaxNumberTests * profiles::kNumberTestLines + 3);
    const auto results = profiles::ReadNumberTests(in);
    Check(results.size() <= static_cast<size_t>(profiles::kMaxNumberTests));
    for (const auto& r : results)
        Check(profiles::IsIsoDate(r.date) && r.level >= 1 && r.level <= 3 && r.score >= 0 &&
              r.score <= profiles::kMaxNumberTestScore);
    profiles::LineSink out;
    profiles::WriteNumberTests(results, out);
    profiles::LineSource again(out.Lines());
    Check(profiles::ReadNumberTests(again) == results);
    return 0;
}
