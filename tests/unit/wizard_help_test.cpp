// The help page: each wizard page's help, the licence, and the viewer of packaged files.
#include <gtest/gtest.h>

#include "package/package_reader.h"
#include "tests/unit/wizard_fixture.h"
#include "tools/zebo-pack/jcalg1_encoder.h"
#include "wizard/help_page.h"
#include "wizard/help_texts.h"

namespace zebo::testing {
namespace {

using Help = WizardTest;

TEST_F(Help, TheHelpTextHasSevenFieldsWithTheirTitles) {
  const std::string text = HelpText();
  EXPECT_EQ(std::count(text.begin(), text.end(), '\xB6'), 6);
  EXPECT_EQ(HelpField(1).rfind(
                "Ce logiciel est un utilitaire permetant d'installer des scripts jaws sur votre "
                "ordinateur.\r\n",
                0),
            0u);
  EXPECT_EQ(HelpField(2), " Page de description\r\n");
  const char* titles[] = {" Page des Op\xE9rations\r\n", " Page du dossier\r\n",
                          " Page des groupes de fichiers\r\n", " La page des fichiers :\r\n",
                          " La page d'installation :\r\n"};
  for (int field = 3; field <= 7; ++field) {
    EXPECT_EQ(HelpField(field).rfind(titles[field - 3], 0), 0u) << field;
  }
  EXPECT_EQ(HelpField(8), "");
  EXPECT_NE(LicenceText().find("%1"), std::string::npos);
  EXPECT_EQ(AboutLine().rfind("\n\n", 0), 0u);
  EXPECT_EQ(AboutLine().find('\n', 2), std::string::npos);  // one notice line
}

TEST_F(Help, EachPageHasItsHelpAndTheLogAndHelpPagesKeepIt) {
  Start();
  std::string licence = LicenceText();
  for (size_t at; (at = licence.find("%1")) != std::string::npos;) licence.replace(at, 2, "ZeBo");
  struct Case {
    int page;
    std::string text;
  } cases[] = {
      {DescriptionPageG, HelpField(1) + licence},
      {OperationPageG, HelpField(3)},
      {DestinationPageG, HelpField(4)},
      {GroupPageG, HelpField(5)},
      {FilePageG, HelpField(6)},
      {ProcessPageG, HelpField(7)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.page);
    ASSERT_EQ(PageShown(), c.page);
    Menu(MenuHelp);
    EXPECT_EQ(PageShown(), HelpPageG);
    EXPECT_EQ(ui().Lines(HelpEditorG), SplitAreaLines(c.text + AboutLine()));
    EXPECT_EQ(ui().Title(), "ZeBo - Aide ");
    EXPECT_EQ(ui().Text(HelpLabelG), "Source");
    EXPECT_EQ(ui().Text(HelpStringG), "Aide logicielle");
    EXPECT_EQ(Buttons(), std::vector<int>{PreviousButtonG});
    EXPECT_EQ(ui().focused, HelpEditorG);
    EXPECT_EQ(app.loop.PageFocus, HelpEditorG);
    EXPECT_TRUE(ui().At(HelpEditorG).wordWrap);
    // Help over help, and help over the log, still give the wizard page's help.
    Click(HelpButtonG);
    EXPECT_EQ(ui().Lines(HelpEditorG), SplitAreaLines(c.text + AboutLine()));
    Menu(MenuShowLog);
    Menu(MenuHelp);
    EXPECT_EQ(ui().Lines(HelpEditorG), SplitAreaLines(c.text + AboutLine()));
    EXPECT_EQ(app.pages.MemPageInUse, c.page);
    Previous();
    EXPECT_EQ(PageShown(), c.page);
    EXPECT_EQ(ui().Title(), "ZeBo pour Bloc-notes");
    Next();
  }
  app.pages.MemPageInUse = 0;
  Menu(MenuHelp);
  EXPECT_EQ(ui().Lines(HelpEditorG), SplitAreaLines("Pas d'aide sur cette page !" + AboutLine()));
}

// A package file whose stored bytes lie in the fake executable.
class Viewer : public WizardTest {
 public:
  Viewer() {
    app.core.mainExe = "C:\\Setup.exe";
    // As the package scan leaves them: both work buffers as large as the largest file.
    app.package.hasPackBuffer = app.package.hasFileBuffer = true;
    app.package.packBuffer.resize(4096);
    app.package.fileBuffer.resize(4096);
  }
  // Stores `content` for file `index`, packed with `packed` when given, else scrambled.
  void Store(size_t index, const std::string& content, const std::string* packed = nullptr) {
    PackageFile& file = app.package.files[index];
    std::string stored = packed ? *packed : content;
    if (!packed) {
      ScrambleBytes(reinterpret_cast<unsigned char*>(stored.data()),
                    static_cast<int64_t>(stored.size()));
    }
    file.DataOffset = static_cast<int64_t>(exe.size());
    file.Size = static_cast<int32_t>(content.size());
    file.PackedSize = static_cast<int32_t>(stored.size());
    exe += stored;
    fake.files.PutFile(app.core.mainExe, exe);
  }
  void View(int index) {
    ui().menuChoices = {MenuView};
    ui().SelectItem(FileListG, 0);
    for (int i = 0; i < ui().ItemCount(FileListG); ++i) {
      if (ui().ItemData(FileListG, i) == index) ui().SelectItem(FileListG, i);
    }
    Click(ContextMenuButtonG);
  }
  void ToFilePage() {
    Start();
    for (int i = 0; i < 4; ++i) Next();
  }
  std::string exe = "MZ stub and package";
};

TEST_F(Viewer, ShowsScrambledAndCompressedTexts) {
  const std::string script = "; Bloc-notes\r\nScript Hello ()\r\n  SayString (\"\xE9t\xE9\")\r\n";
  std::string large;
  for (int i = 0; i < 40; ++i) large += script;
  const std::string packed = pack::Jcalg1Encode(large);
  ASSERT_NE(packed.size(), large.size());
  fake.files.AddDrive('C');
  Store(1, script);
  Store(0, large, &packed);
  ToFilePage();

  View(1);
  EXPECT_EQ(PageShown(), HelpPageG);
  EXPECT_EQ(ui().Title(), "ZeBo - Visualisation de fichier");
  EXPECT_EQ(ui().Text(HelpLabelG), "Fichier interne :");
  EXPECT_EQ(ui().Text(HelpStringG), "A.jsb");
  EXPECT_EQ(ui().Lines(HelpEditorG), SplitAreaLines(script));
  EXPECT_EQ(ui().focused, HelpEditorG);
  EXPECT_EQ(Buttons(), std::vector<int>{PreviousButtonG});
  Previous();
  EXPECT_EQ(PageShown(), FilePageG);

  View(0);
  EXPECT_EQ(ui().Text(HelpStringG), "b.jss");
  EXPECT_EQ(ui().Lines(HelpEditorG), SplitAreaLines(large));
  EXPECT_TRUE(ui().messages.empty());
}

TEST_F(Viewer, ABinaryFileShowsItsBytesUpToTheFirstZero) {
  fake.files.AddDrive('C');
  Store(1, std::string("MZ\x90\x01\0after", 10));
  ToFilePage();
  View(1);
  EXPECT_EQ(ui().Text(HelpEditorG), "MZ\x90\x01");
}

TEST_F(Viewer, UnreadableFilesBringTheWizardPageBack) {
  fake.files.AddDrive('C');
  const std::string garbage(40, '\x7F');
  Store(0, std::string(200, 'a'), &garbage);  // does not unpack
  app.package.files[1].DataOffset = 1 << 20;  // beyond the executable's end
  app.package.files[1].Size = app.package.files[1].PackedSize = 10;
  ToFilePage();
  for (int index : {0, 1}) {
    SCOPED_TRACE(index);
    ui().messages.clear();
    View(index);
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_EQ(ui().messages[0].title, "Erreur");
    EXPECT_EQ(ui().messages[0].text,
              "Impossible d'acc\xE9"
              "der au fichier !");
    EXPECT_EQ(PageShown(), FilePageG);
    EXPECT_EQ(ui().Title(), "ZeBo pour Bloc-notes");
  }
  // An index outside the package, as well.
  ui().messages.clear();
  ViewPackagedFile(app.wizard, 99);
  EXPECT_EQ(ui().messages.size(), 1u);
  EXPECT_EQ(PageShown(), FilePageG);
}

}  // namespace
}  // namespace zebo::testing
