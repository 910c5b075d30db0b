// The remote version check: download, compare dates, offer the new edition.
#include "jaws/version_check.h"

#include "core/cp1252.h"
#include "jaws/version_file.h"

namespace zebo {
namespace {

// The downloaded copy is named after the package; characters that would make it a path are
// replaced so that it stays in the temporary folder.
std::string LocalFileName(std::string name) {
  for (char& c : name) {
    switch (c) {
      case '\\':
      case '/':
      case ':':
      case '*':
      case '?':
      case '"':
      case '<':
      case '>':
      case '|':
        c = '_';
        break;
      default:
        break;
    }
  }
  if (name.find("..") != std::string::npos) {
    for (size_t pos = name.find(".."); pos != std::string::npos; pos = name.find("..", pos)) {
      name[pos] = '_';
    }
  }
  return name;
}

}  // namespace

bool IsWebAddress(const std::string& address) {
  const std::string lower = LowerCase(address);
  const bool http = lower.rfind("http://", 0) == 0 && lower.size() > 7;
  const bool https = lower.rfind("https://", 0) == 0 && lower.size() > 8;
  if (!http && !https) return false;
  // A blank or control character would let the shell read the text as a program and arguments.
  for (const char ch : address) {
    const auto c = static_cast<unsigned char>(ch);
    if (c <= ' ' || c == 0x7F || c == '"') return false;
  }
  return true;
}

bool CheckForNewVersion(Core& core, const PackageInfo& info, VersionCheckState& state,
                        bool silent) {
  OperationLog& log = core.log;
  Platform& platform = core.platform;
  log.LogLine("* Check for new version");
  log.LogLine(" Current Date Version : " + FormatVersionDate(info.Date));
  if (!state.networkStarted) {
    if (!platform.network.Start()) return false;
    state.networkStarted = true;
  }
  log.LogLine("- Find network ");
  const std::string name = FormatName(kVersionFileTemplate, info, platform.clock.Now());
  const std::string temporaryFileVersion =
      platform.files.TempFolder() + LocalFileName(name) + "VZB";
  log.LogLine(" TemporaryFileVersion : " + temporaryFileVersion);
  const std::string url = info.VersionUrl + "/" + name + "VZB";
  log.LogLine(" URL FileVersion = " + url);

  if (!platform.network.DownloadToFile(url, temporaryFileVersion)) {
    if (!silent) {
      log.LogLine("! Error, can't download VZB file");
      platform.ui.MessageBox("Erreur",
                             "Impossible d'acc\xE9"
                             "der au fichier, de version, distant !",
                             MessageButtons::Ok, MessageIcon::Error);
    }
    return false;
  }
  log.LogLine(" VZB file downloaded correctly !");
  VersionFileValues values;
  const bool opened = ReadVersionFile(platform.files, temporaryFileVersion, values);
  const int64_t newDate = ParseVersionDate(values.newDate);
  if (opened) {
    (void)platform.files.DeleteFile(temporaryFileVersion);
    log.LogLine(" New File = " + values.newVersionAddress);
    log.LogLine(" New Date : " + FormatVersionDate(newDate));
  } else {
    log.LogLine("! Can't acces to Tamporary FileVersion !");
  }

  if (newDate > info.Date && !values.newVersionAddress.empty()) {
    const MessageAnswer answer =
        platform.ui.MessageBox("Info",
                               "Nouvelle version disponible ! Voulez-vous la t\xE9l\xE9"
                               "charger ?",
                               MessageButtons::YesNo, MessageIcon::Question);
    if (answer != MessageAnswer::Yes) return false;
    // The address comes from a file on the network: only a web address goes to the shell, so a
    // version file can never start a program on this machine.
    if (!IsWebAddress(values.newVersionAddress)) {
      log.LogLine("! Not opened, not an http or https address : " + values.newVersionAddress);
      return false;
    }
    if (!platform.shell.OpenAddress(values.newVersionAddress)) {
      log.LogLine("! Error, can't open : " + values.newVersionAddress);
      return false;
    }
    return true;
  }
  if (!silent) {
    log.LogLine(" No new version !");
    platform.ui.MessageBox("Info",
                           "Pas de nouvelle version d\xE9tect\xE9"
                           "e ! ",
                           MessageButtons::Ok, MessageIcon::Information);
  }
  return false;
}

}  // namespace zebo
