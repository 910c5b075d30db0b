// The compilation pass: which sources, in which order, and what counts as a failure.
#include "operations/compile_scripts.h"

#include <gtest/gtest.h>

#include "tests/unit/operations_fixture.h"

namespace zebo {
namespace {

using testing::kSettings;
using testing::OperationsFixture;
using Lines = std::vector<std::string>;

std::string Quoted(const std::string& name) {
  return "\"" + std::string(kSettings) + name + "\"";
}

TEST(CompileScripts, CompilesInCompileOrderWithAdaptationsAsDefaultJss) {
  OperationsFixture f;
  f.SetUpJawsPrograms();
  f.AddFile("Second.jss", "", FileCompile, true, 0, 2);
  f.AddFile("Adapt.jss", "", FileAdaptation, true, 0, 1);
  f.AddFile("Both.jss", "", FileAdaptation | FileCompile, true, 0, 2);
  f.AddFile("Plain.jsd", "");
  f.AddFile("Other.jss", "", FileCompile, true, 1, 0);
  for (const char* name : {"Second.jss", "Default.Jss", "Both.jss"}) {
    f.fp.files.PutFile(std::string(kSettings) + name, "x");
  }
  EXPECT_TRUE(CompileScripts(f.ctx, 0));
  EXPECT_EQ(f.Compiled(), (Lines{Quoted("Default.Jss"), Quoted("Second.jss"), Quoted("Both.jss")}));
  EXPECT_EQ(f.Steps(), (Lines{"", "* Compilation de fichier JSS", "- Script Default.Jss",
                              " Compilation effectu\xE9"
                              "e avec succ\xE9s !",
                              "- Script Second.jss",
                              " Compilation effectu\xE9"
                              "e avec succ\xE9s !",
                              "- Script Both.jss",
                              " Compilation effectu\xE9"
                              "e avec succ\xE9s !"}));
}

TEST(CompileScripts, DeselectedFilesAreSkippedAndFailuresCounted) {
  OperationsFixture f;
  f.SetUpJawsPrograms(/*compilerExit=*/1);
  f.AddFile("Unchecked.jss", "", FileCompile, false, 0, 0);
  f.AddFile("NoCompile.jss", "", FileCompile | FileNoCompile, true, 0, 1);
  f.AddFile("NoAdapt.jss", "", FileAdaptation | FileNoAdapt, true, 0, 2);
  EXPECT_TRUE(CompileScripts(f.ctx, 1));
  EXPECT_TRUE(f.Compiled().empty());
  const std::string deselected =
      " D\xE9s\xE9lectionn\xE9"
      "e par l'utilisateur";
  EXPECT_EQ(f.Steps(),
            (Lines{"", "* Compilation de fichier JSS", "- Script Unchecked.jss", deselected,
                   "- Script NoCompile.jss", deselected, "- Script Default.Jss", deselected}));

  OperationsFixture g;
  g.SetUpJawsPrograms(/*compilerExit=*/1);
  g.AddFile("Missing.jss", "", FileCompile, true, 0, 0);
  g.AddFile("Broken.jss", "", FileCompile, true, 0, 1);
  g.fp.files.PutFile(std::string(kSettings) + "Broken.jss", "x");
  EXPECT_FALSE(CompileScripts(g.ctx, 0));
  EXPECT_EQ(
      Lines(g.Steps().begin() + 2, g.Steps().end()),
      (Lines{"- Script Missing.jss", "! Le fichier est inacc\xE9ssible", "- Script Broken.jss",
             "! La compilation a \xE9"
             "chou\xE9"
             "e"}));
}

TEST(CompileScripts, NothingToCompileWritesNothing) {
  OperationsFixture f;
  f.AddFile("Plain.jsd", "");
  f.AddFile("Other.jss", "", FileCompile, true, 1);
  EXPECT_TRUE(CompileScripts(f.ctx, 0));
  EXPECT_TRUE(f.Steps().empty());
}

}  // namespace
}  // namespace zebo
