// The adaptation engine on script texts: removal by tag, insertion, replaced blocks, conflicts,
// and the round-trip properties on generated sources.
#include <gtest/gtest.h>

#include <string>

#include "adaptation/directives.h"
#include "adaptation/insertion.h"
#include "adaptation/script_scan.h"
#include "platform/fake/fake_files.h"
#include "tests/support/script_generator.h"

namespace zebo {
namespace {

struct Outcome {
  std::string text;  // as saved: CR LF line ends
  std::string conflicts;
  int inlineInsertions = 0;
};

Outcome Adapt(const std::string& source, const std::string& adaptation, bool apply) {
  fake::FakeFiles files;
  AdaptationState state;
  EXPECT_EQ(ParseAdaptationFile(files, state, "C:\\Settings\\MyApp.jss", adaptation), 1);
  state.ScriptText = source;
  RemoveAdaptations(state, state.AdaptationTag);
  if (apply) InsertAdaptations(state);
  return {SavedScriptBytes(state.ScriptText), state.ConflictMessages, state.InlineInsertions};
}

std::string Apply(const std::string& source, const std::string& adaptation) {
  return Adapt(source, adaptation, true).text;
}
std::string Remove(const std::string& source, const std::string& adaptation) {
  return Adapt(source, adaptation, false).text;
}

// Lines joined with CR LF, as the engine saves them.
std::string Crlf(std::initializer_list<std::string> lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

const std::string kAddEnd = "; merge_tag MyApp\n; merge_addendfunction AutoStartEvent MyStart ()\n";
const std::string kReplaceSayLine =
    "; merge_tag MyApp\n; merge_replacescript SayLine MySayLine ()\n";

TEST(AdaptationInsert, WorkedExampleAddsBeforeTheFinalReturn) {
  const std::string source =
      Crlf({"Void Function AutoStartEvent ()", "  Say (\"hi\", 0)", "  Return", "EndFunction"});
  EXPECT_EQ(Apply(source, kAddEnd),
            Crlf({"Void Function AutoStartEvent ()", "  Say (\"hi\", 0)",
                  "MyStart () ; [ ZeBo-MyApp ]", "  Return", "EndFunction"}));
}

TEST(AdaptationInsert, WorkedExampleReplacesAScript) {
  const std::string source =
      Crlf({"Script SayLine ()", "  If x Then", "    SayIt ()", "  EndIf", "EndScript"});
  EXPECT_EQ(Apply(source, kReplaceSayLine),
            Crlf({"Script SayLine (); [ ZeBoComment-MyApp ]", "; [ ZeBoComment-MyApp ]  If x Then",
                  "; [ ZeBoComment-MyApp ]    SayIt ()", "; [ ZeBoComment-MyApp ]  EndIf",
                  "MySayLine () ; [ ZeBo-MyApp ]", "EndScript"}));
}

TEST(AdaptationInsert, ExampleFailureCases) {
  // A block the source does not hold: nothing inserted, nothing reported.
  const std::string plain = Crlf({"Script Other ()", "EndScript"});
  const Outcome missing = Adapt(plain, kReplaceSayLine, true);
  EXPECT_EQ(missing.text, plain);
  EXPECT_EQ(missing.conflicts, "");

  // No header at all: the begin line is dropped, the end line still appended after the one empty
  // line the preparation adds.
  const std::string both = "; merge_tag MyApp\n; merge_addbegin First ()\n; merge_addend\n";
  EXPECT_EQ(Apply(Crlf({"Let x = 1"}), both),
            Crlf({"Let x = 1", "", "Include \"MyApp.jss\" ; [ ZeBo-MyApp ]"}));

  // A return type that is not one of the engine's: not a block.
  const std::string unknownType = Crlf({"Number Function AutoStartEvent ()", "EndFunction"});
  EXPECT_EQ(Apply(unknownType, kAddEnd), unknownType);

  // A script already replaced under another tag.
  const std::string taken = Crlf({"Script SayLine (); [ ZeBoComment-other ]", "EndScript"});
  const Outcome conflict = Adapt(taken, kReplaceSayLine, true);
  EXPECT_EQ(conflict.conflicts, "Le script \"sayline\" est d\xE9ja utilis\xE9 par other\n");
  EXPECT_EQ(conflict.text.find("; [ ZeBoComment-MyApp ]"), std::string::npos);
}

TEST(AdaptationInsert, BlockRecognition) {
  struct Case {
    const char* name;
    std::string source;
    std::string expected;
  };
  const std::string mark = " ; [ ZeBo-MyApp ]";
  const Case cases[] = {
      {"end keyword in capitals and indented",
       Crlf({"Function AutoStartEvent ()", "   ENDFUNCTION"}),
       Crlf({"Function AutoStartEvent ()", "MyStart ()" + mark, "   ENDFUNCTION"})},
      {"end keyword after code ending in a letter is no end",
       Crlf({"Function AutoStartEvent ()", "  xEndFunction", "EndFunction"}),
       Crlf({"Function AutoStartEvent ()", "  xEndFunction", "MyStart ()" + mark, "EndFunction"})},
      {"header over two lines",
       Crlf({"Function AutoStartEvent", "  ()", "  Return", "EndFunction"}),
       Crlf({"Function AutoStartEvent", "  ()", "MyStart ()" + mark, "  Return", "EndFunction"})},
      {"last Return inside an If block",
       Crlf({"Function AutoStartEvent ()", "  If a Then", "    Return", "  EndIf", "EndFunction"}),
       Crlf({"Function AutoStartEvent ()", "  If a Then", "    Return", "  EndIf",
             "MyStart ()" + mark, "EndFunction"})},
      {"a name that starts with Return is no Return",
       Crlf({"Function AutoStartEvent ()", "  ReturnValue ()", "EndFunction"}),
       Crlf(
           {"Function AutoStartEvent ()", "  ReturnValue ()", "MyStart ()" + mark, "EndFunction"})},
      {"Return in a comment or a string is no Return",
       Crlf({"Function AutoStartEvent ()", "  ; Return", "  Say (\"Return\")", "EndFunction"}),
       Crlf({"Function AutoStartEvent ()", "  ; Return", "  Say (\"Return\")", "MyStart ()" + mark,
             "EndFunction"})},
  };
  for (const Case& c : cases) EXPECT_EQ(Apply(c.source, kAddEnd), c.expected) << c.name;
}

TEST(AdaptationInsert, BeginTextBeforeTheFirstBlock) {
  const std::string begin = "; merge_tag MyApp\n; merge_addbegin\n";
  const std::string inc = "Include \"MyApp.jss\" ; [ ZeBo-MyApp ]";
  EXPECT_EQ(Apply(Crlf({"; top", "Int", "Function Foo ()", "EndFunction"}), begin),
            Crlf({"; top", inc, "Int", "Function Foo ()", "EndFunction"}));
  // A return type alone on its line belongs to the header: the begin text goes before it, for
  // every type word a function may have.
  for (const char* type : {"String", "Variant", "stringarray", "Bool"}) {
    EXPECT_EQ(Apply(Crlf({type, "Function Foo ()", "EndFunction"}), begin),
              Crlf({inc, type, "Function Foo ()", "EndFunction"}))
        << type;
  }
  // On a replaced first block the begin text still goes to the line start.
  const std::string both =
      "; merge_tag MyApp\n; merge_addbegin\n; merge_replacefunction Foo Bar ()\n";
  EXPECT_EQ(Apply(Crlf({"Function Foo ()", "  X ()", "EndFunction"}), both),
            Crlf({inc, "Function Foo (); [ ZeBoComment-MyApp ]", "; [ ZeBoComment-MyApp ]  X ()",
                  "Bar () ; [ ZeBo-MyApp ]", "EndFunction"}));
}

TEST(AdaptationInsert, TypedFunctionHeadersAreBlocks) {
  for (const char* type :
       {"Handle", "int", "OBJECT", "string", "void", "Variant", "collection", "bool", "IntArray",
        "stringarray", "handlearray", "objectarray", "variantarray"}) {
    const std::string source =
        Crlf({std::string(type) + " Function AutoStartEvent ()", "EndFunction"});
    EXPECT_EQ(Apply(source, kAddEnd), Crlf({std::string(type) + " Function AutoStartEvent ()",
                                            "MyStart () ; [ ZeBo-MyApp ]", "EndFunction"}))
        << type;
  }
}

TEST(AdaptationInsert, ReturnInsideALoopKeepsTheTextAtTheEnd) {
  for (const char* loop : {"While", "For"}) {
    const std::string end = std::string("End") + loop;
    const std::string source = Crlf({"Function AutoStartEvent ()", std::string("  ") + loop + " a",
                                     "    Return", "  " + end, "EndFunction"});
    EXPECT_EQ(Apply(source, kAddEnd),
              Crlf({"Function AutoStartEvent ()", std::string("  ") + loop + " a", "    Return",
                    "  " + end, "MyStart () ; [ ZeBo-MyApp ]", "EndFunction"}))
        << loop;
  }
}

TEST(AdaptationInsert, InlineEndKeepsTheCodeBeforeIt) {
  const std::string source =
      Crlf({"Function AutoStartEvent ()", "  Say (\"a\") Return 1", "  Foo () EndFunction"});
  const Outcome applied = Adapt(source, kAddEnd, true);
  EXPECT_EQ(applied.text,
            Crlf({"Function AutoStartEvent ()", "  Say (\"a\") ", "MyStart () ; [ ZeBo-MyApp ]",
                  "Return 1", "  Foo () EndFunction"}));
  EXPECT_EQ(applied.inlineInsertions, 1);
  // The removal takes the inserted line only; the code before the Return stays.
  EXPECT_EQ(Remove(applied.text, kAddEnd), Crlf({"Function AutoStartEvent ()", "  Say (\"a\") ",
                                                 "Return 1", "  Foo () EndFunction"}));
}

TEST(AdaptationInsert, ReplacedBlockDisablesEveryLineOfAMultiLineComment) {
  const std::string source = Crlf({"Function Foo ()", "  X () /* first", "  second", "  */ Y ()",
                                   "EndFunction", "Function Bar ()", "EndFunction"});
  const std::string adaptation =
      "; merge_tag T\n; merge_replacefunction Foo New ()\n; merge_addendfunction Bar More ()\n";
  const std::string applied = Apply(source, adaptation);
  EXPECT_EQ(applied, Crlf({"Function Foo (); [ ZeBoComment-T ]",
                           "; [ ZeBoComment-T ]  X () /* first", "; [ ZeBoComment-T ]  second",
                           "; [ ZeBoComment-T ]  */ Y ()", "New () ; [ ZeBo-T ]", "EndFunction",
                           "Function Bar ()", "More () ; [ ZeBo-T ]", "EndFunction"}));
  EXPECT_EQ(Remove(applied, adaptation), source);
  EXPECT_EQ(Apply(applied, adaptation), applied);
}

TEST(AdaptationInsert, BlockLeftOpenToTheEndDoesNotGrow) {
  // The empty lines that end the text are not disabled: the preparation adds one each time.
  for (const std::string source : {"Script SayLine ()\r\n  X ()\r\n", "Script SayLine ()\r\n  X ()",
                                   "Script SayLine ()\r\n\r\n"}) {
    const std::string once = Apply(source, kReplaceSayLine);
    EXPECT_EQ(once.rfind("Script SayLine (); [ ZeBoComment-MyApp ]\r\n", 0), 0u) << once;
    EXPECT_EQ(Apply(once, kReplaceSayLine), once);
  }
}

TEST(AdaptationInsert, HeaderEndingInAStringCannotBeReplaced) {
  const Outcome outcome =
      Adapt(Crlf({"Script SayLine () \"open", "EndScript"}), kReplaceSayLine, true);
  EXPECT_NE(outcome.conflicts.find("Le script \"sayline\""), std::string::npos);
  EXPECT_EQ(outcome.text.find("ZeBoComment"), std::string::npos);
}

TEST(AdaptationInsert, EndLinesAfterAnOpenBlockCommentAreRefused) {
  const Outcome outcome = Adapt(Crlf({"Script A ()", "EndScript", "/* never closed"}),
                                "; merge_tag T\n; merge_addend X\n", true);
  EXPECT_NE(outcome.conflicts, "");
}

TEST(AdaptationRemove, MarksOfTheTagOnly) {
  struct Case {
    const char* name;
    std::string source;
    std::string expected;
  };
  const Case cases[] = {
      {"insertion marks in any case and blanks",
       Crlf({"A", "X () ; [ ZeBo-MyApp ]", "Y () ;[zebo-myapp]", "Z () ; note [   ZEBO-MYAPP  ]",
             "B"}),
       Crlf({"A", "B"})},
      {"the mark inside a string or a block comment stays",
       Crlf({"Say (\"; [ ZeBo-MyApp ]\")", "/* ; [ ZeBo-MyApp ] */", "/*", "; [ ZeBo-MyApp ]",
             "*/"}),
       Crlf({"Say (\"; [ ZeBo-MyApp ]\")", "/* ; [ ZeBo-MyApp ] */", "/*", "; [ ZeBo-MyApp ]",
             "*/"})},
      {"disable marks give back the lines",
       Crlf({"Script A () ; own comment; [ ZeBoComment-MyApp ]",
             "; [ ZeBoComment-MyApp ]\t  Say ()", "; [ ZeBoComment-MyApp ]; was a comment",
             "EndScript"}),
       Crlf({"Script A () ; own comment", "\t  Say ()", "; was a comment", "EndScript"})},
      {"another tag's marks are left alone",
       Crlf({"X () ; [ ZeBo-Other ]", "; [ ZeBoComment-MyApp ]Y () ; [ ZeBo-Other ]",
             "; [ ZeBoComment-Other ]Z ()"}),
       Crlf({"X () ; [ ZeBo-Other ]", "Y () ; [ ZeBo-Other ]", "; [ ZeBoComment-Other ]Z ()"})},
      {"a bracket in the author's own comment does not hide the mark",
       Crlf({"A", "X () ; see [note ; [ ZeBo-MyApp ]", "Y (); [x; [ ZeBoComment-MyApp ]"}),
       Crlf({"A", "Y (); [x"})},
      {"a disabled line gives back its strings, marks of the tag inside them included",
       Crlf({"; [ ZeBoComment-MyApp ]  Say (\"; [ ZeBo-MyApp ] [ ZeBoComment-MyApp ]\")"}),
       Crlf({"  Say (\"; [ ZeBo-MyApp ] [ ZeBoComment-MyApp ]\")"})},
      {"the last line without a line end is scanned too", "A\r\nX () ; [ ZeBo-MyApp ]",
       Crlf({"A"})},
      {"a character 21 of the source survives",
       Crlf({"A\x15"
             "B",
             "X ; [ ZeBo-MyApp ]"}),
       Crlf({"A\x15"
             "B"})},
  };
  for (const Case& c : cases) EXPECT_EQ(Remove(c.source, kAddEnd), c.expected) << c.name;
}

TEST(AdaptationRemove, BlockCommentOpensOnlyInCode) {
  // "/*" in a string or in a ";" comment opens nothing: the lines after it stay code.
  EXPECT_EQ(BuildScanText("; x /* y\nA\n\"/*\"\nB;c\n"), "        \na\n\"  \"\nb  \n");
  EXPECT_EQ(BuildScanText("A /* x\n y */B\n"), "a" + std::string(11, ' ') + "b\n");
  EXPECT_EQ(BuildScanText("\tX*/Y\n"), " x  y\n");
}

TEST(AdaptationRemove, DisabledStringWithCommentOpenerStaysRemovable) {
  // Once disabled, the quoted "/*" of the body lies in a ";" comment.
  const std::string source =
      Crlf({"Script SayLine ()", "  Let n = SelectSingleNode (\"/*\")", "EndScript",
            "Function AutoStartEvent ()", "  Return", "EndFunction"});
  const std::string adaptation =
      kReplaceSayLine + "; merge_addendfunction AutoStartEvent MyStart ()\n";
  const std::string applied = Apply(source, adaptation);
  EXPECT_NE(applied.find("MyStart () ; [ ZeBo-MyApp ]\r\n  Return"), std::string::npos);
  EXPECT_EQ(Apply(applied, adaptation), applied);
  EXPECT_EQ(Remove(applied, adaptation), source);
}

TEST(AdaptationRemove, ScanCopyFollowsTheRemoval) {
  // A function replaced before and now only added to: its Return, disabled until the removal,
  // must be seen again so the new line goes before it.
  const std::string source = Crlf({"Function AutoStartEvent ()", "  Return", "EndFunction"});
  const std::string replaced =
      Apply(source, "; merge_tag MyApp\n; merge_replacefunction AutoStartEvent Old ()\n");
  EXPECT_EQ(Apply(replaced, kAddEnd), Apply(source, kAddEnd));
}

TEST(AdaptationRemove, ApplyingTwiceKeepsOneCopy) {
  const std::string source = Crlf({"Function AutoStartEvent ()", "  Return", "EndFunction"});
  const std::string once = Apply(source, kAddEnd);
  EXPECT_EQ(Apply(once, kAddEnd), once);
  EXPECT_EQ(Remove(once, kAddEnd), source);
  // Lines appended at the end follow one more empty line at each application.
  const std::string end = "; merge_tag MyApp\n; merge_addend Tail ()\n";
  const std::string first = Apply(source, end);
  EXPECT_EQ(first, source + Crlf({"", "Tail () ; [ ZeBo-MyApp ]"}));
  EXPECT_EQ(Apply(first, end), source + Crlf({"", "", "Tail () ; [ ZeBo-MyApp ]"}));
}

TEST(AdaptationInputErrors, RefusesWhatCouldNotBeRemovedAgain) {
  fake::FakeFiles files;
  struct Case {
    std::string adaptation;
    size_t errors;
  };
  const Case cases[] = {
      {"; merge_tag MyApp\n; merge_addendfunction F Say (\"a;b\") ; note [x\n", 0},
      {"; merge_tag My[App\n", 1},
      {"; merge_tag MyApp]\n", 1},
      {"; merge_file Default.jss\n", 1},
      {"; merge_tag MyApp\n; merge_addend Say (\"open\n", 1},
      {"; merge_tag MyApp\n; merge_addbegin X () /* open\n; merge_addend Y () /* closed */\n", 1},
      // The tag's own marks in the text: taken for a disabled line, or for an added one.
      {"; merge_tag MyApp\n; merge_addend ;[  ZeBoComment-MyApp ]Say ()\n", 1},
      {"; merge_tag MyApp\n; merge_addend Say () ; [ zebo-myapp ]\n", 1},
      {"; merge_tag MyApp\n; merge_addend Say () ; [ ZeBoComment-Other ] [ ZeBo-Other ]\n", 0},
  };
  for (const Case& c : cases) {
    AdaptationState state;
    ASSERT_EQ(ParseAdaptationFile(files, state, "C:\\A.jss", c.adaptation), 1);
    EXPECT_EQ(AdaptationInputErrors(state).size(), c.errors) << c.adaptation;
  }
  AdaptationState state;
  state.AdaptationTag = "Tag\nWith break";
  EXPECT_EQ(AdaptationInputErrors(state),
            std::vector<std::string>{"! Le nom du tatouage n'est pas correct !"});
}

// The source's lines as the engine saves them: CR LF line ends, a last line end added.
std::string Normalized(const std::string& source) {
  AdaptationState state;
  state.ScriptText = source;
  RemoveAdaptations(state, "none");
  return SavedScriptBytes(state.ScriptText);
}

TEST(AdaptationProperties, RoundTripsOnGeneratedSources) {
  const std::string a =
      "; merge_tag AppA\n; merge_addbegin\n; merge_addendfunction Func3 StartA ()\n"
      "; merge_addendfunction func7 Say (\"a; [b\")\n; merge_replacescript Script2 NewTwo ()\n"
      "; merge_addendscript Script4 MoreFour ()\n; merge_replacefunction Func11 NewEleven ()\n";
  const std::string b =
      "; merge_tag AppB\n; merge_addbegin Include \"b.jsb\"\n; merge_addendfunction Func3 StartB "
      "()\n"
      "; merge_replacefunction Func7 NewSeven ()\n; merge_replacescript Script4 NewFour ()\n"
      "; merge_addendscript Script2 MoreTwo ()\n";
  for (uint64_t seed = 1; seed <= 40; ++seed) {
    const std::string x = testing::GenerateSource(seed, 3000 + seed * 150, seed % 3 ? 0 : 5).text;
    const std::string nx = Normalized(x);
    SCOPED_TRACE("seed " + std::to_string(seed));
    const Outcome ax = Adapt(x, a, true);
    ASSERT_EQ(ax.conflicts, "");
    ASSERT_EQ(ax.inlineInsertions, 0);
    ASSERT_NE(ax.text, nx);
    EXPECT_EQ(Remove(ax.text, a), nx);
    EXPECT_EQ(Apply(ax.text, a), ax.text);
    // Two tags, applied and removed in every order.
    const std::string ab = Apply(ax.text, b);
    const std::string ba = Apply(Apply(x, b), a);
    EXPECT_EQ(Remove(Remove(ab, a), b), nx);
    EXPECT_EQ(Remove(Remove(ab, b), a), nx);
    EXPECT_EQ(Remove(Remove(ba, a), b), nx);
    EXPECT_EQ(Remove(Remove(ba, b), a), nx);
    EXPECT_EQ(Remove(ab, b), ax.text);
    // Re-applying one tag leaves the other's changes as they were.
    EXPECT_EQ(Apply(ab, b), ab);
  }
}

}  // namespace
}  // namespace zebo
