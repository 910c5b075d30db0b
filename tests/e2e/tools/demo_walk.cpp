// Walks an installer through an install with the keyboard, as a user of the demo would on a
// display nobody looks at: prints the summary and the step list, saves a picture of each page,
// and exits 0 only when the run ended with the success box.
//   demo_walk <installer.exe> --out=<folder> [--group=<group item>] [--limit=seconds]
#include <cstdio>
#include <string>

#include "tests/e2e/harness/wizard_driver.h"

namespace {

using namespace zebo::e2e;

void Print(const std::string& heading, const std::wstring& text) {
  std::printf("%s\n", heading.c_str());
  for (const std::wstring& line : TextLines(text)) std::printf("  | %s\n", Utf8(line).c_str());
  std::fflush(stdout);
}

HWND MainWindow(Program& program, DWORD limitMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : program.Windows()) {
          if (WindowText(window).rfind(L"ZeBo pour ", 0) == 0) found = window;
        }
        return found != nullptr;
      },
      limitMs);
  return found;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::wstring exe, out, group = L"Jaws 2019";
  DWORD limitMs = 120000;
  for (int i = 1; i < argc; ++i) {
    const std::wstring argument = argv[i];
    if (argument.rfind(L"--out=", 0) == 0) {
      out = WindowsPath(argument.substr(6));
    } else if (argument.rfind(L"--group=", 0) == 0) {
      group = argument.substr(8);
    } else if (argument.rfind(L"--limit=", 0) == 0) {
      limitMs = static_cast<DWORD>(std::stoul(argument.substr(8))) * 1000;
    } else {
      exe = WindowsPath(argument);
    }
  }
  if (exe.empty() || out.empty()) {
    std::fprintf(stderr,
                 "usage: demo_walk <installer.exe> --out=<folder> [--group=<item>] "
                 "[--limit=seconds]\n");
    return 2;
  }
  ::CreateDirectoryW(out.c_str(), nullptr);
  Program program;
  if (!program.Start(exe)) {
    std::fprintf(stderr, "demo: cannot start %s\n", Utf8(exe).c_str());
    return 2;
  }
  const HWND window = MainWindow(program, 30000);
  if (window == nullptr) {
    std::fprintf(stderr, "demo: the wizard did not open\n");
    return 1;
  }
  std::printf("demo: the wizard is open: \"%s\"\n", Utf8(WindowText(window)).c_str());
  WizardDriver driver(program, window, out + L"\\page");
  WalkPlan plan;
  plan.operation = L"Installer les fichiers apr\u00E8s la sauvegarde des anciens scrips";
  plan.destination = L"Mes param\u00E8tres de jaws 2019";
  plan.language = L"Fran\u00E7ais";
  plan.group = group;
  std::printf("demo: walking the pages with the keyboard: \"%s\" into \"%s\", %s, group %s\n",
              Utf8(plan.operation).c_str(), Utf8(plan.destination).c_str(),
              Utf8(plan.language).c_str(), Utf8(plan.group).c_str());
  if (!driver.WalkToSummary(plan)) {
    std::fprintf(stderr, "demo: %s\n", driver.Error().c_str());
    return 1;
  }
  Print("demo: the summary page", driver.StepList());
  if (!driver.PressRun()) {
    std::fprintf(stderr, "demo: %s\n", driver.Error().c_str());
    return 1;
  }
  // Every box is shown and answered with Enter; the run ends with "Info" or "Erreur".
  bool succeeded = false;
  for (;;) {
    HWND box = nullptr;
    WaitUntil(
        [&] {
          for (const wchar_t* title : {L"Info", L"Erreur", L"Attention"}) {
            if ((box = driver.NextMessageBox(title, 0)) != nullptr) return true;
          }
          return !program.Running();
        },
        limitMs);
    if (box == nullptr) {
      std::fprintf(stderr, "demo: no end of the run within the limit\n");
      return 1;
    }
    const std::wstring title = WindowText(box), text = MessageBoxText(box);
    std::printf("demo: message box \"%s\": %s\n", Utf8(title).c_str(), Utf8(text).c_str());
    const bool last = title == L"Erreur" || text.rfind(L"Toutes les op\u00E9rations", 0) == 0;
    succeeded = last && title == L"Info";
    SaveScreenshot(box, out + L"\\box-" + title + L".bmp");
    if (!driver.Answer(box)) {
      std::fprintf(stderr, "demo: %s\n", driver.Error().c_str());
      return 1;
    }
    if (last) break;
  }
  WaitUntil([&] { return FocusedControlId(window) == (succeeded ? 4 : 99); }, 10000);
  driver.Shot("after-run");
  Print("demo: the step list after the run", driver.StepList());
  if (!driver.Close()) std::fprintf(stderr, "demo: %s\n", driver.Error().c_str());
  std::printf("demo: %s\n", succeeded ? "the install succeeded" : "the install FAILED");
  return succeeded ? 0 : 1;
}
