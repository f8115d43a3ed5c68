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
using fuzzsupport::PutFile;
using fuzzsupport::WorkFolder;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::wstring folder = WorkFolder("pro");
    static auto profile = std::make_unique<Profile>();
    if (folder.empty() || !PutFile(folder + L"F.pro", data, size)) return 0;

    Profile& p = *profile;
    p.folder = folder;
    p.name = L"F";
    p.Load(true, false, false);
    Check(p.roundsPerDay >= 8 && p.roundsPerDay <= 10);
    Check(p.trainingDays >= 15 && p.trainingDays <= 25);
    Check(profiles::IsSafeName(p.name));

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
