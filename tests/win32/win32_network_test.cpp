// The WinINet download against a small HTTP server on 127.0.0.1 run by the test itself.
#include "platform/win32/win32_network.h"

#include <gtest/gtest.h>
#include <winsock2.h>
#include <ws2tcpip.h>

#include <atomic>
#include <string>

#include "platform/win32/text.h"
#include "platform/win32/win32_files.h"

namespace zebo {
namespace {

// Answers each connection with one canned HTTP/1.1 response chosen by the request's path.
class TinyServer {
 public:
  TinyServer() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    int size = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
    listen(listener_, 4);
    thread_ = ::CreateThread(
        nullptr, 0,
        [](void* self) -> DWORD {
          static_cast<TinyServer*>(self)->Serve();
          return 0;
        },
        this, 0, nullptr);
  }
  ~TinyServer() {
    stop_ = true;
    closesocket(listener_);
    ::WaitForSingleObject(thread_, 5000);
    ::CloseHandle(thread_);
    WSACleanup();
  }
  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }

 private:
  void Serve() {
    while (!stop_) {
      SOCKET client = accept(listener_, nullptr, nullptr);
      if (client == INVALID_SOCKET) return;
      std::string request;
      char buffer[1024];
      while (request.find("\r\n\r\n") == std::string::npos) {
        const int got = recv(client, buffer, sizeof buffer, 0);
        if (got <= 0) break;
        request.append(buffer, static_cast<size_t>(got));
      }
      std::string answer;
      if (request.rfind("GET /found ", 0) == 0) {
        const std::string body =
            "Name New Version=http://example.org/\r\nNew Date=02/03/2012 10:00\r\n";
        answer = "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) +
                 "\r\nConnection: close\r\n\r\n" + body;
      } else {
        answer = "HTTP/1.1 404 Not Found\r\nContent-Length: 3\r\nConnection: close\r\n\r\nno!";
      }
      send(client, answer.data(), static_cast<int>(answer.size()), 0);
      shutdown(client, SD_SEND);
      closesocket(client);
    }
  }
  SOCKET listener_ = INVALID_SOCKET;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  HANDLE thread_ = nullptr;
};

std::string TempFile(const std::string& name) {
  wchar_t temp[MAX_PATH + 1];
  ::GetTempPathW(MAX_PATH + 1, temp);
  return win32::Narrow(temp) + name;
}

TEST(Win32Network, StoresTheBodyOfASuccessfulAnswerOnly) {
  TinyServer server;
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
