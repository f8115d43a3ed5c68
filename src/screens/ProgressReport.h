#pragma once
// The trainee's progress report for the trainer: a few A4 pages to print or keep. A cover
// (name, level, plan, dates, days done), a page of charts of the longest sequences and one
// of the average scores of every exercise over the training days, forward and backward, a
// table of the first and best results with the change, and the number test's results over
// time. In the program's language.
#include <string>
#include <vector>

#include "profiles/NumberTestResults.h"

class Profile;

// The report as a PDF document; empty when it could not be made. today: the date it names.
std::string ProgressReportPdf(const Profile& profile, const std::vector<profiles::NumberTestResult>& tests,
                              const std::wstring& today);
// The document's name (for the print queue and the file offered when saving).
std::wstring ProgressReportName(const Profile& profile);
