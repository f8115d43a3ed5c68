#pragma once
// The trainee's progress report for the trainer: a few A4 pages to print or keep. A cover
// (name, level, plan, dates, days done), a page of charts of the longest sequences and one
// of the average scores of every exercise over the training days, forward and backward, a
// table of the first and best results with the change, and the number test's results over
// time. In the program's language.
#include <string>
#include <vector>

#include "platform/PdfDocument.h"
#include "platform/Platform.h"
#include "platform/PrintJob.h"
#include "profiles/NumberTestResults.h"

class ProfileOptions;
class Profile;

// The report, to print or keep. today: the date it names.
platform::PrintableDocument ProgressReport(const Profile& profile, const std::vector<profiles::NumberTestResult>& tests,
                                           const std::wstring& today);
// The report as a PDF document; empty when it could not be made.
std::string ProgressReportPdf(const Profile& profile, const std::vector<profiles::NumberTestResult>& tests,
                              const std::wstring& today);
// The document's name (for the print queue and the file offered when saving).
std::wstring ProgressReportName(const Profile& profile);

// A save dialog's request in the program's language, starting in the documents folder.
platform::SaveFileRequest TraineeSaveRequest(const ProfileOptions& texts, uint32_t title, uint32_t fileType,
                                             const wchar_t* extension, const std::wstring& fileName);
// The save dialog's own words in the program's language: the file name's label, the buttons,
// and the question (with its answers) before a file is replaced.
void SetSaveDialogWords(platform::SaveFileRequest& request, const ProfileOptions& texts);

// Sends the trainee's report (with the kept number tests) to the default printer through job,
// off the frame's thread; texts: the language its outcome is told in. False, starting
// nothing, while job's last print is on its way.
bool StartProgressReportPrint(const Profile& trainee, const ProfileOptions& texts, platform::PrintJob& job);
// What to tell the trainer once a report's print has finished; empty while none has.
std::wstring ReportPrintOutcome(const ProfileOptions& texts, platform::PrintJob::Outcome outcome);
// The report saved where the save dialog says; the text to show the trainer (empty when the
// dialog was cancelled).
std::wstring SaveProgressReport(const Profile& trainee);
