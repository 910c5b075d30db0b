// The wizard's pages: switching them, filling each one, Next, Previous and the redisplay, and the
// log page that can be shown over them.
#pragma once

#include <string>

#include "wizard/wizard.h"

namespace zebo {

// Button mask bits of ShowPage.
inline constexpr int kShowHelpButton = 0x10;
inline constexpr int kShowRunButton = 0x08;
inline constexpr int kShowNextButton = 0x04;
inline constexpr int kShowPreviousButton = 0x02;
inline constexpr int kShowCancelButton = 0x01;

// Shows one container and the buttons of the mask, hides the rest, cancels any pending focus.
void ShowPage(Wizard& w, int container, int buttonMask);

void ShowDescriptionPage(Wizard& w);
void ShowOperationPage(Wizard& w);
// `forward` is true when the user arrives from the operation page with Next.
void ShowDestinationPage(Wizard& w, bool forward);
void ShowGroupPage(Wizard& w);
void ShowFilePage(Wizard& w);
void ShowProcessPage(Wizard& w);

void NextPage(Wizard& w);
void PreviousPage(Wizard& w);
// Shows the wizard page named by MemPageInUse again, refilled, with the wizard's title.
void RedisplayPage(Wizard& w);

// The log page with only Previous, its text area focused, titled "ZeBo - Log".
void ShowLogPage(Wizard& w);
// Logs the line and shows the log page with only Cancel; title and focus stay as they were.
void LogAndShowLog(Wizard& w, const std::string& text);

// The destination page.
void FillDestinationList(Wizard& w);
void FillLanguageList(Wizard& w);
void StoreDestinationChoice(Wizard& w);

// The group page.
void FillGroupList(Wizard& w, const std::string& preferredName);
// The index of the group selected on the group page, made the current group; 0 (after logging
// and showing the log) when the page does not show exactly one item per group.
int SelectedGroup(Wizard& w);

// The operation page.
void FillOperationList(Wizard& w);
void ReadOperationKind(Wizard& w);

// Replaces the step list with the summary of the planned run; returns 1.
int WriteSummary(Wizard& w);

// The window title of the wizard pages: "ZeBo pour " and the application's name.
std::string WizardTitle(const Wizard& w);

}  // namespace zebo
