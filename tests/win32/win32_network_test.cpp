// The WinINet download against a small HTTP server on 127.0.0.1 run by the test itself.
#include "platform/win32/win32_network.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/win32/text.h"
#include "platform/win32/win32_files.h"
#include "tests/win32/tiny_http_server.h"

namespace zebo {
namespace {

std::string TempFile(const std::string& name) {
  wchar_t temp[MAX_PATH + 1];
  ::GetTempPathW(MAX_PATH + 1, temp);
  return win32::Narrow(temp) + name;
}

TEST(Win32Network, StoresTheBodyOfASuccessfulAnswerOnly) {
  TinyServer server(std::map<std::string, std::string>{
      {"/found", "Name New Version=http://example.org/\r\nNew Date=02/03/2012 10:00\r\n"}});
  win32::Win32Network network;
  win32::Win32Files files;
  ASSERT_TRUE(network.Start());
  const std::string path = TempFile("zebo-network-test.vzbVZB");
  (void)files.DeleteFile(path);

  ASSERT_TRUE(network.DownloadToFile(server.Url("/found"), path));
  std::string content;
  ASSERT_TRUE(ReadWholeFile(files, path, content));
  EXPECT_EQ(content, "Name New Version=http://example.org/\r\nNew Date=02/03/2012 10:00\r\n");

  (void)files.DeleteFile(path);
  EXPECT_FALSE(network.DownloadToFile(server.Url("/missing"), path));
  EXPECT_LT(files.FileSize(path), 0);
  // Nothing but the web: no file:// or ftp:// fetches, and nothing where no server listens.
  EXPECT_FALSE(network.DownloadToFile("file:///C:/windows/win.ini", path));
  EXPECT_FALSE(network.DownloadToFile("ftp://127.0.0.1/x", path));
  EXPECT_LT(files.FileSize(path), 0);
}

}  // namespace
}  // namespace zebo
