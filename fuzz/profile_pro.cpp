// Any bytes as a trainee's ".pro": loading never crashes or hangs, the repaired values stay
// in their ranges, the plan's rules work on whatever was loaded, and the record written out
// again reads back to the same lines.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "FuzzSupport.h"
#include "platform/Files.h"
#include "platform/Utf.h"
#include "profiles/Profile.h"
#include "profiles/ProfileFile.h"

namespace {

using fuzzsupport::Check;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static auto profile = std::make_unique<Profile>();
    // The file's bytes are read from memory exactly as the trainee's file is read from disk.
    Profile& p = *profile;
    profiles::LineSource in =
        profiles::ParseLines(std::string(reinterpret_cast<const char*>(data), size), Profile::kProLines);
    p.ReadPro(in);
    Check(p.roundsPerDay >= 8 && p.roundsPerDay <= 10);
    Check(p.trainingDays >= 15 && p.trainingDays <= 25);
    Check(p.coins >= 0 && p.coins <= Profile::kMaxCoins);
    Check(p.password.size() <= Profile::kMaxPasswordLength);
    for (int g = 0; g < Profile::kExercises; ++g)
        Check(p.span[g] >= 0 && p.span[g] <= Profile::kMaxSpan && p.dayProgress[g] >= 0 && p.dayProgress[g] <= 25 &&
              (p.direction[g] == 0 || p.direction[g] == 1));

    const int completed = p.CompletedDays();
    Check(completed >= 0 && completed <= 25);
    const int stage = p.DiplomaStage();
    Check(stage >= 0 && stage <= 4);
    for (int g = -1; g <= 10; ++g) (void)p.IsPlayable(g);
    (void)p.IsDayFinished();
    (void)p.IsRewardDue(L"today");
    (void)p.IsWeekEnd();
    p.AdvanceDay(L"fuzz day");
    Check(p.dayProgress[0] <= p.trainingDays);

    profiles::LineSink first;
    p.WritePro(first);
    Check(first.Lines().size() == static_cast<size_t>(Profile::kProLines));
    profiles::LineSource again(first.Lines());
    p.ReadPro(again);
    profiles::LineSink second;
    p.WritePro(second);
    Check(first.Lines() == second.Lines());
    return 0;
}
