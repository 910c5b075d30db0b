// The operations of the real installer on real files, driven with the keyboard only, on the
// machine that scripts/jaws-prefix.sh dresses as one with JAWS 2019: an install after backup into
// the running JAWS with its restart, the removal of the adaptations, a copy into a chosen folder,
// and runs that fail. Each test puts the JAWS folders back as it found them.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/harness/wizard_driver.h"
#include "tools/zebo-pack/jcalg1_encoder.h"
#include "tools/zebo-pack/package_writer.h"

namespace zebo::e2e {
namespace {

constexpr DWORD kStartLimit = 30000;
constexpr DWORD kRunLimit = 90000;
const wchar_t kTitle[] = L"ZeBo pour \u00C9diteur de notes";
const wchar_t kJawsFolder[] = L"C:\\Program Files\\Freedom Scientific\\JAWS\\2019\\";
const wchar_t kInstallAfterBackup[] =
    L"Installer les fichiers apr\u00E8s la sauvegarde des anciens scrips";
const wchar_t kInstall[] = L"Installer les fichiers";
const wchar_t kCopy[] = L"Copier les fichiers dans un dossier";
const wchar_t kRemove[] = L"Retirer les adaptations des fichiers JSS";
const wchar_t kMySettings[] = L"Mes param\u00E8tres de jaws 2019";
const wchar_t kFrench[] = L"Fran\u00E7ais";
const wchar_t kAllDone[] =
    L"Toutes les op\u00E9rations ont \u00E9t\u00E9 \u00E9ffectu\u00E9 avec succ\u00E9s !";
const wchar_t kInstalled[] = L" Install\u00E9 avec succ\u00E9s !";
const wchar_t kCompiled[] = L" Compilation effectu\u00E9e avec succ\u00E9s !";
const wchar_t kAliasStep[] = L"* Mise \u00E0 jour des alias du ConfigNames.Ini";
const wchar_t kLaterNotice[] =
    L"Les modifications seront actives aus prochain lancement de JAWS 2019";
const wchar_t kCompilePass[] = L"* Compilation de fichier JSS";

// The files of the test package, group 2019: two scripts to compile in an order of their own,
// a header, an adaptation of Default.jss and a text in a sub-folder.
const std::string kNotes =
    "; Notes : les scripts du bloc-notes d'essai.\r\nInclude \"Notes.jsh\"\r\n\r\n"
    "Script NotesTest ()\r\n\tSayString (NotesName)\r\nEndScript\r\n";
const std::string kOldNotes = "; Notes, ancienne version.\r\nScript NotesTest ()\r\nEndScript\r\n";
const std::string kNotesHeader = "Const NotesName = \"Notes\"\r\n";
const std::string kNotesTools =
    "Script NotesOutils ()\r\n\tSayString (\"Outils\")\r\nEndScript\r\n";
const std::string kNotesDefault =
    "; Adaptation du script par d\xE9"
    "faut pour Notes.\r\n"
    "; merge_file Default.jss\r\n; merge_tag Notes\r\n; merge_addend\r\n"
    "; merge_addendfunction AutoStartEvent NotesStart ()\r\n"
    "; merge_replacescript SayTime NotesSayTime ()\r\n\r\n"
    "Void Function NotesStart ()\r\n\tSayString (\"Notes\")\r\nEndFunction\r\n\r\n"
    "Script NotesSayTime ()\r\n\tSayString (\"Heure\")\r\nEndScript\r\n";
const std::string kReadMe = "Notes : mode d'emploi.\r\n";

struct PackedFile {
  const char* name;
  const char* target;
  int32_t order;
  int32_t flags;
  const std::string* content;
};
const PackedFile kFiles[] = {
    {"Notes.jss", "%JawsScriptPath%\\", 2, FileCompile, &kNotes},
    {"Notes.jsh", "%JawsScriptPath%\\", 0, 0, &kNotesHeader},
    {"NotesOutils.jss", "%JawsScriptPath%\\", 1, FileCompile, &kNotesTools},
    {"Notes_Default.jss", "%JawsScriptPath%\\", 3, FileAdaptation, &kNotesDefault},
    {"Lisezmoi.txt", "%JawsScriptPath%\\Notes\\", 0, 0, &kReadMe},
};

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Every file under `root` (relative path -> content) and every folder (relative path -> "").
using Tree = std::map<std::wstring, std::optional<std::string>>;
void ReadTree(const std::wstring& root, const std::wstring& relative, Tree& tree) {
  WIN32_FIND_DATAW found;
  HANDLE search = ::FindFirstFileW((root + relative + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      tree[relative + name + L"\\"] = std::nullopt;
      ReadTree(root, relative + name + L"\\", tree);
    } else {
      tree[relative + name] = FileBytes(root + relative + name);
    }
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
}

void RemoveTree(const std::wstring& folder) {
  Tree tree;
  ReadTree(folder + L"\\", L"", tree);
  for (auto it = tree.rbegin(); it != tree.rend(); ++it) {
    const std::wstring path = folder + L"\\" + it->first;
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (it->second) {
      ::DeleteFileW(path.c_str());
    } else {
      ::RemoveDirectoryW(path.c_str());
    }
  }
  ::RemoveDirectoryW(folder.c_str());
}

// A folder as it was, to be put back after a test changed it.
class FolderSnapshot {
 public:
  explicit FolderSnapshot(std::wstring root) : root_(std::move(root)) {
    ReadTree(root_, L"", tree_);
  }
  bool Unchanged() const {
    Tree now;
    ReadTree(root_, L"", now);
    return now == tree_;
  }
  void Restore() const {
    Tree now;
    ReadTree(root_, L"", now);
    // Deepest first, so a folder is empty when its turn comes.
    for (auto it = now.rbegin(); it != now.rend(); ++it) {
      if (tree_.count(it->first)) continue;
      const std::wstring path = root_ + it->first;
      ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (it->second) {
        ::DeleteFileW(path.c_str());
      } else {
        ::RemoveDirectoryW(path.c_str());
      }
    }
    for (const auto& [relative, content] : tree_) {
      if (!content) {
        ::CreateDirectoryW((root_ + relative).c_str(), nullptr);
      } else if (now.count(relative) == 0 || now.at(relative) != content) {
        WriteFileBytes(root_ + relative, *content);
      }
    }
  }

 private:
  std::wstring root_;
  Tree tree_;
};

// The French settings of JAWS 2019: the user's own (CSIDL_APPDATA) or the shared ones
// (CSIDL_COMMON_APPDATA).
std::wstring SettingsFolder(int which = CSIDL_APPDATA) {
  wchar_t appData[MAX_PATH] = {};
  ::SHGetFolderPathW(nullptr, which, nullptr, 0, appData);
  return std::wstring(appData) + L"\\Freedom Scientific\\JAWS\\2019\\Settings\\fra\\";
}

std::vector<DWORD> RunningJaws() {
  std::vector<DWORD> ids;
  HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return ids;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = ::Process32FirstW(snapshot, &entry); more;
       more = ::Process32NextW(snapshot, &entry)) {
    if (_wcsicmp(entry.szExeFile, L"jfw.exe") == 0) ids.push_back(entry.th32ProcessID);
  }
  ::CloseHandle(snapshot);
  return ids;
}

// Ends the JAWS stand-ins that a test started, or that the installer restarted for it.
void EndJaws() {
  for (DWORD id : RunningJaws()) {
    HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
    if (process == nullptr) continue;
    ::TerminateProcess(process, 0);
    ::WaitForSingleObject(process, 5000);
    ::CloseHandle(process);
  }
}

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(::towlower(c));
  return text;
}

WalkPlan Plan(const std::wstring& operation, const std::wstring& destination,
              const std::wstring& language, bool browse = false) {
  WalkPlan plan;
  plan.operation = operation;
  plan.destination = destination;
  plan.language = language;
  plan.browseFirstSubfolder = browse;
  return plan;
}

std::wstring Wide(const std::string& text) {
  return std::wstring(text.begin(), text.end());
}

class Operations : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new std::wstring(TestSettings().outDir + L"\\operations");
    ::CreateDirectoryW(folder_->c_str(), nullptr);
    installer_ = new std::wstring(*folder_ + L"\\Notes-Setup.exe");
    const std::optional<std::string> stub = FileBytes(TestSettings().zeboExe);
    if (!stub) return;
    PackageInfo info;
    info.Date = 1765449000;
    info.ApplicationName =
        "\xC9"
        "diteur de notes";
    info.ApplicationVersion = "2.0";
    info.ScriptName = "Notes";
    info.ScriptVersion = "1.0";
    info.ScriptAuthor = "Essai";
    info.Flags = InfoRestartJaws;
    info.Alias = "notes; bloc";
    std::vector<pack::PackEntry> entries;
    for (const PackedFile& f : kFiles) {
      pack::PackEntry entry;
      entry.record.Name = f.name;
      entry.record.TargetPath = f.target;
      entry.record.CompileOrder = f.order;
      entry.record.Flags = f.flags;
      entry.content = *f.content;
      entries.push_back(entry);
    }
    const std::string package = pack::WritePackage(info, {"2019"}, entries, pack::Jcalg1Encode);
    if (!WriteFileBytes(*installer_, pack::JoinInstaller(*stub, package))) installer_->clear();
  }
  static void TearDownTestSuite() {
    delete folder_;
    delete installer_;
  }

  void SetUp() override {
    ASSERT_FALSE(TestSettings().outDir.empty());
    ASSERT_FALSE(installer_->empty()) << "the installer could not be written";
    ASSERT_TRUE(RunningJaws().empty()) << "a JAWS stand-in is still running";
    settings_ = SettingsFolder();
    ASSERT_TRUE(IsFolder(settings_)) << "no JAWS 2019 stand-in: run scripts/jaws-prefix.sh";
    snapshot_.emplace(settings_);
    defaultJss_ = FileBytes(settings_ + L"Default.jss").value_or("");
    configNames_ = FileBytes(settings_ + L"ConfigNames.Ini").value_or("");
    compileCalls_ = *folder_ + L"\\scompile-calls.txt";
    ::DeleteFileW(compileCalls_.c_str());
    ::SetEnvironmentVariableW(L"ZEBO_SCOMPILE_LOG", compileCalls_.c_str());
  }

  void TearDown() override {
    zebo_.Kill();
    EndJaws();
    ::SetEnvironmentVariableW(L"ZEBO_SCOMPILE_LOG", nullptr);
    ::SetEnvironmentVariableW(L"ZEBO_SCOMPILE_FAIL", nullptr);
    if (snapshot_) {
      snapshot_->Restore();
      EXPECT_TRUE(snapshot_->Unchanged()) << "the JAWS folder could not be put back";
    }
  }

  // Starts the installer (in `folder`, or in the test folder) and walks it to the summary page.
  void WalkTo(const WalkPlan& plan, const std::wstring& name, const std::wstring& folder = L"") {
    ASSERT_TRUE(zebo_.Start(*installer_, L"", folder.empty() ? *folder_ : folder));
    const HWND window = zebo_.WaitForWindow(kTitle, L"ZeBoWindow", kStartLimit);
    ASSERT_NE(window, nullptr);
    name_ = *folder_ + L"\\" + name;
    driver_.emplace(zebo_, window, name_);
    ASSERT_TRUE(driver_->WalkToSummary(plan)) << driver_->Error();
  }

  // A box that comes up during the run must take the keyboard: the user answers it blind.
  void ExpectForeground(HWND box) {
    EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == box; }, 5000))
        << "the box \"" << Utf8(WindowText(box)) << "\" is not in front";
  }

  // Presses the run button and answers the boxes that come: `questions` (titled "Info", answered
  // Yes with Enter), then the closing box, whose text is returned.
  std::wstring Run(const std::wstring& closingTitle, std::vector<std::wstring> questions = {}) {
    EXPECT_TRUE(driver_->PressRun()) << driver_->Error();
    for (const std::wstring& question : questions) {
      const HWND box = driver_->NextMessageBox(L"Info", kRunLimit);
      EXPECT_NE(box, nullptr) << "no question " << Utf8(question);
      if (box == nullptr) return L"";
      EXPECT_EQ(MessageBoxText(box), question);
      ExpectForeground(box);
      SaveScreenshot(box, name_ + L"-question.bmp");
      EXPECT_TRUE(driver_->Answer(box)) << driver_->Error();
    }
    const HWND box = driver_->NextMessageBox(closingTitle, kRunLimit);
    EXPECT_NE(box, nullptr) << "no box titled " << Utf8(closingTitle);
    if (box == nullptr) return L"";
    const std::wstring text = MessageBoxText(box);
    ExpectForeground(box);
    driver_->Shot("closing-box");
    SaveScreenshot(box, name_ + L"-box.bmp");
    EXPECT_TRUE(driver_->Answer(box)) << driver_->Error();
    return text;
  }

  void ExpectFocus(int control) {
    EXPECT_TRUE(WaitUntil([&] { return FocusedControlId(driver_->Window()) == control; }, 10000))
        << "focus on " << FocusedControlId(driver_->Window()) << ", expected " << control;
    driver_->Shot("after-run");
    // The two texts a screen reader user reads after the run, for a look at a failure.
    WriteFileBytes(name_ + L"-steps.txt", Utf8(driver_->StepList()));
    WriteFileBytes(name_ + L"-log.txt", Utf8(driver_->Log()));
  }

  void ExpectSteps(const std::vector<std::wstring>& wanted) {
    std::wstring missing;
    EXPECT_TRUE(LinesInOrder(TextLines(driver_->StepList()), wanted, &missing))
        << "missing step line \"" << Utf8(missing) << "\" in:\n"
        << Utf8(driver_->StepList());
  }

  // The sources the stand-in compiler was called for, in order, as paths below the settings
  // folder in lower case.
  std::vector<std::wstring> CompileCalls() {
    std::vector<std::wstring> calls;
    for (const std::wstring& line : TextLines(Wide(FileBytes(compileCalls_).value_or("")))) {
      const std::wstring lower = Lower(line);
      const std::wstring base = Lower(settings_);
      calls.push_back(lower.rfind(base, 0) == 0 ? lower.substr(base.size()) : lower);
    }
    return calls;
  }

  std::string Settings(const std::wstring& name) {
    return FileBytes(settings_ + name).value_or("<missing>");
  }

  static std::wstring* folder_;
  static std::wstring* installer_;
  std::wstring settings_, compileCalls_;
  std::wstring name_;  // the folder and beginning of the current walk's pictures and texts
  std::string defaultJss_, configNames_;
  std::optional<FolderSnapshot> snapshot_;
  Program zebo_;
  std::optional<WizardDriver> driver_;
};

std::wstring* Operations::folder_ = nullptr;
std::wstring* Operations::installer_ = nullptr;

// The adapted Default.jss: the call added at the end of AutoStartEvent, SayTime replaced (header
// marked, body disabled, the new call before EndScript), the Include appended.
void ExpectAdapted(const std::string& text) {
  for (const char* piece : {
           "\tLet GlobalSpeechCount = 0\r\nNotesStart () ; [ ZeBo-Notes ]\r\nEndFunction\r\n",
           "Script SayTime (); [ ZeBoComment-Notes ]\r\n"
           "; [ ZeBoComment-Notes ]\tSayString (\"Il est l'heure ; d'un test\")\r\n"
           "NotesSayTime () ; [ ZeBo-Notes ]\r\nEndScript\r\n",
       }) {
    EXPECT_NE(text.find(piece), std::string::npos) << "no\n" << piece << "\nin\n" << text;
  }
  const std::string include = "\r\nInclude \"Notes_Default.jss\" ; [ ZeBo-Notes ]\r\n";
  EXPECT_EQ(text.size() >= include.size() ? text.substr(text.size() - include.size()) : text,
            include);
}

TEST_F(Operations, InstallAfterBackupIntoTheRunningJawsThenRestartIt) {
  ASSERT_TRUE(WriteFileBytes(settings_ + L"Notes.jss", kOldNotes));
  Program jaws;
  ASSERT_TRUE(jaws.Start(std::wstring(kJawsFolder) + L"jfw.exe"));
  ASSERT_TRUE(
      WaitUntil([] { return ::FindWindowW(L"ZeBoJawsStandIn", nullptr) != nullptr; }, kStartLimit));
  const DWORD jawsBefore = jaws.Id();

  WalkTo(Plan(kInstallAfterBackup, std::wstring(kMySettings) + L" en fonctionnement", kFrench),
         L"install");
  const std::wstring closing =
      Run(L"Info", {L"L'auteur conseille de recharger Jaws pour que les modifications soient "
                    L"prises en compte.\nVoulez-vous red\u00E9marer Jaws 2019 ?"});
  EXPECT_EQ(closing, kAllDone);
  ExpectFocus(4);

  ExpectSteps({L"*** D\u00E9but des op\u00E9rations ",
               L"* Installer les fichiers apr\u00E8s la sauvegarde des anciens scrips",
               L"- Fichier Notes.jsh",
               kInstalled,
               L"- Fichier Notes.jss",
               kInstalled,
               L"- Fichier Lisezmoi.txt",
               kInstalled,
               L"- Fichier Notes_Default.jss",
               kInstalled,
               L"- Fichier NotesOutils.jss",
               kInstalled,
               L"- Fichier d'adaptation Notes_Default.jss",
               L" Nom du fichier \u00E0 adapter : Default.jss",
               L" Tatouage des adaptations : Notes",
               L" L'adaptation a \u00E9t\u00E9 effectu\u00E9 avec succ\u00E9s !",
               L" Fichier enregistr\u00E9 !",
               kCompiled,
               kCompilePass,
               L"- Script NotesOutils.jss",
               kCompiled,
               L"- Script Notes.jss",
               kCompiled,
               L"- Script Default.Jss",
               kCompiled,
               kAliasStep,
               L"* Relancement de JAWS",
               L"* ReStart Jaws ",
               L" Relance de JAWS effectu\u00E9e !",
               L"Toutes les op\u00E9rations se sont termin\u00E9es avec succ\u00E9s ! "});
  for (const std::wstring& line : TextLines(driver_->StepList())) {
    EXPECT_NE(line.rfind(L"!", 0), 0u) << Utf8(line);
  }
  const std::vector<std::wstring> log = TextLines(driver_->Log());
  std::wstring missing;
  EXPECT_TRUE(LinesInOrder(
      log,
      {L"*** Begin of process", L" - File = " + settings_ + L"Default.jss", L"* ReStart JAWS",
       L"JawsKill = C:\\Program Files\\Freedom Scientific"
       L"\\RunTime JAWS\\2019\\JfwKill.Exe",
       L" JAWS is killed : 0", L" Launch Jaws !"},
      &missing))
      << Utf8(missing) << "\n"
      << Utf8(driver_->Log());

  // The files, the old ones kept under Bak\Notes\, the compiled ones beside their sources.
  for (const PackedFile& f : kFiles) {
    const std::wstring relative = Wide(std::string(f.target).substr(17)) + Wide(f.name);
    EXPECT_EQ(Settings(relative), *f.content) << f.name;
  }
  EXPECT_EQ(Settings(L"Bak\\Notes\\Notes.jss"), kOldNotes);
  EXPECT_EQ(Settings(L"Bak\\Notes\\Default.jss"), defaultJss_);
  EXPECT_EQ(Settings(L"Bak\\Notes\\ConfigNames.Ini"), configNames_);
  for (const wchar_t* compiled : {L"Notes.jsb", L"NotesOutils.jsb", L"Default.jsb"}) {
    EXPECT_NE(Settings(compiled), "<missing>") << Utf8(compiled);
  }
  ExpectAdapted(Settings(L"Default.jss"));
  EXPECT_EQ(Settings(L"ConfigNames.Ini"),
            "[ConfigNames]\r\nnotes=Notes\r\nbloc=Notes\r\nnotepad=Notepad\r\nwordpad=WordPad\r\n"
            "winword=Word\r\n");
  // Default.jss once by the adaptation, then the compile orders 1, 2, 3.
  EXPECT_EQ(CompileCalls(), (std::vector<std::wstring>{L"default.jss", L"notesoutils.jss",
                                                       L"notes.jss", L"default.jss"}));

  // JAWS was stopped and started again.
  const std::vector<DWORD> jawsAfter = RunningJaws();
  EXPECT_EQ(jawsAfter.size(), 1u);
  EXPECT_FALSE(jaws.Running());
  for (DWORD id : jawsAfter) EXPECT_NE(id, jawsBefore);

  // After the run the detailed log can still be read, and coming back from it shows the step
  // list with its lines and nothing but the close button.
  const std::wstring steps = driver_->StepList();
  ASSERT_TRUE(driver_->Press(VK_F1, kAlt));
  ASSERT_TRUE(driver_->WaitPage(100, 101, "log-after-run")) << driver_->Error();
  ASSERT_TRUE(driver_->Press('P', kAlt));
  ASSERT_TRUE(driver_->WaitPage(97, 99, "summary-after-run")) << driver_->Error();
  for (int button : {1, 2, 3, 5}) EXPECT_FALSE(ControlShown(driver_->Window(), button)) << button;
  EXPECT_TRUE(ControlShown(driver_->Window(), 4));
  EXPECT_EQ(WindowText(PageControl(driver_->Window(), 4)), L"Fermer");
  EXPECT_EQ(driver_->StepList(), steps);
  EXPECT_TRUE(driver_->Close()) << driver_->Error();
}

TEST_F(Operations, RemovalGivesDefaultJssItsLinesBack) {
  // As on most machines, the user has no Default.jss or ConfigNames.Ini of their own yet: the
  // install starts them from the shared settings, which it leaves as they are.
  const std::wstring shared = SettingsFolder(CSIDL_COMMON_APPDATA);
  const FolderSnapshot sharedBefore(shared);
  const std::string sharedDefault = FileBytes(shared + L"Default.jss").value_or("<missing>");
  const std::string sharedConfigNames =
      FileBytes(shared + L"ConfigNames.Ini").value_or("<missing>");
  ASSERT_TRUE(::DeleteFileW((settings_ + L"Default.jss").c_str()));
  ASSERT_TRUE(::DeleteFileW((settings_ + L"ConfigNames.Ini").c_str()));

  WalkTo(Plan(kInstall, kMySettings, kFrench), L"removal-install");
  EXPECT_EQ(Run(L"Info"), kAllDone);
  ExpectAdapted(Settings(L"Default.jss"));
  EXPECT_EQ(Settings(L"ConfigNames.Ini"),
            "[ConfigNames]\r\nnotes=Notes\r\nbloc=Notes\r\n" + sharedConfigNames.substr(15));
  ASSERT_TRUE(driver_->Close()) << driver_->Error();
  ::DeleteFileW(compileCalls_.c_str());

  WalkTo(Plan(kRemove, kMySettings, kFrench), L"removal");
  EXPECT_EQ(Run(L"Info"), kAllDone);
  ExpectFocus(4);
  ExpectSteps({L"- Fichier d'adaptation Notes_Default.jss",
               L" Nom du fichier \u00E0 adapter : Default.jss",
               L" Tatouage des adaptations : Notes",
               L" L'adaptation a \u00E9t\u00E9 retir\u00E9 avec succ\u00E9s !",
               L" Fichier enregistr\u00E9 !", kCompiled, kCompilePass, L"- Script Default.Jss",
               kCompiled, kAliasStep, kLaterNotice,
               L"Toutes les op\u00E9rations se sont termin\u00E9es avec succ\u00E9s ! "});
  // Every line comes back; the removal leaves the one empty line its load appended.
  EXPECT_EQ(Settings(L"Default.jss"), sharedDefault + "\r\n");
  EXPECT_EQ(Settings(L"ConfigNames.Ini"), sharedConfigNames);
  EXPECT_TRUE(sharedBefore.Unchanged()) << "the shared settings changed";
  EXPECT_EQ(CompileCalls(), (std::vector<std::wstring>{L"default.jss", L"default.jss"}));
  EXPECT_TRUE(driver_->Close()) << driver_->Error();
}

TEST_F(Operations, CopyIntoAChosenFolder) {
  // On C: rather than in the build tree: Wine's folder browser does not open at a folder of its
  // Z: drive (the Linux root), and the walk picks the first sub-folder of the start folder.
  const std::wstring parent = L"C:\\zebo-copie";
  const std::wstring chosen = parent + L"\\Scripts copi\u00E9s\\";
  RemoveTree(parent);  // nothing from an earlier run
  ::CreateDirectoryW(parent.c_str(), nullptr);
  ::CreateDirectoryW(chosen.c_str(), nullptr);

  WalkTo(Plan(kCopy, L"Choix d'un dossier", L"", true), L"copy", parent);
  EXPECT_EQ(Run(L"Info"), kAllDone);
  ExpectFocus(4);
  const wchar_t* copied = L" Copi\u00E9 avec succ\u00E9s !";
  ExpectSteps({L"* Copier les fichiers dans un dossier", L"- Fichier Notes.jsh", copied,
               L"- Fichier Notes.jss", copied, L"- Fichier Lisezmoi.txt", copied,
               L"- Fichier Notes_Default.jss", copied, L"- Fichier NotesOutils.jss", copied,
               L"Toutes les op\u00E9rations se sont termin\u00E9es avec succ\u00E9s ! "});
  const std::vector<std::wstring> steps = TextLines(driver_->StepList());
  EXPECT_FALSE(HasLine(steps, kLaterNotice));
  EXPECT_FALSE(HasLine(steps, kCompilePass));

  Tree tree;
  ReadTree(chosen, L"", tree);
  // Named after the application, the scripts' version and the group, accents and all.
  const std::wstring base = L"\u00C9diteur de notes Scripts 1.0Jaws 2019\\";
  Tree expected{{base, std::nullopt}, {base + L"Notes\\", std::nullopt}};
  for (const PackedFile& f : kFiles) {
    expected[base + Wide(std::string(f.target).substr(17)) + Wide(f.name)] = *f.content;
  }
  EXPECT_EQ(tree, expected);
  EXPECT_TRUE(snapshot_->Unchanged()) << "the copy touched the JAWS folder";
  EXPECT_TRUE(CompileCalls().empty());
  EXPECT_TRUE(driver_->Close()) << driver_->Error();
  RemoveTree(parent);
}

TEST_F(Operations, AFailedLinkEndsItsChainAndIsTheOnlyOneReported) {
  const std::string replacedElsewhere = [&] {
    std::string text = defaultJss_;
    const std::string header = "Script SayTime ()\r\n";
    const size_t at = text.find(header);
    if (at != std::string::npos) text.insert(at + header.size() - 2, "; [ ZeBoComment-Autre ]");
    return text;
  }();
  const std::wstring adaptationLine = L"- Ereur durant l'adaptation du fichier !\n";
  struct Case {
    const char* name;
    std::function<void()> prepare;
    const wchar_t* failingSource;  // the stand-in compiler fails on it
    std::wstring summary;
    std::vector<std::wstring> steps;
    std::vector<std::wstring> absent;  // lines of the links after the failed one
    bool adapted;                      // Default.jss holds the adaptation afterwards
    std::vector<std::wstring> compiled;
  } cases[] = {
      {"compiler",
       [] {},
       L"NotesOutils.jss",
       L"- Erreur durant la compilation des scripts !\n",
       {kCompilePass, L"- Script NotesOutils.jss", L"! La compilation a \u00E9chou\u00E9e",
        L"- Script Notes.jss", kCompiled, L"- Script Default.Jss", kCompiled},
       {kAliasStep, kLaterNotice},
       true,
       {L"default.jss", L"notesoutils.jss", L"notes.jss", L"default.jss"}},
      {"destination",
       [&] { ::CreateDirectoryW((settings_ + L"Notes.jsh").c_str(), nullptr); },
       nullptr,
       L"- Erreur durant l'installation des fichiers !\n",
       {L"- Fichier Notes.jsh", L"! Erreur durant l'installation fichier", L"- Fichier Notes.jss",
        kInstalled},
       {L"- Fichier d'adaptation Notes_Default.jss", kCompilePass, kAliasStep, kLaterNotice},
       false,
       {}},
      {"conflict",
       [&] { WriteFileBytes(settings_ + L"Default.jss", replacedElsewhere); },
       nullptr,
       adaptationLine,
       {L" Tatouage des adaptations : Notes",
        L"Le script \"saytime\" est d\u00E9ja utilis\u00E9 par autre"},
       {L" Fichier enregistr\u00E9 !", kCompilePass, kAliasStep, kLaterNotice},
       false,
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.prepare();
    const std::string defaultBefore = Settings(L"Default.jss");
    if (c.failingSource) ::SetEnvironmentVariableW(L"ZEBO_SCOMPILE_FAIL", c.failingSource);
    WalkTo(Plan(kInstallAfterBackup, kMySettings, kFrench), Wide(std::string("fail-") + c.name));
    EXPECT_EQ(Run(L"Erreur"), L"Des erreurs se sont produites : \n" + c.summary +
                                  L"Les scripts risquent de ne pas fonctionner correctement.");
    ExpectFocus(99);
    std::vector<std::wstring> steps = c.steps;
    steps.push_back(L"Des erreurs se sont produites durant les op\u00E9rations !");
    ExpectSteps(steps);
    const std::vector<std::wstring> lines = TextLines(driver_->StepList());
    for (const std::wstring& line : c.absent) EXPECT_FALSE(HasLine(lines, line)) << Utf8(line);
    if (c.adapted) {
      ExpectAdapted(Settings(L"Default.jss"));
    } else {
      EXPECT_EQ(Settings(L"Default.jss"), defaultBefore);
    }
    EXPECT_EQ(Settings(L"ConfigNames.Ini"), configNames_);
    EXPECT_EQ(CompileCalls(), c.compiled);
    EXPECT_TRUE(driver_->Close()) << driver_->Error();

    zebo_.Kill();
    ::SetEnvironmentVariableW(L"ZEBO_SCOMPILE_FAIL", nullptr);
    ::DeleteFileW(compileCalls_.c_str());
    snapshot_->Restore();
  }
}

}  // namespace
}  // namespace zebo::e2e
