#include "profiles/ProfileOptions.h"

#include <algorithm>

#include "profiles/NumberText.h"
#include "profiles/ProfileFile.h"
#include "text/TextIds.h"

ProfileOptions::ProfileOptions() {
    ChooseLanguage();
    ResetValues();
    ApplyLocale();
    LoadTexts();
}

void ProfileOptions::ResetValues() {
    o0 = 1;
    o1 = 1;
    o2 = 1;
    o3 = 0;
    o4 = 1;
    o5 = 1;
    o6 = 0;
    o7 = 0;
    o8 = 0;
    for (auto& on : exerciseOn) on = 1;
    o19 = 3;
    o20 = 0.2f;
    o21 = 0;
}

namespace {

// Values from the file are held to what the program can use: a switch is on or off, and the
// scan time is 1 to 5 seconds as the settings offer it.
int32_t Flag(int32_t v) { return v != 0 ? 1 : 0; }

}  // namespace

void ProfileOptions::ReadValues(profiles::LineSource& in) {
    o0 = in.Int();
    o1 = in.Int();
    o2 = in.Int();
    o4 = in.Int();
    o5 = in.Int();
    o6 = in.Int();
    o7 = in.Int();
    o8 = in.Int();
    for (auto& on : exerciseOn) on = in.Int();
    o19 = in.Int();
    o20 = profiles::ReadFloat(in.Text());
    o21 = in.Int();  // files of older versions end before these two lines: both read as 0
    o3 = in.Int();
    for (int32_t* flag : {&o0, &o1, &o2, &o3, &o4, &o5, &o6, &o7, &o8, &o21}) *flag = Flag(*flag);
    for (auto& on : exerciseOn) on = Flag(on);
    o19 = std::clamp(o19, kMinScanTime, kMaxScanTime);
}

void ProfileOptions::WriteValues(profiles::LineSink& out) const {
    out.Int(o0);
    out.Int(o1);
    out.Int(o2);
    out.Int(o4);
    out.Int(o5);
    out.Int(o6);
    out.Int(o7);
    out.Int(o8);
    for (auto on : exerciseOn) out.Int(on);
    out.Int(o19);
    out.Text(profiles::FloatText(o20));
    out.Int(o21);
    out.Int(o3);
}

platform::QuestionOptions ProfileOptions::Question() const {
    platform::QuestionOptions q;
    q.yes = GetText(text::kYes);
    q.no = GetText(text::kNo);
    q.scanSeconds = o7 ? o19 : 0;
    return q;
}
