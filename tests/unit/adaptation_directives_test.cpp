// Reading merge directives, and loading and saving the adapted source.
#include <gtest/gtest.h>

#include "adaptation/directives.h"
#include "platform/fake/fake_files.h"

namespace zebo {
namespace {

AdaptationState Parse(std::string_view content, const std::string& path = "C:\\S\\MyApp.jss") {
  fake::FakeFiles files;
  AdaptationState state;
  EXPECT_EQ(ParseAdaptationFile(files, state, path, content), 1);
  return state;
}

TEST(AdaptationDirectives, TagLineForms) {
  struct Case {
    const char* content;
    const char* tag;
  };
  const Case cases[] = {
      {";merge_tag MyApp", "MyApp"},
      {"   ;   merge_tag    MyApp   ", "MyApp"},
      {"; Merge_Tag MyApp", "MyApp"},
      {"; MERGE_TAG My App ; x", "My App ; x"},
      {"\t; merge_tag MyApp", ""},  // a tab is no blank before the ";"
      {"; merge_tag\tMyApp", ""},   // nor after the keyword
      {"; merge_tagMyApp", ""},
      {"Let x = 1 ; merge_tag MyApp", ""},
      {"; merge_tag First\r; merge_tag Second", "Second"},
  };
  for (const Case& c : cases) EXPECT_EQ(Parse(c.content).AdaptationTag, c.tag) << c.content;
}

TEST(AdaptationDirectives, RecordsInFileOrder) {
  const AdaptationState state = Parse(
      "; merge_file First.jss\r\n; merge_file Default.jss\r\n"
      "; merge_addendfunction AutoStartEvent   MyStart ()  \n"
      "; merge_addendfunction AutoStartEvent\n"  // no text: nothing
      "; merge_replacescript SayLine MySayLine ()\n"
      "; merge_addendscript SayAll More ()\n"
      "; merge_replacefunction Foo Bar ()\n"
      "; merge_addbegin\n; merge_addend Say (\"x\") ; kept\n; merge_other x y\n");
  EXPECT_EQ(state.FileToAdapt, "Default.jss");
  const std::vector<MergeDirective> expected = {
      {1, 0, "AutoStartEvent", "MyStart ()"},
      {0x203, 0, "SayLine", "MySayLine ()"},
      {3, 0, "SayAll", "More ()"},
      {0x201, 0, "Foo", "Bar ()"},
      {2, 1, "", "Include \"MyApp.jss\""},
      {2, 0, "", "Say (\"x\") ; kept"},
  };
  ASSERT_EQ(state.MergeDirectives.size(), expected.size());
  for (size_t k = 0; k < expected.size(); ++k) {
    EXPECT_EQ(state.MergeDirectives[k].DirectiveKind, expected[k].DirectiveKind) << k;
    EXPECT_EQ(state.MergeDirectives[k].AtBegin, expected[k].AtBegin) << k;
    EXPECT_EQ(state.MergeDirectives[k].BlockName, expected[k].BlockName) << k;
    EXPECT_EQ(state.MergeDirectives[k].LineText, expected[k].LineText) << k;
  }
  EXPECT_EQ(Parse("; merge_addend", "/home/a/Other.jss").MergeDirectives[0].LineText,
            "Include \"Other.jss\"");
}

TEST(AdaptationDirectives, ReadsTheFileWhenNoContentIsGiven) {
  fake::FakeFiles files;
  AdaptationState state;
  state.MergeDirectives.push_back({1, 0, "Old", "Old ()"});
  state.AdaptationTag = "Old";
  EXPECT_EQ(ParseAdaptationFile(files, state, "C:\\S\\Missing.jss", ""), 0);
  files.PutFile("C:\\S\\Empty.jss", "");
  EXPECT_EQ(ParseAdaptationFile(files, state, "C:\\S\\Empty.jss", ""), 1);
  EXPECT_TRUE(state.MergeDirectives.empty());
  EXPECT_EQ(state.AdaptationTag, "");
  static constexpr char kWithNul[] = "; merge_tag A\0; merge_file B.jss\r; merge_addend";
  files.PutFile("C:\\S\\A.jss", std::string(kWithNul, sizeof kWithNul - 1));
  EXPECT_EQ(ParseAdaptationFile(files, state, "C:\\S\\A.jss", ""), 1);
  EXPECT_EQ(state.AdaptationTag, "A");
  EXPECT_EQ(state.FileToAdapt, "B.jss");
  ASSERT_EQ(state.MergeDirectives.size(), 1u);
  EXPECT_EQ(state.MergeDirectives[0].LineText, "Include \"A.jss\"");
}

TEST(AdaptationDirectives, LoadAndSave) {
  fake::FakeFiles files;
  AdaptationState state;
  state.ScriptText = "kept";
  EXPECT_FALSE(LoadScriptText(files, state, "C:\\S\\Default.jss"));
  EXPECT_EQ(state.ScriptText, "kept");
  files.PutFile("C:\\S\\Default.jss", std::string("a\r\nb\0c", 6));
  ASSERT_TRUE(LoadScriptText(files, state, "C:\\S\\Default.jss"));
  EXPECT_EQ(state.ScriptText, "a\r\nb");

  EXPECT_EQ(SavedScriptBytes("x\n\n"), "x\r\n");
  EXPECT_EQ(SavedScriptBytes("x\n"), "x\r\n");
  EXPECT_EQ(SavedScriptBytes("a\nb"), "a\r\nb");
  EXPECT_EQ(SavedScriptBytes(""), "");
  state.ScriptText = "x\ny\n\n";
  ASSERT_TRUE(SaveScriptText(files, state, "C:\\S\\Out.jss"));
  EXPECT_EQ(*files.Content("C:\\S\\Out.jss"), "x\r\ny\r\n");
}

TEST(AdaptationDirectives, ReplaceScriptFileLeavesOldOrNewSource) {
  AdaptationState state;
  state.ScriptText = "new\n";
  {
    fake::FakeFiles files;
    files.PutFile("C:\\S\\Default.jss", "old\r\n");
    ASSERT_TRUE(ReplaceScriptFile(files, state, "C:\\S\\Default.jss"));
    EXPECT_EQ(*files.Content("C:\\S\\Default.jss"), "new\r\n");
    EXPECT_FALSE(files.Exists("C:\\S\\Default.jss.Tmp"));
    for (const auto& entry : files.Journal()) EXPECT_NE(entry.op, fake::FileOp::Delete);
  }
  // Whichever step fails, the source keeps its old content and no temporary file stays.
  for (int point = 1; point <= 3; ++point) {
    fake::FakeFiles files;
    files.PutFile("C:\\S\\Default.jss", "old\r\n");
    files.FailAt(point);
    EXPECT_FALSE(ReplaceScriptFile(files, state, "C:\\S\\Default.jss")) << point;
    EXPECT_EQ(*files.Content("C:\\S\\Default.jss"), "old\r\n") << point;
    EXPECT_FALSE(files.Exists("C:\\S\\Default.jss.Tmp")) << point;
  }
}

}  // namespace
}  // namespace zebo
