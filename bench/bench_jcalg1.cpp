// JCALG1 codec figures: decoding speed against zlib's inflate, and packed size against zlib -9
// and xz -9, on generated script sources and on a mixed corpus.
#include <benchmark/benchmark.h>
#include <lzma.h>
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "package/jcalg1.h"
#include "tools/zebo-pack/jcalg1_encoder.h"

namespace {

// A small deterministic generator, so every run measures the same bytes.
class Rng {
 public:
  explicit Rng(uint64_t seed) : s_(seed) {}
  uint32_t Next() {
    s_ = s_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<uint32_t>(s_ >> 33);
  }
  size_t Below(size_t n) { return Next() % n; }
  template <size_t N>
  const char* Pick(const char* const (&items)[N]) {
    return items[Below(N)];
  }

 private:
  uint64_t s_;
};

// JAWS script sources as an author writes them: scripts and functions, locals, conditions,
// spoken French messages (Windows-1252), comments, and identifiers that come back often.
std::string ScriptCorpus(size_t target) {
  static const char* const kObjects[] = {"Window", "Focus",  "Document", "Cell",   "Line", "Word",
                                         "Menu",   "Dialog", "Toolbar",  "List",   "Item", "Tab",
                                         "Button", "Field",  "Message",  "Column", "Row",  "Page"};
  static const char* const kVerbs[] = {"Say",      "Read",  "Get",  "Set",    "Move",
                                       "Announce", "Check", "Find", "Update", "Select",
                                       "Open",     "Close", "Speak"};
  static const char* const kTypes[] = {"Int", "String", "Handle", "Object"};
  static const char* const kBuiltins[] = {
      "GetFocus ()", "GetCurrentWindow ()",   "GetWindowName (hWnd)", "GetObjectName ()",
      "GetLine ()",  "GetWindowClass (hWnd)", "GetCursorRow ()",      "GetCursorCol ()"};
  static const char* const kMessages[] = {"Fen\xEAtre principale",
                                          "Aucun \xE9l\xE9ment s\xE9lectionn\xE9",
                                          "Fin de la liste",
                                          "D\xE9"
                                          "but du document",
                                          "Case coch\xE9"
                                          "e",
                                          "Case non coch\xE9"
                                          "e",
                                          "Menu ferm\xE9",
                                          "Bo\xEEte de dialogue",
                                          "Impossible de trouver la zone d'\xE9"
                                          "dition",
                                          "Ligne vide",
                                          "Colonne ",
                                          "Message envoy\xE9",
                                          "Pas de barre d'outils",
                                          "Onglet actif"};
  static const char* const kComments[] = {
      "; lit le titre de la fen\xEAtre active",         "; ne rien dire si la liste est vide",
      "; compatibilit\xE9 avec les anciennes versions", "; TODO : v\xE9rifier sous Windows 11",
      "; appel\xE9 par le gestionnaire de focus",       "; d\xE9sactive la lecture automatique"};
  Rng rng(20260101);
  std::string out =
      "; Scripts pour l'application de messagerie\r\n; Copyright 2024 l'auteur\r\n\r\n"
      "Include \"HjConst.jsh\"\r\nInclude \"HjGlobal.jsh\"\r\nInclude \"Common.jsm\"\r\n\r\n"
      "Globals\r\n\tInt gbAnnounceMode,\r\n\tString gsLastName,\r\n\tHandle ghMainWindow\r\n\r\n";
  int counter = 0;
  while (out.size() < target) {
    const std::string name = std::string(rng.Pick(kVerbs)) + rng.Pick(kObjects) +
                             (rng.Below(3) == 0 ? std::to_string(++counter) : "");
    const bool isScript = rng.Below(2) == 0;
    if (rng.Below(3) == 0) out += std::string(rng.Pick(kComments)) + "\r\n";
    if (isScript) {
      out += "Script " + name + " ()\r\n";
    } else {
      out += std::string(rng.Pick(kTypes)) + " Function " + name + " (handle hWnd, int iMode)\r\n";
    }
    out += "Var\r\n\tHandle hWnd,\r\n\tString sName,\r\n\tInt iCount\r\n";
    out += "Let hWnd = " + std::string(rng.Pick(kBuiltins)) + "\r\n";
    const size_t blocks = 1 + rng.Below(4);
    for (size_t b = 0; b < blocks; ++b) {
      switch (rng.Below(5)) {
        case 0:
          out += "If GetWindowClass (hWnd) == \"" + std::string(rng.Pick(kObjects)) +
                 "Class\" Then\r\n\tSayString (\"" + rng.Pick(kMessages) +
                 "\")\r\n\tReturn\r\nEndIf\r\n";
          break;
        case 1:
          out += "Let sName = " + std::string(rng.Pick(kBuiltins)) +
                 "\r\nIf StringLength (sName) > " + std::to_string(rng.Below(40)) +
                 " Then\r\n\tSayFormattedMessage (OT_MESSAGE, \"" + rng.Pick(kMessages) +
                 "\")\r\nElse\r\n\tSayString (sName)\r\nEndIf\r\n";
          break;
        case 2:
          out += "Let iCount = iCount + " + std::to_string(1 + rng.Below(9)) +
                 "\r\nWhile iCount < " + std::to_string(rng.Below(100)) +
                 "\r\n\tNextLine ()\r\n\tLet iCount = iCount + 1\r\nEndWhile\r\n";
          break;
        case 3:
          out += std::string(rng.Pick(kVerbs)) + rng.Pick(kObjects) + " (hWnd, " +
                 std::to_string(rng.Below(5)) + ")\r\n";
          break;
        default:
          out += "If gbAnnounceMode Then\r\n\tSayString (\"" + std::string(rng.Pick(kMessages)) +
                 std::to_string(rng.Below(1000)) + "\")\r\nEndIf\r\n";
          break;
      }
    }
    out += isScript ? "EndScript\r\n\r\n" : "EndFunction\r\n\r\n";
  }
  return out;
}

std::string ZlibCompress(const std::string& in, int level) {
  uLongf size = compressBound(static_cast<uLong>(in.size()));
  std::string out(size, '\0');
  compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(in.data()),
            static_cast<uLong>(in.size()), level);
  out.resize(size);
  return out;
}

std::string XzCompress(const std::string& in) {
  std::string out(lzma_stream_buffer_bound(in.size()), '\0');
  size_t pos = 0;
  lzma_easy_buffer_encode(9, LZMA_CHECK_CRC32, nullptr, reinterpret_cast<const uint8_t*>(in.data()),
                          in.size(), reinterpret_cast<uint8_t*>(out.data()), &pos, out.size());
  out.resize(pos);
  return out;
}

const std::string& Corpus() {
  static const std::string corpus = ScriptCorpus(400 * 1024);
  return corpus;
}
const std::string& Packed() {
  static const std::string packed = zebo::pack::Jcalg1Encode(Corpus());
  return packed;
}
const std::string& Zlib9() {
  static const std::string z = ZlibCompress(Corpus(), 9);
  return z;
}

size_t DecodeOurs(std::vector<unsigned char>& out) {
  const std::string& p = Packed();
  return zebo::Jcalg1Decode(reinterpret_cast<const unsigned char*>(p.data()), p.size(), out.data(),
                            out.size());
}

size_t Inflate(std::vector<unsigned char>& out) {
  uLongf size = static_cast<uLongf>(out.size());
  const std::string& z = Zlib9();
  uncompress(out.data(), &size, reinterpret_cast<const Bytef*>(z.data()),
             static_cast<uLong>(z.size()));
  return size;
}

void BM_Jcalg1Decode(benchmark::State& state) {
  std::vector<unsigned char> out(Corpus().size());
  for (auto _ : state) benchmark::DoNotOptimize(DecodeOurs(out));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Corpus().size()));
}
BENCHMARK(BM_Jcalg1Decode);

void BM_ZlibInflate(benchmark::State& state) {
  std::vector<unsigned char> out(Corpus().size());
  for (auto _ : state) benchmark::DoNotOptimize(Inflate(out));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Corpus().size()));
}
BENCHMARK(BM_ZlibInflate);

void BM_Jcalg1Encode(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(zebo::pack::Jcalg1Encode(Corpus()));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Corpus().size()));
  state.counters["vs_zlib9"] =
      static_cast<double>(Packed().size()) / static_cast<double>(Zlib9().size());
}
BENCHMARK(BM_Jcalg1Encode)->Unit(benchmark::kMillisecond);

// Processor seconds per call, over at least a quarter of a second (processor time, so that other
// work on a shared machine does not skew the ratios).
template <typename F>
double SecondsPerCall(F f) {
  size_t calls = 0;
  const std::clock_t start = std::clock();
  double elapsed = 0;
  do {
    f();
    ++calls;
    elapsed = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  } while (elapsed < 0.25);
  return elapsed / static_cast<double>(calls);
}

void PrintSummary() {
  const std::string& corpus = Corpus();
  std::vector<unsigned char> out(corpus.size());
  if (DecodeOurs(out) != corpus.size() || std::string(out.begin(), out.end()) != corpus) {
    std::printf("jcalg1: round trip FAILED\n");
  }
  const std::string xz = XzCompress(corpus);
  const double ours = SecondsPerCall([&] { DecodeOurs(out); });
  const double inflate = SecondsPerCall([&] { Inflate(out); });
  const double encode = SecondsPerCall([&] { zebo::pack::Jcalg1Encode(corpus); });
  const double mb = static_cast<double>(corpus.size()) / 1e6;
  std::printf("script corpus: %zu bytes\n", corpus.size());
  std::printf("packed: jcalg1 %zu, zlib -9 %zu, xz -9 %zu\n", Packed().size(), Zlib9().size(),
              xz.size());
  std::printf("size ratio jcalg1/zlib-9 = %.4f (goal <= 0.97), jcalg1/xz-9 = %.4f\n",
              static_cast<double>(Packed().size()) / static_cast<double>(Zlib9().size()),
              static_cast<double>(Packed().size()) / static_cast<double>(xz.size()));
  std::printf("decode: jcalg1 %.0f MB/s, inflate %.0f MB/s, ratio %.2f (goal >= 0.5)\n", mb / ours,
              mb / inflate, inflate / ours);
  std::printf("encode: %.1f MB/s\n", mb / encode);
}

}  // namespace

int main(int argc, char** argv) {
  PrintSummary();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
